#include "ui/Principal.h"

#include <QFileInfo>

#include "algorithms/MenuConectividad.h"
#include "drawing/MenuVer.h"
#include "files/AjustarPosiciones.h"
#include "files/Guardar.h"
#include "files/Lector.h"
#include "generators/MenuGrafos.h"
#include "model/Controles.h"
#include "run/Algoritmo.h"
#include "run/PasoAPaso.h"
#include "ui/ConversionTipo.h"
#include "ui/Interaccion.h"
#include "ui/MenuAlgoritmos.h"
#include "ui/MenuPrincipal.h"

namespace {

const QString PreguntaCerrar = QStringLiteral("¿Realmente desea cerrar el grafo actual?");
const QString PreguntaSalvar = QStringLiteral("Se va a abandonar el grafo actual. ¿Desea salvarlo?");
const QString TextoAbrir = QStringLiteral(" Seleccione el nombre del archivo que desea abrir y pulse ABRIR.");
constexpr int AnchoInicial = 12600; // 840 × 620 pixels
constexpr int AltoInicial = 9300;

QString PreguntaCambioTipo(int tipo)
{
    static const QString nombres[] = {"Simple", "Ponderado", "Digrafo", "Digrafo Ponderado"};
    return QStringLiteral("¿Realmente desea cambiar el tipo de grafo a %1?").arg(nombres[tipo]);
}

} // namespace

Principal::Principal(Interaccion& interaccion)
    : interaccion_(interaccion), deshacer_(comandos_, [this] { Redibujar(); })
{
    AplicarEstadosDeDiseño();
    disposicion_ = CalcularDisposicion(AnchoInicial, AltoInicial, true, false);
    area_ = std::make_unique<SuperficieArea>(disposicion_.areaTrabajo.ancho, disposicion_.areaTrabajo.alto,
                                             escala_);
    NuevoRegistro();
}

// --- the record and its drawing ---------------------------------------------------

void Principal::NuevoRegistro()
{
    EntornoGrafo entorno;
    entorno.comandos = &comandos_;
    entorno.interaccion = &interaccion_;
    entorno.seleccion = &seleccion_;
    entorno.pesosAleatorios = [this] { return vista_.check1Marcado; };
    entorno.redibujar = [this] { Redibujar(); };
    entorno.guardarIdent = [this](std::int16_t u, std::int16_t w) { deshacer_.guardar_ident(*grafo_, u, w); };
    grafo_ = std::make_unique<Grafo>(std::move(entorno));
    // Marks name vertices and edges of the graph that is gone.
    seleccion_ = Seleccion{};
    ReconstruirDibujo();
}

void Principal::ReconstruirDibujo()
{
    dibujo_ = std::make_unique<Dibujo>(*grafo_, Superficie(), seleccion_, marco_.DesdeMenu);
}

void Principal::PonerSuperficie(Lienzo* lienzo)
{
    lienzoPropio_ = lienzo;
    ReconstruirDibujo();
}

void Principal::PonerEscala(double escala)
{
    escala_ = escala;
    Form_Resize(disposicion_.ancho, disposicion_.alto);
}

DimensionesArea Principal::DimensionesTrabajo() const
{
    return {static_cast<double>(disposicion_.areaTrabajo.ancho),
            static_cast<double>(disposicion_.areaTrabajo.alto)};
}

void Principal::Redibujar()
{
    Superficie().Limpiar();
    dibujo_->DibujarGrafo(0);
}

// --- window states ------------------------------------------------------------------

void Principal::AplicarEstadosDeDiseño()
{
    for (const EntradaMenu& e : EntradasMenu())
        comandos_.Habilitar(e.control, e.activo);
    for (const BotonBarra& b : BotonesBarra()) {
        if (b.clave.isEmpty())
            continue;
        const QString boton = EstadoComandos::Boton(b.barra, b.clave);
        comandos_.Habilitar(boton, b.clave == "nuevo" || b.clave == "abrir");
        comandos_.PonerImagen(boton, b.imagen);
    }
}

void Principal::ActualizarTitulo()
{
    titulo_ = QStringLiteral("NODEVA: Algoritmos sobre Grafos - [") + documento_.NombreCorto() + u']';
}

std::int16_t Principal::Preguntar(const QString& texto, int botones)
{
    return interaccion_.Mensaje(texto, titulo_, Icono::Pregunta,
                                botones == 3 ? Botones::SiNoCancelar : Botones::SiNo);
}

void Principal::TextoPanel(const QString& texto)
{
    traza_.PonerTexto(texto);
}

void Principal::HabilitarMenus(bool activo)
{
    for (const QString& menu : MenusPrincipales())
        comandos_.Habilitar(menu, activo);
}

void Principal::HabilitarBarras(bool activo)
{
    comandos_.Habilitar(QStringLiteral("Toolbar1"), activo);
    comandos_.Habilitar(QStringLiteral("Toolbar2"), activo);
}

void Principal::ColocarFilaSuperior(bool ponderado)
{
    const Disposicion fila = CalcularDisposicion(disposicion_.ancho, disposicion_.alto, ponderado,
                                                 vista_.aceptarVisible);
    disposicion_.check1 = fila.check1;
    disposicion_.etiX = fila.etiX;
    disposicion_.coordX = fila.coordX;
    disposicion_.titTipo = fila.titTipo;
    disposicion_.combo1 = fila.combo1;
    vista_.check1Visible = ponderado;
    if (ponderado)
        vista_.check1Habilitado = true;
}

// --- A: start editing ------------------------------------------------------------------

void Principal::Iniciar_trabajo()
{
    vista_.areaVisible = true;
    vista_.panelInicio = false;
    ColocarFilaSuperior(grafo_->Ponderado());
    vista_.etiquetas = true;
    AnularDeshacer();
    Superficie().Limpiar();

    using namespace Control;
    auto boton = [this](const QString& clave, bool activo, int imagen = -1) {
        const QString b = EstadoComandos::Boton("Toolbar1", clave);
        comandos_.Habilitar(b, activo);
        if (imagen >= 0)
            comandos_.PonerImagen(b, imagen);
    };
    boton("unir_vert_desact", false, ImagenBarra::UnirInactiva);
    boton("eliminar", false, ImagenBarra::EliminarInactiva);
    boton("matriz_adyacencia", false);
    boton("guardar", true, ImagenBarra::Guardar);
    boton("añadir_vert", true, ImagenBarra::AñadirVertice);
    boton("añadir_arista", false, ImagenBarra::AñadirAristaInactiva);
    comandos_.Habilitar(Boton_imprimir, true);

    for (const char* c : {"Guardar", "Guardar_Como", "Imprimir", "Añadir_Vertice", "Centrar",
                             "Girar_voltear", "Matriz_adyacencia", "Conectividad", "Componentes_conexas",
                             "Vértices_corte", "Aristas_Puente", "Bloques", "Camino", "Camino_minimo",
                             "Árbol_generador_mínimo", "muEsEuleriano", "muHierholzer", "muFleury",
                             "muTucker", "muCartero"})
        comandos_.Habilitar(QString::fromUtf8(c), true);
    bool bajoGrafos = false;
    for (const EntradaMenu& e : EntradasMenu()) {
        if (e.padre.isEmpty())
            bajoGrafos = e.control == "Grafos";
        else if (bajoGrafos)
            comandos_.Habilitar(e.control, true);
    }
    for (const char* c : {"Añadir_Arista", "Ident_vertices", "Eliminar", "Cambiar_todos_pesos"})
        comandos_.Habilitar(QString::fromUtf8(c), false);

    const int t = grafo_->Tipo(), n = grafo_->dimen();
    comandos_.Habilitar(Estadísticas, t < 2);
    comandos_.Habilitar(Algoritmo_dijkstra, t == 3);
    for (const QString& c : {Algoritmo_kruskal, Algoritmo_prim, Algoritmo_boruvka})
        comandos_.Habilitar(c, t == 1);
    comandos_.Habilitar(Arbol_Busqueda, t < 2 && n >= 2);
    for (const char* c : {"Prüfer", "Prufer_Encoding", "Prufer_Decoding"})
        comandos_.Habilitar(QString::fromUtf8(c), t == 0);
}

// --- B: close the graph in hand ----------------------------------------------------------

bool Principal::QuiereCerrar()
{
    if (grafo_->dimen() == 0) {
        // After a rejected file the area is hidden and there is no graph:
        // what comes next starts afresh, as after closing a graph.
        if (!vista_.areaVisible && !vista_.panelInicio)
            EmpezarSinArchivo();
        return true;
    }
    if (Preguntar(PreguntaCerrar, 2) != Respuesta::Si)
        return false;
    EmpezarSinArchivo();
    NuevoRegistro();
    grafo_->InsertarTipo(NombreTipo(vista_.combo1));
    return true;
}

// --- C, D, E: new, open, save -------------------------------------------------------------

void Principal::Nuevo()
{
    if (grafo_->dimen() > 0) {
        const std::int16_t r = Preguntar(PreguntaSalvar, 3);
        if (r == Respuesta::Cancelar)
            return;
        // A save the user abandons keeps the graph: nothing is dropped unsaved.
        if (r == Respuesta::Si && !GuardarGrafo(*grafo_, documento_, interaccion_,
                                                [this](const QString& t) { TextoPanel(t); }))
            return;
        Superficie().Limpiar();
    }
    NuevoRegistro();
    ElegirTipoNuevo();
    documento_.GrafoModificado = false;
    EmpezarSinArchivo();
}

void Principal::EmpezarSinArchivo()
{
    Iniciar_trabajo();
    documento_.NombreArchivo.clear();
    documento_.NombreRechazado = false;
    ActualizarTitulo();
}

void Principal::Abrir()
{
    AnularDeshacer();
    const QString nombre = interaccion_.NombreParaAbrir(FiltroGrafos);
    if (!nombre.isEmpty() && !AbrirArchivo(nombre))
        return;
    TextoPanel(QString());
}

bool Principal::AbrirArchivo(const QString& nombre)
{
    if (grafo_->dimen() > 0) {
        if (Preguntar(PreguntaCerrar, 2) != Respuesta::Si)
            return false;
        Iniciar_trabajo();
        vista_.areaVisible = false;
    }
    documento_.NombreArchivo = nombre;
    documento_.NombreRechazado = false;
    NuevoRegistro();
    const QSize area(disposicion_.areaTrabajo.ancho, disposicion_.areaTrabajo.alto);
    if (LeerGrafo(nombre, *grafo_, documento_, interaccion_, area) != 0) {
        // What the reader had filled before the fault is not a graph to keep.
        NuevoRegistro();
        grafo_->InsertarTipo(NombreTipo(vista_.combo1));
        documento_.NombreRechazado = true;
        // Adding a vertex waits for a click on the work area: with the area
        // hidden it would lock the window for good.
        if (!vista_.areaVisible) {
            comandos_.Habilitar(Control::Añadir_Vertice, false);
            comandos_.Habilitar(Control::Boton_añadir_vert, false);
            comandos_.PonerImagen(Control::Boton_añadir_vert, ImagenBarra::AñadirVerticeInactiva);
        }
        return true;
    }
    ActualizarTitulo();
    Iniciar_trabajo();
    HabilitarTrasCargar();
    return true;
}

void Principal::HabilitarTrasCargar()
{
    using namespace Control;
    const Grafo& g = *grafo_;
    const int n = g.dimen();
    auto par = [this](const QString& boton, const QString& menu, bool activo, int imagen) {
        comandos_.Habilitar(boton, activo);
        comandos_.PonerImagen(boton, imagen);
        comandos_.Habilitar(menu, activo);
    };
    if (n > 1) {
        par(Boton_añadir_arista, Añadir_Arista, true, ImagenBarra::AñadirArista);
        seleccion_.BorrarMarcasArista();
        par(Boton_unir_vert_desact, Ident_vertices, true, ImagenBarra::Unir);
    }
    if (g.numero_aristas() == g.MaxNumAristas())
        par(Boton_añadir_arista, Añadir_Arista, false, ImagenBarra::AñadirAristaInactiva);
    if (n > 0) {
        comandos_.Habilitar(Boton_matriz_adyacencia, true);
        comandos_.Habilitar(Control::Matriz_adyacencia, true);
    }
    comandos_.Habilitar(Estadísticas, g.Tipo() < 2);
    seleccion_.VerticeBajoCursor = seleccion_.VerticeSeleccionado = 0;
    const bool pesos = g.Ponderado() && g.numero_aristas() > 0;
    par(Boton_cambiar_peso, Cambiar_peso, pesos, pesos ? ImagenBarra::CambiarPeso : ImagenBarra::CambiarPesoInactiva);
    vista_.combo1 = g.Tipo();
    dibujo_->DibujarGrafo(0);
    comandos_.Habilitar(Boton_imprimir, true);
}

void Principal::Guardar()
{
    GuardarGrafo(*grafo_, documento_, interaccion_, [this](const QString& t) { TextoPanel(t); });
    ActualizarTitulo();
}

void Principal::Guardar_Como()
{
    GuardarGrafoComo(*grafo_, documento_, interaccion_, [this](const QString& t) { TextoPanel(t); });
    ActualizarTitulo();
}

// --- F: the type list -----------------------------------------------------------------------

void Principal::Combo1_Click(int indice)
{
    const int t = grafo_->Tipo();
    if (indice == t || indice < 0 || indice > 3)
        return;
    if (Preguntar(PreguntaCambioTipo(indice), 2) != Respuesta::Si) {
        vista_.combo1 = t;
        return;
    }
    // The undo record holds matrix lines of the old type: replayed on the
    // new one they would bring back weights or arcs the new type cannot hold.
    AnularDeshacer();
    const auto conversiones = ConversionesEntre(t, indice);
    CambiarTipo(*grafo_, indice, comandos_);
    vista_.combo1 = indice;
    for (Conversion c : conversiones) {
        if (c == Conversion::PasarAPonderado)
            ColocarFilaSuperior(true);
        if (c == Conversion::QuitarPesos) {
            ColocarFilaSuperior(false);
            vista_.check1Habilitado = false;
        }
    }
    MarcarModificado();
    if (vista_.areaVisible)
        Redibujar();
}

void Principal::Check1_Click(bool marcado)
{
    vista_.check1Marcado = marcado;
    comandos_.Habilitar(QStringLiteral("Cambiar_todos_pesos"), marcado);
}

void Principal::Cambiar_todos_pesos()
{
    grafo_->Rellenar_Aleatoriamente();
    MarcarModificado();
    Redibujar();
}

void Principal::Centrar()
{
    ::Centrar(*grafo_, DimensionesTrabajo(), {[this] { Redibujar(); }, [this] { MarcarModificado(); }});
}

// --- H: the end of a run ----------------------------------------------------------------------

void Principal::Aceptar_Click()
{
    using namespace Control;
    HabilitarBarras(true);
    auto restaurar = [this](const QString& clave, int imagen) {
        const QString b = EstadoComandos::Boton("Toolbar1", clave);
        if (comandos_.Habilitado(b))
            comandos_.PonerImagen(b, imagen);
    };
    restaurar("cambiar_peso", ImagenBarra::CambiarPeso);
    restaurar("unir_vert_desact", ImagenBarra::Unir);
    restaurar("añadir_vert", ImagenBarra::AñadirVertice);
    restaurar("guardar", ImagenBarra::Guardar);
    const Grafo& g = *grafo_;
    if (g.dimen() >= 1)
        comandos_.Habilitar(Boton_matriz_adyacencia, true);
    const bool completo = g.numero_aristas() == g.MaxNumAristas();
    if (completo || g.dimen() > 1) {
        comandos_.Habilitar(Boton_añadir_arista, !completo);
        comandos_.PonerImagen(Boton_añadir_arista,
                              completo ? ImagenBarra::AñadirAristaInactiva : ImagenBarra::AñadirArista);
        comandos_.Habilitar(Añadir_Arista, !completo);
    }
    HabilitarMenus(true);
    if (vista_.check1Visible)
        vista_.check1Habilitado = true;
    vista_.areaHabilitada = true;
    vista_.textoHabilitado = vista_.textoVisible = true;
    traza_.PonerTamañoLetra(Traza::TamañoLetra);
    vista_.aceptarVisible = false;
    vista_.aceptarHabilitado = false;
    disposicion_.textoPeq.ancho = disposicion_.ancho - 200;
    TextoPanel(QString());
    Redibujar();
}

// --- J: layout ----------------------------------------------------------------------------------

const Disposicion& Principal::Form_Resize(int ancho, int alto)
{
    Superficie().Limpiar();
    disposicion_ = CalcularDisposicion(ancho, alto, true, vista_.aceptarVisible);
    const Rectangulo& a = disposicion_.areaTrabajo;
    area_ = std::make_unique<SuperficieArea>(a.ancho, a.alto, escala_);
    ReconstruirDibujo();
    AjustarPosiciones(*grafo_, QSize(a.ancho, a.alto));
    Redibujar();
    return disposicion_;
}

// --- dispatch --------------------------------------------------------------------------------------

bool Principal::Ejecutar(const QString& control)
{
    if (const QString nombre = NombreEjecucion(control); !nombre.isEmpty()) {
        IniciarAlgoritmo(nombre);
        return true;
    }
    static const QHash<QString, void (Principal::*)()> ordenes = {
        {"Nuevo", &Principal::Nuevo},
        {"Abrir", &Principal::Abrir},
        {"Guardar", &Principal::Guardar},
        {"Guardar_Como", &Principal::Guardar_Como},
        {"Cambiar_todos_pesos", &Principal::Cambiar_todos_pesos},
        {"Centrar", &Principal::Centrar},
        {"Girar_voltear", &Principal::Girar_voltear},
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
    if (EjecutarConectividad(*this, control))
        return true;
    return EjecutarGenerador(*this, control);
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
    SelectGrafo dialogo(*grafo_, [this](int indice) { vista_.combo1 = indice; });
    interaccion_.Mostrar(dialogo);
}

void Principal::Girar_voltear()
{
    GirarVoltear dialogo(*grafo_, [this] { return DimensionesTrabajo(); }, interaccion_,
                         {[this] { Redibujar(); }, [this] { MarcarModificado(); }});
    interaccion_.Mostrar(dialogo);
}

void Principal::Matriz_adyacencia()
{
    if (grafo_->dimen() == 0)
        return;
    MatrizAdy dialogo(*grafo_);
    interaccion_.Mostrar(dialogo);
}

void Principal::AbrirImprimir()
{
    const Lienzo& lienzo = area_->Superficie();
    // The PDF is offered beside the graph's file, under the same name.
    const QFileInfo grafo(documento_.NombreArchivo.isEmpty() ? documento_.NombreCorto() : documento_.NombreArchivo);
    const QString carpeta = documento_.NombreArchivo.isEmpty() ? QString() : grafo.path() + '/';
    const QString pdf = carpeta + grafo.completeBaseName() + ".pdf";
    // Three pixels for each of the screen's: about 230 dpi at the page's 0.8 scale.
    const QImage imagen = area_->ImagenNitida(std::max(3.0, escala_));
    Imprimir dialogo(interaccion_, interaccion_.ImpresoraPredeterminada(),
                     {imagen, QSizeF(lienzo.Ancho(), lienzo.Alto()), traza_.Documento(),
                      [this] { vista_.textoVisible = true; }, pdf});
    interaccion_.Mostrar(dialogo);
}

// --- algorithms ----------------------------------------------------------------------------------

void Principal::IniciarAlgoritmo(const QString& nombre, std::int16_t raiz)
{
    PasoAPaso dialogo(marco_, nombre);
    interaccion_.Mostrar(dialogo);
    if (dialogo.Aceptado())
        EjecutarAlgoritmo(nombre, raiz);
}

void Principal::EjecutarAlgoritmo(const QString& nombre, std::int16_t raiz)
{
    if (const Algoritmo algoritmo = BuscarAlgoritmo(nombre)) {
        Contexto contexto{*grafo_, *dibujo_, marco_, interaccion_, raiz};
        algoritmo(contexto);
    }
}
