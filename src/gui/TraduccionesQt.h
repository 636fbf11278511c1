// Qt's own texts — the file dialogs, the standard buttons, the context menu
// of text fields — in Spanish, like everything else the program shows.
#pragma once

class QCoreApplication;

// Installs the Spanish catalogue of Qt's own strings that the system's Qt
// translations provide, and Spanish as Qt's default locale; false, with a
// warning, when the catalogue cannot be loaded. (The file dialog writes its
// dates in the system's own locale, which the program leaves alone.)
[[nodiscard]] bool InstalarTraduccionesQt(QCoreApplication& aplicacion);
