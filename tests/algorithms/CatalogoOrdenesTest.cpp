// The catalogue of commands against the window it describes: every row's
// menu command is reachable exactly on the types the row says the window
// offers it for, and each name leads back to its own row.
#include "algorithms/CatalogoOrdenes.h"
#include "support/Aristas.h"
#include "support/CarpetaPrueba.h"
#include "support/MundoPrincipal.h"

namespace {

TEST(CatalogoOrdenes, CadaOrdenSeOfreceEnLosTiposQueDiceSuFila)
{
    CarpetaPrueba carpeta;
    for (int tipo = 0; tipo < 4; ++tipo) {
        SCOPED_TRACE(tipo);
        // A path 1-2-3, opened as a file of this type.
        const QByteArray texto = TextoDe(NombreTipo(tipo), 3, AristasCamino(3));
        MundoPrincipal m;
        ASSERT_TRUE(m.p.AbrirArchivo(carpeta.Fichero(QString::number(tipo) + ".grf", texto)));
        ASSERT_EQ(m.p.grafo().Tipo(), tipo);
        for (const OrdenAlgoritmo& orden : Ordenes())
            EXPECT_EQ(Alcanzable(m.p, orden.control), Incluye(orden.tipos, tipo)) << orden.control.toStdString();
    }
}

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
