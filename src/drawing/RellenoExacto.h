// RellenoExacto: exact-area scan conversion of closed polygons with the
// non-zero rule, and a colour blended into a 32-bit image by the coverage
// it finds. Every pixel cell the outline crosses keeps the signed area and
// height of the crossing, and a sweep along each row turns them into
// coverage. The integer arithmetic, its roundings and the blending are those
// of Qt's raster engine, which is what lets TrazoGrueso match QPainter byte
// for byte; only the order of the work differs (one walk over the rows, not
// one per band of 40).
#pragma once

#include <QRect>
#include <QRgb>
#include <QtGlobal>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

// A point in 24.8 fixed point: pixels times 256.
struct PuntoFijo {
    long x, y;
};

// Closed polygons one after another, kept from one line to the next so that
// drawing a line allocates nothing.
struct ContornosFijos {
    std::vector<PuntoFijo> puntos;
    std::vector<std::size_t> finales; // one past each contour's last point

    void Vaciar()
    {
        puntos.clear();
        finales.clear();
    }
    // Ends the contour being added; one of a single point encloses nothing.
    void Cerrar()
    {
        const std::size_t inicio = finales.empty() ? 0 : finales.back();
        if (puntos.size() > inicio + 1)
            finales.push_back(puntos.size());
        else
            puntos.resize(inicio);
    }
};

// What an outline covers of each pixel in sight, from 0 to 255, worked out
// once: it can be blended in any colour as often as the same outline is
// painted again.
struct Cobertura {
    long x = 0, y = 0, ancho = 0; // the box in sight: corner and width
    std::size_t filas = 0, celdas = 0;
    // In one block, as a line is kept by the thousand: row r covers columns
    // Desde()[r] to Hasta()[r] (relative to the box; -1 stands for what lies
    // left of it, and covers nothing), by the next values of K(), row after
    // row, and every column right of those by Cola()[r].
    std::unique_ptr<std::byte[]> datos;

    void Reservar(std::size_t nFilas, std::size_t nCeldas)
    {
        filas = nFilas;
        celdas = nCeldas;
        datos = std::make_unique_for_overwrite<std::byte[]>(Bytes());
    }
    int* Desde() const { return reinterpret_cast<int*>(datos.get()); }
    int* Hasta() const { return Desde() + filas; }
    std::uint8_t* Cola() const { return reinterpret_cast<std::uint8_t*>(Hasta() + filas); }
    std::uint8_t* K() const { return Cola() + filas; }
    std::size_t Bytes() const { return filas * (2 * sizeof(int) + 1) + celdas; }

    // The image's rows start at bits, porLinea bytes apart.
    void Mezclar(uchar* bits, qsizetype porLinea, QRgb color) const;
};

class RellenoExacto {
public:
    // Sub-pixel bits of the coordinates.
    static constexpr int BitsPixel = 8;

    // caja: the pixels in sight.
    // Starts over for another outline, keeping the memory of the last one:
    // a long edge has thousands of cells, and edges come by the hundred.
    // False when the outline does not reach the box.
    bool Preparar(const QRect& caja, const ContornosFijos& contornos);
    // False, with nothing to paint, if the outline strayed from where
    // Preparar expected it.
    bool Llenar(const ContornosFijos& contornos);
    // Blends the colour into every pixel touched, by its coverage, and
    // empties the cells: the image's rows start at bits, porLinea bytes
    // apart. The coverage is kept in guardar if given.
    void Pintar(uchar* bits, qsizetype porLinea, QRgb color, Cobertura* guardar = nullptr);
    // Only keeps the coverage in guardar, painting nothing, and empties the
    // cells.
    void Guardar(Cobertura& guardar);

private:
    struct Celda {
        int cubre;
        int area;
    };
    // The cells of one pixel row in sight.
    struct Fila {
        Fila(RellenoExacto& relleno, long ey);
        Celda* En(long ex);
        RellenoExacto& relleno;
        long desde, hasta;
        Celda* celdas; // that of column desde
    };
    struct FilaEntera;
    // Readies guardar for this outline's coverage: its box and windows.
    void Preguardar(Cobertura& guardar) const;
    // With Guarda, each cell's coverage goes to k too, and each row's
    // coverage right of the box to cola; without Pinta, only there.
    template <bool Guarda, bool Pinta = true>
    void PintarFilas(uchar* bits, qsizetype porLinea, QRgb color, std::uint8_t* k, std::uint8_t* cola);
    void Ventana(long x0, long y0, long x1, long y1);
    // Where what is out of sight goes; emptied at each visit.
    Celda* Sumidero();
    void EnFila(long ey, long x1, long y1, long x2, long y2);
    void Hasta(long x, long y);

    long minX_ = 0, maxX_ = 0, minY_ = 0, maxY_ = 0, anchoCeldas_ = 0, altoCeldas_ = 0;
    Celda sumidero_{};
    long x_ = 0, y_ = 0; // the pen, 24.8
    // Row r owns the cells of columns desde_[r] to hasta_[r] (relative to
    // the box, -1 standing for everything left of it), from celdas_[inicio_[r]]
    // on: every column a side of the outline can reach in that row, found
    // before the walk, so that a cell is found at once and never moved.
    std::vector<int> desde_, hasta_;
    std::vector<std::size_t> inicio_;
    std::vector<Celda> celdas_; // all empty between outlines
    std::size_t usadas_ = 0;
    bool perdida_ = false;
};
