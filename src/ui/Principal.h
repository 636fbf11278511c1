// Principal: the main window's commands. On the state it keeps (the graph in
// hand, command states, marks, document, undo record, trace, run frame, work
// area: EstadoPrincipal) it carries out the File, View and Graph menus, the
// type list, the algorithm commands of the catalogue and the end-of-run
// button; the mouse on the work area is EdicionRaton's. The Qt window shows
// this state and forwards input; tests drive it directly.
#pragma once

#include <QString>
#include <memory>

#include "run/Algoritmo.h"
#include "ui/EdicionRaton.h"
#include "ui/EdicionTeclado.h"
#include "ui/EstadoPrincipal.h"
#include "ui/SeleccionOrden.h"

class CopiaHuerfana;
class CopiaPeriodica;
struct OrdenAlgoritmo;

// The type list's items, index = type code.
inline const QString ElementosCombo1[] = {QStringLiteral("Simple"), QStringLiteral("Ponderado"),
                                          QStringLiteral("Digrafo Simple"), QStringLiteral("Digrafo Ponderado")};

class Principal : public EstadoPrincipal {
public:
    explicit Principal(Interaccion& interaccion);
    ~Principal() override;

    // The mouse on the work area and the Edit menu.
    EdicionRaton& Edicion() { return edicion_; }
    // The keyboard on the work area, through the same editor.
    EdicionTeclado& Teclado() { return teclado_; }
    SeleccionOrden& OrdenUsuario() override { return ordenUsuario_; }
    void PonerEscala(double escala);

    // --- commands -------------------------------------------------------------
    // Runs the menu command or toolbar button (its command's name); false
    // when the name is none this window handles.
    bool Ejecutar(const QString& control);
    // A toolbar button by its key ("abrir" first writes its prompt).
    bool EjecutarBoton(const QString& barra, const QString& clave);
    void Nuevo();
    void Abrir();
    // Another tool's graph file, opened as Abrir opens one of ours.
    void Importar();
    // The graph in another tool's format, or the work area's picture.
    void Exportar();
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
    // The print options, from the File menu or the toolbar, printing the
    // trace pane; or from a step window, printing its copy.
    void AbrirImprimir();
    void AbrirImprimir(const QTextDocument& traza) override;
    void ExportarDibujo() override { Exportar(); }
    // The handout of the steps a window can show, in a PDF the person names;
    // at the end prompt, of the whole run until Aceptar.
    void GuardarPasos(const HistoriaPasos& historia) override;
    void GuardarPasosPdf();

    // --- algorithms -------------------------------------------------------------
    // An algorithm command of the catalogue as its menu entry runs it: what
    // it asks first, then the step-by-step dialog or the run at once.
    void EjecutarOrden(const OrdenAlgoritmo& orden);
    // The same with what it asks already answered, and no question about
    // steps: a straight run (the command line), or one that pauses at every
    // step when `pausas`.
    void EjecutarOrdenCompleta(const OrdenAlgoritmo& orden, const Parametros& parametros, bool pausas = false);
    // Asks "Paso a Paso" or "Completo", then runs the algorithm of that run name.
    void IniciarAlgoritmo(const QString& nombre, const Parametros& parametros = {});
    // Runs the algorithm of that run name at once.
    void EjecutarAlgoritmo(const QString& nombre, const Parametros& parametros = {});

    // The Escape key: a run stops at its next pause, and choosing a
    // colouring order by clicks is left; in full screen it only leaves it.
    void Escape();
    // Ver > Pantalla completa (F11): in and out of full screen.
    void PantallaCompleta() { vista_.pantallaCompleta = !vista_.pantallaCompleta; }

    void Iniciar_trabajo();
    bool QuiereCerrar() override;
    void Aceptar_Click() override;
    // Lays the window out for this size (twips); returns the size used,
    // which is never below the minimum.
    const Disposicion& Form_Resize(int ancho, int alto);

    // --- recovery copies (PrincipalRecuperacion.cpp) ------------------------------
    // Keeps a copy of unsaved work in this folder; none is kept before.
    void CopiasEn(const QString& carpeta);
    CopiaPeriodica* Copias() { return copias_.get(); }
    // The copy's schedule, every second or so.
    void RevisarCopia();
    // The copy now, where there is unsaved work and no run.
    void CopiarYa();
    // Offers, one by one, the copies of the instances that are gone.
    void OfrecerCopias();

private:
    // Iniciar_trabajo for a graph with no file yet.
    void EmpezarSinArchivo();
    void ElegirTipoNuevo();
    void AplicarEstadosDeDiseño();
    void HabilitarTrasCargar();
    // A rejected file has hidden the work area: what needs it is disabled.
    void SinArea();
    void ImportarArchivo(const QString& nombre);
    // A graph read aside becomes the one in hand, modified, under this name.
    void TomarGrafoLeido(const Grafo& leido, const QString& nombre, bool nombreSinConfirmar);
    void OfrecerCopia(CopiaHuerfana& copia);
    void Recuperar(CopiaHuerfana& copia, const Grafo& leido);
    void ColocarFilaSuperior(bool ponderado);
    std::int16_t Preguntar(const QString& texto, int botones);
    bool EjecutarGenerador(const QString& control);
    void Correr(const OrdenAlgoritmo& orden, const Parametros& parametros);
    void IdentificarSegunVertices();
    // The sequential colouring as its menu entry starts it, in this order.
    void ColorearEnOrden(const Parametros& parametros);
    // A file beside the graph's, named as it with `final` for its extension.
    QString NombreJuntoAlGrafo(const QString& final) const;

    std::unique_ptr<CopiaPeriodica> copias_;
    int enEjecucion_ = 0;
    EdicionRaton edicion_{*this};
    EdicionTeclado teclado_{*this, edicion_};
    QString tituloEjecucion_; // the run's caption, for its handout
    SeleccionOrden ordenUsuario_{*this, [this](const Parametros& p) { ColorearEnOrden(p); }};
};
