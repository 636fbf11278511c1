// A person using the whole window at random: menu commands and toolbar buttons while they are enabled, clicks
// and drags on the work area, random answers in every dialog and message box, files saved and opened, runs
// straight through or paused and ended. Whatever happens, the program keeps a sound graph, shows it as a full
// redraw would, and never hangs.
#include <QTemporaryDir>
#include <deque>
#include <random>

#include "drawing/Dibujo.h"
#include "support/Invariantes.h"
#include "support/MundoPrincipal.h"
#include "ui/SuperficieArea.h"

namespace {

class PersonaAlAzar : public InteraccionGuion {
public:
    explicit PersonaAlAzar(unsigned semilla, const QTemporaryDir& carpeta)
        : InteraccionGuion(semilla), azar_(semilla), carpeta_(carpeta)
    {
        pasoReloj = 0.5; // every wait ends
    }

    std::int16_t Mensaje(const QString& texto, const QString& titulo, Icono icono, Botones botones) override
    {
        using namespace Respuesta;
        InteraccionGuion::Mensaje(texto, titulo, icono, botones);
        switch (botones) {
        case Botones::AceptarCancelar: return Uno(2) ? Aceptar : Cancelar;
        case Botones::SiNo: return Uno(2) ? Si : No;
        case Botones::SiNoCancelar: return std::array{Si, No, Cancelar}[Uno(3)];
        default: return Aceptar;
        }
    }
    // A number typed, or none, then Enter; a dialog still open is cancelled.
    template <typename Dialogo, typename F> void Escribir(Dialogo& d, bool escribe, F numero)
    {
        if (escribe)
            Teclear(d, QString::number(numero()) + QChar(CodigoTecla::Intro));
        if (!d.Cerrado())
            d.Cancelar();
    }
    void Mostrar(ModeloDialogo& dialogo) override
    {
        const bool atendido = SegunDialogo(
            dialogo, [&](AsignarPeso& d) { Escribir(d, Uno(4), [&] { return int(Uno(2001)) - 1000; }); },
            [&](InsercionNºVert& d) { Escribir(d, Uno(5), [&] { return 1 + Uno(Uno(4) ? 8 : 60); }); },
            [&](IdentificarVert& d) {
                d.ElegirEnCombo1(int(Uno(d.Lista1().size() + 1)));
                d.ElegirEnCombo2(int(Uno(d.Lista2().size() + 1)));
                Uno(4) ? d.Aceptar() : d.Cancelar();
                if (!d.Cerrado())
                    d.Cancelar();
            },
            [&](Camino& d) {
                d.ElegirOrigen(int(Uno(d.ListaOrigen().size() + 1)));
                d.ElegirDestino(int(Uno(d.ListaDestino().size() + 1)));
                Uno(4) ? d.Aceptar() : d.Cancelar();
                if (!d.Cerrado())
                    d.Cancelar();
            },
            [&](SelectGrafo& d) {
                d.Elegir(int(Uno(SelectGrafo::NumOpciones)));
                d.Aceptar();
            },
            [&](GirarVoltear& d) {
                d.ElegirOpcion(static_cast<GirarVoltear::Opcion>(Uno(3)));
                d.ElegirAngulo(static_cast<GirarVoltear::Angulo>(Uno(3)));
                Uno(4) ? d.Aceptar() : d.Cancelar();
            },
            [&](PasoAPaso& d) {
                if (Uno(2))
                    d.ElegirCompleto();
                Uno(5) ? d.Aceptar() : d.Cancelar();
            },
            [&](BotonesInterrupcion& v) {
                const unsigned boton = Uno(6);
                boton == 0 ? v.Terminar() : boton == 1 ? v.Escape() : v.Continuar();
            },
            [&](Imprimir& d) {
                impresora.llamadas.clear();
                impresora.fallarDesde = Uno(2) ? -1 : int(Uno(3));
                Uno(3) ? d.Aceptar() : d.Cancelar();
            });
        if (!atendido)
            InteraccionGuion::Mostrar(dialogo);
    }
    QString NombreParaGuardar(const QString&, const QString&) override
    {
        return Uno(3) ? carpeta_.filePath(QString("g%1.grf").arg(Uno(3))) : QString();
    }
    QString NombreParaAbrir(const QString&) override
    {
        return Uno(3) ? carpeta_.filePath(QString("g%1.grf").arg(Uno(4))) : QString();
    }

    unsigned Uno(qsizetype n) { return n <= 0 ? 0 : unsigned(azar_() % std::uint64_t(n)); }

private:
    std::mt19937_64 azar_;
    const QTemporaryDir& carpeta_;
};

std::vector<QString> Alcanzables(const Principal& p)
{
    std::vector<QString> ordenes;
    for (const EntradaMenu& e : EntradasMenu())
        if (Alcanzable(p, e.control) && e.titulo != "-" && e.control != "Salir")
            ordenes.push_back(e.control);
    return ordenes;
}

// Does one thing and says what, for the failure report.
std::string UnPaso(Principal& p, PersonaAlAzar& persona)
{
    const DimensionesArea area = p.DimensionesTrabajo();
    // Half the presses and releases land on a vertex, give or take a little.
    auto punto = [&]() -> std::pair<double, double> {
        const Grafo& g = p.grafo();
        if (g.dimen() > 0 && persona.Uno(2)) {
            const int v = 1 + int(persona.Uno(g.dimen()));
            return {g.Posic_CoordX(v) + int(persona.Uno(61)) - 30, g.Posic_CoordY(v) + int(persona.Uno(61)) - 30};
        }
        return {persona.Uno(int(area.ancho)), persona.Uno(int(area.alto))};
    };
    const VistaPrincipal& vista = p.Vista();
    switch (persona.Uno(10)) {
    case 0:
    case 1: {
        const std::vector<QString> ordenes = Alcanzables(p);
        if (ordenes.empty())
            return "-";
        const QString orden = ordenes[persona.Uno(qsizetype(ordenes.size()))];
        p.Ejecutar(orden);
        return orden.toStdString();
    }
    case 2: {
        const BotonBarra& b = BotonesBarra()[persona.Uno(qsizetype(BotonesBarra().size()))];
        if (b.clave.isEmpty() || !p.Comandos().Habilitado(b.barra) ||
            !p.Comandos().Habilitado(EstadoComandos::Boton(b.barra, b.clave)))
            return "-";
        p.EjecutarBoton(b.barra, b.clave);
        return "botón " + b.clave.toStdString();
    }
    case 3:
        if (vista.etiquetas && p.Comandos().Habilitado("Combo1")) {
            const int tipo = int(persona.Uno(4));
            p.Combo1_Click(tipo);
            return "tipo " + std::to_string(tipo);
        }
        if (!vista.check1Visible || !vista.check1Habilitado)
            return "-";
        p.Check1_Click(persona.Uno(2));
        return "Check1";
    case 4:
        if (!vista.aceptarVisible || !vista.aceptarHabilitado)
            return "-";
        p.Aceptar_Click();
        return "Aceptar";
    default:
        if (!vista.areaVisible || !vista.areaHabilitada)
            return "-";
        // A press, some moves with the button held, a release: a click or a drag.
        const int boton = persona.Uno(4) ? 1 : 2;
        const auto [x, y] = punto();
        p.Edicion().MouseMove(0, x, y);
        p.Edicion().MouseDown(boton, x, y);
        // One point at a time: two draws within one call's arguments come in no fixed order, and a seed must
        // replay the same session in any build.
        for (unsigned i = persona.Uno(4); i > 0; --i) {
            const auto [xm, ym] = punto();
            p.Edicion().MouseMove(boton, xm, ym);
        }
        const auto [xf, yf] = punto();
        p.Edicion().MouseUp(boton, xf, yf);
        return "ratón " + std::to_string(boton) + " " + std::to_string(int(x)) + "," + std::to_string(int(y)) + " -> " +
               std::to_string(int(xf)) + "," + std::to_string(int(yf));
    }
}

// The picture on show is the one a full redraw of the same graph and marks gives, byte for byte: what partial
// repaints, erasures and restored steps leave has no trace of its own. A finished run's picture, and the
// colouring order being clicked, are the run's own. So is what an edge drawn with the mouse leaves (the new edge
// in blue, its first end red while no mark changes): until the picture is a full redraw's again, it must be its
// own remembered shapes painted afresh.
struct GuardaDibujo {
    std::uint64_t version = 0;
    bool restos = false;

    static bool EnModo(Principal& p)
    {
        return p.Comandos().Pulsado(EstadoComandos::Boton("Toolbar1", "añadir_arista"));
    }

    void Comprobar(Principal& p, bool enModo, const std::string& donde)
    {
        restos = restos || (enModo && !EnModo(p));
        const VistaPrincipal& v = p.Vista();
        if (!v.areaVisible || v.aceptarVisible || p.Marco().Orden_Definido || p.Area().Version() == version)
            return;
        version = p.Area().Version();
        const DimensionesArea a = p.DimensionesTrabajo();
        SuperficieArea fresca(int(a.ancho), int(a.alto));
        fresca.Superficie().Limpiar();
        Dibujo(p.grafo(), fresca.Superficie(), p.Marcas(), p.Marco().DesdeMenu).DibujarGrafo(0);
        const QImage& vista = p.Area().Imagen();
        if (fresca.Imagen() == vista) {
            restos = false;
            return;
        }
        ASSERT_TRUE(restos) << donde << ": el dibujo no es el de un redibujado completo";
        SuperficieArea repetida(int(a.ancho), int(a.alto));
        p.Area().Memoria().Repetir(repetida.Superficie());
        ASSERT_TRUE(repetida.Imagen() == vista) << donde << ": el dibujo no es el de sus propias formas";
    }
};

// A longer search: NODEVA_SEMILLAS seeds from NODEVA_PRIMERA_SEMILLA, with NODEVA_PASOS steps each (100 ×
// 5000 finds what the short default cannot).
unsigned DelEntorno(const char* variable, unsigned porOmision)
{
    bool ok = false;
    const int valor = qEnvironmentVariableIntValue(variable, &ok);
    return ok && valor > 0 ? unsigned(valor) : porOmision;
}

TEST(UsoAlAzar, LaVentanaSiempreConservaUnGrafoSano)
{
    QTemporaryDir carpeta;
    const unsigned primera = DelEntorno("NODEVA_PRIMERA_SEMILLA", 1), pasos = DelEntorno("NODEVA_PASOS", 400);
    for (unsigned semilla = primera; semilla < primera + DelEntorno("NODEVA_SEMILLAS", 24); ++semilla) {
        PersonaAlAzar persona(semilla, carpeta);
        Principal p(persona);
        // While the user's walk waits, the person clicks vertices or presses Escape.
        persona.alProcesar = [&] {
            if (!p.Marco().RecorridoUsuario || !p.Vista().areaHabilitada)
                return;
            if (persona.Uno(8) == 0) {
                p.Marco().EscapePulsado = true;
                return;
            }
            const int v = 1 + int(persona.Uno(p.grafo().dimen()));
            const double x = p.grafo().Posic_CoordX(v), y = p.grafo().Posic_CoordY(v);
            p.Edicion().MouseMove(0, x, y);
            p.Edicion().MouseDown(1, x, y);
            p.Edicion().MouseUp(1, x, y);
        };
        std::deque<std::string> ultimos;
        GuardaDibujo guarda;
        for (unsigned paso = 0; paso < pasos; ++paso) {
            const bool enModo = GuardaDibujo::EnModo(p);
            ultimos.push_back(UnPaso(p, persona));
            if (ultimos.size() > 12)
                ultimos.pop_front();
            std::string donde = "semilla " + std::to_string(semilla) + " paso " + std::to_string(paso) + " tras:";
            for (const std::string& u : ultimos)
                donde += "\n  " + u;
            ComprobarInvariantes(p.grafo(), donde, p.DimensionesTrabajo());
            guarda.Comprobar(p, enModo, donde);
            // Something is left to do: a command, the work area or the end-of-run Aceptar.
            const VistaPrincipal& v = p.Vista();
            ASSERT_TRUE((v.areaVisible && v.areaHabilitada) || (v.aceptarVisible && v.aceptarHabilitado) ||
                        !Alcanzables(p).empty())
                << donde << ": la ventana queda bloqueada";
            if (::testing::Test::HasFatalFailure())
                return;
        }
    }
}

} // namespace
