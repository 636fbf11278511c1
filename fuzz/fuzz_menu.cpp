// libFuzzer target for the help menu files: any bytes must read as a menu of
// at most 30 topics, reported once when not read whole, that the menu window
// can scroll through and leave without reaching past its topics.
#include "Comun.h"
#include "ui/Menu_ayuda.h"

namespace {

const QString Nombre = QStringLiteral("menu.men");

void Recorrer(Menu_ayuda& menu)
{
    Exigir(menu.NumTemas() >= 0 && menu.NumTemas() <= ArchivoMenu::MaxTemas, "a menu has 0..30 topics");
    Exigir(menu.Mostrados() <= Menu_ayuda::Visibles, "a menu shows at most ten topics");
    int pasos = 0;
    do {
        for (int i = -1; i <= Menu_ayuda::Visibles; ++i) {
            menu.Señalar(i);
            Exigir(menu.Opcion(i).isEmpty() || menu.OpcionVisible(i), "only a shown topic has a caption");
        }
        menu.Bajar();
        Exigir(++pasos <= ArchivoMenu::MaxTemas, "scrolling down ends");
    } while (menu.BajarVisible());
    Exigir(menu.AltoVentana() > 0 && menu.AnchoVentana() > 0, "the window has a size");
    menu.Salir();
    Exigir(menu.Cerrado(), "Salir closes the menu");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    IniciarQt(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamaño)
{
    const QString ruta = EscribirTemporal(Nombre, datos, tamaño);
    const std::optional<ArchivoMenu> leido = LeerMenuAyuda(ruta);
    Exigir(leido.has_value(), "a file that exists is read");
    Exigir(leido->temas.size() <= std::size_t(ArchivoMenu::MaxTemas), "at most 30 topics are kept");
    for (const TemaAyuda& tema : leido->temas)
        Exigir(!tema.titulo.isEmpty(), "a topic kept has a title");
    InteraccionContada io;
    Menu_ayuda menu(io, {CarpetaTemporal()}, Nombre, QStringLiteral("Ayuda"));
    Exigir(menu.Abierto(), "the menu opens");
    Exigir(io.mensajes == (leido->completo ? 0 : 1), "a menu not read whole is reported once");
    Recorrer(menu);
    return 0;
}
