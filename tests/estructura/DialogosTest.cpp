// Every dialog model has its line in the windows' table of views: a model
// left out would open nothing on screen and quietly close as it does with
// nobody there.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::string Leer(const fs::path& ruta)
{
    std::ifstream fichero(ruta);
    std::stringstream texto;
    texto << fichero.rdbuf();
    return texto.str();
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
