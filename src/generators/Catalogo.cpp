#include "generators/Catalogo.h"

#include <algorithm>

#include "generators/Cubos.h"
#include "generators/Elementales.h"
#include "generators/Enlazados.h"
#include "generators/Formas.h"
#include "generators/HararyArbol.h"
#include "generators/Nombrados.h"
#include "generators/Platonicos.h"
#include "model/Grafo.h"

namespace {

using Construir = std::function<std::int16_t(Grafo&, DimensionesArea, const Numeros&)>;
using Familia = std::function<void(Grafo&, DimensionesArea, const Numeros&)>;

// Most families cannot refuse; these adapt them by the count of numbers.
Construir Siempre(Familia familia)
{
    return [familia](Grafo& g, DimensionesArea a, const Numeros& x) {
        familia(g, a, x);
        return std::int16_t{0};
    };
}
template <void (*F)(Grafo&, DimensionesArea)> Construir Sin()
{
    return Siempre([](Grafo& g, DimensionesArea a, const Numeros&) { F(g, a); });
}
template <void (*F)(Grafo&, DimensionesArea, int)> Construir Uno()
{
    return Siempre([](Grafo& g, DimensionesArea a, const Numeros& x) { F(g, a, x[0]); });
}
template <void (*F)(Grafo&, DimensionesArea, int, int)> Construir Dos()
{
    return Siempre([](Grafo& g, DimensionesArea a, const Numeros& x) { F(g, a, x[0], x[1]); });
}
template <void (*F)(Grafo&, DimensionesArea, int, int, int)> Construir Tres()
{
    return Siempre([](Grafo& g, DimensionesArea a, const Numeros& x) { F(g, a, x[0], x[1], x[2]); });
}

Construir Cubo(int dimension)
{
    return Siempre([dimension](Grafo& g, DimensionesArea a, const Numeros&) { Hipercubo(g, a, dimension); });
}

Construir DeFichero(Forma forma)
{
    return [forma](Grafo& g, DimensionesArea a, const Numeros&) { return CargarForma(g, a, forma); };
}

std::function<int(const Numeros&)> Fija(int maximo)
{
    return [maximo](const Numeros&) { return maximo; };
}

PreguntaGenerador TotalVertices(const QString& titulo)
{
    return {titulo, QStringLiteral("Número total de vértices: "), "n", "50", {}};
}

PreguntaGenerador Lado(const QString& titulo, const QString& indicacion, const QString& nombre)
{
    return {titulo, indicacion, nombre, "20", Fija(20)};
}

// The link r or s of a linked graph: at most (n - 1) div 2 steps.
PreguntaGenerador Enlace(const QString& titulo, const QString& nombre)
{
    return {titulo, QStringLiteral("Nº de vértices del enlace %1: ").arg(nombre), nombre, "(n - 1) div 2",
            [](const Numeros& x) { return (x[0] - 1) / 2; }};
}

std::vector<Generador> Completos()
{
    const QString bi = "Grafo Completo Bipartido", tri = "Grafo Completo Tripartido";
    return {
        {"Grafo_nulo", "Grafo Nulo", "Grafos", {TotalVertices("Grafo Nulo")}, Uno<GrafoNulo>()},
        {"Grafo_completo",
         "Grafo Completo (Kn)",
         "Grafos_completos",
         {TotalVertices("Grafo Completo")},
         Uno<GrafoCompleto>()},
        {"Grafo_completo_bipartido",
         "Grafo Completo Bipartido (Kr,s)",
         "Grafos_completos",
         {Lado(bi, "Vértices en el lado izquierdo:", "r"), Lado(bi, "Vértices en el lado derecho: ", "s")},
         Dos<CompletoBipartido>()},
        {"Grafo_completo_tripartido",
         "Grafo Completo Tripartido",
         "Grafos_completos",
         {Lado(tri, "Vértices en el lado izquierdo: ", "r"),
          Lado(tri, "Vértices en el lado derecho: ", "s"),
          {tri, "Vértices en el lado inferior: ", "t", "25, o 50 - (r + s) si es menor",
           [](const Numeros& x) { return std::min(25, Grafo::Limite - (x[0] + x[1])); }}},
         Tres<CompletoTripartido>()},
    };
}

std::vector<Generador> EnlazadosYCubos()
{
    const QString nr = "Grafo Enlazado L(n,r)", nrs = "Grafo Enlazado L(n,r,s)";
    std::vector<Generador> g = {
        {"L_n_r", "L(n, r)", "Grafos_enlazados", {TotalVertices(nr), Enlace(nr, "r")}, Dos<EnlazadoNR>()},
        {"L_n_r_s",
         "L(n, r, s)",
         "Grafos_enlazados",
         {TotalVertices(nrs), Enlace(nrs, "r"), Enlace(nrs, "s")},
         Tres<EnlazadoNRS>()},
    };
    for (int d = 1; d <= 5; ++d)
        g.push_back({QStringLiteral("cubo_%1").arg(d), QStringLiteral("n=%1").arg(d), "Cubos", {}, Cubo(d)});
    return g;
}

std::vector<Generador> Platonicos()
{
    auto tetra = [](bool plano) {
        return Siempre([plano](Grafo& g, DimensionesArea a, const Numeros&) { Tetraedro(g, a, plano); });
    };
    auto octa = [](bool plano) {
        return Siempre([plano](Grafo& g, DimensionesArea a, const Numeros&) { Octaedro(g, a, plano); });
    };
    return {
        {"Tetraedro_plano", "Plano", "Tetraedro", {}, tetra(true)},
        {"Tetraedro_no_plano", "No Plano", "Tetraedro", {}, tetra(false)},
        {"Hexaedro_plano", "Plano", "Hexaedro", {}, Sin<HexaedroPlano>()},
        {"Hexaedro_no_plano", "No Plano", "Hexaedro", {}, Cubo(3)},
        {"Octaedro_plano", "Plano", "Octaedro", {}, octa(true)},
        {"Octaedro_no_plano", "No Plano", "Octaedro", {}, octa(false)},
        {"Icosaedro_plano", "Plano", "Icosaedro", {}, DeFichero(Forma::IcosaedroPlano)},
        {"Icosaedro_no_plano", "No Plano", "Icosaedro", {}, DeFichero(Forma::IcosaedroNoPlano)},
        {"Dodecaedro_plano", "Plano", "Dodecaedro", {}, DeFichero(Forma::DodecaedroPlano)},
        {"Dodecaedro_no_plano", "No Plano", "Dodecaedro", {}, DeFichero(Forma::DodecaedroNoPlano)},
    };
}

std::vector<Generador> Rejillas()
{
    const QString rect = "Rejilla en Rectángulo";
    return {
        {"Rectangulo",
         "Rectángulo",
         "Rejillas",
         {{rect, "Nº de vértices en horizontal: ", "h", "25", Fija(25)},
          {rect, "Nº de vértices en vertical: ", "v", "50 div h",
           [](const Numeros& x) { return Grafo::Limite / x[0]; }}},
         Dos<RejillaEnRectangulo>()},
        {"Triángulo",
         "Triángulo",
         "Rejillas",
         {{"Rejilla en Triángulo", "Número de niveles de altura: ", "L", "9", Fija(9)}},
         Uno<RejillaEnTriangulo>()},
    };
}

std::vector<Generador> Formas()
{
    return {
        {"Ciclo", "Ciclo (Cn)", "Formas", {TotalVertices("Forma: ciclo")}, Uno<Ciclo>()},
        {"Rueda", "Rueda (Wn)", "Formas", {TotalVertices("Forma: Rueda")}, Uno<Rueda>()},
        {"Estrella", "Estrella", "Formas", {TotalVertices("Forma: Estrella")}, Uno<Estrella>()},
        {"Árbol_nario_completo",
         "Árbol n-ario Completo",
         "Formas",
         {{"Árbol", "Anchura del Árbol: ", "w", "35", Fija(35)},
          {"Árbol: ", "Profundidad del Árbol: ", "d", "4 si w = 2, 3 si w = 3, 2 si w = 4 a 6, 1 si no",
           [](const Numeros& x) { return ProfundidadMaxima(x[0]); }}},
         [](Grafo& g, DimensionesArea a, const Numeros& x) { return ArbolNarioCompleto(g, a, x[0], x[1]); }},
    };
}

std::vector<Generador> Nombrados()
{
    const QString h = "Grafos de Harary";
    return {
        {"Harary",
         "Harary(k,n)",
         "Grafos",
         {{h, "Número total de vértices, n: ", "n", "50", {}},
          {h, "Conectividad del grafo, k: ", "k", "n - 1", [](const Numeros& x) { return x[0] - 1; }}},
         Dos<Harary>()},
        {"Herschel", "Herschel", "Grafos", {}, Sin<Herschel>()},
        {"Petersen", "Petersen", "Grafos", {}, Sin<Petersen>()},
        {"Grötzsch", "Grötzsch", "Grafos", {}, Sin<Grötzsch>()},
        {"Heawood", "Heawood", "Grafos", {}, Sin<Heawood>()},
        {"Tutte", "Tutte", "Grafos", {}, DeFichero(Forma::Tutte)},
    };
}

std::vector<Generador> Todos()
{
    std::vector<Generador> todos;
    for (auto grupo : {Completos(), EnlazadosYCubos(), Platonicos(), Rejillas(), Formas(), Nombrados()})
        todos.insert(todos.end(), grupo.begin(), grupo.end());
    return todos;
}

} // namespace

const std::vector<Generador>& Generadores()
{
    static const std::vector<Generador> generadores = Todos();
    return generadores;
}

const Generador* BuscarGenerador(const QString& control)
{
    for (const Generador& g : Generadores())
        if (g.control == control)
            return &g;
    return nullptr;
}

int MaximoPregunta(const PreguntaGenerador& pregunta, const Numeros& anteriores)
{
    return pregunta.maximo ? pregunta.maximo(anteriores) : Grafo::Limite;
}

QString TextoMaximo(int maximo)
{
    return QStringLiteral("(máximo %1)").arg(maximo);
}
