#include "drawing/RellenoExacto.h"

#include "drawing/Mezcla.h"

#include <algorithm>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__)
#include <immintrin.h>
#endif
#include <cstdint>

namespace {

constexpr int BitsPixel = RellenoExacto::BitsPixel;
constexpr long UnPixel = 1L << BitsPixel;

constexpr long Entero(long v)
{
    return v >> BitsPixel;
}
constexpr long Fraccion(long v)
{
    return v & (UnPixel - 1);
}

// Quotient rounded down, remainder never negative.
void DividirAbajo(long dividendo, long divisor, long& cociente, long& resto)
{
    cociente = dividendo / divisor;
    resto = dividendo % divisor;
    if (resto < 0) {
        --cociente;
        resto += divisor;
    }
}

// The advance over one more whole unit: salto, and one more each time the
// carried remainder fills a whole largo.
long Avanzar(long salto, long sobra, long largo, long& resto)
{
    resto += sobra;
    if (resto < largo)
        return salto;
    resto -= largo;
    return salto + 1;
}

// A segment crossing the lines of one axis, one unit of that axis at a
// time: the other axis advances by a quotient rounded down and a remainder
// carried along, so the crossings fall exactly where they should.
struct Cruce {
    long primero; // the edge of the first cell the segment leaves by: 0 or UnPixel
    int paso;     // +1 or -1
    long delta;   // advance of the other axis up to that edge
    long resto;
    long largo; // length along this axis, positive
    long otro;
    long salto = 0, sobra = 0;
    bool medido = false;

    // fraccion: where the segment starts within its cell along this axis;
    // propio, otro: its extent along this axis and the other.
    Cruce(long fraccion, long propio, long otroEje) : otro(otroEje)
    {
        long p;
        if (propio > 0) {
            p = (UnPixel - fraccion) * otro;
            primero = UnPixel;
            paso = 1;
            largo = propio;
        } else {
            p = fraccion * otro;
            primero = 0;
            paso = -1;
            largo = -propio;
        }
        DividirAbajo(p, largo, delta, resto);
    }
    // The other axis' advance over the next whole unit.
    long Siguiente()
    {
        Medir();
        return Avanzar(salto, sobra, largo, resto);
    }
    // The advance over the next n whole units at once: the carries of n
    // steps are those of their remainders summed.
    long Saltar(long n)
    {
        Medir();
        long carries;
        DividirAbajo(resto + n * sobra, largo, carries, resto);
        return n * salto + carries;
    }
    void Medir()
    {
        if (!medido) {
            DividirAbajo(UnPixel * otro, largo, salto, sobra);
            medido = true;
        }
    }
};

void Sumar(auto* celda, long area, long cubre)
{
    celda->area += int(area);
    celda->cubre += int(cubre);
}

// The coverage of a signed area (1/512 of a pixel's per unit), rounded as
// the painter rounds it.
unsigned Opacidad(long area)
{
    long k = area >> (BitsPixel * 2 + 1 - 8);
    if (k < 0)
        k = -k;
    return unsigned(std::min(k, 255L));
}

// Four pixels at a time, where the processor can: the same roundings, lane
// by lane.
#if defined(__SSE2__)
// The coverage of four cells, in 32-bit lanes, with the winding of the row
// so far (in every lane) carried on.
__m128i CuatroOpacidades(const void* celdas, __m128i& cubre)
{
    const __m128 a = _mm_loadu_ps(static_cast<const float*>(celdas));
    const __m128 b = _mm_loadu_ps(static_cast<const float*>(celdas) + 4);
    __m128i suma = _mm_castps_si128(_mm_shuffle_ps(a, b, _MM_SHUFFLE(2, 0, 2, 0)));
    const __m128i area = _mm_castps_si128(_mm_shuffle_ps(a, b, _MM_SHUFFLE(3, 1, 3, 1)));
    suma = _mm_add_epi32(suma, _mm_slli_si128(suma, 4));
    suma = _mm_add_epi32(suma, _mm_slli_si128(suma, 8));
    suma = _mm_add_epi32(suma, cubre);
    cubre = _mm_shuffle_epi32(suma, _MM_SHUFFLE(3, 3, 3, 3));
    __m128i k = _mm_srai_epi32(_mm_sub_epi32(_mm_slli_epi32(suma, BitsPixel * 2 + 1 - 8), area), BitsPixel * 2 + 1 - 8);
    const __m128i signo = _mm_srai_epi32(k, 31);
    k = _mm_sub_epi32(_mm_xor_si128(k, signo), signo);
    const __m128i tope = _mm_set1_epi32(255);
    const __m128i pasa = _mm_cmpgt_epi32(k, tope);
    return _mm_or_si128(_mm_andnot_si128(pasa, k), _mm_and_si128(pasa, tope));
}

// Four pixels, each blended by its coverage (0 to 255, a 32-bit lane each).
// The colour comes in 16-bit lanes, twice. At no coverage a pixel stays as
// it was; at full coverage it takes the colour.
void MezclarCuatro(QRgb* pixeles, __m128i cuanto, __m128i color)
{
    const __m128i cero = _mm_setzero_si128();
    const __m128i pares = _mm_unpacklo_epi16(_mm_packs_epi32(cuanto, cuanto), _mm_packs_epi32(cuanto, cuanto));
    const __m128i a01 = _mm_unpacklo_epi32(pares, pares);
    const __m128i a23 = _mm_unpackhi_epi32(pares, pares);
    const __m128i todo = _mm_set1_epi16(255);
    const auto por = [](__m128i x, __m128i a) { // as PorAlfa, lane by lane
        const __m128i t = _mm_mullo_epi16(x, a);
        return _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(t, _mm_srli_epi16(t, 8)), _mm_set1_epi16(0x80)), 8);
    };
    const __m128i p = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pixeles));
    const __m128i bajo = _mm_add_epi16(por(color, a01), por(_mm_unpacklo_epi8(p, cero), _mm_sub_epi16(todo, a01)));
    const __m128i alto = _mm_add_epi16(por(color, a23), por(_mm_unpackhi_epi8(p, cero), _mm_sub_epi16(todo, a23)));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(pixeles), _mm_packus_epi16(bajo, alto));
}

__m128i Color16(QRgb color)
{
    return _mm_unpacklo_epi8(_mm_set1_epi32(int(color)), _mm_setzero_si128());
}
#endif

#if defined(__x86_64__)
// Eight pixels at a time where the processor has AVX2, as it is found when
// the program runs; elsewhere the four-pixel blending does it all.
bool ConAvx2()
{
    static const bool hay = __builtin_cpu_supports("avx2");
    return hay;
}

// As PorAlfa, each 16-bit lane.
[[gnu::target("avx2")]] __m256i PorAlfaOcho(__m256i x, __m256i a)
{
    const __m256i t = _mm256_mullo_epi16(x, a);
    return _mm256_srli_epi16(_mm256_add_epi16(_mm256_add_epi16(t, _mm256_srli_epi16(t, 8)), _mm256_set1_epi16(0x80)),
                             8);
}

// As MezclarCuatro, in each half of the register: coverage 0 to 255 in
// eight 32-bit lanes, the colour in 16-bit lanes four times.
[[gnu::target("avx2")]] void MezclarOcho(QRgb* pixeles, __m256i cuanto, __m256i color)
{
    const __m256i cero = _mm256_setzero_si256();
    const __m256i dobles =
        _mm256_unpacklo_epi16(_mm256_packs_epi32(cuanto, cuanto), _mm256_packs_epi32(cuanto, cuanto));
    const __m256i a01 = _mm256_unpacklo_epi32(dobles, dobles);
    const __m256i a23 = _mm256_unpackhi_epi32(dobles, dobles);
    const __m256i todo = _mm256_set1_epi16(255);
    const __m256i p = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(pixeles));
    const __m256i bajo = _mm256_add_epi16(PorAlfaOcho(color, a01),
                                          PorAlfaOcho(_mm256_unpacklo_epi8(p, cero), _mm256_sub_epi16(todo, a01)));
    const __m256i alto = _mm256_add_epi16(PorAlfaOcho(color, a23),
                                          PorAlfaOcho(_mm256_unpackhi_epi8(p, cero), _mm256_sub_epi16(todo, a23)));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(pixeles), _mm256_packus_epi16(bajo, alto));
}

// Blends kept coverage from column desde while eight columns are left up
// to hasta; the column it stopped at.
[[gnu::target("avx2")]] long MezclarOchos(QRgb* pixeles, const std::uint8_t* cuanto, long desde, long hasta, QRgb color)
{
    const __m256i color16 = _mm256_broadcastsi128_si256(Color16(color));
    for (; desde + 7 <= hasta; desde += 8, cuanto += 8) {
        long long ocho;
        std::memcpy(&ocho, cuanto, 8);
        MezclarOcho(pixeles + desde, _mm256_cvtepu8_epi32(_mm_cvtsi64_si128(ocho)), color16);
    }
    return desde;
}
#endif

// A colour blended by coverage as the painter blends a span.
struct Mezclador {
    explicit Mezclador(QRgb c) : color(c), tintas(Tintas(c)) {}
    void operator()(QRgb& pixel, unsigned cuanto) const
    {
        if (cuanto == 255)
            pixel = color;
        else if (cuanto != 0)
            pixel = Encima(pixel, tintas[cuanto]);
    }
    QRgb color;
    const std::array<QRgb, 256>& tintas;
};

// The image rows of a box, row by row. Each row of the image is on a page
// of its own, far from the last: the one some rows ahead is asked for as
// each is handed out.
struct Filas {
    uchar* bits;
    qsizetype porLinea;
    long x, y;
    const int* desde;
    const int* hasta;
    std::size_t cuantas;

    QRgb* Linea(std::size_t fila) const
    {
        constexpr std::size_t Antes = 12;
        if (const std::size_t otra = fila + Antes; otra < cuantas && hasta[otra] >= 0) {
            __builtin_prefetch(Pixeles(otra) + std::max(desde[otra], 0), 1);
            __builtin_prefetch(Pixeles(otra) + hasta[otra], 1);
        }
        return Pixeles(fila);
    }
    QRgb* Pixeles(std::size_t fila) const { return reinterpret_cast<QRgb*>(bits + (long(fila) + y) * porLinea) + x; }
};

} // namespace

bool RellenoExacto::Preparar(const QRect& caja, const ContornosFijos& contornos)
{
    perdida_ = false;
    bool primero = true;
    long x0 = 0, x1 = 0, y0 = 0, y1 = 0; // 26.6
    for (const PuntoFijo& p : contornos.puntos) {
        const long x = p.x >> (BitsPixel - 6), y = p.y >> (BitsPixel - 6);
        if (primero || x < x0)
            x0 = x;
        if (primero || x > x1)
            x1 = x;
        if (primero || y < y0)
            y0 = y;
        if (primero || y > y1)
            y1 = y;
        primero = false;
    }
    if (primero)
        return false;
    minX_ = x0 >> 6;
    minY_ = y0 >> 6;
    maxX_ = (x1 + 63) >> 6;
    maxY_ = (y1 + 63) >> 6;
    if (maxX_ <= caja.left() || minX_ >= caja.left() + caja.width() || maxY_ <= caja.top() ||
        minY_ >= caja.top() + caja.height())
        return false;
    minX_ = std::max<long>(minX_, caja.left());
    minY_ = std::max<long>(minY_, caja.top());
    maxX_ = std::min<long>(maxX_, caja.left() + caja.width());
    maxY_ = std::min<long>(maxY_, caja.top() + caja.height());
    anchoCeldas_ = maxX_ - minX_;
    altoCeldas_ = maxY_ - minY_;
    if (anchoCeldas_ <= 0 || altoCeldas_ <= 0)
        return false;
    const std::size_t filas = std::size_t(altoCeldas_);
    desde_.assign(filas, int(anchoCeldas_));
    hasta_.assign(filas, -2);
    std::size_t inicio = 0;
    for (const std::size_t fin : contornos.finales) {
        for (std::size_t i = inicio; i < fin; ++i) {
            const PuntoFijo& p = contornos.puntos[i];
            const PuntoFijo& q = contornos.puntos[i + 1 < fin ? i + 1 : inicio];
            Ventana(p.x, p.y, q.x, q.y);
        }
        inicio = fin;
    }
    inicio_.resize(filas);
    std::size_t total = 0;
    for (std::size_t f = 0; f < filas; ++f) {
        inicio_[f] = total;
        if (hasta_[f] >= desde_[f])
            total += std::size_t(hasta_[f] - desde_[f] + 1);
    }
    // Every cell is left empty by the last outline's painting.
    usadas_ = total;
    if (celdas_.size() < total)
        celdas_.resize(total);
    return true;
}

// Widens each row's columns to those the segment crosses in it. The walk
// finds the same crossings with its own roundings, never a unit of 24.8
// away from these; a horizontal segment adds nothing anywhere.
void RellenoExacto::Ventana(long x0, long y0, long x1, long y1)
{
    if (y0 == y1)
        return;
    if (y0 > y1) {
        std::swap(x0, x1);
        std::swap(y0, y1);
    }
    constexpr long Holgura = 2;
    const long primera = std::max(Entero(y0), minY_), ultima = std::min(Entero(y1 - 1), maxY_ - 1);
    const double pendiente = double(x1 - x0) / double(y1 - y0);
    // Where the segment enters and leaves each row; along a long segment
    // each row adds the same, and the last ends at the segment's end.
    double xa = double(x0) + double(std::max(primera * UnPixel, y0) - y0) * pendiente;
    double xb = double(x0) + double((primera + 1) * UnPixel - y0) * pendiente;
    const double paso = UnPixel * pendiente;
    const long final = Entero(y1 - 1);
    for (long fila = primera; fila <= ultima; ++fila, xa = xb, xb += paso) {
        if (fila == final)
            xb = double(x1);
        const long izquierda = Entero(long(x0 < x1 ? xa : xb) - Holgura) - minX_;
        const long derecha = Entero(long(x0 < x1 ? xb : xa) + Holgura) - minX_;
        if (izquierda >= anchoCeldas_)
            continue; // right of the box: nothing of it is kept
        int& desde = desde_[std::size_t(fila - minY_)];
        int& hasta = hasta_[std::size_t(fila - minY_)];
        desde = std::min(desde, int(std::max(izquierda, -1L)));
        hasta = std::max(hasta, int(std::clamp(derecha, -1L, anchoCeldas_ - 1)));
    }
}

// The cell of column ex in a row in sight. Cells left of the box gather in
// one column just outside it (they still count for the row's winding);
// those right of it go to the sink.
inline RellenoExacto::Celda* RellenoExacto::Fila::En(long ex)
{
    ex -= relleno.minX_;
    if (ex < 0)
        ex = -1;
    else if (ex >= relleno.anchoCeldas_)
        return relleno.Sumidero();
    if (ex < desde || ex > hasta) {
        relleno.perdida_ = true;
        return relleno.Sumidero();
    }
    return celdas + (ex - desde);
}

inline RellenoExacto::Fila::Fila(RellenoExacto& r, long ey) : relleno(r)
{
    const std::size_t f = std::size_t(ey - r.minY_);
    desde = r.desde_[f];
    hasta = r.hasta_[f];
    celdas = r.celdas_.data() + r.inicio_[f];
}

inline RellenoExacto::Celda* RellenoExacto::Sumidero()
{
    sumidero_ = {};
    return &sumidero_;
}

// The part of a segment within pixel row ey (in sight), from (x1, y1) to
// (x2, y2) with y1 and y2 inside the row.
void RellenoExacto::EnFila(long ey, long x1, long y1, long x2, long y2)
{
    if (y1 == y2)
        return;
    long ex1 = Entero(x1);
    const long ex2 = Entero(x2);
    Fila fila(*this, ey);
    long fx1 = Fraccion(x1);
    const long fx2 = Fraccion(x2);
    Celda* celda = fila.En(ex1);
    if (ex1 != ex2) {
        Cruce c(fx1, x2 - x1, y2 - y1);
        long delta = c.delta;
        Sumar(celda, (fx1 + c.primero) * delta, delta);
        y1 += delta;
        ex1 += c.paso;
        // Nearly always every cell on the way is in sight and in the window:
        // then the next cell is simply the neighbour.
        const long a = std::min(ex1, ex2) - minX_, b = std::max(ex1, ex2) - minX_;
        const bool seguidas = a >= std::max<long>(fila.desde, 0) && b <= fila.hasta && b < anchoCeldas_;
        celda = seguidas ? fila.celdas + (ex1 - minX_ - fila.desde) : fila.En(ex1);
        while (ex1 != ex2) {
            delta = c.Siguiente();
            Sumar(celda, UnPixel * delta, delta);
            y1 += delta;
            ex1 += c.paso;
            celda = seguidas ? celda + c.paso : fila.En(ex1);
        }
        fx1 = UnPixel - c.primero;
    }
    const long dy = y2 - y1;
    Sumar(celda, (fx1 + fx2) * dy, dy);
}

// The rows a segment crosses from top to bottom, or bottom to top, are the
// bulk of a long line. There the walk's arithmetic takes one of two widths
// of a row piece, so the advance over a whole cell is worked out once for
// each; and the cells are nearly always all in sight and in the window.
// Sumar leaves anything else (false) to EnFila, which does the same sums.
struct RellenoExacto::FilaEntera {
    explicit FilaEntera(long alto) : otro(alto) {}
    long otro; // the piece's height, with its sign
    struct Medida {
        long largo = -1, salto = 0, sobra = 0;
    } medidas[2];

    const Medida& De(long largo)
    {
        Medida& m = medidas[largo & 1];
        if (m.largo != largo) {
            m.largo = largo;
            DividirAbajo(UnPixel * otro, largo, m.salto, m.sobra);
        }
        return m;
    }

    bool Sumar(RellenoExacto& r, long ey, long x1, long x2)
    {
        const std::size_t f = std::size_t(ey - r.minY_);
        const long desde = std::max(r.desde_[f], 0), hasta = r.hasta_[f];
        const long ex1 = Entero(x1) - r.minX_, ex2 = Entero(x2) - r.minX_;
        if (std::min(ex1, ex2) < desde || std::max(ex1, ex2) > hasta || std::max(ex1, ex2) >= r.anchoCeldas_)
            return false;
        Celda* celda = r.celdas_.data() + r.inicio_[f] + (ex1 - r.desde_[f]);
        const long fx1 = Fraccion(x1), fx2 = Fraccion(x2);
        if (ex1 == ex2) {
            ::Sumar(celda, (fx1 + fx2) * otro, otro);
            return true;
        }
        long y = 0, delta, resto, largo, primero;
        int paso;
        if (x2 > x1) {
            largo = x2 - x1;
            primero = UnPixel;
            paso = 1;
            DividirAbajo((UnPixel - fx1) * otro, largo, delta, resto);
        } else {
            largo = x1 - x2;
            primero = 0;
            paso = -1;
            DividirAbajo(fx1 * otro, largo, delta, resto);
        }
        ::Sumar(celda, (fx1 + primero) * delta, delta);
        y += delta;
        celda += paso;
        const Medida& m = De(largo);
        for (long n = (ex2 - ex1) * paso - 1; n > 0; --n, celda += paso) {
            const long d = Avanzar(m.salto, m.sobra, largo, resto);
            ::Sumar(celda, UnPixel * d, d);
            y += d;
        }
        ::Sumar(celda, (UnPixel - primero + fx2) * (otro - y), otro - y);
        return true;
    }
};

// A straight segment from the pen to (x, y), row by row.
void RellenoExacto::Hasta(long x, long y)
{
    const long x0 = x_, y0 = y_;
    x_ = x;
    y_ = y;
    long ey1 = Entero(y0);
    const long ey2 = Entero(y);
    if ((ey1 >= maxY_ && ey2 >= maxY_) || (ey1 < minY_ && ey2 < minY_))
        return;
    const long fy1 = Fraccion(y0);
    const long fy2 = Fraccion(y);
    const auto enCaja = [&](long fila) { return fila >= minY_ && fila < maxY_; };
    if (ey1 == ey2) {
        if (enCaja(ey1))
            EnFila(ey1, x0, fy1, x, fy2);
        return;
    }
    Cruce c(fy1, y - y0, x - x0);
    long xa = x0 + c.delta;
    // Rows outside the box only carry the crossing point along; once the
    // segment has left the box for good, nothing of it is kept.
    if (enCaja(ey1))
        EnFila(ey1, x0, fy1, xa, c.primero);
    ey1 += c.paso;
    // The rows before the box (another band's) are stepped over at once.
    const long antes = c.paso > 0 ? minY_ - ey1 : ey1 - (maxY_ - 1);
    if (antes > 0) {
        xa += c.Saltar(antes);
        ey1 += antes * c.paso;
    }
    FilaEntera entera(c.primero == UnPixel ? UnPixel : -UnPixel);
    while (ey1 != ey2) {
        if (c.paso > 0 ? ey1 >= maxY_ : ey1 < minY_)
            return;
        const long xb = xa + c.Siguiente();
        if (enCaja(ey1) && !entera.Sumar(*this, ey1, xa, xb))
            EnFila(ey1, xa, UnPixel - c.primero, xb, c.primero);
        xa = xb;
        ey1 += c.paso;
    }
    if (enCaja(ey1))
        EnFila(ey1, xa, UnPixel - c.primero, x, fy2);
}

bool RellenoExacto::Llenar(const ContornosFijos& contornos)
{
    std::size_t inicio = 0;
    for (const std::size_t fin : contornos.finales) {
        const PuntoFijo& primero = contornos.puntos[inicio];
        x_ = primero.x;
        y_ = primero.y;
        for (std::size_t i = inicio + 1; i < fin; ++i)
            Hasta(contornos.puntos[i].x, contornos.puntos[i].y);
        Hasta(primero.x, primero.y);
        inicio = fin;
    }
    if (perdida_) // nothing will be painted: the cells must be emptied here
        std::fill_n(celdas_.begin(), usadas_, Celda{});
    return !perdida_;
}

void RellenoExacto::Pintar(uchar* bits, qsizetype porLinea, QRgb color, Cobertura* guardar)
{
    if (!guardar) {
        PintarFilas<false>(bits, porLinea, color, nullptr, nullptr);
        return;
    }
    Preguardar(*guardar);
    PintarFilas<true>(bits, porLinea, color, guardar->K(), guardar->Cola());
}

void RellenoExacto::Guardar(Cobertura& guardar)
{
    Preguardar(guardar);
    PintarFilas<true, false>(nullptr, 0, 0, guardar.K(), guardar.Cola());
}

void RellenoExacto::Preguardar(Cobertura& guardar) const
{
    guardar.x = minX_;
    guardar.y = minY_;
    guardar.ancho = anchoCeldas_;
    guardar.Reservar(desde_.size(), usadas_);
    std::copy(desde_.begin(), desde_.end(), guardar.Desde());
    std::copy(hasta_.begin(), hasta_.end(), guardar.Hasta());
    std::fill_n(guardar.Cola(), guardar.filas, 0);
}

template <bool Guarda, bool Pinta>
void RellenoExacto::PintarFilas(uchar* bits, qsizetype porLinea, QRgb color, std::uint8_t* k, std::uint8_t* cola)
{
    const Mezclador mezclar(color);
    Filas filas{bits, porLinea, minX_, minY_, desde_.data(), hasta_.data(), desde_.size()};
#if defined(__SSE2__)
    const __m128i color16 = Color16(color), cero = _mm_setzero_si128();
#endif
    for (std::size_t fila = 0; fila < filas.cuantas; ++fila) {
        QRgb* const pixeles = Pinta ? filas.Linea(fila) : nullptr;
        long x = desde_[fila];
        Celda* c = celdas_.data() + inicio_[fila];
        long cubre = 0;
        if (x < 0) { // what lies left of the box only winds
            cubre = c->cubre;
            *c++ = {};
            if constexpr (Guarda)
                *k++ = 0;
            ++x;
        }
#if defined(__SSE2__)
        __m128i cubre4 = _mm_set1_epi32(int(cubre));
        for (; x + 3 <= hasta_[fila]; x += 4, c += 4) {
            const __m128i cuanto = CuatroOpacidades(c, cubre4);
            if constexpr (Pinta)
                MezclarCuatro(pixeles + x, cuanto, color16);
            std::memset(static_cast<void*>(c), 0, 4 * sizeof(Celda));
            if constexpr (Guarda) {
                const __m128i bytes = _mm_packus_epi16(_mm_packs_epi32(cuanto, cuanto), cero);
                const int cuatro = _mm_cvtsi128_si32(bytes);
                std::memcpy(k, &cuatro, 4);
                k += 4;
            }
        }
        cubre = _mm_cvtsi128_si32(cubre4);
#endif
        for (; x <= hasta_[fila]; ++x, ++c) {
            cubre += c->cubre;
            const unsigned cuanto = Opacidad(cubre * (UnPixel * 2) - c->area);
            if constexpr (Pinta)
                mezclar(pixeles[x], cuanto);
            *c = {};
            if constexpr (Guarda)
                *k++ = std::uint8_t(cuanto);
        }
        // Cells right of the box were dropped: the row is still covered.
        if (cubre != 0 && x < anchoCeldas_) {
            const unsigned cuanto = Opacidad(cubre * (UnPixel * 2));
            for (; Pinta && x < anchoCeldas_; ++x)
                mezclar(pixeles[x], cuanto);
            if constexpr (Guarda)
                cola[fila] = std::uint8_t(cuanto);
        }
    }
}

void Cobertura::Mezclar(uchar* bits, qsizetype porLinea, QRgb color) const
{
    const Mezclador mezclar(color);
    const int* const desde = Desde();
    const int* const hasta = Hasta();
    const std::uint8_t* const cola = Cola();
    Filas filas{bits, porLinea, x, y, desde, hasta, this->filas};
#if defined(__SSE2__)
    const __m128i color16 = Color16(color), cero = _mm_setzero_si128();
#endif
    const std::uint8_t* siguiente = K();
#if defined(__x86_64__)
    const bool avx2 = ConAvx2();
#endif
    for (std::size_t fila = 0; fila < filas.cuantas; ++fila) {
        QRgb* const pixeles = filas.Linea(fila);
        long columna = std::max(desde[fila], 0);
        const std::uint8_t* cuanto = siguiente + (columna - desde[fila]);
        if (hasta[fila] >= desde[fila])
            siguiente += hasta[fila] - desde[fila] + 1;
#if defined(__x86_64__)
        if (avx2) {
            const long hecho = MezclarOchos(pixeles, cuanto, columna, hasta[fila], color);
            cuanto += hecho - columna;
            columna = hecho;
        }
#endif
#if defined(__SSE2__)
        for (; columna + 3 <= hasta[fila]; columna += 4, cuanto += 4) {
            int cuatro;
            std::memcpy(&cuatro, cuanto, 4);
            const __m128i bytes = _mm_cvtsi32_si128(cuatro);
            MezclarCuatro(pixeles + columna, _mm_unpacklo_epi16(_mm_unpacklo_epi8(bytes, cero), cero), color16);
        }
#endif
        for (; columna <= hasta[fila]; ++columna)
            mezclar(pixeles[columna], *cuanto++);
        if (cola[fila] != 0)
            for (; columna < ancho; ++columna)
                mezclar(pixeles[columna], cola[fila]);
    }
}
