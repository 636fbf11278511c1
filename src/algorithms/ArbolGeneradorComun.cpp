#include "algorithms/ArbolGeneradorComun.h"

#include <QColor>

#include "algorithms/Conectividad.h"
#include "costuras/Interaccion.h"
#include "drawing/Dibujo.h"
#include "drawing/Lienzo.h"
#include "model/Grafo.h"
#include "run/Algoritmo.h"
#include "run/MarcoEjecucion.h"

namespace ArbolGenerador {

namespace {

const QColor Negro(Qt::black);
constexpr int AristasPorLinea = 7;

bool TienePesoNegativo(const Grafo& g)
{
    const int n = g.dimen();
    for (int i = 1; i <= n; ++i)
        for (int j = i + 1; j <= n; ++j)
            if (g.elem_matriz(i, j) < 0)
                return true;
    return false;
}

// The connectivity test must not draw or trace, whoever started this run.
bool Conexo(Contexto& c)
{
    const bool desdeMenu = c.marco.DesdeMenu;
    c.marco.DesdeMenu = false;
    const std::int16_t componentes = ComponentesConexas(c);
    c.marco.DesdeMenu = desdeMenu;
    return componentes <= 1;
}

} // namespace

Recorrido::Recorrido(Contexto& contexto, QString nombre, QString saltos)
    : c_(contexto), nombre_(std::move(nombre)), saltos_(std::move(saltos))
{
}

bool Recorrido::Rechazar(const QString& titulo, const QString& falta)
{
    c_.persona.Mensaje(QStringLiteral("El algoritmo de ") + nombre_ + falta, titulo, Icono::Exclamacion,
                       Botones::Aceptar);
    return false;
}

bool Recorrido::Admitido()
{
    if (!Conexo(c_))
        return Rechazar(QStringLiteral("Precondición"), QStringLiteral(" requiere que el grafo sea conexo."));
    if (TienePesoNegativo(c_.grafo))
        return Rechazar(QStringLiteral("ADVERTENCIA"), QStringLiteral(" no admite pesos negativos."));
    return true;
}

void Recorrido::Empezar()
{
    // After PrepararEjecucion, which redraws the graph: only the tree is thick.
    c_.marco.PrepararEjecucion();
    c_.dibujo.Superficie().PonerAnchoLinea(2);
    c_.marco.AñadirTraza(QStringLiteral("Algoritmo de ") + nombre_.toUpper() + saltos_, true, Negro);
}

void Recorrido::Elegir(int a, int b)
{
    Sumar(c_.grafo.elem_matriz(a, b));
    const QColor color = c_.dibujo.Color(ColorArbol);
    c_.dibujo.Superficie().PonerAnchoLinea(2);
    c_.dibujo.DibujarArista(a, b, color, 0, 0, 0);
    c_.dibujo.DibujarVertice(a, color);
    c_.dibujo.DibujarVertice(b, color);
    ++elegidas_;
    QString pieza = QStringLiteral("Arista: (%1,%2)    \t").arg(a).arg(b);
    if (elegidas_ % AristasPorLinea == 0)
        pieza += QStringLiteral("\r\n");
    c_.marco.AñadirTraza(pieza, false, Negro);
}

void Recorrido::Terminar()
{
    c_.dibujo.Superficie().PonerAnchoLinea(1);
    c_.marco.AñadirTraza(QStringLiteral("FIN ") + nombre_ + saltos_, true, Negro);
    c_.marco.AñadirTraza(QStringLiteral("PESO TOTAL DEL ARBOL: "), false, Negro);
    c_.marco.AñadirTraza(QString::number(total_) + QStringLiteral("\r\n"), true, Negro);
    c_.marco.FinalizarEjecucion();
}

} // namespace ArbolGenerador
