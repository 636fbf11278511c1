// What the graph reader builds from valid files: type, size, entries, edge
// counts, positions, and how it reads line 2 and the spacing it tolerates.
#include "files/LecturaPrueba.h"
#include "model/Controles.h"

namespace {

// A file of the given type and matrix text whose n positions lie well
// inside the work area, so that nothing is rescaled.
QByteArray ConPosiciones(const QByteArray& cabeceraYMatriz, int n)
{
    QByteArray texto = cabeceraYMatriz + "\r\n";
    for (int v = 1; v <= n; ++v)
        texto += " " + QByteArray::number(160 * v) + " ,  " + QByteArray::number(300 + v) + " \r\n";
    return texto;
}

struct Cuenta {
    const char* nombre;
    QByteArray fichero;
    int aristas;
};

// Names the row in failure reports instead of dumping its bytes.
void PrintTo(const Cuenta& fila, std::ostream* os)
{
    *os << fila.nombre;
}

// Edges are counted once per undirected edge and once per arc; weighted
// digraphs count their diagonal, the others never do.
const Cuenta Cuentas[] = {
    {"DigrafoDosArcos", "Digrafo\r\n 2 \r\n 0  1 \r\n 1  0 \r\n", 2},
    {"SimpleUnaArista", "Simple\r\n 2 \r\n 0  1 \r\n 1  0 \r\n", 1},
    {"SimpleConLazo", "Simple\r\n 2 \r\n 1  1 \r\n 1  0 \r\n", 1},
    {"DigrafoConLazo", "Digrafo\r\n 2 \r\n 1  1 \r\n 0  0 \r\n", 1},
    {"PonderadoConLazo", "Ponderado\r\n 2 \r\n 7 -5 \r\n-5  0 \r\n", 1},
    {"DigrafoPonderadoConLazo", "Digrafo_Ponderado\r\n 2 \r\n 7 -5 \r\n 0  0 \r\n", 2},
    {"PonderadoGuionSoloEsCero", "Ponderado\r\n 2 \r\n 0 - \r\n -  0 \r\n", 0},
};

class LectorCuenta : public testing::TestWithParam<Cuenta> {};

TEST_P(LectorCuenta, CuentaAristasSegunElTipo)
{
    LecturaPrueba lectura;
    ASSERT_EQ(lectura.Leer(ConPosiciones(GetParam().fichero, 2)), 0)
        << lectura.entorno.interaccion.UltimoTexto().toStdString();
    EXPECT_TRUE(lectura.Mensajes().empty());
    EXPECT_EQ(lectura.grafo.numero_aristas(), GetParam().aristas);
    EXPECT_EQ(lectura.grafo.dimen(), 2);
}

INSTANTIATE_TEST_SUITE_P(Tipos, LectorCuenta, testing::ValuesIn(Cuentas),
                         [](const auto& info) { return std::string(info.param.nombre); });

TEST(Lector, PesosEnLosLimites)
{
    LecturaPrueba lectura;
    ASSERT_EQ(lectura.Leer(ConPosiciones("Digrafo_Ponderado\r\n 2 \r\n 0 -9999 \r\n 9999 -5 \r\n", 2)), 0);
    EXPECT_EQ(lectura.grafo.Tipo(), TipoGrafo::Digrafo_Ponderado);
    EXPECT_EQ(lectura.grafo.elem_matriz(1, 2), -9999);
    EXPECT_EQ(lectura.grafo.elem_matriz(2, 1), 9999);
    EXPECT_EQ(lectura.grafo.elem_matriz(2, 2), -5);
    EXPECT_EQ(lectura.grafo.numero_aristas(), 3);
}

TEST(Lector, EspaciadoLibre)
{
    // Values may be separated by any run of spaces, CRs and LFs; only the
    // comma's side of X is strict.
    const QByteArray fichero = "Ponderado\n2\n0\r\r 12\n\n  12 0 250 ,300\n400 ,\r\n  500\n";
    LecturaPrueba lectura;
    ASSERT_EQ(lectura.Leer(fichero), 0) << lectura.entorno.interaccion.UltimoTexto().toStdString();
    EXPECT_EQ(lectura.grafo.elem_matriz(1, 2), 12);
    EXPECT_EQ(lectura.grafo.elem_matriz(2, 1), 12);
    EXPECT_EQ(lectura.grafo.Posic_CoordX(1), 250);
    EXPECT_EQ(lectura.grafo.Posic_CoordY(1), 300);
    EXPECT_EQ(lectura.grafo.Posic_CoordX(2), 400);
    EXPECT_EQ(lectura.grafo.Posic_CoordY(2), 500);
}

TEST(Lector, ElFicheroPuedeTerminarTrasElUltimoValor)
{
    LecturaPrueba lectura;
    ASSERT_EQ(lectura.Leer("Digrafo\r\n 2 \r\n 0 1 0 1\r\n\r\n 400 , 500 \r\n 600 , 700"), 0)
        << lectura.entorno.interaccion.UltimoTexto().toStdString();
    EXPECT_EQ(lectura.grafo.Posic_CoordY(2), 700);
    EXPECT_EQ(lectura.grafo.elem_matriz(2, 2), 1);
}

TEST(Lector, GrafoVacio)
{
    for (const QByteArray& fichero : {QByteArray("Simple\r\n 0 \r\n\r\n"), QByteArray("Digrafo\r\n0")}) {
        LecturaPrueba lectura;
        EXPECT_EQ(lectura.Leer(fichero), 0);
        EXPECT_TRUE(lectura.Mensajes().empty());
        EXPECT_EQ(lectura.grafo.dimen(), 0);
        EXPECT_FALSE(lectura.documento.GrafoModificado);
    }
}

TEST(Lector, CincuentaVerticesCompleto)
{
    QByteArray texto = "Simple\r\n 50 \r\n";
    for (int i = 1; i <= 50; ++i) {
        for (int j = 1; j <= 50; ++j)
            texto += i == j ? " 0 " : " 1 ";
        texto += "\r\n";
    }
    LecturaPrueba lectura;
    ASSERT_EQ(lectura.Leer(ConPosiciones(texto, 50)), 0);
    EXPECT_EQ(lectura.grafo.numero_aristas(), 1225);
    EXPECT_EQ(lectura.grafo.Posic_CoordX(50), 8000);
    EXPECT_EQ(lectura.grafo.Posic_CoordY(50), 350);
}

// A successful read leaves the window as the graph allows: the simple-graph
// commands on for a "Simple" graph with vertices.
TEST(Lector, ActualizaLosComandosDelGrafo)
{
    LecturaPrueba lectura;
    ASSERT_EQ(lectura.Leer(ConPosiciones("Simple\r\n 2 \r\n 0 1 \r\n 1 0 \r\n", 2)), 0);
    EXPECT_TRUE(lectura.entorno.comandos.Habilitado(Control::mnu_Brelaz));
    EXPECT_TRUE(lectura.entorno.comandos.Habilitado(Control::Arbol_Busqueda));
}

// Line 2: a plain decimal number, spaces around it ignored, a fraction
// rounded half to even; anything else, or a value past 16 bits, is refused.
struct Tamaño {
    const char* nombre;
    QByteArray linea;
    int n;           // the size read, when accepted
    QString mensaje; // "" when accepted
};

// Names the row in failure reports instead of dumping its bytes.
void PrintTo(const Tamaño& fila, std::ostream* os)
{
    *os << fila.nombre;
}

const QString Inexistente = "Fichero inexistente o formato incorrecto";

const Tamaño Tamaños[] = {
    {"Espacios", "   3   ", 3, ""},
    {"SignoMas", "+3", 3, ""},
    {"CerosDelante", "0000000000000000000000003", 3, ""},
    {"MedioHaciaElPar", "2.5", 2, ""},
    {"MedioHaciaElParArriba", "3.5", 4, ""},
    {"MasDeMedio", "2.5000001", 3, ""},
    {"MenosDeMedio", "2.4999", 2, ""},
    {"SoloFraccion", ".5", 0, ""},
    {"PuntoFinal", "3.", 3, ""},
    {"MenosMedioEsCero", "-0.5", 0, ""},
    {"CincuentaYMedio", "50.5", 50, ""},
    {"CincuentaYUnoRedondeado", "50.6", 0, "Matriz de adyacencia demasiado grande."},
    {"NegativoRedondeado", "-1.5", 0, "El rango no puede ser negativo."},
    {"MinimoDeDieciseisBits", "-32768.5", 0, "El rango no puede ser negativo."},
    {"BajoDieciseisBits", "-32769", 0, Inexistente},
    {"RedondeoDesborda", "32767.5", 0, Inexistente},
    {"MaximoDeDieciseisBits", "32767.4", 0, "Matriz de adyacencia demasiado grande."},
    {"MuchasCifras", "99999999999999999999999999", 0, Inexistente},
    {"DosNumeros", "3 4", 0, Inexistente},
    {"Exponente", "1e1", 0, Inexistente},
    {"Hexadecimal", "0x3", 0, Inexistente},
    {"Tabulador", "\t3", 0, Inexistente},
    {"SoloSigno", "-", 0, Inexistente},
    {"DosPuntos", "3.5.1", 0, Inexistente},
    {"EspacioTrasSigno", "- 3", 0, Inexistente},
};

class LectorDimension : public testing::TestWithParam<Tamaño> {};

TEST_P(LectorDimension, LeeLaSegundaLinea)
{
    const Tamaño& t = GetParam();
    QByteArray matriz = "Digrafo\r\n" + t.linea + "\r\n";
    for (int i = 0; i < t.n; ++i)
        matriz += QByteArray(" 0").repeated(t.n) + " \r\n";
    LecturaPrueba lectura;
    const std::int16_t r = lectura.Leer(ConPosiciones(matriz, t.n));
    EXPECT_EQ(lectura.entorno.interaccion.UltimoTexto(), t.mensaje);
    if (t.mensaje.isEmpty()) {
        EXPECT_EQ(r, 0);
        EXPECT_EQ(lectura.grafo.dimen(), t.n);
    }
}

INSTANTIATE_TEST_SUITE_P(Linea2, LectorDimension, testing::ValuesIn(Tamaños),
                         [](const auto& info) { return std::string(info.param.nombre); });

TEST(Lector, LineaDeTipoLarguisima)
{
    // Still read to its end: the size on line 2 is checked before the type.
    LecturaPrueba lectura;
    EXPECT_NE(lectura.Leer(QByteArray(100000, 'S') + "\r\n 60 \r\n"), 0);
    EXPECT_EQ(lectura.entorno.interaccion.UltimoTexto(), "Matriz de adyacencia demasiado grande.");
}

} // namespace
