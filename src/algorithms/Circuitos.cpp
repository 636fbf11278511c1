#include "algorithms/Circuitos.h"

#include <array>

#include "algorithms/Euler.h"
#include "costuras/FuenteAleatoria.h"
#include "run/Algoritmo.h"
#include "run/MarcoEjecucion.h"

QColor Color_Circuito(int i)
{
    static const std::array<QColor, 15> colores{
        QColor(0, 0, 0),       QColor(255, 255, 0), QColor(255, 0, 0),   QColor(0, 128, 0),   QColor(128, 64, 0),
        QColor(128, 128, 128), QColor(255, 0, 255), QColor(0, 128, 128), QColor(128, 128, 0), QColor(0, 0, 128),
        QColor(0, 255, 0),     QColor(128, 0, 128), QColor(0, 0, 255),   QColor(128, 0, 0),   QColor(0, 255, 255)};
    return i >= 0 && i < 15 ? colores[i] : QColor(0, 0, 0);
}

std::vector<std::int16_t> VerticesDe(const ListaAristas& aristas)
{
    std::vector<std::int16_t> vertices;
    if (aristas.empty())
        return vertices;
    vertices.push_back(OrigenArista(aristas.front()));
    for (const std::int16_t codigo : aristas)
        vertices.push_back(DestinoArista(codigo));
    return vertices;
}

ListaAristas Circuito_Aleatorio(int s, GrafoRestante& restante, FuenteAleatoria& azar)
{
    ListaAristas aristas;
    int actual = s;
    do {
        const ListaAristas candidatas = restante.Aristas_Candidatas(actual);
        if (candidatas.empty())
            break;
        const std::int16_t codigo = candidatas[azar.Aleatorio(0, static_cast<int>(candidatas.size()) - 1)];
        aristas.push_back(codigo);
        restante.Quitar(codigo);
        actual = DestinoArista(codigo);
    } while (actual != s);
    return aristas;
}

void Mostrar_Circuito(Contexto& contexto, const Circuito& circuito, bool final)
{
    MarcoEjecucion& marco = contexto.marco;
    marco.AñadirTraza(final ? QStringLiteral("RECORRIDO EULERIANO final: ") + NL
                            : QStringLiteral("CIRCUITO formado por las aristas: ") + NL,
                      false, NegroEuler);
    for (std::size_t i = 0; i < circuito.aristas.size(); ++i) {
        const std::int16_t codigo = circuito.aristas[i];
        const bool mostrar = final || !marco.EjecucionCompleta;
        if (mostrar)
            DibujarPaso(contexto, codigo, circuito.colores[i], static_cast<int>(i) + 1);
        marco.AñadirTraza(QStringLiteral("%1%2 - %3")
                              .arg(i == 0 ? QString() : QStringLiteral(", "))
                              .arg(OrigenArista(codigo))
                              .arg(DestinoArista(codigo)),
                          false, AzulEuler);
        if (mostrar)
            marco.EsperarPaso();
        if (marco.EscapePulsado)
            return;
    }
    marco.AñadirTraza(NL, false, NegroEuler);
}
