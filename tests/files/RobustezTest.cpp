// Any bytes at all either load or get exactly one of the reader's messages: every truncation of valid files,
// and seeded random mutations of them. What loads must also survive a write and a second read unchanged.
#include <QBuffer>
#include <random>

#include "files/Escritor.h"
#include "files/LecturaPrueba.h"
#include "files/MensajesLector.h"

namespace {

using namespace MensajeLector;
const QStringList MensajesDelLector = {
    FicheroInexistente, DemasiadoGrande,    RangoNegativo,           TipoDesconocido,
    Incompleta,         NoBinarioSimple,    NoBinarioDigrafo,        FaltaSeparador,
    PesoNoNumerico,     PesoIncorrecto,     FormatoIncorrecto,       NoSimetrica,
    FaltanPosiciones,   PosicionNoNumerica, InsuficientesPosiciones, FaltaComa,
};

const QByteArray Validos[] = {
    "Simple\r\n 4 \r\n 0  1  1  0 \r\n 1  0  1  1 \r\n 1  1  0  0 \r\n 0  1  0  0 \r\n\r\n"
    " 900 ,  800 \r\n 2000 ,  800 \r\n 1500 ,  2500 \r\n 100 ,  3000 \r\n",
    "Ponderado\r\n 3 \r\n 0 -12  7 \r\n-12  0  9999 \r\n 7  9999  0 \r\n\r\n"
    " 1200 ,  1200 \r\n 4000 ,  1200 \r\n 2600 ,  4000 \r\n",
    "Digrafo_Ponderado\r\n 3 \r\n 5  1  0 \r\n 0  0 -3 \r\n 44  0  0 \r\n\r\n"
    " 8900 ,  300 \r\n 20 ,  5900 \r\n 4000 ,  3000 \r\n",
    "Digrafo\n2\n0 1\n1 0\n\n250 ,300\n400 ,\n500",
};

std::int16_t LeerBytes(QByteArray bytes, Grafo& grafo, InteraccionGuion& io)
{
    QBuffer origen(&bytes);
    origen.open(QIODevice::ReadOnly);
    return LeerGrafo(origen, grafo, io, AreaPrueba);
}

struct Recuento {
    int leidos = 0, rechazados = 0;

    void Comprobar(const QByteArray& bytes)
    {
        SCOPED_TRACE(bytes.toPercentEncoding(" ,-").toStdString());
        Grafo grafo, releido;
        InteraccionGuion io;
        if (LeerBytes(bytes, grafo, io) != 0) {
            ++rechazados;
            ASSERT_EQ(io.mensajes.size(), 1u);
            EXPECT_TRUE(MensajesDelLector.contains(io.mensajes[0].texto) && io.mensajes[0].titulo == "ERROR")
                << io.mensajes[0].texto.toStdString();
            return;
        }
        ++leidos;
        ASSERT_TRUE(io.mensajes.empty() && grafo.dimen() >= 0 && grafo.dimen() <= Grafo::Limite);
        ASSERT_EQ(LeerBytes(TextoGrafo(grafo), releido, io), 0) << io.UltimoTexto().toStdString();
        EXPECT_TRUE(grafo == releido) << "positions included";
    }
};

// One to four splices: a few bytes replaced by none, one or two others or by a copy of what follows them, or
// the file cut short.
QByteArray Mutar(QByteArray texto, std::mt19937& azar)
{
    static const QByteArray Alfabeto = "0123456789 -,.\r\n\r\n   01";
    for (int k = 1 + int(azar() % 4); k > 0 && !texto.isEmpty(); --k) {
        const int pos = int(azar() % texto.size());
        const char c = azar() % 8 == 0 ? char(azar()) : Alfabeto[int(azar() % Alfabeto.size())];
        const QByteArray nuevo =
            azar() % 4 == 0 ? texto.mid(pos, 1 + int(azar() % 12)) : QByteArray(int(azar() % 3), c);
        texto = azar() % 5 == 0 ? texto.left(pos) : texto.left(pos) + nuevo + texto.mid(pos + int(azar() % 4));
    }
    return texto;
}

// Both outcomes must be exercised for each kind of input to mean anything.
TEST(RobustezLector, CualquierEntradaSeLeeOSeRechazaConUnMensaje)
{
    Recuento truncados, mutados;
    for (const QByteArray& valido : Validos)
        for (qsizetype largo = 0; largo <= valido.size(); ++largo)
            truncados.Comprobar(valido.left(largo));
    EXPECT_TRUE(truncados.leidos > 4 && truncados.rechazados > 300);

    std::mt19937 azar(20240611);
    for (int caso = 0; caso < 5000; ++caso)
        mutados.Comprobar(Mutar(Validos[caso % std::size(Validos)], azar));
    EXPECT_TRUE(mutados.leidos > 300 && mutados.rechazados > 2000);
}

} // namespace
