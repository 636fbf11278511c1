// The frame around the families: the menu command asks to drop the graph in
// hand, shows each number dialog with its caption, prompt and bound (cancel
// stops), builds in the type chosen, gives random weights when they are
// ticked and switches the window's commands; the refusals with a message.
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <set>

#include "Propiedades.h"
#include "generators/Formas.h"
#include "generators/HararyArbol.h"
#include "support/EntornoPrueba.h"
#include "support/MundoPrincipal.h"

using namespace generados;

namespace {

struct Dialogo {
    QString titulo, indicacion, rango;
    int maximo;
    int tecleado; // 0: cancel
};

// Types each number into its dialog, noting what the dialog showed.
void Responder(InteraccionGuion& persona, std::vector<Dialogo>& vistos, const Numeros& numeros)
{
    for (int numero : numeros)
        persona.guionNumero.push_back([&vistos, numero](InsercionNºVert& d) {
            vistos.push_back({d.Titulo, d.Indicacion, d.Rango, d.ValorMaximo, numero});
            if (numero > 0)
                Teclear(d, QString::number(numero) + QChar(CodigoTecla::Intro));
            else
                d.Cancelar();
        });
}

struct Fila {
    QString control;
    Numeros numeros;
    std::vector<Dialogo> dialogos;
};

const std::vector<Fila> Filas = {
    {"Estrella", {5}, {{"Forma: Estrella", "Número total de vértices: ", "(máximo 50)", 50, 5}}},
    {"Grafo_completo_bipartido",
     {20, 3},
     {{"Grafo Completo Bipartido", "Vértices en el lado izquierdo:", "(máximo 20)", 20, 20},
      {"Grafo Completo Bipartido", "Vértices en el lado derecho: ", "(máximo 20)", 20, 3}}},
    {"Grafo_completo_tripartido",
     {20, 10, 20},
     {{"Grafo Completo Tripartido", "Vértices en el lado izquierdo: ", "(máximo 20)", 20, 20},
      {"Grafo Completo Tripartido", "Vértices en el lado derecho: ", "(máximo 20)", 20, 10},
      {"Grafo Completo Tripartido", "Vértices en el lado inferior: ", "(máximo 20)", 20, 20}}},
    {"Grafo_completo_tripartido",
     {5, 5, 25},
     {{"Grafo Completo Tripartido", "Vértices en el lado izquierdo: ", "(máximo 20)", 20, 5},
      {"Grafo Completo Tripartido", "Vértices en el lado derecho: ", "(máximo 20)", 20, 5},
      {"Grafo Completo Tripartido", "Vértices en el lado inferior: ", "(máximo 25)", 25, 25}}},
    {"Rectangulo",
     {25, 2},
     {{"Rejilla en Rectángulo", "Nº de vértices en horizontal: ", "(máximo 25)", 25, 25},
      {"Rejilla en Rectángulo", "Nº de vértices en vertical: ", "(máximo 2)", 2, 2}}},
    {"Triángulo", {9}, {{"Rejilla en Triángulo", "Número de niveles de altura: ", "(máximo 9)", 9, 9}}},
    {"L_n_r_s",
     {5, 2, 1},
     {{"Grafo Enlazado L(n,r,s)", "Número total de vértices: ", "(máximo 50)", 50, 5},
      {"Grafo Enlazado L(n,r,s)", "Nº de vértices del enlace r: ", "(máximo 2)", 2, 2},
      {"Grafo Enlazado L(n,r,s)", "Nº de vértices del enlace s: ", "(máximo 2)", 2, 1}}},
    {"Harary",
     {6, 5},
     {{"Grafos de Harary", "Número total de vértices, n: ", "(máximo 50)", 50, 6},
      {"Grafos de Harary", "Conectividad del grafo, k: ", "(máximo 5)", 5, 5}}},
    {"Árbol_nario_completo",
     {3, 3},
     {{"Árbol", "Anchura del Árbol: ", "(máximo 35)", 35, 3},
      {"Árbol: ", "Profundidad del Árbol: ", "(máximo 3)", 3, 3}}},
};

} // namespace

TEST(MarcoGenerador, CadaDialogoConSuTituloIndicacionYCota)
{
    for (const Fila& f : Filas) {
        SCOPED_TRACE(f.control.toStdString());
        MundoPrincipal m;
        m.Empezar(TipoGrafo::Simple);
        std::vector<Dialogo> vistos;
        Responder(m.persona, vistos, f.numeros);
        ASSERT_TRUE(m.p.Ejecutar(f.control));
        ASSERT_EQ(vistos.size(), f.dialogos.size());
        for (std::size_t i = 0; i < vistos.size(); ++i) {
            EXPECT_EQ(vistos[i].titulo, f.dialogos[i].titulo) << i;
            EXPECT_EQ(vistos[i].indicacion, f.dialogos[i].indicacion) << i;
            EXPECT_EQ(vistos[i].rango, f.dialogos[i].rango) << i;
            EXPECT_EQ(vistos[i].maximo, f.dialogos[i].maximo) << i;
        }
        EXPECT_GT(m.p.grafo().numero_aristas(), 0);
    }
}

TEST(MarcoGenerador, LaCotaDeProfundidadSegunLaAnchura)
{
    const std::pair<int, int> tabla[] = {{1, 1}, {2, 4}, {3, 3}, {4, 2}, {5, 2}, {6, 2}, {7, 1}, {35, 1}};
    for (auto [anchura, profundidad] : tabla)
        EXPECT_EQ(ProfundidadMaxima(anchura), profundidad) << anchura;
}

TEST(MarcoGenerador, DeclinarOCancelarNoConstruyeNada)
{
    MundoPrincipal m;
    m.Empezar(TipoGrafo::Simple);
    m.Vertice(1000, 1000);
    m.persona.respuestas = {Respuesta::No};
    EXPECT_TRUE(m.p.Ejecutar("Petersen"));
    EXPECT_EQ(m.p.grafo().dimen(), 1);

    std::vector<Dialogo> vistos;
    Responder(m.persona, vistos, {8, 0});
    m.persona.respuestas = {Respuesta::Si};
    EXPECT_TRUE(m.p.Ejecutar("L_n_r"));
    EXPECT_EQ(vistos.size(), 2u);
    EXPECT_EQ(m.p.grafo().dimen(), 0);
    EXPECT_EQ(m.p.grafo().numero_aristas(), 0);
}

TEST(MarcoGenerador, PesosAleatoriosYEstadoDeLaVentana)
{
    MundoPrincipal m;
    m.Empezar(TipoGrafo::Ponderado);
    m.p.Check1_Click(true);
    ASSERT_TRUE(m.p.Ejecutar("Petersen"));
    const Grafo& g = m.p.grafo();
    std::set<int> pesos;
    for (int a = 1; a <= 10; ++a)
        for (int b = 1; b <= 10; ++b) {
            EXPECT_EQ(g.elem_matriz(a, b), g.elem_matriz(b, a));
            EXPECT_TRUE(g.elem_matriz(a, b) >= 0 && g.elem_matriz(a, b) <= 1000);
            pesos.insert(g.elem_matriz(a, b));
        }
    EXPECT_GT(pesos.size(), 5u);
    using namespace Control;
    for (const QString& c : {Matriz_adyacencia, Boton_matriz_adyacencia, Estadísticas, Añadir_Arista,
                             Ident_vertices, Cambiar_peso})
        EXPECT_TRUE(m.Habilitado(c)) << c.toStdString();
    EXPECT_EQ(m.p.Comandos().Imagen(Boton_cambiar_peso), ImagenBoton::CambiarPesoActiva);
    EXPECT_EQ(m.p.Comandos().Imagen(Boton_unir_vert_desact), ImagenBoton::UnirVerticesActiva);

    // A complete graph leaves no edge to add.
    m.persona.respuestas = {Respuesta::Si};
    std::vector<Dialogo> vistos;
    Responder(m.persona, vistos, {50});
    ASSERT_TRUE(m.p.Ejecutar("Grafo_completo"));
    EXPECT_EQ(m.p.grafo().numero_aristas(), 1225);
    EXPECT_FALSE(m.Habilitado(Añadir_Arista));
    EXPECT_EQ(m.p.Comandos().Imagen(Boton_añadir_arista), ImagenBoton::AñadirAristaInactiva);
}

TEST(MarcoGenerador, RechazosConMensaje)
{
    EntornoPrueba entorno;
    Grafo g(entorno.Entorno());
    QTemporaryDir vacia;
    EXPECT_NE(CargarForma(g, Area, Forma::Tutte, {vacia.path()}), 0);
    EXPECT_NE(CargarForma(g, Area, Forma::IcosaedroNoPlano, {vacia.path()}), 0);
    EXPECT_NE(ArbolNarioCompleto(g, Area, 7, 2), 0);
    ASSERT_EQ(entorno.interaccion.mensajes.size(), 3u);
    const MensajeVisto& tutte = entorno.interaccion.mensajes[0];
    EXPECT_TRUE(tutte.texto == "No se ha encontrado el fichero TUTTE.DAT." && tutte.titulo == "Error" &&
                tutte.icono == Icono::Critico);
    EXPECT_EQ(entorno.interaccion.mensajes[1].texto, "No se ha encontrado el fichero ICOSA_NP.DAT.");
    const MensajeVisto& arbol = entorno.interaccion.mensajes[2];
    EXPECT_TRUE(arbol.texto == "Demasiados vértices; no se permiten más de 50." && arbol.titulo == "ERROR" &&
                arbol.icono == Icono::Critico);
    EXPECT_EQ(g.dimen(), 0);
}
