// Saving the graph in hand: to its file, or under a name the user picks.
#pragma once

#include <QString>
#include <functional>

class Grafo;
class Interaccion;
struct Documento;

// Replaces the text of the trace pane; "" empties it.
using TextoPanelTraza = std::function<void(const QString&)>;

// The file types the save dialog offers.
inline const QString FiltroGrafos = QStringLiteral("Grafo (*.grf)|*.grf|Texto (*.txt)|*.txt");

// Writes the graph to documento.NombreArchivo when it has changed (asking for
// a name first when it has none) and confirms with a message. A file that
// cannot be written is reported and leaves the graph marked as modified.
// True when the graph is on disk as it stands.
bool GuardarGrafo(const Grafo& grafo, Documento& documento, Interaccion& interaccion, const TextoPanelTraza& traza);
// Asks for a name with the save dialog, then saves under it. True when saved.
bool GuardarGrafoComo(const Grafo& grafo, Documento& documento, Interaccion& interaccion, const TextoPanelTraza& traza);
