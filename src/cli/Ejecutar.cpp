// nodeva-cli ejecutar: an algorithm run on a graph file as its menu command
// runs it, straight through, with the final trace on the output and, if
// asked, the final drawing with its highlights in a PNG or SVG file.
#include <QStringList>
#include <QTextDocument>
#include <optional>

#include "algorithms/MenuConectividad.h"
#include "cli/CargaCli.h"
#include "cli/DestinoDibujo.h"
#include "cli/InteraccionCli.h"
#include "run/Algoritmo.h"
#include "run/Estadisticas.h"
#include "ui/Principal.h"

namespace {

struct OpcionesEjecutar {
    QString algoritmo;
    QString archivo;
    QString dibujo;
    QSize area = AreaTrabajoPorOmision;
    bool html = false;
    bool ayuda = false;
};

// The step-by-step dialog's names, then those of the commands that run at
// once (the connectivity menu and the statistics).
QStringList Nombres()
{
    QStringList nombres = NombresAlgoritmos();
    nombres += {"Componentes", "VerticesCorte", "Puentes", "Estadisticas"};
    return nombres;
}

// The statistics window has no trace: its texts are what the run shows.
class PersonaEjecutar : public InteraccionCli {
public:
    using InteraccionCli::InteraccionCli;
    using InteraccionCli::Mostrar;
    void Mostrar(Estadisticas& ventana) override
    {
        estadisticas = ventana.Texto();
        ventana.Aceptar();
    }
    QString estadisticas;
};

// As the menu command would: through the step-by-step dialog's table (with
// no pauses) or straight away.
void Lanzar(Principal& p, const QString& nombre)
{
    if (const Algoritmo inmediato = BuscarConectividad(nombre)) {
        Contexto contexto{p.grafo(), p.dibujo(), p.Marco(), p.Persona()};
        inmediato(contexto);
    } else {
        p.Marco().EjecucionCompleta = true;
        p.EjecutarAlgoritmo(nombre);
    }
}

void Ayuda(QTextStream& salida)
{
    salida
        << "Uso: nodeva-cli ejecutar ALGORITMO ARCHIVO [--html] [--dibujo SALIDA] [--ancho N] [--alto N]\n\n"
           "Abre un fichero de grafo como el programa y ejecuta el algoritmo como su orden\n"
           "del menú, de principio a fin, sin pausas. Escribe la traza final (con el aviso\n"
           "\"Presione ACEPTAR\" del final) en la salida estándar; Estadisticas escribe\n"
           "los textos de su ventana.\n\n"
           "Algoritmos: "
        << Nombres().join(", ")
        << "\n\n"
           "  --html          la traza en HTML, con sus negritas y colores\n"
           "  --dibujo F      guarda el dibujo final, con lo que el algoritmo resalta,\n"
           "                  en F (.png a 96 ppp o .svg, un píxel por cada 15 twips)\n"
           "                  solo si el algoritmo termina; F no puede ser ARCHIVO ni\n"
           "                  pasar de 268 435 456 píxeles (16384 x 16384)\n"
           "  --ancho N       ancho del área de trabajo en twips (por omisión 9000)\n"
           "  --alto N        alto del área de trabajo en twips (por omisión 6000)\n"
           "  --help          muestra esta ayuda\n\n"
           "Estado de salida: 0 si el algoritmo terminó; 1 si el algoritmo no existe, el\n"
           "fichero no es válido o no se pudo escribir el dibujo; 2 si los argumentos no\n"
           "son válidos o el grafo no cumple las precondiciones del algoritmo (el mensaje,\n"
           "precedido de su título, va a la salida de errores).\n";
}

// Reads one option with a value; an error text when it is missing or wrong.
QString LeerOpcion(const QString& opcion, const QString* valor, OpcionesEjecutar& o)
{
    if (!valor)
        return "Falta el valor de " + opcion + ".";
    if (opcion == "--dibujo") {
        o.dibujo = *valor;
        return DestinoDibujo::Admitido(*valor) ? QString() : "El dibujo debe acabar en .png o .svg.";
    }
    const std::optional<int> medida = MedidaTwips(*valor);
    (opcion == "--ancho" ? o.area.rwidth() : o.area.rheight()) = medida.value_or(0);
    return medida ? QString()
                  : "Valor no válido para " + opcion + ": debe ser un número entero positivo de twips.";
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
        else if (a == "--dibujo" || a == "--ancho" || a == "--alto")
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
    if (!o.ayuda && o.archivo.isEmpty())
        return QStringLiteral("Faltan el algoritmo o el fichero de grafo.");
    return o.ayuda || o.dibujo.isEmpty() ? QString() : DestinoDibujo::Rechazo(o.dibujo, o.archivo, o.area, 1);
}

// What the run leaves to print, or "" when it did not finish (a refused
// precondition showed its message instead).
QString Resultado(Principal& p, const PersonaEjecutar& persona, bool html)
{
    if (!persona.estadisticas.isEmpty())
        return html ? QTextDocument(persona.estadisticas).toHtml() : persona.estadisticas;
    if (!p.Vista().aceptarVisible)
        return {};
    return html ? p.text_peq().toHtml() : p.trazaPanel().TextoPlano();
}

// Opens, runs and writes; the exit status.
int Correr(const OpcionesEjecutar& o, QTextStream& salida, QTextStream& errores)
{
    PersonaEjecutar persona(errores);
    std::optional<DestinoDibujo> destino;
    if (!o.dibujo.isEmpty())
        destino.emplace(o.dibujo, o.area, 1, o.archivo);
    Principal p(persona);
    // The work area the file's positions are fitted to when it opens.
    p.Geometria().areaTrabajo.ancho = o.area.width();
    p.Geometria().areaTrabajo.alto = o.area.height();
    if (destino)
        p.PonerSuperficie(&destino->Superficie());
    p.AbrirArchivo(o.archivo);
    const bool abierto = persona.Mensajes().empty(); // else the reader's message is out
    if (abierto)
        Lanzar(p, o.algoritmo);
    const QString texto = abierto ? Resultado(p, persona, o.html) : QString();
    if (texto.isEmpty())
        return abierto ? 2 : 1;
    salida << texto << (texto.endsWith('\n') ? "" : "\n");
    return !destino || Escrito(destino->Guardar(), o.dibujo, errores) ? 0 : 1;
}

} // namespace

int CliEjecutar(const QStringList& args, QTextStream& salida, QTextStream& errores)
{
    OpcionesEjecutar opciones;
    const QString error = Analizar(args, opciones);
    if (const std::optional<int> fin = AyudaOError(opciones.ayuda, error, Ayuda, salida, errores))
        return *fin;
    if (!Nombres().contains(opciones.algoritmo)) {
        errores << "Algoritmo desconocido: " << opciones.algoritmo
                << ". Los algoritmos son: " << Nombres().join(", ") << ".\n";
        return 1;
    }
    return Correr(opciones, salida, errores);
}
