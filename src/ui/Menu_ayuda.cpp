#include "ui/Menu_ayuda.h"

#include <QFileInfo>
#include <algorithm>

#include "costuras/Interaccion.h"
#include "files/Datos.h"
#include "ui/Ayuda.h"

namespace {

const QString Primero = QStringLiteral("primero");

// Twips. The title sets where the rest of the window begins: a short one
// takes 200 per character, a long one the width of 21 and wraps.
constexpr int Margen = 240;
constexpr int AnchoPorLetra = 200;
constexpr int LetrasTituloCorto = 21;
constexpr int AltoTitulo = 720;
constexpr int AnchoLabel2 = 3600;
constexpr int Sangria = 240;
constexpr int ArribaTemas = 840;
constexpr int AnchoTema = 5400;
constexpr int LadoFlecha = 480;
constexpr int AnchoBoton = 1215;
constexpr int AltoBoton = 375;

// Splits the file into lines, a CR before each line end ignored.
QStringList Lineas(const QString& texto)
{
    QStringList lineas = texto.split(u'\n');
    if (!lineas.isEmpty() && lineas.back().isEmpty())
        lineas.pop_back();
    for (QString& linea : lineas)
        if (linea.endsWith(u'\r'))
            linea.chop(1);
    return lineas;
}

} // namespace

std::optional<ArchivoMenu> LeerMenuAyuda(const QString& ruta)
{
    const std::optional<QString> texto = LeerTextoDato(ruta);
    if (!texto)
        return std::nullopt;
    const QStringList lineas = Lineas(*texto);
    ArchivoMenu menu;
    bool numero = false;
    menu.declarados = lineas.isEmpty() ? -1 : lineas[0].trimmed().toInt(&numero);
    if (!numero || menu.declarados < 0 || lineas.size() < 3) {
        menu.declarados = 0;
        return menu;
    }
    menu.padre = lineas[1].trimmed();
    menu.tituloPadre = lineas[2].trimmed();
    for (qsizetype i = 3; i < lineas.size(); i += 2) {
        if (lineas[i].trimmed().isEmpty())
            continue;
        if (i + 1 == lineas.size() || menu.temas.size() == ArchivoMenu::MaxTemas)
            return menu;
        menu.temas.push_back({lineas[i].trimmed(), lineas[i + 1].trimmed()});
    }
    menu.completo = true;
    return menu;
}

QString MensajeNoCargado(const QString& nombre)
{
    return QStringLiteral("No se ha podido cargar el fichero ") + nombre.toUpper() + QStringLiteral(". ");
}

bool EsMenu(const QString& destino)
{
    return destino.endsWith(QStringLiteral("men"), Qt::CaseInsensitive);
}

Menu_ayuda::Menu_ayuda(Interaccion& persona, QStringList carpetas, const QString& archivo, QString titulo)
    : persona_(persona), carpetas_(std::move(carpetas)), titulo_(std::move(titulo))
{
    const std::optional<ArchivoMenu> leido = LeerMenuAyuda(BuscarDato(archivo, carpetas_));
    abierto_ = leido.has_value();
    if (leido)
        archivo_ = *leido;
    if (!abierto_ || !archivo_.completo)
        Informar(archivo);
}

void Menu_ayuda::Informar(const QString& nombre) const
{
    persona_.Mensaje(MensajeNoCargado(nombre), QStringLiteral("ERROR"), Icono::Exclamacion, Botones::Aceptar);
}

int Menu_ayuda::NumTemas() const
{
    return std::min<int>(archivo_.declarados, static_cast<int>(archivo_.temas.size()));
}

int Menu_ayuda::Mostrados() const
{
    return std::min(NumTemas(), Visibles);
}

QString Menu_ayuda::Opcion(int i) const
{
    return OpcionVisible(i) ? archivo_.temas[primerTema_ + i].titulo : QString();
}

QColor Menu_ayuda::ColorOpcion(int i) const
{
    return i == señalada_ ? QColor(0, 0, 255) : QColor(Qt::black);
}

void Menu_ayuda::Subir()
{
    if (SubirVisible())
        --primerTema_;
}

void Menu_ayuda::Bajar()
{
    if (BajarVisible())
        ++primerTema_;
}

void Menu_ayuda::Elegir(int i)
{
    if (cerrado_ || !OpcionVisible(i))
        return;
    const TemaAyuda& tema = archivo_.temas[primerTema_ + i];
    if (!EsMenu(tema.destino)) {
        AbrirDocumento(tema);
        return;
    }
    // Checked before leaving, so a missing sub-menu keeps this one open.
    if (BuscarDato(tema.destino, carpetas_).isEmpty()) {
        Informar(tema.destino);
        return;
    }
    siguiente_ = Destino{tema.destino, tema.titulo};
    cerrado_ = true;
}

void Menu_ayuda::AbrirDocumento(const TemaAyuda& tema)
{
    Ayuda ayuda(BuscarDato(tema.destino, carpetas_), tema.titulo);
    if (!ayuda.Cargar()) {
        Informar(tema.destino);
        return;
    }
    persona_.Mostrar(ayuda);
}

void Menu_ayuda::Salir()
{
    cerrado_ = true;
    // A menu whose header could not be read has no parent to go back to.
    if (!archivo_.padre.isEmpty() && archivo_.padre != Primero)
        siguiente_ = Destino{archivo_.padre, archivo_.tituloPadre};
}

// --- geometry ---------------------------------------------------------------------------------------

Rectangulo Menu_ayuda::PosicionLabel1() const
{
    const int letras = static_cast<int>(titulo_.size());
    return {Margen, Margen, AnchoPorLetra * (letras < LetrasTituloCorto ? letras : LetrasTituloCorto), AltoTitulo};
}

Rectangulo Menu_ayuda::PosicionLabel2() const
{
    const Rectangulo t = PosicionLabel1();
    return {t.izquierda + t.ancho, Margen, AnchoLabel2, AltoTema};
}

Rectangulo Menu_ayuda::PosicionOpcion(int i) const
{
    return {PosicionLabel2().izquierda + Sangria, ArribaTemas + i * AltoTema, AnchoTema, AltoTema};
}

Rectangulo Menu_ayuda::PosicionSubir() const
{
    const Rectangulo primera = PosicionOpcion(0);
    return {primera.izquierda + AnchoTema + Sangria / 2, ArribaTemas, LadoFlecha, LadoFlecha};
}

Rectangulo Menu_ayuda::PosicionBajar() const
{
    Rectangulo r = PosicionSubir();
    r.arriba = ArribaTemas + Visibles * AltoTema - LadoFlecha;
    return r;
}

Rectangulo Menu_ayuda::PosicionSalir() const
{
    const int arriba = ArribaTemas + Visibles * AltoTema + Margen - (Visibles - Mostrados()) * AltoTema;
    return {AnchoVentana() - Margen - AnchoBoton, arriba, AnchoBoton, AltoBoton};
}

int Menu_ayuda::AnchoVentana() const
{
    const Rectangulo flecha = PosicionSubir();
    return flecha.izquierda + flecha.ancho + Margen;
}

int Menu_ayuda::AltoVentana() const
{
    const Rectangulo salir = PosicionSalir();
    return salir.arriba + salir.alto + Margen;
}

// --- the browser ------------------------------------------------------------------------------------

void NavegarAyuda(Interaccion& persona, const QStringList& carpetas, const QString& archivo, const QString& titulo)
{
    if (BuscarDato(archivo, carpetas).isEmpty()) {
        persona.Mensaje(MensajeNoCargado(archivo), QStringLiteral("ERROR"), Icono::Exclamacion, Botones::Aceptar);
        return;
    }
    // One menu at a time: the next one replaces the one just closed, so
    // climbing back never piles windows up.
    std::optional<Menu_ayuda::Destino> siguiente = Menu_ayuda::Destino{archivo, titulo};
    while (siguiente) {
        Menu_ayuda menu(persona, carpetas, siguiente->archivo, siguiente->titulo);
        if (!menu.Abierto())
            return;
        persona.Mostrar(menu);
        siguiente = menu.Siguiente();
    }
}
