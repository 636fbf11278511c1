// Boruvka's tree, one pause per step. Step 1 lets every vertex choose its
// lightest edge; each later step passes over the fragments in order of their
// lowest vertex, and a fragment not yet joined in the step chooses its
// lightest edge to another fragment and is joined at once. The edges stay
// coloured as the trace lists their fragments.
#include <QColor>
#include <algorithm>
#include <cstdlib>
#include <numeric>
#include <vector>

#include "algorithms/ArbolGenerador.h"
#include "algorithms/ArbolGeneradorComun.h"
#include "algorithms/Conectividad.h"
#include "drawing/Dibujo.h"
#include "model/Grafo.h"
#include "run/Algoritmo.h"
#include "run/MarcoEjecucion.h"

using namespace ArbolGenerador;

namespace {

// Each component's edges in a colour of its own, round the first thirteen.
constexpr int ColoresDeComponente = 13;

} // namespace

const Leyenda& LeyendaBoruvka()
{
    static const Leyenda leyenda = [] {
        Leyenda l;
        for (int k = 1; k <= ColoresDeComponente; ++k)
            l.push_back({k, {}, QStringLiteral("en el árbol")});
        return l;
    }();
    return leyenda;
}

namespace {

using Lista = std::vector<std::int16_t>; // 1-based

class PasosBoruvka {
public:
    PasosBoruvka(Contexto& c, Recorrido& r)
        : c_(c), g_(c.grafo), n_(g_.dimen()), recorrido_(r), componente_(n_ + 1), elegidas_(n_ + 1, 0)
    {
        std::iota(componente_.begin(), componente_.end(), std::int16_t{0});
        // n entries for step 1, then one per join: at most n / 2 - 1 more.
        elegidas_.reserve(n_ + n_ / 2 + 1);
    }

    void Ejecutar()
    {
        PrimerPaso();
        int particiones = CerrarPaso(1);
        for (int paso = 2; particiones > 1; ++paso) {
            // Only arcs of a digraph can leave every fragment without an edge out.
            if (!PasoSiguiente())
                break;
            particiones = CerrarPaso(paso);
        }
    }

private:
    // Lowest j on ties, so two vertices choosing each other pick the same
    // edge and the choices cannot close a cycle.
    void PrimerPaso()
    {
        for (int i = 1; i <= n_; ++i) {
            int minimo = SinMinimo;
            for (int j = 1; j <= n_; ++j)
                if (const int peso = g_.elem_matriz(i, j); peso != 0 && peso < minimo) {
                    minimo = peso;
                    elegidas_[i] = std::int16_t(Codigo(i, j));
                }
            if (elegidas_[i] == 0)
                continue;
            const int inversa = Codigo(Destino(elegidas_[i]), i);
            // An edge chosen from both ends counts once.
            if (std::find(elegidas_.begin() + 1, elegidas_.begin() + i, inversa) == elegidas_.begin() + i)
                recorrido_.Sumar(minimo);
        }
        for (int k = 1; k <= n_; ++k)
            if (elegidas_[k] != 0)
                Unir(Origen(elegidas_[k]), Destino(elegidas_[k]), false);
    }

    // A fragment joined in this step carries a negative label and chooses no
    // edge of its own; false when no fragment found an edge to choose.
    bool PasoSiguiente()
    {
        bool unido = false;
        for (int v = 1; v <= n_; ++v) {
            if (componente_[v] < 0)
                continue;
            const int arista = SalidaMasLigera(v);
            if (arista == 0)
                continue;
            recorrido_.Sumar(g_.elem_matriz(Origen(arista), Destino(arista)));
            elegidas_.push_back(std::int16_t(arista));
            Unir(Origen(arista), Destino(arista), true);
            unido = true;
        }
        for (std::int16_t& etiqueta : componente_)
            etiqueta = std::int16_t(std::abs(etiqueta));
        return unido;
    }

    // The lightest edge leaving the fragment of v, scanning its vertices from
    // v upward and each row in order; 0 when there is none.
    int SalidaMasLigera(int v) const
    {
        int minimo = SinMinimo, elegida = 0;
        for (int q = v; q <= n_; ++q) {
            if (componente_[q] != componente_[v])
                continue;
            for (int j = 1; j <= n_; ++j)
                if (const int peso = g_.elem_matriz(q, j);
                    peso != 0 && peso < minimo && componente_[j] != componente_[q]) {
                    minimo = peso;
                    elegida = Codigo(q, j);
                }
        }
        return elegida;
    }

    // Both fragments take the label nearer zero; marcar makes it negative.
    void Unir(int a, int b, bool marcar)
    {
        const std::int16_t la = componente_[a], lb = componente_[b];
        const std::int16_t menor = std::abs(la) < std::abs(lb) ? la : lb;
        const std::int16_t mayor = menor == la ? lb : la;
        const std::int16_t nueva = marcar ? std::int16_t(-std::abs(menor)) : menor;
        for (std::int16_t& etiqueta : componente_)
            if (etiqueta == mayor || etiqueta == menor)
                etiqueta = nueva;
    }

    // The step's trace, the fragments renumbered, the edges recoloured, the
    // pause; returns the number of fragments.
    int CerrarPaso(int paso)
    {
        const QColor negro(Qt::black);
        c_.marco.AñadirTraza(QStringLiteral("PASO %1 : \r\n").arg(paso), false, c_.dibujo.Color(3));
        Lista copia = componente_;
        const std::int16_t particiones = ContarDistintos(copia);
        c_.marco.AñadirTraza(QStringLiteral("NÚMERO DE PARTICIONES: "), false, negro);
        c_.marco.AñadirTraza(QString::number(particiones) + QStringLiteral("\r\n"), true, negro);
        EscribirComponentes(c_, particiones, componente_);
        Renumerar();
        Recolorear();
        c_.marco.PausaPaso();
        return particiones;
    }

    // Labels keep the order of the fragments' lowest vertices, so the c-th
    // smallest label becomes c: the number under which the trace lists it.
    void Renumerar()
    {
        Lista distintas(componente_.begin() + 1, componente_.end());
        std::sort(distintas.begin(), distintas.end());
        distintas.erase(std::unique(distintas.begin(), distintas.end()), distintas.end());
        for (int v = 1; v <= n_; ++v)
            componente_[v] = std::int16_t(std::lower_bound(distintas.begin(), distintas.end(), componente_[v]) -
                                          distintas.begin() + 1);
    }

    void Recolorear()
    {
        for (std::size_t k = 1; k < elegidas_.size(); ++k) {
            if (elegidas_[k] == 0)
                continue;
            const int a = Origen(elegidas_[k]);
            c_.dibujo.DibujarArista(a, Destino(elegidas_[k]),
                                    c_.dibujo.Color((componente_[a] - 1) % ColoresDeComponente + 1), 0, 0, 0);
        }
    }

    Contexto& c_;
    const Grafo& g_;
    const int n_;
    Recorrido& recorrido_;
    Lista componente_;
    Lista elegidas_; // chosen edge codes, 1-based
};

} // namespace

void Boruvka(Contexto& c)
{
    Recorrido recorrido(c, QStringLiteral("Boruvka"), QStringLiteral("\r\n"));
    if (!recorrido.Admitido())
        return;
    recorrido.Empezar();
    PasosBoruvka(c, recorrido).Ejecutar();
    recorrido.Terminar();
}
