// The layers of the code, read from its #include lines: each folder includes only folders below it, and no
// unit (a header with its source) reaches itself again through the units it includes. The build links each
// level with only those below it, but an include that needs no symbol (a type, an inline function, two
// folders of one library, a circle within a level) links anyway: so every include is read here. And every
// dialog model has its line in the windows' table of views: one left out would open nothing on screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

namespace fs = std::filesystem;

namespace {

// In the order of the libraries of src/CMakeLists.txt.
const std::map<std::string, int> Nivel = {
    {"costuras", 0},   {"model", 1}, {"files", 2}, {"drawing", 2}, {"run", 2}, {"algorithms", 3},
    {"generators", 3}, {"ui", 4},    {"gui", 5},   {"cli", 5},     {"app", 6},
};

using Inclusiones = std::map<std::string, std::set<std::string>>; // unit -> units it includes

std::string Unidad(const fs::path& relativa)
{
    return (relativa.parent_path() / relativa.stem()).generic_string();
}

std::string Leer(const fs::path& ruta)
{
    std::ifstream fichero(ruta);
    std::stringstream texto;
    texto << fichero.rdbuf();
    return texto.str();
}

std::string Carpeta(const std::string& unidad)
{
    return unidad.substr(0, unidad.find('/'));
}

Inclusiones LeerFuentes()
{
    const fs::path raiz = NODEVA_FUENTES;
    const std::regex inclusion(R"re(#include "([^"]+)")re");
    Inclusiones unidades;
    for (const auto& f : fs::recursive_directory_iterator(raiz)) {
        if (f.path().extension() != ".h" && f.path().extension() != ".cpp")
            continue;
        std::ifstream fuente(f.path());
        const std::string propia = Unidad(fs::relative(f.path(), raiz));
        unidades[propia];
        for (std::string linea; std::getline(fuente, linea);) {
            std::smatch m;
            if (std::regex_search(linea, m, inclusion) && fs::exists(raiz / m[1].str()))
                if (const std::string otra = Unidad(m[1].str()); otra != propia)
                    unidades[propia].insert(otra);
        }
    }
    return unidades;
}

TEST(Capas, CadaCarpetaIncluyeSoloLasDeDebajo)
{
    for (const auto& [unidad, incluidas] : LeerFuentes())
        for (const std::string& otra : incluidas) {
            const std::string a = Carpeta(unidad), b = Carpeta(otra);
            ASSERT_TRUE(Nivel.count(a) && Nivel.count(b)) << unidad << " -> " << otra;
            EXPECT_TRUE(a == b || Nivel.at(b) < Nivel.at(a)) << unidad << " incluye " << otra;
        }
}

// Units that include none of the others left, or that none of them includes, are taken away until none
// is: whatever stays lies on a circle of includes.
TEST(Capas, NingunaUnidadSeIncluyeASiMismaPorOtras)
{
    Inclusiones g = LeerFuentes();
    const auto sinSalida = [&](const auto& u) {
        return std::none_of(u.second.begin(), u.second.end(), [&](const std::string& v) { return g.count(v); });
    };
    const auto sinEntrada = [&](const auto& u) {
        return std::none_of(g.begin(), g.end(), [&](const auto& w) { return w.second.count(u.first) > 0; });
    };
    while (std::erase_if(g, sinSalida) + std::erase_if(g, sinEntrada) > 0) {
    }
    std::string quedan;
    for (const auto& [unidad, _] : g)
        quedan += unidad + " ";
    EXPECT_TRUE(g.empty()) << quedan;
}

TEST(Dialogos, CadaModeloTieneSuVistaEnLaTabla)
{
    const fs::path raiz = NODEVA_FUENTES;
    const std::regex modelo(R"re(class ([^\s:]+) : public ModeloDialogo\b)re");
    std::set<std::string> modelos;
    for (const auto& f : fs::recursive_directory_iterator(raiz)) {
        if (f.path().extension() != ".h")
            continue;
        const std::string texto = Leer(f.path());
        for (auto m = std::sregex_iterator(texto.begin(), texto.end(), modelo); m != std::sregex_iterator(); ++m)
            modelos.insert((*m)[1].str());
    }
    // The search sees the models, names beyond ASCII included.
    ASSERT_EQ(modelos.count("InsercionNºVert"), 1u);

    const std::string tabla = Leer(raiz / "gui" / "InteraccionQt.cpp");
    for (const std::string& m : modelos)
        EXPECT_NE(tabla.find("<" + m + ","), std::string::npos) << m << " no tiene vista en InteraccionQt.cpp";
}

} // namespace
