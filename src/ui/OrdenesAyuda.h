// The Help menu's four commands: two open the help browser on a menu file,
// two open a web page in the person's browser, asking where the browser is
// when the page cannot be opened otherwise.
#pragma once

#include <QString>

class Interaccion;

// Runs the help command of that menu control; false for any other control.
bool EjecutarAyuda(const QString& control, Interaccion& persona);

// Offers `pagina` to the default browser; when that fails, asks for a
// browser's path until one starts with the page or the person gives none.
void AbrirPaginaAyuda(Interaccion& persona, const QString& pagina);

// The browser offered the first time the person is asked.
inline const QString NavegadorPropuesto = QStringLiteral("/usr/bin/x-www-browser");
