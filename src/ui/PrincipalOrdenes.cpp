// The main window's dispatch of menu commands and toolbar buttons, its
// modal dialogs, the graph menu's generators and the algorithm commands of
// the catalogue.

#include "algorithms/CatalogoOrdenes.h"
#include "costuras/Interaccion.h"
#include "generators/Catalogo.h"
#include "model/Bucles.h"
#include "model/Controles.h"
#include "run/PasoAPaso.h"
#include "ui/GirarVoltear.h"
#include "ui/Imprimir.h"
#include "ui/InsercionNºVert.h"
#include "ui/MatrizAdy.h"
#include "ui/MenuPrincipal.h"
#include "ui/OrdenesAyuda.h"
#include "ui/PreguntasOrden.h"
#include "ui/Principal.h"
#include "ui/SelectGrafo.h"

namespace {

const QString TextoAbrir = QStringLiteral(" Seleccione el nombre del archivo que desea abrir y pulse ABRIR.");

} // namespace

// --- dispatch --------------------------------------------------------------------------------------

bool Principal::Ejecutar(const QString& control)
{
    if (const OrdenAlgoritmo* orden = OrdenPorControl(control)) {
        EjecutarOrden(*orden);
        return true;
    }
    static const QHash<QString, void (Principal::*)()> ordenes = {
        {"Nuevo", &Principal::Nuevo},
        {"Abrir", &Principal::Abrir},
        {"Guardar", &Principal::Guardar},
        {"Guardar_Como", &Principal::Guardar_Como},
        {"Importar", &Principal::Importar},
        {"Exportar", &Principal::Exportar},
        {"Cambiar_todos_pesos", &Principal::Cambiar_todos_pesos},
        {"Centrar", &Principal::Centrar},
        {"Girar_voltear", &Principal::Girar_voltear},
        {"Pantalla_completa", &Principal::PantallaCompleta},
        {"Matriz_adyacencia", &Principal::Matriz_adyacencia},
        {"Imprimir", &Principal::AbrirImprimir},
    };
    static const QHash<QString, void (EdicionRaton::*)()> ediciones = {
        {"Añadir_Vertice", &EdicionRaton::Añadir_Vertice},
        {"Añadir_Arista", &EdicionRaton::Añadir_Arista},
        {"Eliminar", &EdicionRaton::Eliminar},
        {"Cambiar_peso", &EdicionRaton::Cambiar_peso},
        {"Ident_vertices", &EdicionRaton::Ident_vertices},
        {"Deshacer", &EdicionRaton::Deshacer_Click},
    };
    if (const auto orden = ordenes.find(control); orden != ordenes.end()) {
        (this->*orden.value())();
        return true;
    }
    if (const auto edicion = ediciones.find(control); edicion != ediciones.end()) {
        (edicion_.*edicion.value())();
        return true;
    }
    return EjecutarAyuda(control, interaccion_) || EjecutarGenerador(control);
}

bool Principal::EjecutarBoton(const QString& barra, const QString& clave)
{
    for (const BotonBarra& b : BotonesBarra())
        if (b.barra == barra && b.clave == clave && !clave.isEmpty()) {
            if (clave == "abrir")
                TextoPanel(TextoAbrir);
            return Ejecutar(b.orden);
        }
    return false;
}

// --- dialogs ----------------------------------------------------------------------------------------

void Principal::ElegirTipoNuevo()
{
    SelectGrafo dialogo(grafo(), [this](int indice) { vista_.combo1 = indice; });
    interaccion_.Mostrar(dialogo);
}

void Principal::Girar_voltear()
{
    GirarVoltear dialogo(grafo(), [this] { return DimensionesTrabajo(); }, interaccion_,
                         {[this] { Redibujar(); }, [this] { MarcarModificado(); }});
    interaccion_.Mostrar(dialogo);
}

void Principal::Matriz_adyacencia()
{
    if (grafo().dimen() == 0)
        return;
    MatrizAdy dialogo(grafo());
    interaccion_.Mostrar(dialogo);
}

void Principal::AbrirImprimir()
{
    AbrirImprimir(traza_.Documento());
}

// By the name's own characters: Qt's file info would lose the bytes of a
// name that is not UTF-8.
QString Principal::NombreJuntoAlGrafo(const QString& final) const
{
    const QString& nombre = documento_.NombreArchivo;
    const QString corto = documento_.NombreCorto();
    const QString carpeta = nombre.left(nombre.size() - corto.size());
    return carpeta + corto.left(corto.contains(u'.') ? corto.lastIndexOf(u'.') : corto.size()) + final;
}

void Principal::AbrirImprimir(const QTextDocument& traza)
{
    const Lienzo& lienzo = Area().Superficie();
    // The PDF is offered beside the graph's file, under the same name.
    const QString pdf = NombreJuntoAlGrafo(QStringLiteral(".pdf"));
    // Three pixels for each of the screen's: about 230 dpi at the page's 0.8 scale.
    const QImage imagen = Area().ImagenNitida(std::max(3.0, escala_));
    Imprimir dialogo(
        interaccion_, interaccion_.ImpresoraPredeterminada(),
        {imagen, QSizeF(lienzo.Ancho(), lienzo.Alto()), traza, [this] { vista_.textoVisible = true; }, pdf});
    interaccion_.Mostrar(dialogo);
}

// --- the graph menu ----------------------------------------------------------------------------------

bool Principal::EjecutarGenerador(const QString& control)
{
    const Generador* generador = BuscarGenerador(control);
    if (!generador)
        return false;
    if (!QuiereCerrar())
        return true;
    Numeros numeros;
    for (const PreguntaGenerador& pregunta : generador->preguntas) {
        const int maximo = MaximoPregunta(pregunta, numeros);
        const int numero =
            PreguntarNumero(grafo(), interaccion_, {pregunta.titulo, pregunta.indicacion, TextoMaximo(maximo), maximo});
        if (numero < 1)
            return true;
        numeros.push_back(numero);
    }
    generador->construir(grafo(), DimensionesTrabajo(), numeros);
    return true;
}

// --- algorithms ----------------------------------------------------------------------------------

void Principal::EjecutarOrden(const OrdenAlgoritmo& orden)
{
    if (orden.desdeMenu)
        marco_.DesdeMenu = true;
    Parametros parametros;
    if (!orden.preguntaTrasModo && !PreguntarAntesDeEjecutar(orden, *this, parametros)) {
        marco_.DesdeMenu = false;
        return;
    }
    if (orden.ejecucion.isEmpty())
        Correr(orden, parametros);
    else
        IniciarAlgoritmo(orden.ejecucion, parametros);
}

void Principal::EjecutarOrdenCompleta(const OrdenAlgoritmo& orden, const Parametros& parametros, bool pausas)
{
    marco_.EjecucionCompleta = !pausas && !orden.ejecucion.isEmpty();
    tituloEjecucion_ = orden.TituloPasos();
    if (orden.desdeMenu)
        marco_.DesdeMenu = true;
    Correr(orden, parametros);
}

void Principal::IniciarAlgoritmo(const QString& nombre, const Parametros& parametros)
{
    const OrdenAlgoritmo* orden = OrdenPorEjecucion(nombre);
    if (!orden)
        return;
    PasoAPaso dialogo(marco_, orden->TituloPasos());
    interaccion_.Mostrar(dialogo);
    if (!dialogo.Aceptado())
        return;
    tituloEjecucion_ = dialogo.Titulo();
    Parametros respuestas = parametros;
    if (orden->preguntaTrasModo && !PreguntarAntesDeEjecutar(*orden, *this, respuestas)) {
        // Nothing ran: the next command starts from a clean slate.
        marco_.EjecucionCompleta = false;
        marco_.DesdeMenu = false;
        return;
    }
    Correr(*orden, respuestas);
}

void Principal::EjecutarAlgoritmo(const QString& nombre, const Parametros& parametros)
{
    if (const OrdenAlgoritmo* orden = OrdenPorEjecucion(nombre))
        Correr(*orden, parametros);
}

void Principal::ColorearEnOrden(const Parametros& parametros)
{
    IniciarAlgoritmo(OrdenPorControl(Control::mnu_Secuencial_Procesar)->ejecucion, parametros);
}

// Two vertices at least can be merged: the graph a command leaves in place
// of the one in hand has its own number of them.
void Principal::IdentificarSegunVertices()
{
    const bool activo = grafo().dimen() > 1;
    comandos_.Habilitar(Control::Boton_unir_vert_desact, activo);
    comandos_.PonerImagen(Control::Boton_unir_vert_desact, activo ? ImagenBarra::Unir : ImagenBarra::UnirInactiva);
    comandos_.Habilitar(Control::Ident_vertices, activo);
}

void Principal::Correr(const OrdenAlgoritmo& orden, const Parametros& parametros)
{
    CopiarYa();
    Contexto contexto{grafo(), dibujo(), marco_, interaccion_, parametros};
    dibujo().PonerLeyenda(&orden.leyenda);
    BuclesApartados bucles(grafo());
    const Grafo antes = grafo();
    ++enEjecucion_;
    orden.algoritmo(contexto);
    --enEjecucion_;
    // What replaced the graph made one without loops (closing the graph in
    // hand may even have made a new record); anything else leaves the graph
    // it ran on, which keeps the file's.
    const bool sustituido =
        (orden.operacion || orden.sinArchivo) && (&grafo() != &contexto.grafo || !(grafo() == antes));
    if (!sustituido)
        bucles.Devolver();
    else
        IdentificarSegunVertices();
    if (!orden.operacion) {
        // A graph built from answers is new: it has not been saved.
        if (orden.sinArchivo)
            MarcarModificado();
        return;
    }
    if (!sustituido)
        return;
    // The undo record names vertices and edges of the graph that was.
    AnularDeshacer();
    MarcarModificado();
}
