// The menu commands that start an algorithm through the step-by-step dialog,
// and the run name each one passes to it.
#pragma once

#include <QString>

// The run name of this menu command, or "" for a command that is not one.
QString NombreEjecucion(const QString& control);
