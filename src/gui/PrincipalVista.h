// The main window of Nodeva: a view over Principal. It builds the menus and
// toolbars from their data, places its parts where the logic's layout says,
// forwards every command, click and key, and then shows what changed.
#pragma once

#include <QMainWindow>

#include "gui/ControlesVista.h"
#include "ui/Principal.h"

class AreaTrabajoVista;
class InteraccionQt;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QTextEdit;
class QToolBar;

class PrincipalVista : public QMainWindow {
public:
    explicit PrincipalVista(Interaccion& interaccion, QWidget* padre = nullptr);
    ~PrincipalVista() override;

    Principal& principal() { return principal_; }
    // The menu command, submenu or toolbar button ("Toolbar1/nuevo") of this name.
    QAction* Accion(const QString& control) const { return controles_.Accion(control); }
    QWidget* Centro() const { return centro_; }

    // Opens a file as if it had been chosen in the Open dialog.
    void AbrirArchivo(const QString& ruta);
    // Shows the logic's state: caption, what is visible, texts and places.
    void Refrescar();
    // The person's dialogs open over this window, which shows the state
    // they ask about before each opens.
    void Atender(InteraccionQt& persona);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    void CrearBarras();
    void CrearFilaSuperior();
    void CrearPartesInferiores();
    QLabel* Etiqueta(const QString& nombre, const QString& texto);
    void Colocar(const Disposicion& d);
    void ColocarCursorTraza(int cursor);
    void Orden(const QString& control);
    void Boton(const BotonBarra& boton);
    void AlCambiarTipo(int indice);
    void AlMarcarPesos(bool marcado);

    Principal principal_;
    ControlesVista controles_;
    QWidget* centro_ = nullptr;
    QToolBar* barra1_ = nullptr;
    QToolBar* barra2_ = nullptr;
    QFrame* frame1_ = nullptr;
    AreaTrabajoVista* area_ = nullptr;
    QTextEdit* textPeq_ = nullptr;
    QPushButton* aceptar_ = nullptr;
    QPushButton* folleto_ = nullptr; // "Guardar pasos en PDF…" at the end prompt
    QCheckBox* check1_ = nullptr;
    QComboBox* combo1_ = nullptr;
    QLabel* titTipo_ = nullptr;
    QLabel* etiX_ = nullptr;
    QLabel* etiY_ = nullptr;
    QLabel* coordX_ = nullptr;
    QLabel* coordY_ = nullptr;
};
