// nodeva-cli ejecutar: an algorithm run on a graph file as its menu command
// runs it, straight through, with the final trace on the output and, if
// asked, the final drawing with its highlights in a PNG, SVG or TikZ file.
#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextDocument>
#include <algorithm>
#include <optional>

#include "algorithms/BotonesColoracion.h"
#include "algorithms/CatalogoOrdenes.h"
#include "algorithms/Estadisticas.h"
#include "cli/CargaCli.h"
#include "cli/DestinoDibujo.h"
#include "cli/InteraccionCli.h"
#include "cli/OpcionesOrden.h"
#include "cli/PasosCli.h"
#include "drawing/LienzoMudo.h"
#include "files/Escritor.h"
#include "files/Intercambio.h"
#include "files/NombreFichero.h"
#include "run/BotonesInterrupcion.h"
#include "ui/FolletoPasos.h"
#include "ui/Principal.h"
#include "ui/RecorridoRaton.h"

namespace {

struct OpcionesEjecutar {
    QString algoritmo;
    QString archivo;
    QString dibujo;
    QString grafo; // where the graph is saved as the run leaves it
    QString pasos; // the folder that takes every step, or the handout's PDF
    QSize area = AreaTrabajoPorOmision;
    bool html = false;
    bool ayuda = false;
    bool reemplazar = false; // the step folder's old steps go first
    // The algorithm's own options, read once the algorithm is known.
    QList<std::pair<QString, QString>> propias;
};

// The statistics window has no trace: its texts are what the run shows.
// The clicks of --recorrido reach the work area whenever it takes clicks
// during the user's walk, one each time the walk looks for one, as a
// person's would; once they run out, the pane is kept as it stands and the
// walk is left as Escape leaves it.
class PersonaEjecutar : public InteraccionCli {
public:
    using InteraccionCli::InteraccionCli;
    void Mostrar(ModeloDialogo& dialogo) override
    {
        const bool atendido = SegunDialogo(
            dialogo,
            [&](Estadisticas& cuadro) {
                estadisticas = cuadro.Texto();
                cuadro.Aceptar();
            },
            // With --pasos every step window is written down, then continued.
            [&](BotonesInterrupcion& paso) {
                if (pasos)
                    pasos->Escribir(ventana->Area().Imagen(), paso.Texto());
                paso.Continuar();
            },
            [&](BotonesColoracion& paso) {
                while (pasos && !paso.Cerrado()) {
                    pasos->Escribir(ventana->Area().Imagen(), paso.Texto());
                    paso.Continuar();
                }
                paso.SinPersona();
            });
        if (!atendido)
            InteraccionCli::Mostrar(dialogo);
    }
    void ProcesarEventos() override
    {
        InteraccionCli::ProcesarEventos();
        if (!ventana || !ventana->Marco().RecorridoUsuario || !ventana->Vista().areaHabilitada ||
            ventana->Marcas().VerticeSeleccionado != 0)
            return;
        if (siguiente < clics.size()) {
            RecorridoRaton::Clic(ventana->Marcas(), ventana->dibujo(), clics[siguiente++]);
            return;
        }
        if (panel.isEmpty())
            panel = html ? ventana->text_peq().toHtml() : ventana->trazaPanel().TextoPlano();
        ventana->Marco().EscapePulsado = true;
    }
    QString estadisticas;
    Principal* ventana = nullptr;
    std::optional<PasosCli> pasos;
    std::vector<std::int16_t> clics;
    std::size_t siguiente = 0;
    bool html = false;
    QString panel; // as it stood when the clicks ran out
};

// A --pasos ending in .pdf names the handout's file; anything else a folder.
bool EsFolleto(const QString& pasos)
{
    return pasos.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive);
}

bool TomaClics(const OrdenAlgoritmo& orden)
{
    return std::any_of(orden.opciones.begin(), orden.opciones.end(),
                       [](const OpcionOrden& o) { return o.campo == Campo::Clics; });
}

void TextoAyuda(QTextStream& salida)
{
    salida << "Uso: nodeva-cli ejecutar ALGORITMO [ARCHIVO] [opciones del algoritmo] [--html]\n"
              "                         [--dibujo SALIDA] [--grafo SALIDA.grf] [--pasos CARPETA "
              "[--reemplazar]]\n"
              "                         [--pasos FICHERO.pdf]\n"
              "                         [--ancho N] [--alto N]\n\n"
              "Abre un fichero de grafo como el programa y ejecuta el algoritmo como su orden\n"
              "del menú, de principio a fin, sin pausas. Escribe la traza final (con el aviso\n"
              "\"Presione ACEPTAR\" del final) en la salida estándar; Estadisticas escribe\n"
              "los textos de su ventana. Prufer_Decoding no lee ningún fichero: construye el\n"
              "árbol de su --codigo en un grafo nuevo. ARCHIVO puede ser también de otro\n"
              "formato, por su extensión (véase 'nodeva-cli convertir --help').\n\n"
              "Algoritmos, con sus opciones y los tipos de grafo en que se ofrecen:\n"
           << AyudaAlgoritmos()
           << "\n"
              "  --html          la traza en HTML, con sus negritas y colores\n"
              "  --dibujo F      guarda el dibujo final, con lo que el algoritmo resalta,\n"
              "                  en F (.png a 96 ppp o .svg, un píxel por cada 15 twips;\n"
              "                  .tex, un documento LaTeX con la figura en TikZ)\n"
              "                  solo si el algoritmo termina; F no puede ser ARCHIVO ni,\n"
              "                  si es una imagen, pasar de 268 435 456 píxeles (16384 x\n"
              "                  16384) ni de 32767 píxeles por lado\n"
              "  --grafo G       guarda en G (que no puede ser ARCHIVO ni el dibujo) el grafo\n"
              "                  como queda al terminar el algoritmo\n"
              "                  (Complementario y Lineal lo sustituyen por el resultado)\n"
              "  --pasos C       ejecuta paso a paso y escribe en la carpeta C, en cada\n"
              "                  pausa, el dibujo (paso-001.png, ...) y la traza de la\n"
              "                  ventana de pasos (paso-001.txt, o .html con --html);\n"
              "                  una carpeta con pasos de otra ejecución se rechaza\n"
              "  --pasos F.pdf   ejecuta paso a paso y escribe en F un folleto: una página\n"
              "                  por pausa, con el dibujo, la traza de la ventana de pasos\n"
              "                  y la cabecera \"Algoritmo de X — paso k de m\"\n"
              "  --reemplazar    borra antes los pasos que ya tenga la carpeta de --pasos\n"
              "  --ancho N       ancho del área de trabajo en twips (por omisión 9000)\n"
              "  --alto N        alto del área de trabajo en twips (por omisión 6000)\n"
              "  --help          muestra esta ayuda\n\n"
              "FleuryUsuario pulsa los vértices de --recorrido uno tras otro donde el usuario\n"
              "los pulsaría; si se acaban antes que el recorrido, escribe el panel de la traza\n"
              "tal como queda. --semilla fija el azar de los recorridos aleatorios.\n\n"
              "Estado de salida: 0 si el algoritmo terminó; 1 si el algoritmo no existe, el\n"
              "fichero no es válido o no se pudo escribir el dibujo, el grafo o los pasos;\n"
              "2 si los argumentos no son válidos, el algoritmo no se ofrece para el tipo del\n"
              "grafo o el grafo no cumple sus precondiciones (el mensaje, precedido de su\n"
              "título, va a la salida de errores).\n";
}

// Names of the same file, links followed where the file is already there.
bool MismoFichero(const QString& a, const QString& b)
{
    if (Disco::Existe(a) && Disco::Existe(b))
        return Disco::MismoFichero(a, b);
    return QDir::cleanPath(QFileInfo(a).absoluteFilePath()) == QDir::cleanPath(QFileInfo(b).absoluteFilePath());
}

// No output may overwrite the graph being read or another output: a step
// file in the step folder counts as one of them.
QString SalidasAparte(const OpcionesEjecutar& o)
{
    const auto enPasos = [&](const QString& f) {
        return !o.pasos.isEmpty() && !EsFolleto(o.pasos) && PasosCli::EsPaso(QFileInfo(f).fileName()) &&
               MismoFichero(QFileInfo(f).absolutePath(), o.pasos);
    };
    const QString& entrada = o.archivo;
    if (!o.grafo.isEmpty() && !entrada.isEmpty() && MismoFichero(o.grafo, entrada))
        return QStringLiteral("El grafo no puede guardarse en el propio fichero de grafo que se lee.");
    if (!o.grafo.isEmpty() && !o.dibujo.isEmpty() && MismoFichero(o.grafo, o.dibujo))
        return QStringLiteral("El dibujo y el grafo no pueden guardarse en el mismo fichero: %1").arg(o.dibujo);
    for (const QString& f : {entrada, o.dibujo, o.grafo}) {
        if (!f.isEmpty() && EsFolleto(o.pasos) && MismoFichero(f, o.pasos))
            return QStringLiteral("Los pasos no pueden guardarse en %1: es otro fichero de la ejecución.").arg(f);
        if (!f.isEmpty() && enPasos(f))
            return QStringLiteral("%1 tiene el nombre de un paso en la carpeta de los pasos: se sobrescribiría.")
                .arg(f);
    }
    return {};
}

// Reads one option with a value; an error text when it is missing or wrong.
QString LeerOpcion(const QString& opcion, const QString* valor, OpcionesEjecutar& o)
{
    if (!valor)
        return "Falta el valor de " + opcion + ".";
    if (EsOpcionDeAlgun(opcion)) {
        o.propias.append({opcion, *valor});
        return {};
    }
    if (opcion == "--grafo") {
        o.grafo = *valor;
        return {};
    }
    if (opcion == "--pasos") {
        o.pasos = *valor;
        return {};
    }
    if (opcion == "--dibujo") {
        o.dibujo = *valor;
        return DestinoDibujo::Admitido(*valor) ? QString() : "El dibujo debe acabar en .png, .svg o .tex.";
    }
    const std::optional<int> medida = MedidaTwips(*valor);
    (opcion == "--ancho" ? o.area.rwidth() : o.area.rheight()) = medida.value_or(0);
    return medida ? QString() : "Valor no válido para " + opcion + ": debe ser un número entero positivo de twips.";
}

bool TomaValor(const QString& a)
{
    return a == "--dibujo" || a == "--grafo" || a == "--pasos" || a == "--ancho" || a == "--alto" || EsOpcionDeAlgun(a);
}

QString Analizar(const QStringList& args, OpcionesEjecutar& o)
{
    for (qsizetype k = 0; k < args.size(); ++k) {
        const QString& a = args[k];
        QString error;
        if (a == "--help" || a == "-h")
            o.ayuda = true;
        else if (a == "--html")
            o.html = true;
        else if (a == "--reemplazar")
            o.reemplazar = true;
        else if (TomaValor(a))
            error = LeerOpcion(a, k + 1 < args.size() ? &args[++k] : nullptr, o);
        else if (a.startsWith("--"))
            error = "Opción desconocida: " + a;
        else if (o.algoritmo.isEmpty())
            o.algoritmo = a;
        else if (o.archivo.isEmpty())
            o.archivo = a;
        else
            error = "Sobra el argumento: " + a;
        if (!error.isEmpty())
            return error;
    }
    if (o.ayuda)
        return {};
    if (o.algoritmo.isEmpty())
        return QStringLiteral("Faltan el algoritmo o el fichero de grafo.");
    if (o.reemplazar && o.pasos.isEmpty())
        return QStringLiteral("--reemplazar solo se aplica con --pasos.");
    if (!o.dibujo.isEmpty())
        if (const QString rechazo = DestinoDibujo::Rechazo(o.dibujo, o.archivo, o.area, 1); !rechazo.isEmpty())
            return rechazo;
    if (EsFolleto(o.pasos))
        if (const QString rechazo = DestinoDibujo::Rechazo(o.pasos, o.archivo, o.area, FolletoPasos::Nitidez);
            !rechazo.isEmpty())
            return rechazo;
    if (!o.pasos.isEmpty() && !EsFolleto(o.pasos)) {
        // Every step is a picture of the work area: the same bounds, before anything is drawn.
        const QString paso = QDir(o.pasos).filePath(QStringLiteral("paso-001.png"));
        for (const QString& rechazo :
             {PasosCli::Rechazo(o.pasos, o.reemplazar), DestinoDibujo::Rechazo(paso, o.archivo, o.area, 1)})
            if (!rechazo.isEmpty())
                return rechazo;
    }
    return SalidasAparte(o);
}

// The algorithm's own options read into its answers; an error text.
QString LeerPropias(const OrdenAlgoritmo& orden, const OpcionesEjecutar& o, Parametros& parametros)
{
    QStringList dadas;
    for (const auto& [nombre, valor] : o.propias) {
        if (const QString error = LeerOpcionOrden(orden, nombre, valor, parametros); !error.isEmpty())
            return error;
        dadas << nombre;
    }
    return FaltaOpcion(orden, dadas);
}

// What the run leaves to print, or "" when it did not finish (a refused
// precondition showed its message instead).
QString Resultado(const OrdenAlgoritmo& orden, Principal& p, const PersonaEjecutar& persona, bool html)
{
    if (!persona.panel.isEmpty())
        return persona.panel;
    // An operation has no trace: it says what graph it left, or, refused, nothing.
    if (orden.operacion)
        return !persona.Mensajes().empty() ? QString()
                                           : QStringLiteral("%1: %2 vértices, %3 aristas")
                                                 .arg(orden.cli.first())
                                                 .arg(p.grafo().dimen())
                                                 .arg(p.grafo().numero_aristas());
    if (!persona.estadisticas.isEmpty())
        return html ? QTextDocument(persona.estadisticas).toHtml() : persona.estadisticas;
    if (!p.Vista().aceptarVisible)
        return {};
    return html ? p.text_peq().toHtml() : p.trazaPanel().TextoPlano();
}

// Opens, checks, runs and writes; the exit status.
int Correr(const OrdenAlgoritmo& orden, const Parametros& parametros, const OpcionesEjecutar& o, QTextStream& salida,
           QTextStream& errores)
{
    PersonaEjecutar persona(errores);
    std::optional<DestinoDibujo> destino;
    if (!o.dibujo.isEmpty())
        destino.emplace(o.dibujo, o.area, 1, o.archivo);
    LienzoMudo sinDibujo(o.area.width(), o.area.height());
    Principal p(persona);
    persona.ventana = &p;
    persona.html = o.html;
    if (TomaClics(orden))
        persona.clics = parametros.lista;
    if (parametros.semilla)
        persona.Azar().Sembrar(*parametros.semilla);
    // The work area the file's positions are fitted to when it opens.
    p.Geometria().areaTrabajo.ancho = o.area.width();
    p.Geometria().areaTrabajo.alto = o.area.height();
    // The steps are the work area's pictures: the final drawing is copied
    // from it at the end instead of drawn elsewhere.
    if (EsFolleto(o.pasos)) {
        p.NuevaArea();
    } else if (!o.pasos.isEmpty()) {
        if (o.reemplazar && !PasosCli::Vaciar(o.pasos)) {
            errores << "No se pudieron borrar los pasos anteriores de " << o.pasos << ".\n";
            return 1;
        }
        persona.pasos.emplace(o.pasos, o.html, errores);
        p.NuevaArea();
    } else {
        p.PonerSuperficie(destino ? &destino->Superficie() : &sinDibujo);
    }
    // Another tool's format is imported first and opened as the graph file it
    // makes: the window opens graph files only, and the run must see what it
    // sees after opening one.
    std::optional<QTemporaryDir> copia;
    const std::optional<Formato> formato = FormatoDeArchivo(o.archivo);
    if (orden.sinArchivo) {
        p.Nuevo();
    } else if (formato && *formato != Formato::Nodeva) {
        Grafo importado;
        if (!CargarGrafoCli(o.archivo, o.area, importado, errores))
            return 1;
        const QString grf = copia.emplace().filePath(QStringLiteral("importado.grf"));
        if (!copia->isValid() || !Escrito(EscribirGrafo(grf, importado), grf, errores))
            return 1;
        p.AbrirArchivo(grf);
        p.Doc().NombreArchivo = o.archivo;
    } else {
        p.AbrirArchivo(o.archivo);
    }
    const bool abierto = persona.Mensajes().empty(); // else the reader's message is out
    QString error;
    if (abierto) {
        error = ComprobarTipo(orden, o.algoritmo, p.grafo());
        if (error.isEmpty())
            error = ComprobarParametros(orden, parametros, p.grafo());
        if (error.isEmpty())
            p.EjecutarOrdenCompleta(orden, parametros, !o.pasos.isEmpty());
        else
            errores << error << "\n";
    }
    const QString texto = abierto && error.isEmpty() ? Resultado(orden, p, persona, o.html) : QString();
    if (texto.isEmpty())
        return abierto ? 2 : 1;
    salida << texto << (texto.endsWith('\n') ? "" : "\n");
    if (!o.grafo.isEmpty() && !Escrito(EscribirGrafo(o.grafo, p.grafo()), o.grafo, errores))
        return 1;
    if (persona.pasos && persona.pasos->Fallido())
        return 1;
    if (EsFolleto(o.pasos) &&
        !Escrito(FolletoPasos(p, p.Marco().Historia(), orden.TituloPasos()).Guardar(o.pasos), o.pasos, errores))
        return 1;
    if (destino && !o.pasos.isEmpty())
        p.Area().Memoria().Repetir(destino->Superficie());
    return !destino || Escrito(destino->Guardar(), o.dibujo, errores) ? 0 : 1;
}

} // namespace

int CliEjecutar(const QStringList& args, QTextStream& salida, QTextStream& errores)
{
    OpcionesEjecutar opciones;
    const QString error = Analizar(args, opciones);
    if (const std::optional<int> fin = AyudaOError(opciones.ayuda, error, TextoAyuda, salida, errores))
        return *fin;
    const OrdenAlgoritmo* orden = OrdenPorCli(opciones.algoritmo);
    if (!orden) {
        errores << "Algoritmo desconocido: " << opciones.algoritmo
                << ". Los algoritmos son: " << NombresCli().join(", ") << ".\n";
        return 1;
    }
    Parametros parametros;
    QString propias = LeerPropias(*orden, opciones, parametros);
    if (orden->sinArchivo && !opciones.archivo.isEmpty())
        propias = opciones.algoritmo + " no lee ningún fichero de grafo: sobra " + opciones.archivo + ".";
    else if (!orden->sinArchivo && opciones.archivo.isEmpty())
        propias = QStringLiteral("Faltan el algoritmo o el fichero de grafo.");
    if (const std::optional<int> fin = AyudaOError(false, propias, TextoAyuda, salida, errores))
        return *fin;
    return Correr(*orden, parametros, opciones, salida, errores);
}
