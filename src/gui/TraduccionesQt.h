// Qt's own texts — the file dialogs, the standard buttons, the context menu
// of text fields — in Spanish, like everything else the program shows.
#pragma once

class QCoreApplication;

// Installs the Spanish catalogue of Qt's own strings that the system's Qt
// translations provide, and Spanish as the locale Qt's widgets write dates
// and file types in; false, with a warning, when the catalogue cannot be
// loaded.
bool InstalarTraduccionesQt(QCoreApplication& aplicacion);
