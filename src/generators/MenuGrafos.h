// The graph menu's commands on the main window: drop the graph in hand, ask
// the numbers in the number dialog, build the family.
#pragma once

#include <QString>

class Principal;

// Runs the generator named by the menu command; false when `control` names
// none. Declining to drop the current graph or cancelling a dialog ends the
// command without a message.
bool EjecutarGenerador(Principal& principal, const QString& control);
