// Model of the "Voltear y Girar" dialog: which mirror or turn is chosen, the
// rule that the angles count only for a turn, and what Aceptar applies.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>

#include "costuras/ModeloDialogo.h"
#include "drawing/MenuVer.h"

class Grafo;
class Interaccion;

class GirarVoltear : public ModeloDialogo {
public:
    // Values are the indexes of the option buttons Option1(i) and Option2(i).
    enum class Opcion { VoltearHorizontal = 0, VoltearVertical = 1, Girar = 2 };
    enum class Angulo { Grados90 = 0, Grados180 = 1, Grados270 = 2 };

    // The area's size is asked for when Aceptar applies the choice, so a
    // resize while the dialog is open is taken into account.
    GirarVoltear(Grafo& grafo, std::function<DimensionesArea()> dimensiones, Interaccion& interaccion,
                 EfectosVer efectos);

    static QString Titulo() { return QStringLiteral("Voltear y Girar"); }
    static QString TextoMarco() { return QStringLiteral("Voltear o girar"); }
    static QString TextoOpcion(Opcion opcion);
    static QString TextoAngulo(Angulo angulo);
    static QString TextoAceptar() { return QStringLiteral("Aceptar"); }
    static QString TextoCancelar() { return QStringLiteral("Cancelar"); }

    Opcion OpcionElegida() const { return opcion_; }
    // Choosing a mirror disables the angles; choosing "Girar" enables them
    // and selects 90º, also when "Girar" was already chosen.
    void ElegirOpcion(Opcion opcion);

    bool AngulosHabilitados() const { return opcion_ == Opcion::Girar; }
    Angulo AnguloElegido() const { return angulo_; }
    // Ignored while the angles are disabled; returns whether it took effect.
    bool ElegirAngulo(Angulo angulo);

    // Applies the chosen transform and closes, also when a turn is refused.
    void Aceptar();
    void Cancelar();
    bool Cerrado() const { return cerrado_; }
    // Nobody to answer: the drawing stays as it is.
    void SinPersona() override { Cancelar(); }

    // Called after every change a view shows: choice, angle, enabled angles,
    // closing.
    std::function<void()> alCambiar;

private:
    void Notificar();
    void Cerrar();

    Grafo& grafo_;
    std::function<DimensionesArea()> dimensiones_;
    Interaccion& interaccion_;
    EfectosVer efectos_;
    Opcion opcion_ = Opcion::VoltearHorizontal;
    Angulo angulo_ = Angulo::Grados90;
    bool cerrado_ = false;
};
