#include "ui/Principal.h"

#include "algorithms/CatalogoOrdenes.h"
#include "costuras/Interaccion.h"
#include "drawing/MenuVer.h"
#include "files/AjustarPosiciones.h"
#include "model/Controles.h"
#include "ui/ConversionTipo.h"
#include "ui/CopiaPeriodica.h"
#include "ui/MenuPrincipal.h"

namespace {

const QString PreguntaCerrar = QStringLiteral("¿Realmente desea cerrar el grafo actual?");
constexpr int AnchoInicial = 12600; // 840 × 620 pixels
constexpr int AltoInicial = 9300;

QString PreguntaCambioTipo(int tipo)
{
    static const QString nombres[] = {"Simple", "Ponderado", "Digrafo", "Digrafo Ponderado"};
    return QStringLiteral("¿Realmente desea cambiar el tipo de grafo a %1?").arg(nombres[tipo]);
}

} // namespace

Principal::Principal(Interaccion& interaccion) : EstadoPrincipal(interaccion)
{
    AplicarEstadosDeDiseño();
    disposicion_ = CalcularDisposicion(AnchoInicial, AltoInicial, false);
    NuevaArea();
    NuevoRegistro();
}

void Principal::PonerEscala(double escala)
{
    escala_ = escala;
    Form_Resize(disposicion_.ancho, disposicion_.alto);
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

std::int16_t Principal::Preguntar(const QString& texto, int botones)
{
    // Each of these questions may end in the graph being let go.
    CopiarYa();
    return interaccion_.Mensaje(texto, titulo_, Icono::Pregunta, botones == 3 ? Botones::SiNoCancelar : Botones::SiNo);
}

void Principal::ColocarFilaSuperior(bool ponderado)
{
    // The row keeps its places whatever the type; only the check box comes and goes.
    vista_.check1Visible = ponderado;
    if (ponderado)
        vista_.check1Habilitado = true;
}

// --- A: start editing ------------------------------------------------------------------

void Principal::Iniciar_trabajo()
{
    vista_.areaVisible = true;
    vista_.panelInicio = false;
    ColocarFilaSuperior(grafo().Ponderado());
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

    for (const char* c :
         {"Guardar", "Guardar_Como", "Exportar", "Imprimir", "Añadir_Vertice", "Centrar", "Girar_voltear",
          "Matriz_adyacencia", "Conectividad", "Camino_minimo", "Árbol_generador_mínimo", "muFleury"})
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

    const int t = grafo().Tipo(), n = grafo().dimen();
    for (const OrdenAlgoritmo& orden : Ordenes())
        if (orden.segunTipoAlEmpezar)
            comandos_.Habilitar(orden.control, Incluye(orden.tipos, t));
    comandos_.Habilitar(Arbol_Busqueda, t < 2 && n >= 2);
    comandos_.Habilitar(Prüfer, t == TipoGrafo::Simple);
}

// --- B: close the graph in hand ----------------------------------------------------------

bool Principal::QuiereCerrar()
{
    if (grafo().dimen() == 0) {
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
    grafo().InsertarTipo(NombreTipo(vista_.combo1));
    return true;
}

// --- F: the type list -----------------------------------------------------------------------

void Principal::Combo1_Click(int indice)
{
    const int t = grafo().Tipo();
    if (indice == t || indice < 0 || indice > 3)
        return;
    // The list shows the choice while the question is asked.
    vista_.combo1 = indice;
    if (Preguntar(PreguntaCambioTipo(indice), 2) != Respuesta::Si) {
        vista_.combo1 = t;
        return;
    }
    // The undo record holds matrix lines of the old type: replayed on the
    // new one they would bring back weights or arcs the new type cannot hold.
    AnularDeshacer();
    const auto conversiones = ConversionesEntre(t, indice);
    CambiarTipo(grafo(), indice, comandos_);
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
    grafo().Rellenar_Aleatoriamente();
    MarcarModificado();
    Redibujar();
}

void Principal::Centrar()
{
    ::Centrar(grafo(), DimensionesTrabajo(), {[this] { Redibujar(); }, [this] { MarcarModificado(); }});
}

// --- H: the end of a run ----------------------------------------------------------------------

void Principal::Escape()
{
    if (vista_.pantallaCompleta)
        vista_.pantallaCompleta = false;
    else if (ordenUsuario_.Activa())
        ordenUsuario_.Abandonar();
    else
        marco_.EscapePulsado = true;
}

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
    const Grafo& g = grafo();
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
    vista_.folletoVisible = false;
    marco_.Historia().Olvidar();
    disposicion_.textoPeq.ancho = disposicion_.ancho - 200;
    TextoPanel(QString());
    Redibujar();
}

// --- J: layout ----------------------------------------------------------------------------------

const Disposicion& Principal::Form_Resize(int ancho, int alto)
{
    Superficie().Limpiar();
    disposicion_ = CalcularDisposicion(ancho, alto, vista_.aceptarVisible);
    NuevaArea();
    const Rectangulo& a = disposicion_.areaTrabajo;
    AjustarPosiciones(grafo(), QSize(a.ancho, a.alto));
    Redibujar();
    return disposicion_;
}
