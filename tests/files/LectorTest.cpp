// The graph reader: what it builds from valid files (type, size, entries, edge counts, positions, line 2, the
// spacing it tolerates), and every fault, each on a small file that triggers it: the exact text, shown once,
// as a critical "ERROR" box with an OK button.
#include "files/LecturaPrueba.h"
#include "model/Controles.h"
#include "support/Posiciones.h"

namespace {

const QString Inexistente = "Fichero inexistente o formato incorrecto";
const QString Grande = "Matriz de adyacencia demasiado grande.", Negativo = "El rango no puede ser negativo.";

// A file of the given header and matrix whose n positions lie well inside the work area, so that nothing is
// rescaled.
QByteArray ConPosiciones(const QByteArray& cabeceraYMatriz, int n)
{
    QByteArray texto = cabeceraYMatriz + "\r\n";
    for (int v = 1; v <= n; ++v)
        texto += " " + QByteArray::number(160 * v) + " ,  " + QByteArray::number(300 + v) + " \r\n";
    return texto;
}

// Edges are counted once per undirected edge and once per arc; weighted digraphs count their diagonal, the
// others never do; a lone minus is 0. Values may be separated by any run of spaces, CRs and LFs; only the
// comma's side of X is strict; the file may end right after its last value.
TEST(Lector, CuentaAristasSegunElTipoYAdmiteEspaciadoLibre)
{
    // clang-format off
    const std::pair<const char*, int> casos[] = {
        {"Digrafo\r\n 2 \r\n 0  1 \r\n 1  0 \r\n", 2}, {"Simple\r\n 2 \r\n 0  1 \r\n 1  0 \r\n", 1},
        {"Simple\r\n 2 \r\n 1  1 \r\n 1  0 \r\n", 1},  {"Digrafo\r\n 2 \r\n 1  1 \r\n 0  0 \r\n", 1},
        {"Ponderado\r\n 2 \r\n 7 -5 \r\n-5  0 \r\n", 1}, {"Ponderado\r\n 2 \r\n 0 - \r\n -  0 \r\n", 0},
        {"Digrafo_Ponderado\r\n 2 \r\n 7 -5 \r\n 0  0 \r\n", 2}};
    // clang-format on
    for (const auto& [matriz, aristas] : casos) {
        LecturaPrueba lectura;
        EXPECT_EQ(lectura.Leer(ConPosiciones(matriz, 2)), 0) << lectura.Ultimo();
        EXPECT_TRUE(lectura.Mensajes().empty() && lectura.grafo.dimen() == 2);
        EXPECT_EQ(lectura.grafo.numero_aristas(), aristas) << matriz;
    }
    LecturaPrueba lectura;
    ASSERT_EQ(lectura.Leer("Ponderado\n2\n0\r\r 12\n\n  12 0 250 ,300\n400 ,\r\n  500"), 0) << lectura.Ultimo();
    EXPECT_TRUE(lectura.grafo.elem_matriz(1, 2) == 12 && lectura.grafo.elem_matriz(2, 1) == 12);
    EXPECT_EQ(PosicionesDe(lectura.grafo), (std::vector<Posicion>{{250, 300}, {400, 500}}));
}

TEST(Lector, GrafoVacioYCincuentaVertices)
{
    LecturaPrueba vacio, lectura;
    EXPECT_EQ(vacio.Leer("Digrafo\r\n0"), 0);
    EXPECT_TRUE(vacio.Mensajes().empty() && vacio.grafo.dimen() == 0 && !vacio.documento.GrafoModificado);
    QByteArray texto = "Simple\r\n 50 \r\n";
    for (int i = 1; i <= 50; ++i)
        texto += QByteArray(" 1 ").repeated(i - 1) + " 0 " + QByteArray(" 1 ").repeated(50 - i) + "\r\n";
    ASSERT_EQ(lectura.Leer(ConPosiciones(texto, 50)), 0) << lectura.Ultimo();
    EXPECT_EQ(lectura.grafo.numero_aristas(), 1225);
    EXPECT_TRUE(lectura.grafo.Posic_CoordX(50) == 8000 && lectura.grafo.Posic_CoordY(50) == 350);
    // The window follows the graph: the simple-graph commands are on.
    EXPECT_TRUE(lectura.entorno.comandos.Habilitado(Control::mnu_Brelaz));
}

// Line 2: a plain decimal number, spaces around it ignored, a fraction rounded half to even; anything else,
// or a value past 16 bits, is refused.
TEST(Lector, LeeLaSegundaLinea)
{
    // The line and the size it gives, or the message it gets.
    // clang-format off
    const std::pair<const char*, QString> casos[] = {
        {"   3   ", "3"}, {"+3", "3"}, {"2.5", "2"}, {"3.5", "4"}, {"2.5000001", "3"}, {"-0.5", "0"},
        {"50.5", "50"}, {"50.6", Grande}, {"-1.5", Negativo}, {"-32769", Inexistente}, {"32767.5", Inexistente},
        {"32767.4", Grande}, {"99999999999999999999999999", Inexistente}, {"3 4", Inexistente},
        {"3.5.1", Inexistente}, {"", Inexistente}};
    // clang-format on
    for (const auto& [linea, esperado] : casos) {
        const int n = esperado.toInt(); // an all-zero matrix of the size expected
        QByteArray matriz = "Digrafo\r\n" + QByteArray(linea) + "\r\n";
        for (int i = 0; i < n; ++i)
            matriz += QByteArray(" 0").repeated(n) + " \r\n";
        LecturaPrueba lectura;
        const bool leido = lectura.Leer(ConPosiciones(matriz, n)) == 0;
        EXPECT_EQ(leido ? QString::number(lectura.grafo.dimen()) : lectura.entorno.interaccion.UltimoTexto(), esperado)
            << '"' << linea << '"';
    }
}

// Reads the bytes, which must fail with a single critical message: its text.
QString Fallo(const QByteArray& bytes)
{
    LecturaPrueba lectura;
    EXPECT_NE(lectura.Leer(bytes), 0);
    const std::vector<MensajeVisto>& m = lectura.Mensajes();
    EXPECT_TRUE(m.size() == 1 && m[0].titulo == "ERROR" && m[0].icono == Icono::Critico &&
                m[0].botones == Botones::Aceptar && !lectura.documento.GrafoModificado)
        << bytes.left(80).toPercentEncoding(" ,-").toStdString();
    return m.empty() ? QString() : m.back().texto;
}

TEST(LectorFallos, CadaFalloDaSuMensaje)
{
    const QByteArray s2 = "Simple\r\n 2 \r\n", p2 = "Ponderado\r\n 2 \r\n", m2 = " 0  1 \r\n 1  0 \r\n\r\n";
    const QString incorrecto = "Peso incorrecto.";
    // The header: line 2 is checked, size then sign, before the type on line 1.
    EXPECT_EQ(Fallo(""), Inexistente);
    EXPECT_EQ(Fallo("Grafo raro\r\n 51 \r\n"), Grande);
    EXPECT_EQ(Fallo("simple\r\n -3 \r\n"), Negativo);
    EXPECT_EQ(Fallo("simple\r\n 2 \r\n" + m2), "Formato de archivo incorrecto; tipo de grafo desconocido");
    // The matrix.
    EXPECT_EQ(Fallo(s2 + " 0   \r\n"), "La matriz de adyacencia está incompleta.");
    EXPECT_EQ(Fallo(s2 + " 0  2 \r\n"),
              "El valor de los elementos de la matriz de adyacencia debe ser 0 o 1 para un grafo SIMPLE");
    EXPECT_EQ(Fallo("Digrafo\r\n 2 \r\n 0 x \r\n"),
              "El valor de los elementos de la matriz de adyacencia debe ser 0 o 1 para un DIGRAFO");
    EXPECT_EQ(Fallo(s2 + " 01  1 \r\n"), "Se esperaba separador entre valores.");
    EXPECT_EQ(Fallo(p2 + " 0  12a \r\n"), "Peso no numérico.");
    EXPECT_EQ(Fallo(p2 + " 0  10000 \r\n"), incorrecto);
    EXPECT_EQ(Fallo(p2 + " 0  99999999999999999999999 \r\n"), incorrecto);
    EXPECT_EQ(Fallo("Simple\r\n 3 \r\n 0  1"), "Formato de archivo incorrecto");
    EXPECT_EQ(Fallo(p2 + " 0  5 \r\n 6  0 \r\n\r\n 300 , 300 \r\n 600 , 600 \r\n"),
              "La matriz de adyacencia de este grafo debe ser simétrica");
    // The positions; a matrix cut short at the end of a row is found missing here.
    EXPECT_EQ(Fallo("Simple\r\n 3 \r\n 0 1 0\r\n 1 0 1"), "Faltan posiciones para los vértices.");
    EXPECT_EQ(Fallo(s2 + m2 + "250, 300\r\n 400 , 400\r\n"), "Posición no numérica");
    EXPECT_EQ(Fallo(s2 + m2 + " 40000 , 300 \r\n"), Inexistente);
    EXPECT_EQ(Fallo(s2 + m2 + " 250"), "Formato de archivo incorrecto; insuficientes posiciones");
    EXPECT_EQ(Fallo(s2 + m2 + " 250  300 \r\n"), "Las posiciones X e Y deben separarse por una coma ','");

    LecturaPrueba lectura; // the record keeps the type and size it took before the checks
    EXPECT_NE(lectura.Leer("Digrafo\r\n 51 \r\n"), 0);
    EXPECT_TRUE(lectura.grafo.Tipo() == TipoGrafo::Digrafo && lectura.grafo.dimen() == 51);
}

// Only regular files are read: a missing file or a folder is "no such file".
TEST(LectorFallos, FicheroQueNoExisteOCarpeta)
{
    LecturaPrueba lectura;
    for (const QString& ruta : {lectura.Ruta("no-existe.grf"), lectura.carpeta.path()}) {
        lectura.entorno.interaccion.mensajes.clear();
        lectura.documento.GrafoModificado = true;
        EXPECT_NE(lectura.LeerRuta(ruta), 0);
        EXPECT_EQ(lectura.Mensajes(),
                  (std::vector<MensajeVisto>{{Inexistente, "ERROR", Icono::Critico, Botones::Aceptar}}));
        EXPECT_FALSE(lectura.documento.GrafoModificado);
    }
}

} // namespace
