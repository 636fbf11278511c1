// The record's invariants under long random sequences of edits and undos, on every type and up to the full 50
// vertices, with the editor's marks set.
#include <random>

#include "support/EntornoPrueba.h"
#include "support/Invariantes.h"

namespace {

TEST(InvariantesGrafo, EdicionesYDeshacerAlAzarEnLosCuatroTipos)
{
    for (int tipo = 0; tipo < 4; ++tipo)
        for (unsigned semilla = 1; semilla <= 12; ++semilla) {
            std::mt19937 azar(semilla * 7919 + tipo);
            EntornoPrueba mundo;
            mundo.pesosAleatorios = true;
            mundo.interaccion.Azar().Sembrar(semilla);
            Grafo g(mundo.Entorno());
            g.InsertarTipo(NombreTipo(tipo));
            const int objetivo = semilla % 3 == 0 ? 50 : 4 + int(azar() % 20);
            auto uno = [&](int n) { return 1 + int(azar() % n); };
            // The editor's marks on vertices and edges that exist, as hovering and clicking leave them before
            // each edit.
            auto marcar = [&] {
                Seleccion& s = mundo.seleccion;
                for (std::int16_t* v : {&s.VerticeAnterior, &s.VerticeBajoCursor, &s.VerticeSeleccionado})
                    *v = std::int16_t(g.dimen() > 0 ? uno(g.dimen()) : 0);
                const Aristas arcos = ArcosDe(g);
                for (std::int16_t* e : {&s.AristaAnterior, &s.AristaBajoCursor, &s.AristaSeleccionada}) {
                    const Arista arco = arcos.empty() ? Arista{} : arcos[azar() % arcos.size()];
                    *e = CodigoArista(arco.a, arco.b);
                }
            };
            for (int paso = 0; paso < 400; ++paso) {
                const std::string donde =
                    std::to_string(tipo) + "/" + std::to_string(semilla) + "/" + std::to_string(paso);
                marcar();
                const int n = g.dimen(), accion = int(azar() % 10);
                const Grafo antes = g;
                if (n < 2 || (accion < 2 && n < objetivo)) {
                    g.AñadirVertice(std::int16_t(200 + azar() % 8000), std::int16_t(200 + azar() % 5000));
                } else if (accion < 5) {
                    const int a = uno(n), b = uno(n);
                    if (a != b && g.elem_matriz(a, b) == 0) {
                        ASSERT_EQ(g.AñadirArista(a, b), 0) << donde;
                    }
                } else if (accion == 5) {
                    const int v = uno(n);
                    g.Insertar_Ar_conect(v, 0);
                    g.EliminarVertice(v, true);
                    ComprobarInvariantes(g, donde);
                    if (azar() % 2) {
                        g.RecuperarVertice(antes.Posic_CoordX(v), antes.Posic_CoordY(v), v);
                        ASSERT_TRUE(g == antes) << donde << " borrar y recuperar " << v;
                    }
                } else if (accion == 6) {
                    const int u = uno(n), w = uno(n);
                    if (u == w)
                        continue;
                    g.IdentificarVert(u, w, true);
                    ComprobarInvariantes(g, donde);
                    if (azar() % 3) {
                        g.RecuperarIdentificados(u, w, antes.Posic_CoordX(w), antes.Posic_CoordY(w));
                        ASSERT_TRUE(g == antes) << donde << " identificar y recuperar " << u << "," << w;
                    }
                } else if (accion == 7 && g.numero_aristas() > 0) {
                    const Aristas arcos = ArcosDe(g);
                    const auto [a, b, peso] = arcos[azar() % arcos.size()];
                    g.EliminarArista(CodigoArista(a, b));
                    ComprobarInvariantes(g, donde);
                    g.RecuperarArista(CodigoArista(a, b), std::int16_t(peso));
                    ASSERT_TRUE(g == antes) << donde << " borrar y recuperar " << a << "-" << b;
                    if (azar() % 2)
                        g.EliminarArista(CodigoArista(a, b));
                } else if (accion == 8 && g.Ponderado()) {
                    g.Rellenar_Aleatoriamente();
                }
                ComprobarInvariantes(g, donde);
            }
        }
}

} // namespace
