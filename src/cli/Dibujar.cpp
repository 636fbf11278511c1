// nodeva-cli dibujar: a graph file drawn as the work area shows it just after
// opening it, into a PNG image, an SVG drawing or a LaTeX document with a
// TikZ figure.
#include "cli/CargaCli.h"
#include "cli/DestinoDibujo.h"
#include "drawing/Dibujo.h"
#include "model/Grafo.h"
#include "model/Seleccion.h"

namespace {

struct OpcionesDibujar {
    QString archivo;
    QString salida;
    QSize area = AreaTrabajoPorOmision;
    double escala = 1;
    bool ayuda = false;
};

void TextoAyuda(QTextStream& salida)
{
    salida << "Uso: nodeva-cli dibujar ARCHIVO SALIDA [--ancho N] [--alto N] [--escala F]\n\n"
              "Lee un fichero de grafo (u otro formato por su extensión, como explica\n"
              "'nodeva-cli convertir --help') con las mismas reglas que el programa y lo dibuja\n"
              "como lo muestra el área de trabajo al abrirlo: vértices numerados, aristas,\n"
              "pesos en los grafos ponderados y medias puntas de flecha en los digrafos.\n"
              "El formato lo decide la extensión de SALIDA:\n"
              "  .png   imagen a 96 ppp (15 twips por píxel) sobre fondo blanco\n"
              "  .svg   dibujo vectorial; una unidad SVG es un píxel a 96 ppp\n"
              "  .tex   documento LaTeX con una figura TikZ, para pdflatex: vértices con\n"
              "         nombre (v1, v2, ...), colores y estilos definidos al principio,\n"
              "         en centímetros (567 twips por cm); la figura puede copiarse en\n"
              "         otro documento que cargue tikz\n\n"
              "  --ancho N   ancho del área de trabajo en twips (por omisión 9000)\n"
              "  --alto N    alto del área de trabajo en twips (por omisión 6000)\n"
              "  --escala F  píxeles de la imagen PNG por píxel de pantalla, de 0.25 a 16\n"
              "              (4 da calidad de impresión; por omisión 1)\n"
              "  --help      muestra esta ayuda\n\n"
              "Una imagen no puede pasar de 268 435 456 píxeles (16384 x 16384, 1 GiB en\n"
              "memoria) ni de 32767 píxeles por lado: a escala 16 caben 15 360 x 15 360\n"
              "twips, a escala 4 el cuádruple por lado. El fichero de salida se escribe\n"
              "entero o no se toca.\n\n"
              "Si el fichero no es válido escribe en la salida de errores el mensaje que\n"
              "mostraría el programa, precedido de su título, y termina con estado 1.\n";
}

bool EsPng(const QString& salida)
{
    return salida.endsWith(".png", Qt::CaseInsensitive);
}

// Reads one option's value; false when it is missing or not valid.
bool LeerOpcion(const QString& opcion, const QString& valor, OpcionesDibujar& o)
{
    if (opcion == "--escala") {
        const std::optional<double> escala = DestinoDibujo::Escala(valor);
        o.escala = escala.value_or(0);
        return escala.has_value();
    }
    const std::optional<int> medida = MedidaTwips(valor);
    (opcion == "--ancho" ? o.area.rwidth() : o.area.rheight()) = medida.value_or(0);
    return medida.has_value();
}

QString Analizar(const QStringList& args, OpcionesDibujar& o)
{
    for (qsizetype k = 0; k < args.size(); ++k) {
        const QString& a = args[k];
        if (a == "--help" || a == "-h")
            o.ayuda = true;
        else if (a == "--ancho" || a == "--alto" || a == "--escala") {
            if (k + 1 >= args.size() || !LeerOpcion(a, args[++k], o))
                return "Valor no válido para " + a + ".";
        } else if (a.startsWith("--"))
            return "Opción desconocida: " + a;
        else if (o.archivo.isEmpty())
            o.archivo = a;
        else if (o.salida.isEmpty())
            o.salida = a;
        else
            return "Sobra el argumento: " + a;
    }
    if (o.ayuda)
        return {};
    if (o.salida.isEmpty())
        return QStringLiteral("Faltan el fichero de grafo o el de salida.");
    if (!DestinoDibujo::Admitido(o.salida))
        return QStringLiteral("El fichero de salida debe acabar en .png, .svg o .tex.");
    if (!EsPng(o.salida) && o.escala != 1)
        return QStringLiteral("--escala solo se aplica a las imágenes PNG.");
    return DestinoDibujo::Rechazo(o.salida, o.archivo, o.area, o.escala);
}

} // namespace

int CliDibujar(const QStringList& args, QTextStream& salida, QTextStream& errores)
{
    OpcionesDibujar opciones;
    const QString error = Analizar(args, opciones);
    if (const std::optional<int> fin = AyudaOError(opciones.ayuda, error, TextoAyuda, salida, errores))
        return *fin;
    Grafo grafo;
    if (!CargarGrafoCli(opciones.archivo, opciones.area, grafo, errores))
        return 1;
    DestinoDibujo destino(opciones.salida, opciones.area, opciones.escala, opciones.archivo);
    const Seleccion sinMarcas;
    const bool desdeMenu = false;
    Dibujo dibujo(grafo, destino.Superficie(), sinMarcas, desdeMenu);
    destino.Superficie().Limpiar();
    dibujo.DibujarGrafo(0);
    return Escrito(destino.Guardar(), opciones.salida, errores) ? 0 : 1;
}
