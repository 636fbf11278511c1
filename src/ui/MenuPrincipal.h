// The main window's menu tree and toolbar buttons as data: control names,
// captions, nesting, design-time states and shortcuts. The window builds its
// menus from it; the logic and the tests refer to the same names.
#pragma once

#include <QString>
#include <vector>

// The toolbar's picture list. The logic switches between the pairs of
// enabled and disabled looks by index; the pictures themselves are ours.
namespace ImagenBarra {
inline constexpr int Nuevo = 0;
inline constexpr int Abrir = 1;
inline constexpr int GuardarInactiva = 2;
inline constexpr int Guardar = 3;
inline constexpr int Deshacer = 4;
inline constexpr int Matriz = 5;
inline constexpr int Imprimir = 6;
inline constexpr int EliminarInactiva = 7;
inline constexpr int AñadirVerticeInactiva = 8;
inline constexpr int AñadirVertice = 9;
inline constexpr int AñadirArista = 10;
inline constexpr int CambiarPeso = 11;
inline constexpr int Unir = 12;
inline constexpr int AñadirAristaInactiva = 14;
inline constexpr int CambiarPesoInactiva = 15;
inline constexpr int UnirInactiva = 16;
inline constexpr int Eliminar = 21;
} // namespace ImagenBarra

struct EntradaMenu {
    QString control;
    QString titulo; // caption with its access key; "-" for a separator
    QString padre;  // "" for a top menu
    bool activo;    // design-time enabled state
    QString atajo;  // QKeySequence text, "" for none
};

struct BotonBarra {
    QString barra;   // "Toolbar1" or "Toolbar2"
    QString clave;   // "" for a separator
    QString consejo; // tooltip
    QString orden;   // the menu command the button runs
    int imagen;      // picture shown when the logic has not chosen another
    // What the picture means, for a screen reader (the tooltip is its name).
    QString descripcion = {};
};

const std::vector<EntradaMenu>& EntradasMenu();
const std::vector<BotonBarra>& BotonesBarra();

// The eleven top menus that HabilitarMenus switches, then the type list.
const std::vector<QString>& MenusPrincipales();
