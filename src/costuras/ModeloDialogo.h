// What every dialog model is to whoever shows it: one kind of thing handed to
// Interaccion::Mostrar, which each side (the windows, the command line, the
// tests) turns into a view, an answer or nothing at all.
#pragma once

#include <type_traits>

class ModeloDialogo {
public:
    virtual ~ModeloDialogo() = default;

    // Closes the dialog as it closes when nobody is there to answer it (a
    // batch run, a test without a script): cancelling, applying the current
    // choice or continuing to the end, each dialog by its own rule.
    virtual void SinPersona() = 0;

protected:
    ModeloDialogo() = default;
    ModeloDialogo(const ModeloDialogo&) = default;
    ModeloDialogo& operator=(const ModeloDialogo&) = default;
};

namespace detalle_dialogo {
// The model a handler takes, from its single parameter `Modelo&`.
template <typename> struct ModeloDe;
template <typename C, typename R, typename M> struct ModeloDe<R (C::*)(M&) const> {
    using Tipo = M;
};
template <typename C, typename R, typename M> struct ModeloDe<R (C::*)(M&)> {
    using Tipo = M;
};
} // namespace detalle_dialogo

// Hands the dialog to the first handler whose parameter is its model's type,
// as a person who reacts to some dialogs only; false when none takes it.
// Each handler is a lambda of one parameter, `[&](Camino& d) { ... }`.
template <typename... Manejadores> bool SegunDialogo(ModeloDialogo& dialogo, Manejadores&&... manejadores)
{
    const auto probar = [&dialogo](auto& manejador) {
        using Funcion = std::remove_reference_t<decltype(manejador)>;
        using Modelo = typename detalle_dialogo::ModeloDe<decltype(&Funcion::operator())>::Tipo;
        auto* modelo = dynamic_cast<Modelo*>(&dialogo);
        if (modelo)
            manejador(*modelo);
        return modelo != nullptr;
    };
    return (probar(manejadores) || ...);
}
