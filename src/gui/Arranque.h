// Arranque: what the program does with the application and its window on
// the way to the screen, shared by the program and the start-up benchmark.
#pragma once

class QApplication;
class QWidget;

// Name, translations of Qt's own texts, icon and desktop entry.
void PrepararAplicacion(QApplication& aplicacion);
// Graphs, traces and the class projector all want the room (the size also
// serves where no window manager maximizes).
void MostrarMaximizada(QWidget& ventana);
