#include "algorithms/MenuConectividad.h"

#include <QHash>

#include "algorithms/Conectividad.h"
#include "run/Estadisticas.h"
#include "ui/Principal.h"

bool EjecutarConectividad(Principal& principal, const QString& control)
{
    // These run straight away, without the step-by-step dialog.
    static const QHash<QString, Algoritmo> ordenes = {
        {QStringLiteral("Componentes_conexas"), &EjecutarComponentes},
        {QStringLiteral("Vértices_corte"), &EjecutarVerticesCorte},
        {QStringLiteral("Aristas_Puente"), &EjecutarAristasPuente},
        {QStringLiteral("Estadísticas"), &MostrarEstadisticas},
    };
    const Algoritmo algoritmo = ordenes.value(control, nullptr);
    if (!algoritmo)
        return false;
    Contexto contexto{principal.grafo(), principal.dibujo(), principal.Marco(), principal.Persona()};
    algoritmo(contexto);
    return true;
}

Algoritmo BuscarConectividad(const QString& nombre)
{
    static const QHash<QString, Algoritmo> tabla = {
        {QStringLiteral("Componentes"), &EjecutarComponentes},
        {QStringLiteral("VerticesCorte"), &EjecutarVerticesCorte},
        {QStringLiteral("Puentes"), &EjecutarAristasPuente},
        {QStringLiteral("Estadisticas"), &MostrarEstadisticas},
    };
    return tabla.value(nombre, nullptr);
}
