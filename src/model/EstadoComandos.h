// The enabled / pressed / visible state and picture of every menu command and
// toolbar button, keyed by the control's name. The logic changes it; the main
// window mirrors it onto its actions; tests read it without any window.
#pragma once

#include <QHash>
#include <QString>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

struct EstadoControl {
    bool habilitado = true;
    bool pulsado = false;
    bool visible = true;
    int imagen = -1; // index into the toolbar's picture list; -1 = the control's own
};

class EstadoComandos {
public:
    using Oyente = std::function<void(const QString& control, const EstadoControl& estado)>;

    // Toolbar buttons are keyed "<toolbar>/<key>", so that the button
    // "eliminar" of Toolbar1 and the menu command Eliminar stay apart.
    static QString Boton(const QString& barra, const QString& clave) { return barra + u'/' + clave; }

    void Habilitar(const QString& control, bool habilitado);
    void PonerImagen(const QString& control, int imagen);
    void Pulsar(const QString& control, bool pulsado);
    void Mostrar(const QString& control, bool visible);

    // A control never touched reads as the default state (enabled, shown).
    EstadoControl Leer(const QString& control) const { return estados_.value(control); }
    bool Habilitado(const QString& control) const { return Leer(control).habilitado; }
    int Imagen(const QString& control) const { return Leer(control).imagen; }
    bool Pulsado(const QString& control) const { return Leer(control).pulsado; }
    bool Visible(const QString& control) const { return Leer(control).visible; }

    // Called after every change, with the control's new state.
    void AlCambiar(Oyente oyente) { oyente_ = std::move(oyente); }

    // Commands offered by the graph's type whenever the graph in hand
    // changes (a vertex added, a file read, a family generated); `tipos` is
    // a set of type codes (`Tipos`, model/Tipos.h). The window names them
    // from its catalogue, which the record's level cannot see.
    void OfrecerSegunTipo(const QString& control, std::uint8_t tipos) { segunTipo_.emplace_back(control, tipos); }
    void AplicarTipo(int tipo);

private:
    template <typename F> void Cambiar(const QString& control, F cambio);

    QHash<QString, EstadoControl> estados_;
    std::vector<std::pair<QString, std::uint8_t>> segunTipo_;
    Oyente oyente_;
};
