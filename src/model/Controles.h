// Names of the main window's controls that the logic switches, so that a
// misspelt name is a compile error rather than a silently dead command.
#pragma once

#include <QString>

#include "model/EstadoComandos.h"

namespace Control {
// Menu commands.
inline const QString Añadir_Vertice = QStringLiteral("Añadir_Vertice");
inline const QString Añadir_Arista = QStringLiteral("Añadir_Arista");
inline const QString Cambiar_peso = QStringLiteral("Cambiar_peso");
inline const QString Ident_vertices = QStringLiteral("Ident_vertices");
inline const QString Matriz_adyacencia = QStringLiteral("Matriz_adyacencia");
inline const QString Deshacer = QStringLiteral("Deshacer");
inline const QString Arbol_Busqueda = QStringLiteral("Arbol_Busqueda");
inline const QString Estadísticas = QStringLiteral("Estadísticas");
inline const QString Conectividad = QStringLiteral("Conectividad");
inline const QString Componentes_conexas = QStringLiteral("Componentes_conexas");
inline const QString Vértices_corte = QStringLiteral("Vértices_corte");
inline const QString Aristas_Puente = QStringLiteral("Aristas_Puente");
inline const QString Bloques = QStringLiteral("Bloques");
inline const QString Camino = QStringLiteral("Camino");
inline const QString Camino_minimo = QStringLiteral("Camino_minimo");
inline const QString Algoritmo_dijkstra = QStringLiteral("Algoritmo_dijkstra");
inline const QString Algoritmo_kruskal = QStringLiteral("Algoritmo_kruskal");
inline const QString Algoritmo_prim = QStringLiteral("Algoritmo_prim");
inline const QString Algoritmo_boruvka = QStringLiteral("Algoritmo_boruvka");
inline const QString Prüfer = QStringLiteral("Prüfer");
inline const QString Prufer_Encoding = QStringLiteral("Prufer_Encoding");
inline const QString Prufer_Decoding = QStringLiteral("Prufer_Decoding");
inline const QString En_Profundidad = QStringLiteral("En_Profundidad");
inline const QString En_Anchura = QStringLiteral("En_Anchura");
inline const QString muEsEuleriano = QStringLiteral("muEsEuleriano");
inline const QString muHierholzer = QStringLiteral("muHierholzer");
inline const QString muFleuryUsuario = QStringLiteral("muFleuryUsuario");
inline const QString muFleuryAutomatico = QStringLiteral("muFleuryAutomatico");
inline const QString muTucker = QStringLiteral("muTucker");
inline const QString muCartero = QStringLiteral("muCartero");

// The simple-graph commands: offered only for a "Simple" graph with vertices.
inline const QString mnu_Secuencial = QStringLiteral("mnu_Secuencial");
inline const QString mnu_Secuencial_Procesar = QStringLiteral("mnu_Secuencial_Procesar");
inline const QString mnu_Secuencial_intro_ord = QStringLiteral("mnu_Secuencial_intro_ord");
inline const QString mnu_Welsh_Powell = QStringLiteral("mnu_Welsh_Powell");
inline const QString mnu_Matula = QStringLiteral("mnu_Matula");
inline const QString mnu_Brelaz = QStringLiteral("mnu_Brelaz");
inline const QString mnu_complementario = QStringLiteral("mnu_complementario");
inline const QString mnu_lineal = QStringLiteral("mnu_lineal");
inline const QString ComandosGrafoSimple[] = {mnu_Secuencial,
                                              mnu_Secuencial_Procesar,
                                              mnu_Secuencial_intro_ord,
                                              mnu_Welsh_Powell,
                                              mnu_Matula,
                                              mnu_Brelaz,
                                              mnu_complementario,
                                              mnu_lineal};

// Toolbar buttons.
inline const QString Boton_añadir_vert = EstadoComandos::Boton("Toolbar1", "añadir_vert");
inline const QString Boton_añadir_arista = EstadoComandos::Boton("Toolbar1", "añadir_arista");
inline const QString Boton_cambiar_peso = EstadoComandos::Boton("Toolbar1", "cambiar_peso");
inline const QString Boton_unir_vert_desact = EstadoComandos::Boton("Toolbar1", "unir_vert_desact");
inline const QString Boton_matriz_adyacencia = EstadoComandos::Boton("Toolbar1", "matriz_adyacencia");
inline const QString Boton_deshacer = EstadoComandos::Boton("Toolbar1", "deshacer");
inline const QString Boton_imprimir = EstadoComandos::Boton("Toolbar2", "imprimir");
} // namespace Control

// Picture indexes of Toolbar1's image list for the looks the logic switches.
namespace ImagenBoton {
inline constexpr int AñadirAristaActiva = 10;
inline constexpr int AñadirAristaInactiva = 14;
inline constexpr int CambiarPesoActiva = 11;
inline constexpr int CambiarPesoInactiva = 15;
inline constexpr int UnirVerticesActiva = 12;
inline constexpr int UnirVerticesInactiva = 16;
} // namespace ImagenBoton
