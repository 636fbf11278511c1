// Tucker works on the record itself, since every step is shown on it: new
// vertices, moved edges, identifications and circle positions. The graph
// of the start is kept aside and put back whenever the run stops early, and
// at the end of a run that began step by step (a straight run's
// identifications rebuild the graph it started from, positions untouched).
#include <array>

#include "algorithms/Circuitos.h"
#include "algorithms/Conectividad.h"
#include "algorithms/Euler.h"
#include "algorithms/Hierholzer.h"
#include "costuras/Interaccion.h"
#include "drawing/Dibujo.h"
#include "drawing/Distribucion_Vert.h"
#include "drawing/Lienzo.h"
#include "model/Grafo.h"
#include "run/Algoritmo.h"
#include "run/MarcoEjecucion.h"
#include "run/VentanaEjecucion.h"

namespace {

// What Tucker changes of the record: counts, positions, matrix.
struct Copia {
    std::int16_t n = 0;
    std::int16_t m = 0;
    std::array<Posicion, Grafo::Limite + 1> posiciones{};
    std::array<Grafo::Linea, Grafo::Limite + 1> matriz{};

    explicit Copia(const Grafo& g) : n(g.dimen()), m(g.numero_aristas())
    {
        for (int a = 1; a <= Grafo::Limite; ++a) {
            posiciones[a] = {g.Posic_CoordX(a), g.Posic_CoordY(a)};
            for (int b = 1; b <= Grafo::Limite; ++b)
                matriz[a][b] = g.elem_matriz(a, b);
        }
    }
    void Restaurar(Grafo& g) const
    {
        g.Insertar_Dimension(n, false);
        g.InsertarNumAristas(m);
        for (int a = 1; a <= Grafo::Limite; ++a) {
            g.InsertarPosicionX(a, posiciones[a].X);
            g.InsertarPosicionY(a, posiciones[a].Y);
            for (int b = 1; b <= Grafo::Limite; ++b)
                g.InsertarMatriz(a, b, matriz[a][b]);
        }
    }
};

struct Par {
    std::int16_t v = 0; // the vertex split
    std::int16_t w = 0; // the vertex made from it
};

class Division {
public:
    Division(Contexto& contexto) : c_(contexto), g_(contexto.grafo), copia_(contexto.grafo) {}
    void Ejecutar();

private:
    bool PasoAPaso() const { return !c_.marco.EjecucionCompleta; }
    void Trazar(const QString& texto, const QColor& color = NegroEuler) { c_.marco.AñadirTraza(texto, false, color); }
    bool Salir();
    bool Pausar();
    void Circulo();
    bool GradoDos(int v) const;
    bool Dividir();
    bool DividirVertice(int v);
    void MoverUltimas(int v, int w, int cuantas, bool salida);
    std::vector<Circuito> Ciclos();
    bool Reconstruir(std::vector<Circuito>& circuitos);
    Circuito Unir(std::vector<Circuito>& circuitos, const Par& par);

    Contexto& c_;
    Grafo& g_;
    const Copia copia_;
    std::vector<Par> pares_;
};

// Escape: the graph of the start comes back before the window redraws it.
bool Division::Salir()
{
    if (!c_.marco.EscapePulsado)
        return false;
    copia_.Restaurar(g_);
    return SalirConEscape(c_);
}

bool Division::Pausar()
{
    c_.marco.PausaPaso();
    return Salir();
}

void Division::Circulo()
{
    const Lienzo& area = c_.dibujo.Superficie();
    DistribucionCircular(g_, {double(area.Ancho()), double(area.Alto())}, g_.dimen(), 1,
                         ACoordenada(area.Alto() / 2.0 - 300));
}

bool Division::GradoDos(int v) const
{
    if (g_.Dirigido())
        return g_.piGradoEntrada(v) == 1 && g_.piGradoSalida(v) == 1;
    return g_.Grado(v) == 2;
}

// Moves v's edges (arcs out of v, or into v) to its `cuantas` highest-numbered
// neighbours over to w.
void Division::MoverUltimas(int v, int w, int cuantas, bool salida)
{
    for (int j = w - 1; j >= 1 && cuantas > 0; --j) {
        const std::int16_t peso = salida ? g_.elem_matriz(v, j) : g_.elem_matriz(j, v);
        if (peso == 0)
            continue;
        --cuantas;
        if (salida || !g_.Dirigido()) {
            g_.InsertarMatriz(w, j, peso);
            g_.InsertarMatriz(v, j, 0);
        }
        if (!salida || !g_.Dirigido()) {
            g_.InsertarMatriz(j, w, peso);
            g_.InsertarMatriz(j, v, 0);
        }
    }
}

// False when the record is full: the split cannot go on.
bool Division::DividirVertice(int v)
{
    if (g_.dimen() >= Grafo::Limite)
        return false;
    g_.IncrementarNumVertices();
    const int w = g_.dimen();
    const Lienzo& area = c_.dibujo.Superficie();
    g_.InsertarPosicionX(w, ACoordenada(area.Ancho() / 2.0));
    g_.InsertarPosicionY(w, ACoordenada(area.Alto() / 2.0));
    if (g_.Dirigido()) {
        MoverUltimas(v, w, 1, true);
        MoverUltimas(v, w, 1, false);
    } else {
        MoverUltimas(v, w, 2, true);
    }
    pares_.push_back({static_cast<std::int16_t>(v), static_cast<std::int16_t>(w)});
    return true;
}

// Pass after pass, every vertex not yet of degree 2 gives two of its edges
// to a new vertex. False when the run ended (a full record or Escape).
bool Division::Dividir()
{
    g_.ContarGrados();
    std::vector<int> pendientes;
    for (int v = 1; v <= g_.dimen(); ++v)
        if (!GradoDos(v))
            pendientes.push_back(v);
    if (PasoAPaso()) {
        if (pendientes.empty())
            Trazar(QStringLiteral("Todos los vértices del grafo tienen grado 2. ") + NL);
        else if (g_.Dirigido())
            Trazar(QStringLiteral("Dividimos el grafo de modo que todos los vértices del grafo "
                                  "tengan grado 1 de entrada y de salida. ") +
                   NL);
        else
            Trazar(QStringLiteral("Dividimos el grafo de modo que todos los vértices del grafo tengan "
                                  "grado 2. ") +
                   NL);
    }
    while (!pendientes.empty()) {
        for (const int v : pendientes) {
            if (!DividirVertice(v)) {
                c_.persona.Mensaje(QStringLiteral("ERROR: Al particionar el grafo se ha sobrepasado el límite "
                                                  "de vértices permitido (50). Fin del algoritmo."),
                                   QStringLiteral("Algoritmo de Tucker"), Icono::Exclamacion, Botones::Aceptar);
                copia_.Restaurar(g_);
                Redibujar(c_);
                c_.marco.FinalizarEjecucion();
                return false;
            }
            if (!PasoAPaso())
                continue;
            Trazar(QStringLiteral("Paso siguiente. Duplicamos el vértice "));
            Trazar(QString::number(v), AzulEuler);
            Trazar(QStringLiteral(" dando el vértice "));
            Trazar(QString::number(g_.dimen()), AzulEuler);
            Trazar(QStringLiteral(".") + NL);
            if (Pausar())
                return false;
            Redibujar(c_);
            if (Pausar())
                return false;
            Circulo();
            Redibujar(c_);
            if (Pausar())
                return false;
        }
        g_.ContarGrados();
        pendientes.clear();
        for (int v = 1; v <= g_.dimen(); ++v)
            if (!GradoDos(v))
                pendientes.push_back(v);
    }
    return true;
}

// Every component is a cycle now: each is walked from its lowest vertex,
// the lowest-numbered neighbour first, and keeps a colour of its own.
std::vector<Circuito> Division::Ciclos()
{
    GrafoRestante restante(g_);
    std::vector<Circuito> ciclos;
    for (int v = 1; v <= g_.dimen(); ++v) {
        if (!restante.TieneAristas(v))
            continue;
        Circuito ciclo;
        int actual = v;
        do {
            const std::int16_t codigo = restante.Aristas_Candidatas(actual).front();
            restante.Quitar(codigo);
            ciclo.aristas.push_back(codigo);
            actual = DestinoArista(codigo);
        } while (actual != v && restante.TieneAristas(actual));
        ciclo.colores.assign(ciclo.aristas.size(), Color_Circuito(static_cast<int>(ciclos.size()) % 15));
        ciclos.push_back(std::move(ciclo));
    }
    return ciclos;
}

// The circuit through w goes into the circuit through v at v, and w takes
// v's name. When both are one circuit already, it only passes v twice now.
Circuito Division::Unir(std::vector<Circuito>& circuitos, const Par& par)
{
    auto pasaPor = [&](int v) {
        for (std::size_t i = 0; i < circuitos.size(); ++i)
            for (std::size_t k = 0; k < circuitos[i].aristas.size(); ++k)
                if (OrigenArista(circuitos[i].aristas[k]) == v)
                    return std::pair{i, k};
        return std::pair{circuitos.size(), std::size_t{0}};
    };
    auto desde = [](const Circuito& c, std::size_t k) {
        Circuito girado;
        for (std::size_t i = 0; i < c.aristas.size(); ++i) {
            girado.aristas.push_back(c.aristas[(k + i) % c.aristas.size()]);
            girado.colores.push_back(c.colores[(k + i) % c.aristas.size()]);
        }
        return girado;
    };
    const auto [iv, kv] = pasaPor(par.v);
    const auto [iw, kw] = pasaPor(par.w);
    Circuito unido = desde(circuitos[iv], kv);
    if (iw != iv) {
        const Circuito deW = desde(circuitos[iw], kw);
        unido.aristas.insert(unido.aristas.end(), deW.aristas.begin(), deW.aristas.end());
        unido.colores.insert(unido.colores.end(), deW.colores.begin(), deW.colores.end());
    }
    for (std::int16_t& codigo : unido.aristas) {
        const int a = OrigenArista(codigo) == par.w ? par.v : OrigenArista(codigo);
        const int b = DestinoArista(codigo) == par.w ? par.v : DestinoArista(codigo);
        codigo = CodigoArista(a, b);
    }
    circuitos[iv] = unido;
    if (iw != iv)
        circuitos.erase(circuitos.begin() + static_cast<long>(iw));
    return unido;
}

// The split pairs from the last to the first, each w merged back into its v.
bool Division::Reconstruir(std::vector<Circuito>& circuitos)
{
    while (!pares_.empty()) {
        const Par par = pares_.back();
        pares_.pop_back();
        const Circuito unido = Unir(circuitos, par);
        // w is the highest vertex, so no other vertex is renumbered.
        g_.IdentificarVert(par.v, par.w, false);
        if (!PasoAPaso())
            continue;
        Trazar(QStringLiteral("Paso siguiente. Identificamos los vértices: "));
        Trazar(QString::number(par.v), AzulEuler);
        Trazar(QStringLiteral(", "));
        Trazar(QString::number(par.w) + NL, AzulEuler);
        if (Pausar())
            return false;
        Circulo();
        Redibujar(c_);
        Mostrar_Circuito(c_, unido, false);
        if (Salir() || Pausar())
            return false;
    }
    return true;
}

void Division::Ejecutar()
{
    MarcoEjecucion& marco = c_.marco;
    const bool empezoPasoAPaso = PasoAPaso();
    if (PasoAPaso()) {
        Circulo();
        Redibujar(c_);
        Trazar(QStringLiteral("Distribuimos las posiciones de los vértices en forma de círculo"
                              " para visualizar mejor el algoritmo. ") +
               NL + NL);
        if (Pausar())
            return;
    }
    if (!Dividir())
        return;
    std::vector<Circuito> circuitos = Ciclos();
    if (PasoAPaso()) {
        Circulo();
        const std::int16_t k = ContarComponentes(g_);
        if (k == 1) {
            Trazar(QStringLiteral("El grafo tiene "));
            Trazar(QStringLiteral("1"));
            Trazar(QStringLiteral(" componente conexa. ") + NL);
        } else {
            Trazar(NL);
            Trazar(QStringLiteral("El grafo se ha dividido en "));
            Trazar(QString::number(k));
            Trazar(QStringLiteral(" componentes conexas. ") + NL +
                   QStringLiteral("Ahora reconstruimos el grafo formando al mismo tiempo el recorrido euleriano. ") +
                   NL + NL);
        }
        Redibujar(c_);
    }
    if (!Reconstruir(circuitos))
        return;
    if (empezoPasoAPaso)
        copia_.Restaurar(g_);
    Redibujar(c_);
    Trazar(NL);
    Mostrar_Circuito(c_, circuitos.front(), true);
    if (SalirConEscape(c_))
        return;
    marco.FinalizarEjecucion();
}

} // namespace

void Tucker(Contexto& contexto)
{
    if (!Comprobar_Euler(contexto, QStringLiteral("Tucker")))
        return;
    EmpezarRecorrido(contexto, QStringLiteral("Algoritmo de TUCKER"));
    Division(contexto).Ejecutar();
}
