// Principal: the logic of the main window. It owns the graph in hand, the
// command states, the editor's selection, the document state, the undo record
// and the work area's picture, and carries out the commands of the File and
// View menus, the type list and the end-of-run button. The Qt window shows
// this state and forwards input; tests drive it directly.
#pragma once

#include <QString>
#include <memory>

#include "drawing/Coordenadas.h"
#include "drawing/Dibujo.h"
#include "files/Documento.h"
#include "model/EstadoComandos.h"
#include "model/Grafo.h"
#include "model/Seleccion.h"
#include "run/MarcoEjecucion.h"
#include "run/Traza.h"
#include "ui/Deshacer.h"
#include "ui/Disposicion.h"
#include "ui/EdicionRaton.h"
#include "ui/SuperficieArea.h"

class Interaccion;

// What the window shows besides menus and toolbars.
struct VistaPrincipal {
    bool panelInicio = true;   // Frame1, until a graph is started
    bool areaVisible = false;  // Area_trabajo
    bool etiquetas = false;    // eti_x, eti_y, coord_x, coord_y, Tit_Tipo, Combo1
    bool check1Visible = false;
    bool check1Habilitado = false;
    bool check1Marcado = false;
    bool aceptarVisible = false;
    bool aceptarHabilitado = false;
    bool areaHabilitada = true;   // takes mouse input (not during a run)
    bool textoVisible = true;     // the trace pane (hidden behind the step window)
    bool textoHabilitado = true;
    int combo1 = 0; // index in the type list
    QString coordX;
    QString coordY;
    bool cursorCruz = false; // cross pointer on the work area while adding
};

inline const QString TituloInicial = QStringLiteral(" NODEVA: Algoritmos sobre Grafos");
// The type list's items, index = type code.
inline const QString ElementosCombo1[] = {QStringLiteral("Simple"), QStringLiteral("Ponderado"),
                                          QStringLiteral("Digrafo Simple"),
                                          QStringLiteral("Digrafo Ponderado")};

class Principal {
public:
    explicit Principal(Interaccion& interaccion);
    Principal(const Principal&) = delete;
    Principal& operator=(const Principal&) = delete;

    // --- state the window shows ---------------------------------------------
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
    // The mouse on the work area and the Edit menu.
    EdicionRaton& Edicion() { return edicion_; }

    // The work area: its picture, the surface algorithms and the editor draw
    // on (a test may put its own), and the drawing of the graph on it.
    SuperficieArea& Area() { return *area_; }
    Lienzo& Superficie() { return lienzoPropio_ ? *lienzoPropio_ : area_->Superficie(); }
    void PonerSuperficie(Lienzo* lienzo);
    Dibujo& dibujo() { return *dibujo_; }
    DimensionesArea DimensionesTrabajo() const;
    void PonerEscala(double escala);
    // Clear the work area and draw the graph.
    void Redibujar();

    // --- commands -------------------------------------------------------------
    // Runs the menu command or toolbar button (its command's name); false
    // when the name is none this window handles.
    bool Ejecutar(const QString& control);
    // A toolbar button by its key ("abrir" first writes its prompt).
    bool EjecutarBoton(const QString& barra, const QString& clave);
    void Nuevo();
    void Abrir();
    // Opens this file as if chosen in the Open dialog; false when the user
    // chose to keep the graph in hand.
    bool AbrirArchivo(const QString& nombre);
    void Guardar();
    void Guardar_Como();
    void Combo1_Click(int indice);
    void Check1_Click(bool marcado);
    void Cambiar_todos_pesos();
    void Centrar();
    void Girar_voltear();
    void Matriz_adyacencia();
    // The print options, from the File menu, the toolbar or a step window.
    void AbrirImprimir();
    // Asks "Paso a Paso" or "Completo", then runs the algorithm of that run name.
    void IniciarAlgoritmo(const QString& nombre, std::int16_t raiz = 0);
    // Runs it at once: the command-line runs and the commands without steps.
    void EjecutarAlgoritmo(const QString& nombre, std::int16_t raiz = 0);

    void Iniciar_trabajo();
    bool QuiereCerrar();
    void Aceptar_Click();
    void HabilitarMenus(bool activo);
    void HabilitarBarras(bool activo);
    // Lays the window out for this size (twips); returns the size used,
    // which is never below the minimum.
    const Disposicion& Form_Resize(int ancho, int alto);

    void AnularDeshacer() { deshacer_.AnularDeshacer(); }
    void MarcarModificado() { documento_.GrafoModificado = true; }

private:
    void NuevoRegistro();
    // Iniciar_trabajo for a graph with no file yet.
    void EmpezarSinArchivo();
    void ElegirTipoNuevo();
    void ReconstruirDibujo();
    void ActualizarTitulo();
    void AplicarEstadosDeDiseño();
    void HabilitarTrasCargar();
    void ColocarFilaSuperior(bool ponderado);
    std::int16_t Preguntar(const QString& texto, int botones);
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
    MarcoEjecucion marco_{*this};
    double escala_ = 1.0;
    std::unique_ptr<SuperficieArea> area_;
    Lienzo* lienzoPropio_ = nullptr;
    std::unique_ptr<Grafo> grafo_;
    std::unique_ptr<Dibujo> dibujo_;
    EdicionRaton edicion_{*this};
};
