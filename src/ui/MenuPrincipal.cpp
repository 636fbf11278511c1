#include "ui/MenuPrincipal.h"

namespace {

std::vector<EntradaMenu> Grafos()
{
    const QString G = "Grafos";
    std::vector<EntradaMenu> e = {
        {"Grafo_nulo", "Grafo Nulo", G, false, ""},
        {"Grafos_completos", "Grafos Completos", G, false, ""},
        {"Grafo_completo", "Grafo Completo (Kn)", "Grafos_completos", false, ""},
        {"Grafo_completo_bipartido", "Grafo Completo Bipartido (Kr,s)", "Grafos_completos", false, ""},
        {"Grafo_completo_tripartido", "Grafo Completo Tripartido", "Grafos_completos", false, ""},
        {"Grafos_enlazados", "Grafos Enlazados", G, false, ""},
        {"L_n_r", "L(n, r)", "Grafos_enlazados", false, ""},
        {"L_n_r_s", "L(n, r, s)", "Grafos_enlazados", false, ""},
        {"Cubos", "Cubos (Qn)", G, false, ""},
    };
    for (int i = 1; i <= 5; ++i)
        e.push_back({QStringLiteral("cubo_%1").arg(i), QStringLiteral("n=%1").arg(i), "Cubos", false, ""});
    e.push_back({"Platónicos", "Grafos Platónicos", G, false, ""});
    for (const QString solido : {"Tetraedro", "Hexaedro", "Octaedro", "Icosaedro", "Dodecaedro"}) {
        e.push_back({solido, solido, "Platónicos", false, ""});
        e.push_back({solido + "_plano", "Plano", solido, false, ""});
        e.push_back({solido + "_no_plano", "No Plano", solido, false, ""});
    }
    const std::vector<EntradaMenu> resto = {
        {"Rejillas", "Rejillas", G, false, ""},
        {"Rectangulo", "Rectángulo", "Rejillas", false, ""},
        {"Triángulo", "Triángulo", "Rejillas", false, ""},
        {"Formas", "Formas", G, false, ""},
        {"Ciclo", "Ciclo (Cn)", "Formas", false, ""},
        {"Rueda", "Rueda (Wn)", "Formas", false, ""},
        {"Estrella", "Estrella", "Formas", false, ""},
        {"Árbol_nario_completo", "Árbol n-ario Completo", "Formas", false, ""},
        {"Harary", "Harary(k,n)", G, false, ""},
        {"Herschel", "Herschel", G, false, ""},
        {"Petersen", "Petersen", G, false, ""},
        {"Grötzsch", "Grötzsch", G, false, ""},
        {"Heawood", "Heawood", G, false, ""},
        {"Tutte", "Tutte", G, false, ""},
    };
    e.insert(e.end(), resto.begin(), resto.end());
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
        {"Grafos", "&Grafos", "", true, ""},
    };
    const auto grafos = Grafos();
    e.insert(e.end(), grafos.begin(), grafos.end());
    const std::vector<EntradaMenu> resto = {
        {"Propiedades", "&Propiedades", "", true, ""},
        {"Estadísticas", "Estadísticas", "Propiedades", false, ""},
        {"Matriz_adyacencia", "Matriz de Adyacencia", "Propiedades", false, ""},
        {"Conectividad", "Conectividad", "Propiedades", false, ""},
        {"Componentes_conexas", "Componentes Conexas", "Conectividad", false, ""},
        {"Vértices_corte", "Vértices Corte", "Conectividad", false, ""},
        {"Aristas_Puente", "Aristas Puente", "Conectividad", false, ""},
        {"Bloques", "Bloques", "Conectividad", false, ""},
        {"Caminos", "&Caminos", "", true, ""},
        {"Camino", "Camino", "Caminos", false, ""},
        {"Camino_minimo", "Camino Mínimo", "Caminos", false, ""},
        {"Algoritmo_dijkstra", "Algoritmo Dijkstra", "Camino_minimo", false, ""},
        {"Arboles", "Á&rboles", "", true, ""},
        {"Árbol_generador_mínimo", "Árbol Generador Mínimo", "Arboles", false, ""},
        {"Algoritmo_kruskal", "Algoritmo Kruskal", "Árbol_generador_mínimo", false, ""},
        {"Algoritmo_prim", "Algoritmo Prim", "Árbol_generador_mínimo", false, ""},
        {"Algoritmo_boruvka", "Algoritmo Boruvka", "Árbol_generador_mínimo", false, ""},
        {"Arbol_Busqueda", "Árbol de Búsqueda", "Arboles", false, ""},
        {"En_Profundidad", "En Profundidad", "Arbol_Busqueda", true, ""},
        {"En_Anchura", "En Anchura", "Arbol_Busqueda", true, ""},
        {"Prüfer", "Prufer", "Arboles", false, ""},
        {"Prufer_Encoding", "Código de un Árbol", "Prüfer", true, ""},
        {"Prufer_Decoding", "Árbol de un Código", "Prüfer", true, ""},
        {"mnu_Coloracion", "Co&loración", "", true, ""},
        {"mnu_Secuencial", "Coloración &Secuencial", "mnu_Coloracion", true, ""},
        {"mnu_Secuencial_Procesar", "Orden &predeterminado", "mnu_Secuencial", true, ""},
        {"mnu_Secuencial_intro_ord", "Orden &definido por el usuario", "mnu_Secuencial", true, ""},
        {"mnu_Welsh_Powell", "Coloración de &Welsh-Powell", "mnu_Coloracion", true, ""},
        {"mnu_Matula", "Coloración de &Matula-Marble-Isaacson", "mnu_Coloracion", true, ""},
        {"mnu_Brelaz", "Coloración de &Brelaz", "mnu_Coloracion", true, ""},
        {"mnu_operaciones", "&Operaciones", "", true, ""},
        {"mnu_complementario", "&Complementario", "mnu_operaciones", true, ""},
        {"mnu_lineal", "&Lineal", "mnu_operaciones", true, ""},
        {"muEuler", "E&uler", "", true, ""},
        {"muEsEuleriano", "¿Es &euleriano?", "muEuler", false, ""},
        {"muHierholzer", "Algoritmo de &Hierholzer", "muEuler", false, ""},
        {"muFleury", "Algoritmo de &Fleury", "muEuler", false, ""},
        {"muFleuryUsuario", "Recorrido del &usuario", "muFleury", true, ""},
        {"muFleuryAutomatico", "Recorrido &automático", "muFleury", true, ""},
        {"muTucker", "Algoritmo de &Tucker", "muEuler", false, ""},
        {"muCartero", "&Problema del cartero", "muEuler", false, ""},
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

} // namespace

const std::vector<EntradaMenu>& EntradasMenu()
{
    static const std::vector<EntradaMenu> entradas = Construir();
    return entradas;
}

const std::vector<BotonBarra>& BotonesBarra()
{
    static const std::vector<BotonBarra> botones = {
        {"Toolbar2", "imprimir", "Imprimir", "Imprimir", ImagenBarra::Imprimir},
        {"Toolbar1", "nuevo", "Crear Archivo", "Nuevo", ImagenBarra::Nuevo},
        {"Toolbar1", "abrir", "Abrir Archivo", "Abrir", ImagenBarra::Abrir},
        {"Toolbar1", "guardar", "Guardar Archivo", "Guardar", ImagenBarra::Guardar},
        {"Toolbar1", "", "", "", -1},
        {"Toolbar1", "deshacer", "Deshacer", "Deshacer", ImagenBarra::Deshacer},
        {"Toolbar1", "", "", "", -1},
        {"Toolbar1", "añadir_vert", "Añadir Vértice", "Añadir_Vertice", ImagenBarra::AñadirVertice},
        {"Toolbar1", "añadir_arista", "Añadir Arista", "Añadir_Arista", ImagenBarra::AñadirAristaInactiva},
        {"Toolbar1", "cambiar_peso", "Cambiar Peso", "Cambiar_peso", ImagenBarra::CambiarPesoInactiva},
        {"Toolbar1", "unir_vert_desact", "Unir Vértices", "Ident_vertices", ImagenBarra::UnirInactiva},
        {"Toolbar1", "", "", "", -1},
        {"Toolbar1", "matriz_adyacencia", "Matriz de Adyacencia", "Matriz_adyacencia", ImagenBarra::Matriz},
        {"Toolbar1", "", "", "", -1},
        {"Toolbar1", "eliminar", "Eliminar", "Eliminar", ImagenBarra::EliminarInactiva},
    };
    return botones;
}

const std::vector<QString>& MenusPrincipales()
{
    static const std::vector<QString> menus = {"Archivo", "Edicion", "Ver", "Grafos", "Propiedades",
                                               "Caminos", "Arboles", "mnu_Coloracion", "mnu_operaciones",
                                               "muEuler", "Ayuda", "Combo1"};
    return menus;
}
