// The editor's highlight state: which vertex and edge are under the cursor,
// selected or previously marked (0 = none; edges as codes a * 100 + b), and
// whether a vertex is being dragged. The main window owns it; the drawing
// reads it and the record's editing operations keep it true to the graph.
#pragma once

#include <cstdint>
#include <functional>

struct Seleccion {
    std::int16_t VerticeAnterior = 0;
    std::int16_t VerticeBajoCursor = 0;
    std::int16_t VerticeSeleccionado = 0;
    std::int16_t AristaBajoCursor = 0;
    std::int16_t AristaSeleccionada = 0;
    std::int16_t AristaAnterior = 0;
    bool Moviendo = false;

    void BorrarMarcasArista() { AristaBajoCursor = AristaSeleccionada = AristaAnterior = 0; }

    // The vertices were numbered anew (nuevo(v) is v's new number, 0 when it
    // is gone): each mark follows its vertex, or its edge's ends, or goes.
    void Renumerar(const std::function<int(int)>& nuevo);
    // Drops every mark on a vertex above n or on an edge that is not there.
    void Depurar(int n, const std::function<bool(int)>& existeArista);
};

// Edge codes: the edge from a to b travels as a * 100 + b.
inline constexpr std::int16_t CodigoArista(int a, int b)
{
    return static_cast<std::int16_t>(a * 100 + b);
}
inline constexpr std::int16_t OrigenArista(int codigo)
{
    return static_cast<std::int16_t>(codigo / 100);
}
inline constexpr std::int16_t DestinoArista(int codigo)
{
    return static_cast<std::int16_t>(codigo % 100);
}
