// The File menu's New, Open and Save, and what opening a graph enables.
#include <QDir>

#include "costuras/Interaccion.h"
#include "files/Escritor.h"
#include "files/Guardar.h"
#include "files/Intercambio.h"
#include "files/Lector.h"
#include "model/Controles.h"
#include "ui/DibujoExportado.h"
#include "ui/MenuPrincipal.h"
#include "ui/Principal.h"

namespace {

const QString PreguntaCerrar = QStringLiteral("¿Realmente desea cerrar el grafo actual?");
const QString PreguntaSalvar = QStringLiteral("Se va a abandonar el grafo actual. ¿Desea salvarlo?");

} // namespace

// --- C, D, E: new, open, save -------------------------------------------------------------

void Principal::Nuevo()
{
    if (grafo().dimen() > 0) {
        const std::int16_t r = Preguntar(PreguntaSalvar, 3);
        if (r == Respuesta::Cancelar)
            return;
        // A save the user abandons keeps the graph: nothing is dropped unsaved.
        if (r == Respuesta::Si &&
            !GuardarGrafo(grafo(), documento_, interaccion_, [this](const QString& t) { TextoPanel(t); }))
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
    documento_.NombreSinConfirmar = false;
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

void Principal::Importar()
{
    AnularDeshacer();
    const QString nombre = interaccion_.NombreParaAbrir(FiltroImportar());
    if (!nombre.isEmpty() && !AbrirArchivo(nombre))
        return;
    TextoPanel(QString());
}

bool Principal::AbrirArchivo(const QString& nombre)
{
    if (grafo().dimen() > 0 && Preguntar(PreguntaCerrar, 2) != Respuesta::Si)
        return false;
    if (const auto formato = FormatoDeArchivo(nombre); formato && *formato != Formato::Nodeva) {
        ImportarArchivo(nombre);
        return true;
    }
    if (grafo().dimen() > 0) {
        Iniciar_trabajo();
        vista_.areaVisible = false;
    }
    documento_.NombreArchivo = nombre;
    documento_.NombreSinConfirmar = false;
    NuevoRegistro();
    const QSize area(disposicion_.areaTrabajo.ancho, disposicion_.areaTrabajo.alto);
    if (LeerGrafo(nombre, grafo(), documento_, interaccion_, area) != 0) {
        if (!vista_.areaVisible)
            SinArea();
        // What the reader had filled before the fault is not a graph to keep;
        // the empty record sets the commands that follow its size.
        NuevoRegistro();
        grafo().InsertarTipo(NombreTipo(vista_.combo1));
        documento_.NombreSinConfirmar = true;
        return true;
    }
    ActualizarTitulo();
    Iniciar_trabajo();
    HabilitarTrasCargar();
    return true;
}

// With the work area hidden there is no graph to look at, edit, run or
// save, and a command that still worked would report on a graph nobody can
// see: the window is as at start-up, only New, Open and the generators
// enabled, and no coordinates of a pointer over an area that is gone.
// Read aside first: a file refused leaves the window as it was.
void Principal::ImportarArchivo(const QString& nombre)
{
    Grafo leido;
    const QSize area(disposicion_.areaTrabajo.ancho, disposicion_.areaTrabajo.alto);
    if (const QString error = ImportarGrafo(nombre, leido, area); !error.isEmpty()) {
        interaccion_.Mensaje(error, QStringLiteral("ERROR"), Icono::Critico, Botones::Aceptar);
        return;
    }
    const qsizetype punto = nombre.lastIndexOf(u'.');
    TomarGrafoLeido(leido, nombre.left(punto) + QStringLiteral(".grf"), true);
}

void Principal::TomarGrafoLeido(const Grafo& leido, const QString& nombre, bool nombreSinConfirmar)
{
    NuevoRegistro();
    grafo() = leido;
    grafo().ContarGrados();
    documento_.NombreArchivo = nombre;
    documento_.NombreSinConfirmar = nombreSinConfirmar;
    documento_.GrafoModificado = true;
    ActualizarTitulo();
    Iniciar_trabajo();
    HabilitarTrasCargar();
}

void Principal::SinArea()
{
    AplicarEstadosDeDiseño();
    vista_.etiquetas = false;
    vista_.check1Visible = false;
    vista_.coordX.clear();
    vista_.coordY.clear();
}

void Principal::HabilitarTrasCargar()
{
    using namespace Control;
    const Grafo& g = grafo();
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
    comandos_.AplicarTipo(g.Tipo());
    seleccion_.VerticeBajoCursor = seleccion_.VerticeSeleccionado = 0;
    const bool pesos = g.Ponderado() && g.numero_aristas() > 0;
    par(Boton_cambiar_peso, Cambiar_peso, pesos, pesos ? ImagenBarra::CambiarPeso : ImagenBarra::CambiarPesoInactiva);
    vista_.combo1 = g.Tipo();
    dibujo().DibujarGrafo(0);
    comandos_.Habilitar(Boton_imprimir, true);
}

void Principal::Guardar()
{
    GuardarGrafo(grafo(), documento_, interaccion_, [this](const QString& t) { TextoPanel(t); });
    ActualizarTitulo();
}

void Principal::Guardar_Como()
{
    GuardarGrafoComo(grafo(), documento_, interaccion_, [this](const QString& t) { TextoPanel(t); });
    ActualizarTitulo();
}

void Principal::Exportar()
{
    const QString nombre = interaccion_.NombreParaGuardar(QString(), FiltroExportar() + u'|' + FiltroDibujos());
    if (nombre.isEmpty())
        return;
    const auto formato = FormatoDeArchivo(nombre);
    QString rechazo;
    if (!EsDibujo(nombre) && !(formato && FormatoEscribible(*formato)))
        rechazo = QStringLiteral("Nodeva no sabe escribir ese formato: elija una de las extensiones de la lista.");
    else if (formato && *formato != Formato::Nodeva)
        rechazo = RechazoExportar(*formato, grafo());
    if (!rechazo.isEmpty()) {
        interaccion_.Mensaje(rechazo, QStringLiteral("Exportar"), Icono::Exclamacion, Botones::Aceptar);
        return;
    }
    const Escritura e = EsDibujo(nombre) ? EscribirDibujo(Area(), nombre, documento_.NombreCorto())
                        : formato && *formato != Formato::Nodeva ? ExportarGrafo(nombre, *formato, grafo())
                                                                 : EscribirGrafo(nombre, grafo());
    if (!e.hecha) {
        interaccion_.Mensaje(QStringLiteral("No se pudo exportar a ") + QDir::toNativeSeparators(nombre) + ": " +
                                 e.motivo + u'.',
                             QStringLiteral("ERROR"), Icono::Critico, Botones::Aceptar);
        return;
    }
    interaccion_.Mensaje(QStringLiteral("Exportado a ") + QDir::toNativeSeparators(nombre), QStringLiteral("Exportar"),
                         Icono::Informacion, Botones::Aceptar);
}
