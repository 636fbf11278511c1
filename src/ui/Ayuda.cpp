#include "ui/Ayuda.h"

#include <QFileInfo>
#include <QUrl>

#include "files/Datos.h"

namespace {

// Twips: a pane of about 45 lines of text by 90 characters.
constexpr int Margen = 240;
constexpr int AltoTitulo = 480;
constexpr int ArribaTexto = 720;
constexpr int AnchoTexto = 10200;
constexpr int AltoTexto = 7800;
constexpr int AltoTextoReducido = 5000;
constexpr int AltoVentanaReducida = 6750;
constexpr int ArribaSalirReducido = 5840;
constexpr int AnchoBoton = 1215;
constexpr int AltoBoton = 375;

} // namespace

Ayuda::Ayuda(QString ruta, QString titulo) : ruta_(std::move(ruta)), titulo_(std::move(titulo)) {}

bool Ayuda::Cargar()
{
    const std::optional<QString> texto = LeerTextoDato(ruta_);
    if (!texto)
        return false;
    documento_.setBaseUrl(QUrl::fromLocalFile(QFileInfo(ruta_).absoluteFilePath()));
    if (Qt::mightBeRichText(*texto))
        documento_.setHtml(*texto);
    else
        documento_.setPlainText(*texto);
    return true;
}

Ayuda::Disposicion Ayuda::Geometria(int altoPantalla)
{
    Disposicion d;
    d.ancho = Margen + AnchoTexto + Margen;
    d.titulo = {Margen, Margen / 2, AnchoTexto, AltoTitulo};
    d.texto = {Margen, ArribaTexto, AnchoTexto, AltoTexto};
    d.salir = {d.ancho - Margen - AnchoBoton, ArribaTexto + AltoTexto + Margen / 2, AnchoBoton, AltoBoton};
    d.alto = d.salir.arriba + AltoBoton + Margen;
    if (d.alto >= altoPantalla) {
        d.texto.alto = AltoTextoReducido;
        d.salir.arriba = ArribaSalirReducido;
        d.alto = AltoVentanaReducida;
    }
    return d;
}
