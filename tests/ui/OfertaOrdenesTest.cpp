// Which graphs each algorithm command is offered for, right after a graph is opened: by its type and its
// number of vertices. The table is written by hand from what the window shows, not from the catalogue's rows,
// so a wrong row fails, and so does a command added without its line here.
#include <map>

#include "algorithms/CatalogoOrdenes.h"
#include "support/Aristas.h"
#include "support/CarpetaPrueba.h"
#include "support/MundoPrincipal.h"

namespace {

// Offered (1) or not (.) on a path of 0, 1, 2 and 3 vertices of each type, in the order Simple, Ponderado,
// Digrafo, Digrafo_Ponderado; and the commands offered so.
const std::pair<QString, QStringList> Ofertas[] = {
    {".... 1111 .... ....", {"Algoritmo_boruvka", "Algoritmo_kruskal", "Algoritmo_prim"}},
    {".... .... .... 1111", {"Algoritmo_dijkstra"}},
    {"1111 1111 1111 1111",
     {"Aristas_Puente", "Bloques", "Camino", "Componentes_conexas", "Vértices_corte", "muCartero", "muEsEuleriano",
      "muFleuryAutomatico", "muFleuryUsuario", "muHierholzer", "muTucker"}},
    {"..11 ..11 .... ....", {"En_Anchura", "En_Profundidad"}},
    {"1111 1111 .... ....", {"Estadísticas"}},
    {"1111 .... .... ....", {"Prufer_Decoding", "Prufer_Encoding"}},
    {".111 .... .... ....",
     {"mnu_Brelaz", "mnu_Matula", "mnu_Secuencial_Procesar", "mnu_Secuencial_intro_ord", "mnu_Welsh_Powell",
      "mnu_complementario", "mnu_lineal"}},
};

TEST(OfertaOrdenes, CadaOrdenSeOfreceSegunElTipoYElTamañoDelGrafoAbierto)
{
    CarpetaPrueba carpeta;
    std::map<QString, QString> vistas;
    for (int tipo = 0; tipo < 4; ++tipo)
        for (int n = 0; n <= 3; ++n) {
            MundoPrincipal m;
            m.persona.nombresAbrir = {carpeta.Fichero(QStringLiteral("g%1%2.grf").arg(tipo).arg(n),
                                                      TextoDe(NombreTipo(tipo), n, AristasCamino(n)))};
            m.p.Ejecutar("Abrir");
            for (const OrdenAlgoritmo& o : Ordenes()) {
                QString& visto = vistas[o.control];
                if (n == 0 && tipo > 0)
                    visto += u' ';
                visto += Alcanzable(m.p, o.control) ? u'1' : u'.';
            }
        }
    for (const auto& [oferta, controles] : Ofertas)
        for (const QString& control : controles)
            EXPECT_EQ(vistas.contains(control) ? vistas.extract(control).mapped() : QString(), oferta)
                << control.toStdString();
    for (const auto& [control, visto] : vistas)
        ADD_FAILURE() << control.toStdString() << " sin fila en la tabla";
}

// Each name leads back to its own row, and no two rows share one.
TEST(CatalogoOrdenes, CadaNombreLlevaASuFilaYNingunoSeRepite)
{
    QStringList deOtras;
    for (const OrdenAlgoritmo& orden : Ordenes()) {
        ASSERT_TRUE(orden.algoritmo) << orden.control.toStdString();
        EXPECT_EQ(OrdenPorControl(orden.control), &orden);
        if (!orden.ejecucion.isEmpty()) {
            EXPECT_EQ(OrdenPorEjecucion(orden.ejecucion), &orden);
        }
        QStringList propios = orden.cli + QStringList{orden.control, orden.ejecucion};
        propios.removeAll(QString());
        propios.removeDuplicates();
        for (const QString& nombre : propios) {
            EXPECT_FALSE(deOtras.contains(nombre)) << nombre.toStdString();
            const OrdenAlgoritmo* porCli = OrdenPorCli(nombre);
            EXPECT_TRUE(!porCli || porCli == &orden) << nombre.toStdString();
        }
        deOtras += propios;
    }
}

} // namespace
