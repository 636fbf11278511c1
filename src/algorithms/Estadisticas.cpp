#include "algorithms/Estadisticas.h"

#include "algorithms/Conectividad.h"
#include "costuras/Interaccion.h"
#include "model/Grafo.h"
#include "run/Algoritmo.h"

namespace {

// Twips. The labels above cuadro3 stay put; the frame and Aceptar follow
// the number of sequence lines.
constexpr int Margen = 240;
constexpr int AltoEtiqueta = 285;
constexpr int PrimeraEtiqueta = 240;
constexpr int SeparacionEtiquetas = 360;
constexpr int ArribaCuadro3 = 1800;
constexpr int AnchoCuadro3 = 6600;
constexpr int IzquierdaGrado = 120;
constexpr int ArribaGrado0 = 240;
constexpr int AnchoBoton = 1215;
constexpr int AltoBoton = 375;

} // namespace

Estadisticas::Estadisticas(const Grafo& grafo)
    : tipo_(QStringLiteral("Tipo de Grafo: ") + NombreTipo(grafo.Tipo())),
      vert_(QStringLiteral("Nº Vértices : ") + QString::number(grafo.dimen())),
      aristas_(QStringLiteral("Nº Aristas : ") + QString::number(grafo.numero_aristas())),
      conec_(QStringLiteral("Nº de Componentes Conexas : ") + QString::number(ContarComponentes(grafo)))
{
    lineas_ = grafo.dimen() / NumerosPorLinea + 1;
    grados_[0] = QStringLiteral("Sucesión de grados: ");
    LlenarSucesion(grafo);
}

void Estadisticas::LlenarSucesion(const Grafo& grafo)
{
    const int n = grafo.dimen();
    std::array<int, Grafo::Limite> cuentaGrado{};
    for (int v = 1; v <= n; ++v)
        if (grafo.Grado(v) >= 0 && grafo.Grado(v) < Grafo::Limite)
            ++cuentaGrado[grafo.Grado(v)];
    int escritos = 0;
    for (int d = Grafo::Limite - 1; d >= 0; --d)
        for (int veces = 0; veces < cuentaGrado[d]; ++veces) {
            QString& linea = grados_[escritos / NumerosPorLinea + 1];
            linea += QString::number(d);
            if (++escritos != n)
                linea += QStringLiteral(", ");
        }
}

Rectangulo Estadisticas::PosicionDato(int fila)
{
    return {Margen, PrimeraEtiqueta + fila * SeparacionEtiquetas, AnchoCuadro3 - Margen, AltoEtiqueta};
}

Rectangulo Estadisticas::Cuadro3() const
{
    return {Margen / 2, ArribaCuadro3, AnchoCuadro3, lineas_ * AltoLinea + 700};
}

Rectangulo Estadisticas::PosicionEtiqGrado(int i) const
{
    return {IzquierdaGrado, ArribaGrado0 + i * AltoLinea, AnchoCuadro3 - 2 * IzquierdaGrado, AltoEtiqueta};
}

Rectangulo Estadisticas::BotonAceptar() const
{
    const Rectangulo c = Cuadro3();
    return {(AnchoVentana() - AnchoBoton) / 2, c.arriba + c.alto + Margen, AnchoBoton, AltoBoton};
}

int Estadisticas::AnchoVentana() const
{
    return AnchoCuadro3 + Margen;
}

int Estadisticas::AltoVentana() const
{
    const Rectangulo b = BotonAceptar();
    return b.arriba + b.alto + Margen;
}

QString Estadisticas::Texto() const
{
    QString texto = tipo_ + u'\n' + vert_ + u'\n' + aristas_ + u'\n' + conec_ + u'\n' + grados_[0];
    for (int i = 1; i <= lineas_; ++i)
        texto += u'\n' + grados_[i];
    return texto + u'\n';
}

void MostrarEstadisticas(Contexto& contexto)
{
    contexto.grafo.ContarGrados();
    Estadisticas ventana(contexto.grafo);
    contexto.persona.Mostrar(ventana);
}
