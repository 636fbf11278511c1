// Any bytes at all either load or get exactly one of the reader's messages:
// truncations and mutations of valid files and random text, seeded. What
// loads must also survive a write and a second read unchanged.
#include <QBuffer>
#include <random>

#include "files/Escritor.h"
#include "files/LecturaPrueba.h"

namespace {

const QStringList MensajesDelLector = {
    "Fichero inexistente o formato incorrecto",
    "Matriz de adyacencia demasiado grande.",
    "El rango no puede ser negativo.",
    "Formato de archivo incorrecto; tipo de grafo desconocido",
    "La matriz de adyacencia está incompleta.",
    "El valor de los elementos de la matriz de adyacencia debe ser 0 o 1 para un grafo SIMPLE",
    "El valor de los elementos de la matriz de adyacencia debe ser 0 o 1 para un DIGRAFO",
    "Se esperaba separador entre valores.",
    "Peso no numérico.",
    "Peso incorrecto.",
    "Formato de archivo incorrecto",
    "La matriz de adyacencia de este grafo debe ser simétrica",
    "Faltan posiciones para los vértices.",
    "Posición no numérica",
    "Formato de archivo incorrecto; insuficientes posiciones",
    "Las posiciones X e Y deben separarse por una coma ','",
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

struct Recuento {
    int leidos = 0;
    int rechazados = 0;
};

bool MismoGrafo(const Grafo& a, const Grafo& b)
{
    if (a.Tipo() != b.Tipo() || a.dimen() != b.dimen() || a.numero_aristas() != b.numero_aristas())
        return false;
    for (int i = 1; i <= a.dimen(); ++i)
        for (int j = 1; j <= a.dimen(); ++j)
            if (a.elem_matriz(i, j) != b.elem_matriz(i, j))
                return false;
    return true;
}

std::int16_t LeerBytes(const QByteArray& bytes, Grafo& grafo, InteraccionGuion& io)
{
    QBuffer origen;
    origen.setData(bytes);
    origen.open(QIODevice::ReadOnly);
    return LeerGrafo(origen, grafo, io, AreaPrueba);
}

void Comprobar(const QByteArray& bytes, Recuento& recuento)
{
    SCOPED_TRACE(bytes.toPercentEncoding(" ,-").toStdString());
    Grafo grafo;
    InteraccionGuion io;
    if (LeerBytes(bytes, grafo, io) != 0) {
        ++recuento.rechazados;
        ASSERT_EQ(io.mensajes.size(), 1u);
        EXPECT_TRUE(MensajesDelLector.contains(io.mensajes[0].texto)) << io.mensajes[0].texto.toStdString();
        EXPECT_EQ(io.mensajes[0].titulo, "ERROR");
        return;
    }
    ++recuento.leidos;
    ASSERT_TRUE(io.mensajes.empty());
    ASSERT_GE(grafo.dimen(), 0);
    ASSERT_LE(grafo.dimen(), Grafo::Limite);
    Grafo releido;
    ASSERT_EQ(LeerBytes(TextoGrafo(grafo), releido, io), 0) << io.UltimoTexto().toStdString();
    EXPECT_TRUE(MismoGrafo(grafo, releido));
}

QByteArray Mutar(QByteArray texto, std::mt19937& azar)
{
    static const QByteArray Alfabeto = "0123456789 -,.\r\n\r\n   01";
    std::uniform_int_distribution<int> operacion(0, 4);
    const int cambios = 1 + int(azar() % 4);
    for (int k = 0; k < cambios && !texto.isEmpty(); ++k) {
        const int pos = int(azar() % texto.size());
        const char c = azar() % 8 == 0 ? char(azar()) : Alfabeto[int(azar() % Alfabeto.size())];
        switch (operacion(azar)) {
        case 0:
            texto[pos] = c;
            break;
        case 1:
            texto.insert(pos, c);
            break;
        case 2:
            texto.remove(pos, 1 + int(azar() % 3));
            break;
        case 3:
            texto.insert(pos, texto.mid(pos, 1 + int(azar() % 12)));
            break;
        default:
            texto.truncate(pos);
            break;
        }
    }
    return texto;
}

QByteArray Aleatorio(std::mt19937& azar)
{
    static const char* Cabeceras[] = {"Simple", "Ponderado", "Digrafo", "Digrafo_Ponderado", "", "Simplex"};
    static const char* Tamaños[] = {"0", "1", "2", " 3 ", "5", "50", "51", "-1", "2.5", "x", "40000"};
    QByteArray texto = QByteArray(Cabeceras[azar() % 6]) + "\r\n" + Tamaños[azar() % 11] + "\r\n";
    const int largo = int(azar() % 200);
    for (int k = 0; k < largo; ++k)
        texto += azar() % 16 == 0 ? char(azar()) : " 0123456789-,\r\n 1 0 "[azar() % 21];
    return texto;
}

TEST(RobustezLector, TodosLosTruncamientos)
{
    Recuento recuento;
    for (const QByteArray& valido : Validos)
        for (qsizetype largo = 0; largo <= valido.size(); ++largo)
            Comprobar(valido.left(largo), recuento);
    EXPECT_GT(recuento.leidos, 4);
    EXPECT_GT(recuento.rechazados, 300);
}

TEST(RobustezLector, MutacionesDeFicherosValidos)
{
    std::mt19937 azar(20240611);
    Recuento recuento;
    for (int caso = 0; caso < 3000; ++caso)
        Comprobar(Mutar(Validos[caso % std::size(Validos)], azar), recuento);
    // Both outcomes must be exercised for the check to mean anything.
    EXPECT_GT(recuento.leidos, 200);
    EXPECT_GT(recuento.rechazados, 1000);
}

TEST(RobustezLector, TextoAleatorio)
{
    std::mt19937 azar(7);
    Recuento recuento;
    for (int caso = 0; caso < 2000; ++caso)
        Comprobar(Aleatorio(azar), recuento);
    EXPECT_GT(recuento.leidos, 20);
    EXPECT_GT(recuento.rechazados, 1000);
}

TEST(RobustezLector, BytesCualesquiera)
{
    std::mt19937 azar(99);
    Recuento recuento;
    for (int caso = 0; caso < 1000; ++caso) {
        QByteArray texto(int(azar() % 300), '\0');
        for (char& c : texto)
            c = char(azar());
        Comprobar(texto, recuento);
    }
    EXPECT_EQ(recuento.rechazados, 1000);
}

} // namespace
