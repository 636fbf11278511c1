// MemoriaLineas: what wide lines covered, kept from one batch of drawing to
// the next. The runs paint the graph's edges wide over and over (each
// command, each step, a block's edge from either end), and what a line
// covers depends only on its ends, its width and the pixels in sight: the
// colour is blended in afterwards. Kept lines then only blend. Bounded: once
// the newer half is full, the older half is dropped.
#pragma once

#include <QLineF>
#include <QRect>
#include <cstddef>
#include <unordered_map>

#include "drawing/RellenoExacto.h"

class MemoriaLineas {
public:
    // A line as painted: ends in pixels, width in pixels, the pixels in sight.
    struct Clave {
        double x1, y1, x2, y2, ancho;
        int x, y, w, h;
        Clave(const QLineF& linea, double grosor, const QRect& vista)
            : x1(linea.x1()), y1(linea.y1()), x2(linea.x2()), y2(linea.y2()), ancho(grosor), x(vista.x()), y(vista.y()),
              w(vista.width()), h(vista.height())
        {
        }
        bool operator==(const Clave&) const = default;
    };
    struct Recordada {
        bool aMano = false; // false: the painter draws it, nothing is kept
        Cobertura cobertura;
    };

    explicit MemoriaLineas(std::size_t maximo = 24u << 20) : mitad_(maximo / 2) {}

    // The line as kept, or nullptr. Valid until the next call.
    const Recordada* Buscar(const Clave& clave);
    // Keeps a line that Buscar did not find.
    void Guardar(const Clave& clave, Recordada recordada);
    std::size_t Bytes() const { return bytesNueva_ + bytesVieja_; }

private:
    struct Hash {
        std::size_t operator()(const Clave& c) const;
    };
    using Mapa = std::unordered_map<Clave, Recordada, Hash>;
    static std::size_t Peso(const Recordada& r);
    void HacerSitio(std::size_t bytes);

    std::size_t mitad_;
    Mapa nueva_, vieja_;
    std::size_t bytesNueva_ = 0, bytesVieja_ = 0;
};
