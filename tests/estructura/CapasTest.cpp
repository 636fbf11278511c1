// The layers of the code, read from its #include lines: each folder includes
// only folders below it, and no unit (a header with its source) reaches
// itself again through the units it includes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>

namespace fs = std::filesystem;

namespace {

// Seams at the bottom, the entry points at the top; folders on one level do
// not include each other.
const std::map<std::string, int> Nivel = {
    {"costuras", 0},   {"model", 1}, {"files", 2}, {"drawing", 2}, {"run", 2}, {"algorithms", 3},
    {"generators", 3}, {"ui", 4},    {"gui", 5},   {"cli", 5},     {"app", 6},
};

using Inclusiones = std::map<std::string, std::set<std::string>>; // unit -> units it includes

std::string Unidad(const fs::path& relativa)
{
    return (relativa.parent_path() / relativa.stem()).generic_string();
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

// A path from `desde` back to itself, or empty.
std::vector<std::string> Ciclo(const Inclusiones& g, const std::string& desde)
{
    std::vector<std::string> camino{desde};
    std::set<std::string> visto;
    std::function<bool(const std::string&)> buscar = [&](const std::string& u) {
        for (const std::string& v : g.at(u)) {
            camino.push_back(v);
            if (v == desde || (visto.insert(v).second && g.count(v) && buscar(v)))
                return true;
            camino.pop_back();
        }
        return false;
    };
    return buscar(desde) ? camino : std::vector<std::string>{};
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

TEST(Capas, NingunaUnidadSeIncluyeASiMismaPorOtras)
{
    const Inclusiones g = LeerFuentes();
    for (const auto& [unidad, _] : g) {
        const std::vector<std::string> ciclo = Ciclo(g, unidad);
        std::string texto;
        for (const std::string& u : ciclo)
            texto += u + " > ";
        EXPECT_TRUE(ciclo.empty()) << texto;
    }
}

} // namespace
