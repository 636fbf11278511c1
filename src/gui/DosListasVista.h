// The window of two drop-down lists that exclude each other's choice, each
// beside its label, with Aceptar and Cancelar: the identify dialog and the
// path dialog. It shows what its model says and forwards every choice.
#pragma once

#include <QStringList>
#include <array>

#include "gui/VistaModelo.h"

class QComboBox;
class QPushButton;

// Any way out that is not Aceptar (Escape, the window's button) cancels.
class DosListasVista : public VistaModelo {
public:
    QComboBox* Combo1() const { return combos_[0]; }
    QComboBox* Combo2() const { return combos_[1]; }
    QPushButton* BotonAceptar() const { return aceptar_; }

protected:
    struct Textos {
        QString titulo, etiqueta1, etiqueta2, aceptar, cancelar;
        Qt::Alignment alineacion2 = {};
    };
    DosListasVista(const Textos& textos, QWidget* padre);
    // Shows the model's lists and state; closes once the model has closed.
    // Subclasses call it at the end of their constructor.
    void Refrescar();

private:
    // The model, lado 0 for the first list and 1 for the second.
    virtual QStringList Lista(int lado) const = 0;
    virtual int Indice(int lado) const = 0;
    virtual void Elegir(int lado, int indice) = 0;
    virtual bool AceptarHabilitado() const = 0;
    virtual void AceptarModelo() = 0;

    std::array<QComboBox*, 2> combos_{};
    QPushButton* aceptar_ = nullptr;
};

// The window over a model that has Aceptar, Cancelar, AceptarHabilitado,
// Cerrado and Aceptado, and two lists reached through these members.
template <typename Modelo> class VistaDosListas : public DosListasVista {
public:
    struct Lado {
        const QStringList& (Modelo::*lista)() const;
        int (Modelo::*indice)() const;
        void (Modelo::*elegir)(int);
    };

protected:
    VistaDosListas(Modelo& modelo, const Textos& textos, std::array<Lado, 2> lados, QWidget* padre)
        : DosListasVista(textos, padre), modelo_(modelo), lados_(lados)
    {
        Refrescar();
    }

private:
    QStringList Lista(int lado) const override { return (modelo_.*lados_[lado].lista)(); }
    int Indice(int lado) const override { return (modelo_.*lados_[lado].indice)(); }
    void Elegir(int lado, int indice) override { (modelo_.*lados_[lado].elegir)(indice); }
    bool AceptarHabilitado() const override { return modelo_.AceptarHabilitado(); }
    void AceptarModelo() override { modelo_.Aceptar(); }
    void CancelarModelo() override { modelo_.Cancelar(); }
    bool Cerrado() const override { return modelo_.Cerrado(); }
    bool Aceptado() const override { return modelo_.Aceptado(); }

    Modelo& modelo_;
    std::array<Lado, 2> lados_;
};
