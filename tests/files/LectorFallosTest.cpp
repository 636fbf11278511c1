// Every fault of the graph reader, each on a small file that triggers it: the
// exact text, shown once, as a critical "ERROR" box with an OK button.
#include "files/LecturaPrueba.h"

namespace {

struct Fallo {
    const char* nombre;
    QByteArray bytes;
    QString mensaje;
};

// Names the row in failure reports instead of dumping its bytes.
void PrintTo(const Fallo& fila, std::ostream* os)
{
    *os << fila.nombre;
}

const QString Inexistente = "Fichero inexistente o formato incorrecto";
const QString Grande = "Matriz de adyacencia demasiado grande.";
const QString Negativo = "El rango no puede ser negativo.";
const QString Desconocido = "Formato de archivo incorrecto; tipo de grafo desconocido";
const QString Incompleta = "La matriz de adyacencia está incompleta.";
const QString Formato = "Formato de archivo incorrecto";
const QString Simetrica = "La matriz de adyacencia de este grafo debe ser simétrica";
const QString Faltan = "Faltan posiciones para los vértices.";
const QString NoNumerica = "Posición no numérica";
const QString Insuficientes = "Formato de archivo incorrecto; insuficientes posiciones";
const QString Coma = "Las posiciones X e Y deben separarse por una coma ','";
const QString PesoNoNumerico = "Peso no numérico.";
const QString PesoIncorrecto = "Peso incorrecto.";

const QByteArray Simple2 = "Simple\r\n 2 \r\n";
const QByteArray Ponderado2 = "Ponderado\r\n 2 \r\n";
const QByteArray Matriz2 = " 0  1 \r\n 1  0 \r\n\r\n";

const Fallo Fallos[] = {
    {"FicheroVacio", "", Inexistente},
    {"SinLineaDeDimension", "Simple", Inexistente},
    {"DimensionNoNumerica", "Simple\r\ntres\r\n", Inexistente},
    {"DimensionVacia", "Simple\r\n\r\n", Inexistente},
    {"DimensionDesbordaDieciseisBits", "Simple\r\n 40000 \r\n", Inexistente},
    {"DemasiadoGrande", "Simple\r\n 51 \r\n", Grande},
    {"DimensionAntesQueTipo", "Grafo raro\r\n 51 \r\n", Grande},
    {"RangoNegativo", "Simple\r\n-1\r\n", Negativo},
    {"NegativoAntesQueTipo", "simple\r\n -3 \r\n", Negativo},
    {"TipoEnMinusculas", "simple\r\n 2 \r\n" + Matriz2, Desconocido},
    {"TipoConEspacioFinal", "Simple \r\n 0 \r\n", Desconocido},
    {"MatrizAusente", Simple2, Incompleta},
    {"FinSaltandoSeparadores", Simple2 + " 0   \r\n", Incompleta},
    {"ElementoSeguidoDeUltimoByte", "Simple\r\n 1 \r\n 0 ", Incompleta},
    {"PesosAusentes", Ponderado2 + "  ", Incompleta},
    {"ElementoNoBinarioSimple", Simple2 + " 0  2 \r\n",
     "El valor de los elementos de la matriz de adyacencia debe ser 0 o 1 para un grafo SIMPLE"},
    {"ElementoNoBinarioDigrafo", "Digrafo\r\n 2 \r\n 0 x \r\n",
     "El valor de los elementos de la matriz de adyacencia debe ser 0 o 1 para un DIGRAFO"},
    {"FaltaSeparador", Simple2 + " 01  1 \r\n", "Se esperaba separador entre valores."},
    {"PesoConLetra", Ponderado2 + " 0  12a \r\n", PesoNoNumerico},
    {"GuionSeguidoDeLetra", Ponderado2 + " 0 -x \r\n", PesoNoNumerico},
    {"PesoDemasiadoAlto", Ponderado2 + " 0  10000 \r\n", PesoIncorrecto},
    {"PesoDemasiadoBajo", Ponderado2 + " 0 -10000 \r\n", PesoIncorrecto},
    {"PesoDeMuchasCifras", Ponderado2 + " 0  99999999999999999999999 \r\n", PesoIncorrecto},
    {"MuchasCifrasYLetra", Ponderado2 + " 0  99999999999999999999999a \r\n", PesoNoNumerico},
    {"FinDentroDeLaMatriz01", "Simple\r\n 3 \r\n 0  1", Formato},
    {"FinDentroDeLosPesos", "Ponderado\r\n 3 \r\n 0  5", Formato},
    {"SimpleNoSimetrico", Simple2 + " 0  1 \r\n 0  0 \r\n\r\n 300 , 300 \r\n 600 , 600 \r\n", Simetrica},
    {"PonderadoNoSimetrico", Ponderado2 + " 0  5 \r\n 6  0 \r\n\r\n 300 , 300 \r\n 600 , 600 \r\n",
     Simetrica},
    {"SinPosiciones", Simple2 + Matriz2, Faltan},
    {"MatrizCortaAlFinalDeFila", "Simple\r\n 3 \r\n 0 1 0\r\n 1 0 1", Faltan},
    {"ComaPegadaAX", Simple2 + Matriz2 + "250, 300\r\n 400 , 400\r\n", NoNumerica},
    {"PosicionNegativa", Simple2 + Matriz2 + "-250 , 300\r\n", NoNumerica},
    {"PosicionDesbordaDieciseisBits", Simple2 + Matriz2 + " 40000 , 300 \r\n", Inexistente},
    {"FinTrasPrimeraX", Simple2 + Matriz2 + " 250", Insuficientes},
    {"SinComa", Simple2 + Matriz2 + " 250  300 \r\n", Coma},
    {"ComaEnLineaSiguiente", Simple2 + Matriz2 + " 250\r\n, 300 \r\n", Coma},
    {"FinTrasPrimeraY", Simple2 + Matriz2 + " 250 , 300", Formato},
    {"FinBuscandoLaComa", "Simple\r\n 1 \r\n 0 \r\n\r\n 250  ", Inexistente},
};

class LectorFallos : public testing::TestWithParam<Fallo> {};

TEST_P(LectorFallos, MuestraUnSoloMensajeYFalla)
{
    LecturaPrueba lectura;
    EXPECT_NE(lectura.Leer(GetParam().bytes), 0);
    ASSERT_EQ(lectura.Mensajes().size(), 1u);
    const MensajeVisto& m = lectura.Mensajes().front();
    EXPECT_EQ(m.texto, GetParam().mensaje);
    EXPECT_EQ(m.titulo, "ERROR");
    EXPECT_EQ(m.icono, Icono::Critico);
    EXPECT_EQ(m.botones, Botones::Aceptar);
    EXPECT_FALSE(lectura.documento.GrafoModificado);
}

INSTANTIATE_TEST_SUITE_P(Tabla, LectorFallos, testing::ValuesIn(Fallos),
                         [](const auto& info) { return std::string(info.param.nombre); });

TEST(LectorFallos, FicheroQueNoExisteOCarpeta)
{
    LecturaPrueba lectura;
    for (const QString& ruta : {lectura.Ruta("no-existe.grf"), lectura.carpeta.path()}) {
        lectura.entorno.interaccion.mensajes.clear();
        lectura.documento.GrafoModificado = true;
        EXPECT_NE(LeerGrafo(ruta, lectura.grafo, lectura.documento, lectura.entorno.interaccion, AreaPrueba),
                  0);
        EXPECT_EQ(lectura.entorno.interaccion.UltimoTexto(), Inexistente);
        EXPECT_FALSE(lectura.documento.GrafoModificado);
    }
}

// The record takes type and size before the checks, and keeps them.
TEST(LectorFallos, TipoYDimensionQuedanEnElRegistro)
{
    LecturaPrueba lectura;
    EXPECT_NE(lectura.Leer("Digrafo\r\n 51 \r\n"), 0);
    EXPECT_EQ(lectura.grafo.Tipo(), TipoGrafo::Digrafo);
    EXPECT_EQ(lectura.grafo.dimen(), 51);
}

} // namespace
