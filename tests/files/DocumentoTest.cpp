// The short file name shown in the caption and the save message.
#include <gtest/gtest.h>

#include "files/Documento.h"

namespace {

struct Nombre {
    const char* nombre;
    QString ruta;
    QString corto;
};

// Names the row in failure reports instead of dumping its bytes.
void PrintTo(const Nombre& fila, std::ostream* os)
{
    *os << fila.nombre;
}

const Nombre Nombres[] = {
    {"SinFichero", "", "SinNombre.grf"},
    {"BarraInvertida", "C:\\grafos\\k5.grf", "k5.grf"},
    {"Barra", "/home/ana/grafos/k5.grf", "k5.grf"},
    {"Mezcla", "C:\\grafos/clase\\petersen.grf", "petersen.grf"},
    {"MezclaAlReves", "/datos\\clase/rueda.txt", "rueda.txt"},
    {"SinCarpeta", "k5.grf", "k5.grf"},
    {"AcentosYEspacios", "/tmp/Árbol de prueba.grf", "Árbol de prueba.grf"},
};

class NombreCorto : public testing::TestWithParam<Nombre> {};

TEST_P(NombreCorto, TrasLaUltimaBarra)
{
    EXPECT_EQ((Documento{GetParam().ruta, false}.NombreCorto()), GetParam().corto);
}

INSTANTIATE_TEST_SUITE_P(Rutas, NombreCorto, testing::ValuesIn(Nombres),
                         [](const auto& info) { return std::string(info.param.nombre); });

} // namespace
