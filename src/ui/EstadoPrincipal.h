// The main window's state and the switches every command of it uses: the
// graph in hand, the command states, the editor's marks, the document, the
// undo record, what the window shows, its layout, the trace, the run frame
// and the work area's picture. The window's commands (Principal) and the
// mouse editing (EdicionRaton) both work on it.
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

#include "drawing/Coordenadas.h"
#include "drawing/Dibujo.h"
#include "files/Documento.h"
#include "model/EstadoComandos.h"
#include "model/Grafo.h"
#include "model/Seleccion.h"
#include "run/MarcoEjecucion.h"
#include "run/Traza.h"
#include "run/VentanaEjecucion.h"
#include "ui/Deshacer.h"
#include "ui/Disposicion.h"
#include "ui/SuperficieArea.h"

class Interaccion;
class SeleccionOrden;

// What the window shows besides menus and toolbars.
struct VistaPrincipal {
    bool panelInicio = true;  // Frame1, until a graph is started
    bool areaVisible = false; // Area_trabajo
    bool etiquetas = false;   // eti_x, eti_y, coord_x, coord_y, Tit_Tipo, Combo1
    bool check1Visible = false;
    bool check1Habilitado = false;
    bool check1Marcado = false;
    bool aceptarVisible = false;
    bool aceptarHabilitado = false;
    bool folletoVisible = false; // beside Aceptar, when the run kept steps
    bool areaHabilitada = true;  // takes mouse input (not during a run)
    bool textoVisible = true;    // the trace pane (hidden behind the step window)
    bool textoHabilitado = true;
    // A caret the trace pane takes, scrolling to it, at the next refresh (a
    // document position).
    std::optional<int> cursorTraza;
    int combo1 = 0; // index in the type list
    QString coordX;
    QString coordY;
    bool cursorCruz = false;       // cross pointer on the work area while adding
    bool pantallaCompleta = false; // for a projector: the whole screen, no frame
};

inline const QString TituloInicial = QStringLiteral(" NODEVA: Algoritmos sobre Grafos");

class EstadoPrincipal : public VentanaEjecucion {
public:
    explicit EstadoPrincipal(Interaccion& interaccion);
    EstadoPrincipal(const EstadoPrincipal&) = delete;
    EstadoPrincipal& operator=(const EstadoPrincipal&) = delete;
    virtual ~EstadoPrincipal() = default;

    Grafo& grafo() { return *grafo_; }
    const Grafo& grafo() const { return *grafo_; }
    EstadoComandos& Comandos() { return comandos_; }
    const EstadoComandos& Comandos() const { return comandos_; }
    Seleccion& Marcas() { return seleccion_; }
    Documento& Doc() { return documento_; }
    Deshacer& RegistroDeshacer() { return deshacer_; }
    Interaccion& Persona() { return interaccion_; }
    const VistaPrincipal& Vista() const { return vista_; }
    VistaPrincipal& Vista() { return vista_; }
    const Disposicion& Geometria() const { return disposicion_; }
    Disposicion& Geometria() { return disposicion_; }
    QString Titulo() const { return titulo_; }
    QTextDocument& text_peq() { return traza_.Documento(); }
    Traza& trazaPanel() { return traza_; }
    MarcoEjecucion& Marco() { return marco_; }

    // The work area: its picture, the surface algorithms and the editor draw
    // on (a test may put its own), and the drawing of the graph on it.
    SuperficieArea& Area() { return *area_; }
    Lienzo& Superficie() { return lienzoPropio_ ? *lienzoPropio_ : area_->Superficie(); }
    void PonerSuperficie(Lienzo* lienzo);
    // A picture of the work area in the size the layout gives it (the one in
    // hand when it already has it).
    void NuevaArea();
    Dibujo& dibujo() { return *dibujo_; }
    DimensionesArea DimensionesTrabajo() const;
    // Clear the work area and draw the graph.
    void Redibujar();
    // The picture Redibujar leaves, painted only where it differs from the
    // one shown: for a picture that is nearly right.
    void RedibujarCambios();

    // The colouring order being clicked on the work area.
    virtual SeleccionOrden& OrdenUsuario() = 0;
    // Asks, where there is a graph, whether to close it; true when the
    // window now holds a fresh empty graph of the type chosen in the list.
    virtual bool QuiereCerrar() = 0;

    void HabilitarMenus(bool activo);
    void HabilitarBarras(bool activo);
    void AnularDeshacer() { deshacer_.AnularDeshacer(); }
    void MarcarModificado() { documento_.GrafoModificado = true; }

    // The run frame's window half.
    void BloquearParaEjecucion(bool areaActiva) override;
    void MostrarPaso(BotonesInterrupcion& ventana) override;
    void MostrarAceptar() override;
    void MostrarTraza(int cursor) override;
    void OcultarTraza() override { vista_.textoVisible = false; }
    void HabilitarArea(bool activa) override { vista_.areaHabilitada = activa; }
    std::int16_t TomarVerticeSeleccionado() override { return std::exchange(seleccion_.VerticeSeleccionado, 0); }
    void AbrirPasoPropio() override;
    int ReservarPanel(int ancho) override;
    std::shared_ptr<const RecuerdoDibujo> RecordarDibujo() override;
    void MostrarDibujo(const RecuerdoDibujo& dibujo) override;
    // What clears another surface and draws on it a remembered picture of
    // the area, the area left as it is; none when that picture was not all
    // remembered.
    std::function<void(Lienzo&)> Repeticion(const RecuerdoDibujo& dibujo) const;

protected:
    // A fresh, empty record in hand; the marks of the old one are dropped.
    void NuevoRegistro();
    void ActualizarTitulo();
    void TextoPanel(const QString& texto);

    Interaccion& interaccion_;
    EstadoComandos comandos_;
    Seleccion seleccion_;
    Documento documento_;
    Deshacer deshacer_;
    VistaPrincipal vista_;
    Disposicion disposicion_;
    QString titulo_ = TituloInicial;
    Traza traza_;
    MarcoEjecucion marco_{*this, traza_, interaccion_};
    double escala_ = 1.0;

private:
    void ReconstruirDibujo();
    // Whether the work area shows the graph in hand as Redibujar draws it
    // without marks, and nothing was drawn on it since.
    bool DibujoLimpio() const;
    void RecordarSiLimpio();

    std::unique_ptr<SuperficieArea> area_;
    Lienzo* lienzoPropio_ = nullptr;
    std::unique_ptr<Grafo> grafo_;
    std::unique_ptr<Dibujo> dibujo_;
    struct DibujoPlano {
        Grafo grafo;
        std::uint64_t version;
    };
    std::optional<DibujoPlano> limpio_;
};
