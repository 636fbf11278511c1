#include "ui/MenuPrincipal.h"

#include <algorithm>
#include <functional>

#include "algorithms/CatalogoOrdenes.h"
#include "generators/Catalogo.h"

namespace {

// The graph menu's submenus; its commands come from the generators'
// catalogue, each submenu just before the first command it holds.
const std::vector<EntradaMenu>& SubmenusGrafos()
{
    const QString G = "Grafos";
    static const std::vector<EntradaMenu> submenus = {
        {"Grafos_completos", "Grafos Completos", G, false, ""},
        {"Grafos_enlazados", "Grafos Enlazados", G, false, ""},
        {"Cubos", "Cubos (Qn)", G, false, ""},
        {"Platónicos", "Grafos Platónicos", G, false, ""},
        {"Tetraedro", "Tetraedro", "Platónicos", false, ""},
        {"Hexaedro", "Hexaedro", "Platónicos", false, ""},
        {"Octaedro", "Octaedro", "Platónicos", false, ""},
        {"Icosaedro", "Icosaedro", "Platónicos", false, ""},
        {"Dodecaedro", "Dodecaedro", "Platónicos", false, ""},
        {"Rejillas", "Rejillas", G, false, ""},
        {"Formas", "Formas", G, false, ""},
    };
    return submenus;
}

std::vector<EntradaMenu> Grafos()
{
    std::vector<EntradaMenu> e;
    std::function<void(const QString&)> abrir = [&](const QString& menu) {
        const auto puesto = [&](const EntradaMenu& x) { return x.control == menu; };
        const auto& submenus = SubmenusGrafos();
        const auto submenu = std::find_if(submenus.begin(), submenus.end(), puesto);
        if (submenu == submenus.end() || std::any_of(e.begin(), e.end(), puesto))
            return;
        abrir(submenu->padre);
        e.push_back(*submenu);
    };
    for (const Generador& g : Generadores()) {
        abrir(g.menu);
        e.push_back({g.control, g.titulo, g.menu, false, ""});
    }
    return e;
}

std::vector<EntradaMenu> Construir()
{
    std::vector<EntradaMenu> e = {
        {"Archivo", "&Archivo", "", true, ""},
        {"Nuevo", "Nuevo", "Archivo", true, "Ctrl+N"},
        {"Abrir", "Abrir", "Archivo", true, "Ctrl+A"},
        {"Guardar", "Guardar", "Archivo", false, "Ctrl+G"},
        {"Guardar_Como", "Guardar Como", "Archivo", false, ""},
        {"Importar", "Importar…", "Archivo", true, "Ctrl+I"},
        {"Exportar", "Exportar…", "Archivo", false, "Ctrl+E"},
        {"Raya06", "-", "Archivo", true, ""},
        {"Imprimir", "Imprimir", "Archivo", false, "Ctrl+P"},
        {"Raya01", "-", "Archivo", true, ""},
        {"Salir", "Salir", "Archivo", true, ""},
        {"Edicion", "&Edición", "", true, ""},
        {"Deshacer", "Deshacer", "Edicion", false, ""},
        {"Raya02", "-", "Edicion", true, ""},
        {"Añadir_Vertice", "Añadir Vértice", "Edicion", false, "Ctrl+V"},
        {"Añadir_Arista", "Añadir Arista", "Edicion", false, ""},
        {"Ident_vertices", "Identificar Vértices", "Edicion", false, ""},
        {"Eliminar", "Eliminar", "Edicion", false, "Del"},
        {"Raya03", "-", "Edicion", true, ""},
        {"Pesos", "Pesos", "Edicion", true, ""},
        {"Cambiar_peso", "Cambiar Peso", "Pesos", false, ""},
        {"Cambiar_todos_pesos", "Cambiar Todos Pesos", "Pesos", false, ""},
        {"Ver", "&Ver", "", true, ""},
        {"Centrar", "Centrar", "Ver", false, ""},
        {"Girar_voltear", "Girar y Voltear", "Ver", false, ""},
        {"Pantalla_completa", "Pantalla completa", "Ver", true, "F11"},
        {"Grafos", "&Grafos", "", true, ""},
    };
    const auto grafos = Grafos();
    e.insert(e.end(), grafos.begin(), grafos.end());
    const std::vector<EntradaMenu> resto = {
        {"Propiedades", "&Propiedades", "", true, ""},
        {"Matriz_adyacencia", "Matriz de Adyacencia", "Propiedades", false, ""},
        {"Conectividad", "Conectividad", "Propiedades", false, ""},
        {"Caminos", "&Caminos", "", true, ""},
        {"Camino_minimo", "Camino Mínimo", "Caminos", false, ""},
        {"Arboles", "Á&rboles", "", true, ""},
        {"Árbol_generador_mínimo", "Árbol Generador Mínimo", "Arboles", false, ""},
        {"Arbol_Busqueda", "Árbol de Búsqueda", "Arboles", false, ""},
        {"Prüfer", "Prufer", "Arboles", false, ""},
        {"mnu_Coloracion", "Co&loración", "", true, ""},
        {"mnu_Secuencial", "Coloración &Secuencial", "mnu_Coloracion", true, ""},
        {"mnu_operaciones", "&Operaciones", "", true, ""},
        {"muEuler", "E&uler", "", true, ""},
        {"muFleury", "Algoritmo de &Fleury", "muEuler", false, ""},
        {"Ayuda", "A&yuda", "", true, ""},
        {"ay_grafos", "Ayuda sobre Teoría de Grafos", "Ayuda", true, ""},
        {"ay_nodeva", "Manual de ayuda de Nodeva", "Ayuda", true, ""},
        {"ay_coloracion", "Ayuda sobre coloración y operaciones", "Ayuda", true, ""},
        {"muAyudaEuler", "Ayuda sobre algoritmos eulerianos", "Ayuda", true, ""},
        {"Raya05", "-", "Ayuda", true, ""},
        {"Acerca", "Acerca de", "Ayuda", true, ""},
    };
    e.insert(e.end(), resto.begin(), resto.end());
    return e;
}

// The algorithm commands come from their rows in the catalogue: each one
// first in its menu, or right after the entry its row names.
std::vector<EntradaMenu> ConLasOrdenes(const std::vector<EntradaMenu>& estructura)
{
    std::vector<EntradaMenu> e;
    std::function<void(const EntradaMenu&)> poner = [&](const EntradaMenu& entrada) {
        e.push_back(entrada);
        for (const OrdenAlgoritmo& o : Ordenes())
            if (!o.menu.isEmpty() && (o.tras.isEmpty() ? o.menu == entrada.control : o.tras == entrada.control))
                poner({o.control, o.titulo, o.menu, o.activo, ""});
    };
    for (const EntradaMenu& entrada : estructura)
        poner(entrada);
    return e;
}

} // namespace

const std::vector<EntradaMenu>& EntradasMenu()
{
    static const std::vector<EntradaMenu> entradas = ConLasOrdenes(Construir());
    return entradas;
}

const std::vector<BotonBarra>& BotonesBarra()
{
    static const std::vector<BotonBarra> botones = {
        {"Toolbar2", "imprimir", "Imprimir", "Imprimir", ImagenBarra::Imprimir,
         "Imprimir el área de trabajo o los resultados"},
        {"Toolbar1", "nuevo", "Crear Archivo", "Nuevo", ImagenBarra::Nuevo, "Empezar un grafo nuevo"},
        {"Toolbar1", "abrir", "Abrir Archivo", "Abrir", ImagenBarra::Abrir, "Abrir un fichero de grafo"},
        {"Toolbar1", "guardar", "Guardar Archivo", "Guardar", ImagenBarra::Guardar, "Guardar el grafo en su fichero"},
        {"Toolbar1", "", "", "", -1},
        {"Toolbar1", "deshacer", "Deshacer", "Deshacer", ImagenBarra::Deshacer, "Deshacer el último cambio del grafo"},
        {"Toolbar1", "", "", "", -1},
        {"Toolbar1", "añadir_vert", "Añadir Vértice", "Añadir_Vertice", ImagenBarra::AñadirVertice,
         "Añadir vértice: pulse en el área de trabajo donde quiera ponerlo"},
        {"Toolbar1", "añadir_arista", "Añadir Arista", "Añadir_Arista", ImagenBarra::AñadirAristaInactiva,
         "Añadir arista: pulse un vértice y después otro"},
        {"Toolbar1", "cambiar_peso", "Cambiar Peso", "Cambiar_peso", ImagenBarra::CambiarPesoInactiva,
         "Cambiar peso: pulse una arista y escriba su peso"},
        {"Toolbar1", "unir_vert_desact", "Unir Vértices", "Ident_vertices", ImagenBarra::UnirInactiva,
         "Unir vértices: pulse un vértice y después otro para hacer de ellos uno solo"},
        {"Toolbar1", "", "", "", -1},
        {"Toolbar1", "matriz_adyacencia", "Matriz de Adyacencia", "Matriz_adyacencia", ImagenBarra::Matriz,
         "Ver y cambiar la matriz de adyacencia del grafo"},
        {"Toolbar1", "", "", "", -1},
        {"Toolbar1", "eliminar", "Eliminar", "Eliminar", ImagenBarra::EliminarInactiva,
         "Eliminar: pulse un vértice o una arista para quitarlo del grafo"},
    };
    return botones;
}

const std::vector<QString>& MenusPrincipales()
{
    static const std::vector<QString> menus = {"Archivo",         "Edicion", "Ver",     "Grafos",
                                               "Propiedades",     "Caminos", "Arboles", "mnu_Coloracion",
                                               "mnu_operaciones", "muEuler", "Ayuda",   "Combo1"};
    return menus;
}
