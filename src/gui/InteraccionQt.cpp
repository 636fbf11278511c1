#include "gui/InteraccionQt.h"

#include "algorithms/BotonesColoracion.h"
#include "gui/BotonesColoracionVista.h"
#include "gui/BotonesInterrupcionVista.h"
#include "gui/PasoAPasoVista.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileDialog>
#include <QHeaderView>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>
#include <QTreeView>
#include <QUrl>
#include <unordered_map>

#include "gui/AsignarPesoVista.h"
#include "gui/AyudaVista.h"
#include "gui/CaminoVista.h"
#include "gui/DialogoFicheros.h"
#include "gui/EstadisticasVista.h"
#include "gui/GirarVoltearVista.h"
#include "gui/IdentificarVertVista.h"
#include "gui/ImpresoraSistema.h"
#include "gui/ImprimirVista.h"
#include "gui/InsercionNºVertVista.h"
#include "gui/MatrizAdyVista.h"
#include "gui/Menu_ayudaVista.h"
#include "gui/ModeloFicherosEs.h"
#include "gui/OfertaRecuperacionVista.h"
#include "gui/PruferVista.h"
#include "gui/SelectGrafoVista.h"
#include "run/BotonesInterrupcion.h"
#include "run/PasoAPaso.h"
#include "ui/AsignarPeso.h"
#include "ui/Camino.h"
#include "ui/GirarVoltear.h"
#include "ui/IdentificarVert.h"
#include "ui/Imprimir.h"
#include "ui/InsercionNºVert.h"
#include "ui/OfertaRecuperacion.h"
#include "ui/Prufer.h"
#include "ui/SelectGrafo.h"

namespace {

QMessageBox::Icon IconoQt(Icono icono)
{
    switch (icono) {
    case Icono::Critico: return QMessageBox::Critical;
    case Icono::Pregunta: return QMessageBox::Question;
    case Icono::Exclamacion: return QMessageBox::Warning;
    case Icono::Informacion: return QMessageBox::Information;
    case Icono::Ninguno: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons BotonesQt(Botones botones)
{
    switch (botones) {
    case Botones::Aceptar: return QMessageBox::Ok;
    case Botones::AceptarCancelar: return QMessageBox::Ok | QMessageBox::Cancel;
    case Botones::SiNo: return QMessageBox::Yes | QMessageBox::No;
    case Botones::SiNoCancelar: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

std::int16_t RespuestaDe(int boton)
{
    switch (boton) {
    case QMessageBox::Yes: return Respuesta::Si;
    case QMessageBox::No: return Respuesta::No;
    case QMessageBox::Cancel: return Respuesta::Cancelar;
    default: return Respuesta::Aceptar;
    }
}

// "Grafo (*.grf)" -> "grf"; "" for a filter without one extension.
QString ExtensionDeFiltro(const QString& filtro)
{
    static const QRegularExpression extension(QStringLiteral("\\(\\*\\.(\\w+)\\)"));
    return extension.match(filtro).captured(1);
}

// The file chosen, or "" when the dialog is cancelled; the dialog wide
// enough for a folder's names, sizes, types and dates.
QString NombreElegido(DialogoFicheros& dialogo)
{
    DialogoEnEspañol(dialogo);
    dialogo.resize(760, 480);
    if (auto* detalle = dialogo.findChild<QTreeView*>()) {
        QHeaderView* columnas = detalle->header();
        columnas->setSectionResizeMode(QHeaderView::ResizeToContents);
        columnas->setSectionResizeMode(0, QHeaderView::Stretch);
    }
    return dialogo.Elegido();
}

} // namespace

QString FiltroQt(const QString& filtro)
{
    const QStringList partes = filtro.split(u'|');
    QStringList filtros;
    for (qsizetype i = 0; i + 1 < partes.size(); i += 2)
        filtros << partes[i];
    return filtros.join(";;");
}

std::int16_t InteraccionQt::Mensaje(const QString& texto, const QString& titulo, Icono icono, Botones botones)
{
    Refrescar();
    QMessageBox caja(IconoQt(icono), titulo.isEmpty() ? TituloAplicacion : titulo, texto, BotonesQt(botones), ventana_);
    const std::pair<QMessageBox::StandardButton, QString> textos[] = {{QMessageBox::Yes, QStringLiteral("&Sí")},
                                                                      {QMessageBox::No, QStringLiteral("&No")},
                                                                      {QMessageBox::Cancel, QStringLiteral("Cancelar")},
                                                                      {QMessageBox::Ok, QStringLiteral("Aceptar")}};
    for (const auto& [boton, texto] : textos)
        if (QAbstractButton* b = caja.button(boton))
            b->setText(texto);
    return RespuestaDe(caja.exec());
}

template <typename Modelo, typename Vista> InteraccionQt::EntradaVista InteraccionQt::Modal()
{
    return {typeid(Modelo), [](InteraccionQt& qt, ModeloDialogo& dialogo) {
                Vista(static_cast<Modelo&>(dialogo), qt.ventana_).exec();
            }};
}

template <typename Modelo, void (InteraccionQt::*abrir)(Modelo&)> InteraccionQt::EntradaVista InteraccionQt::Propia()
{
    return {typeid(Modelo),
            [](InteraccionQt& qt, ModeloDialogo& dialogo) { (qt.*abrir)(static_cast<Modelo&>(dialogo)); }};
}

// Each view writes through its model, so there is no answer to read here.
void InteraccionQt::Mostrar(ModeloDialogo& dialogo)
{
    // Every model's view: a new dialog adds its line here.
    static const std::unordered_map<std::type_index, AbrirVista> vistas = {
        Modal<AsignarPeso, AsignarPesoVista>(),
        Modal<IdentificarVert, IdentificarVertVista>(),
        Modal<InsercionNºVert, InsercionNºVertVista>(),
        Modal<Camino, CaminoVista>(),
        Modal<Prufer, PruferVista>(),
        Modal<SelectGrafo, SelectGrafoVista>(),
        Modal<MatrizAdy, MatrizAdyVista>(),
        Modal<Imprimir, ImprimirVista>(),
        Modal<GirarVoltear, GirarVoltearVista>(),
        Modal<Estadisticas, EstadisticasVista>(),
        Modal<PasoAPaso, PasoAPasoVista>(),
        Modal<Menu_ayuda, Menu_ayudaVista>(),
        Modal<Ayuda, AyudaVista>(),
        Modal<OfertaRecuperacion, OfertaRecuperacionVista>(),
        Propia<BotonesInterrupcion, &InteraccionQt::VentanaPasos>(),
        Propia<BotonesColoracion, &InteraccionQt::VentanaPasos>(),
    };
    const auto vista = vistas.find(typeid(dialogo));
    Q_ASSERT_X(vista != vistas.end(), "InteraccionQt::Mostrar", "a dialog model without a view");
    if (vista == vistas.end())
        return Interaccion::Mostrar(dialogo);
    // Every view opens over a window brought up to date first.
    Refrescar();
    vista->second(*this, dialogo);
}

void InteraccionQt::VentanaPasos(BotonesInterrupcion& ventana)
{
    BotonesInterrupcionVista vista(ventana, ventana_, AltoTraza(), [this] { Refrescar(); });
    vista.exec();
}

void InteraccionQt::VentanaPasos(BotonesColoracion& ventana)
{
    // The work area has been narrowed for Brelaz's panel, which goes on its right.
    QRect panel;
    if (const auto* area = ventana_ ? ventana_->findChild<QWidget*>(QStringLiteral("Area_trabajo")) : nullptr) {
        const QPoint derecha = area->mapToGlobal(QPoint(area->width(), 0));
        panel = QRect(derecha, QSize(PanelBrelaz::Ancho / 15, area->height() - 10));
    }
    BotonesColoracionVista vista(ventana, ventana_, AltoTraza(), panel, [this] { Refrescar(); });
    vista.exec();
}

Impresora& InteraccionQt::ImpresoraPredeterminada()
{
    if (!impresora_)
        impresora_ = std::make_unique<ImpresoraSistema>();
    return *impresora_;
}

QString InteraccionQt::NombreParaAbrir(const QString& filtro)
{
    Refrescar();
    DialogoFicheros dialogo(ventana_, QStringLiteral("Abrir"), QString(), FiltroQt(filtro));
    dialogo.setFileMode(QFileDialog::ExistingFile);
    return NombreElegido(dialogo);
}

QString InteraccionQt::NombreParaGuardar(const QString& propuesto, const QString& filtro)
{
    Refrescar();
    DialogoFicheros dialogo(ventana_, QStringLiteral("Guardar Como"), propuesto, FiltroQt(filtro));
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without an extension takes the chosen type's, before the
    // dialog asks whether to replace a file of that name.
    auto sufijo = [&dialogo](const QString& tipo) { dialogo.setDefaultSuffix(ExtensionDeFiltro(tipo)); };
    sufijo(dialogo.selectedNameFilter());
    QObject::connect(&dialogo, &QFileDialog::filterSelected, &dialogo, sufijo);
    return NombreElegido(dialogo);
}

double InteraccionQt::Ahora()
{
    return QDateTime::currentMSecsSinceEpoch() / 1000.0;
}

void InteraccionQt::ProcesarEventos()
{
    Refrescar();
    QCoreApplication::processEvents();
    // A wait for the person's next click may last minutes: the loop that
    // pumps the events must not keep a core busy meanwhile.
    QThread::msleep(10);
}

int InteraccionQt::AltoTraza() const
{
    const auto* panel = ventana_ ? ventana_->findChild<QWidget*>(QStringLiteral("text_peq")) : nullptr;
    return panel ? panel->height() : 72;
}

QString InteraccionQt::PedirTexto(const QString& indicacion, const QString& titulo, const QString& propuesto)
{
    Refrescar();
    QInputDialog caja(ventana_);
    caja.setWindowTitle(titulo);
    caja.setLabelText(indicacion);
    caja.setTextValue(propuesto);
    caja.setOkButtonText(QStringLiteral("Aceptar"));
    caja.setCancelButtonText(QStringLiteral("Cancelar"));
    return caja.exec() == QDialog::Accepted ? caja.textValue() : QString();
}

// xdg-open starts whenever it is installed, and only then finds out that no
// browser is there: its exit status says whether a browser took the page.
// One still running after a few seconds is the browser itself, in front.
bool InteraccionQt::AbrirPagina(const QString& ruta)
{
    auto* abrir = new QProcess(ventana_);
    QObject::connect(abrir, &QProcess::finished, abrir, &QObject::deleteLater);
    abrir->start(QStringLiteral("xdg-open"), {QUrl::fromLocalFile(ruta).toString()});
    if (!abrir->waitForStarted(3000)) {
        delete abrir;
        return false;
    }
    if (!abrir->waitForFinished(5000))
        return true;
    return abrir->exitStatus() == QProcess::NormalExit && abrir->exitCode() == 0;
}

bool InteraccionQt::IniciarPrograma(const QString& programa, const QStringList& argumentos)
{
    return QProcess::startDetached(programa, argumentos);
}
