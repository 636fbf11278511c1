#include "algorithms/CatalogoOrdenes.h"

#include "algorithms/ArbolGenerador.h"
#include "algorithms/Bloques.h"
#include "algorithms/Busqueda.h"
#include "algorithms/Caminos.h"
#include "algorithms/Cartero.h"
#include "algorithms/CodigoPrufer.h"
#include "algorithms/Coloracion.h"
#include "algorithms/Conectividad.h"
#include "algorithms/Estadisticas.h"
#include "algorithms/Euler.h"
#include "algorithms/Fleury.h"
#include "algorithms/Hierholzer.h"
#include "algorithms/Operaciones.h"
#include "model/Controles.h"
#include "model/EstadoComandos.h"
#include "model/Grafo.h"

namespace {

constexpr Tipos NoDirigidos = SoloTipo(TipoGrafo::Simple) | SoloTipo(TipoGrafo::Ponderado);
const OpcionOrden Semilla{"--semilla", "S", Campo::Semilla, "fija el azar: la misma semilla da el mismo recorrido",
                          false};

std::vector<OrdenAlgoritmo> Tabla()
{
    using namespace Control;
    const Tipos ponderado = SoloTipo(TipoGrafo::Ponderado);
    const OpcionOrden raiz{"--raiz", "N", Campo::Raiz, "el vértice raíz de la búsqueda"};
    const OpcionOrden origen{"--origen", "A", Campo::Origen, "el vértice de partida"};
    const OpcionOrden destino{"--destino", "B", Campo::Destino, "el vértice de llegada"};
    const Tipos simple = SoloTipo(TipoGrafo::Simple);
    return {
        Orden(Estadísticas, &MostrarEstadisticas, {"Estadisticas"})
            .EnMenu("Propiedades", "Estadísticas")
            .Inactiva()
            .SegunTipoAlEmpezar()
            .SegunTipoAlConvertir()
            .SegunTipoAlEditar()
            .Para(NoDirigidos),
        Orden(Componentes_conexas, &EjecutarComponentes, {"Componentes"})
            .EnMenu("Conectividad", "Componentes Conexas")
            .Inactiva()
            .SegunTipoAlEmpezar(),
        Orden(Vértices_corte, &EjecutarVerticesCorte, {"VerticesCorte"})
            .EnMenu("Conectividad", "Vértices Corte", Componentes_conexas)
            .Inactiva()
            .SegunTipoAlEmpezar(),
        Orden(Aristas_Puente, &EjecutarAristasPuente, {"Puentes"})
            .EnMenu("Conectividad", "Aristas Puente", Vértices_corte)
            .Inactiva()
            .SegunTipoAlEmpezar(),
        Orden(Control::Camino, &EjecutarCamino, {"Camino"})
            .EnMenu("Caminos", "Camino")
            .Inactiva()
            .SegunTipoAlEmpezar()
            .Pide(Pregunta::Camino)
            .Significa(LeyendaCamino())
            .Con(origen)
            .Con(destino),
        Orden(Algoritmo_dijkstra, &EjecutarDijkstra, {"Dijkstra"})
            .EnMenu(Camino_minimo, "Algoritmo Dijkstra")
            .Inactiva()
            .SegunTipoAlEmpezar()
            .SegunTipoAlConvertir()
            .Paso("Dijkstra")
            .Significa(LeyendaDijkstra())
            .PideTrasModo(Pregunta::CaminoDijkstra)
            .Con(origen)
            .Con({"--destino", "B|TODOS", Campo::Destino, "el vértice de llegada, o TODOS: todos los vértices"})
            .Para(SoloTipo(TipoGrafo::Digrafo_Ponderado))
            .EnCliPara(TodosLosTipos),
        Orden(Algoritmo_kruskal, &Kruskal, {"Kruskal"})
            .EnMenu("Árbol_generador_mínimo", "Algoritmo Kruskal")
            .Inactiva()
            .SegunTipoAlEmpezar()
            // A weighted digraph made undirected keeps its spanning trees off.
            .SegunTipoAlConvertir(TipoGrafo::Digrafo_Ponderado)
            .Paso("Kruskal")
            .Significa(LeyendaArbol())
            .Para(ponderado),
        Orden(Algoritmo_prim, &Prim, {"Prim"})
            .EnMenu("Árbol_generador_mínimo", "Algoritmo Prim", Algoritmo_kruskal)
            .Inactiva()
            .SegunTipoAlEmpezar()
            .SegunTipoAlConvertir(TipoGrafo::Digrafo_Ponderado)
            .Paso("Prim")
            .Significa(LeyendaArbol())
            .Para(ponderado),
        Orden(Algoritmo_boruvka, &Boruvka, {"Boruvka"})
            .EnMenu("Árbol_generador_mínimo", "Algoritmo Boruvka", Algoritmo_prim)
            .Inactiva()
            .SegunTipoAlEmpezar()
            .SegunTipoAlConvertir(TipoGrafo::Digrafo_Ponderado)
            .Paso("Boruvka")
            .Significa(LeyendaBoruvka())
            .Para(ponderado),
        Orden(En_Profundidad, &EnProfundidad, {"En_Profundidad"})
            .EnMenu(Arbol_Busqueda, "En Profundidad")
            .Paso("En_Profundidad")
            .Significa(LeyendaBusqueda())
            .MarcaDesdeMenu()
            .Pide(Pregunta::Raiz)
            .Con(raiz)
            .Para(NoDirigidos),
        Orden(En_Anchura, &EnAnchura, {"En_Anchura"})
            .EnMenu(Arbol_Busqueda, "En Anchura", En_Profundidad)
            .Paso("En_Anchura")
            .Significa(LeyendaBusqueda())
            .Pide(Pregunta::Raiz)
            .Con(raiz)
            .Para(NoDirigidos),
        Orden(mnu_Secuencial_Procesar, &ColoracionSecuencial, {"Secuencial", "Coloración Secuencial"})
            .EnMenu(mnu_Secuencial, "Orden &predeterminado")
            .Paso("Coloración Secuencial")
            .Con({"--orden", "V1,V2,...", Campo::Orden,
                  "el orden de coloración, con todos los vértices; uno repetido cuenta una vez", false})
            .Para(simple),
        // Clicks choose the order; the last one starts the sequential colouring.
        Orden(mnu_Secuencial_intro_ord, &ColoracionSecuencial, {})
            .EnMenu(mnu_Secuencial, "Orden &definido por el usuario", mnu_Secuencial_Procesar)
            .Pide(Pregunta::OrdenUsuario)
            .Para(simple),
        Orden(mnu_Welsh_Powell, &ColoracionWelshPowell, {"Welsh-Powell", "Coloración Welsh-Powell"})
            .EnMenu("mnu_Coloracion", "Coloración de &Welsh-Powell", mnu_Secuencial)
            .Paso("Coloración Welsh-Powell")
            .Para(simple),
        Orden(mnu_Matula, &ColoracionMatula, {"Matula-Marble-Isaacson", "Coloración Matula-Marble-Isaacson"})
            .EnMenu("mnu_Coloracion", "Coloración de &Matula-Marble-Isaacson", mnu_Welsh_Powell)
            .Paso("Coloración Matula-Marble-Isaacson")
            .Para(simple),
        Orden(mnu_Brelaz, &ColoracionBrelaz, {"Brelaz", "Coloración Brelaz"})
            .EnMenu("mnu_Coloracion", "Coloración de &Brelaz", mnu_Matula)
            .Paso("Coloración Brelaz")
            .Para(simple),
        Orden(muEsEuleriano, &EsEuleriano, {"EsEuleriano"})
            .EnMenu("muEuler", "¿Es &euleriano?")
            .Inactiva()
            .SegunTipoAlEmpezar(),
        Orden(muHierholzer, &Hierholzer, {"Hierholzer"})
            .EnMenu("muEuler", "Algoritmo de &Hierholzer", muEsEuleriano)
            .Inactiva()
            .SegunTipoAlEmpezar()
            .Paso("Hierholzer")
            .Con(Semilla),
        Orden(muFleuryUsuario, &FleuryUsuario, {"FleuryUsuario"})
            .EnMenu("muFleury", "Recorrido del &usuario")
            .Con({"--recorrido", "1,2,3,…", Campo::Clics, "los vértices que pulsa el usuario, en orden"}),
        Orden(muFleuryAutomatico, &Fleury, {"Fleury"})
            .EnMenu("muFleury", "Recorrido &automático", muFleuryUsuario)
            .Paso("Fleury")
            .Con(Semilla),
        Orden(muTucker, &Tucker, {"Tucker"})
            .EnMenu("muEuler", "Algoritmo de &Tucker", "muFleury")
            .Inactiva()
            .SegunTipoAlEmpezar()
            .Paso("Tucker"),
        Orden(muCartero, &Cartero, {"Cartero"})
            .EnMenu("muEuler", "&Problema del cartero", muTucker)
            .Inactiva()
            .SegunTipoAlEmpezar()
            .Paso("Cartero", "Problema del cartero")
            .Con(Semilla),
        Orden(mnu_complementario, &Complementario, {"Complementario"})
            .EnMenu("mnu_operaciones", "&Complementario")
            .Operacion()
            .Para(simple),
        Orden(mnu_lineal, &GrafoLineal, {"Lineal"})
            .EnMenu("mnu_operaciones", "&Lineal", mnu_complementario)
            .Operacion()
            .Para(simple),
        Orden(Control::Bloques, &::Bloques, {"Bloques"})
            .EnMenu("Conectividad", "Bloques", Aristas_Puente)
            .Inactiva()
            .SegunTipoAlEmpezar(),
        Orden(Prufer_Encoding, &CodificarPrufer, {"Prufer_Encoding"})
            .EnMenu(Prüfer, "Código de un Árbol")
            .SegunTipoAlEmpezar()
            .SegunTipoAlConvertir()
            .Paso("Prufer_Encoding")
            .Para(simple),
        Orden(Prufer_Decoding, &DecodificarPrufer, {"Prufer_Decoding"})
            .EnMenu(Prüfer, "Árbol de un Código", Prufer_Encoding)
            .SegunTipoAlEmpezar()
            .SegunTipoAlConvertir()
            .Paso("Prufer_Decoding")
            .Pide(Pregunta::Prufer)
            .SinArchivo()
            .Con({"--codigo", "S1,S2,...", Campo::Codigo,
                  "la secuencia, de 1 a 48 elementos entre 1 y su longitud + 2; el árbol tiene longitud + 2 vértices"})
            .Para(simple),
    };
}

template <typename Igual> const OrdenAlgoritmo* Buscar(Igual igual)
{
    for (const OrdenAlgoritmo& orden : Ordenes())
        if (igual(orden))
            return &orden;
    return nullptr;
}

} // namespace

const std::vector<OrdenAlgoritmo>& Ordenes()
{
    static const std::vector<OrdenAlgoritmo> tabla = Tabla();
    return tabla;
}

const OrdenAlgoritmo* OrdenPorControl(const QString& control)
{
    return Buscar([&](const OrdenAlgoritmo& o) { return o.control == control; });
}

const OrdenAlgoritmo* OrdenPorEjecucion(const QString& nombre)
{
    return nombre.isEmpty() ? nullptr : Buscar([&](const OrdenAlgoritmo& o) { return o.ejecucion == nombre; });
}

const OrdenAlgoritmo* OrdenPorCli(const QString& nombre)
{
    return Buscar([&](const OrdenAlgoritmo& o) { return o.cli.contains(nombre); });
}

void OfrecerSegunTipo(EstadoComandos& comandos)
{
    for (const OrdenAlgoritmo& orden : Ordenes())
        if (orden.segunTipoAlEditar)
            comandos.OfrecerSegunTipo(orden.control, orden.tipos);
}
