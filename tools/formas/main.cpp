// nodeva-formas CARPETA: computes the graphs of the shape files and their
// drawings, checks the drawings, writes the files with the program's own
// writer and reads them back with its reader.
#include <QCoreApplication>
#include <QDir>
#include <QTextStream>
#include <cstdio>

#include "Formas.h"
#include "cli/CargaCli.h"
#include "drawing/Coordenadas.h"
#include "files/Escritor.h"
#include "model/Grafo.h"

namespace {

Grafo AGrafo(const Figura& f)
{
    Grafo g;
    g.Insertar_Dimension(static_cast<std::int16_t>(f.n), false);
    for (auto [a, b] : f.aristas) {
        g.InsertarMatriz(a + 1, b + 1, 1);
        g.InsertarMatriz(b + 1, a + 1, 1);
    }
    g.InsertarNumAristas(static_cast<std::int16_t>(f.aristas.size()));
    for (int v = 0; v < f.n; ++v) {
        g.InsertarPosicionX(v + 1, ACoordenada(f.posiciones[v].x()));
        g.InsertarPosicionY(v + 1, ACoordenada(f.posiciones[v].y()));
    }
    return g;
}

// A planar shape must have no crossing; every drawing must keep its vertices
// apart and off the edges they are not on.
bool Comprobar(const QString& nombre, const Figura& f, bool plano, QTextStream& salida)
{
    const int cruces = Cruces(f);
    const double separacion = SeparacionVertices(f), holgura = HolguraAristas(f);
    salida << nombre << ": " << f.n << " vértices, " << f.aristas.size() << " aristas, " << cruces
           << " cruces, separación " << qRound(separacion) << ", holgura " << qRound(holgura) << "\n";
    return (!plano || cruces == 0) && separacion >= 350 && holgura >= 100;
}

bool EscribirYReleer(const QString& ruta, const Figura& f, QTextStream& errores)
{
    const Grafo escrito = AGrafo(f);
    Grafo leido;
    if (!EscribirGrafo(ruta, escrito).hecha || !CargarGrafoCli(ruta, AreaTrabajoPorOmision, leido, errores))
        return false;
    return leido == escrito;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream salida(stdout), errores(stderr);
    const QDir carpeta(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    const struct {
        const char* fichero;
        Figura figura;
        bool plano;
    } formas[] = {
        {"tutte.dat", TutteDibujado(), true},       {"Dodec_P.dat", Dodecaedro(true), true},
        {"Dodec_NP.dat", Dodecaedro(false), false}, {"Icosa_P.dat", Icosaedro(true), true},
        {"Icosa_NP.dat", Icosaedro(false), false},
    };
    int estado = 0;
    for (const auto& forma : formas) {
        const QString nombre = QString::fromLatin1(forma.fichero);
        if (!Comprobar(nombre, forma.figura, forma.plano, salida)) {
            errores << nombre << ": el dibujo no es legible\n";
            estado = 1;
        }
        if (!EscribirYReleer(carpeta.filePath(nombre), forma.figura, errores)) {
            errores << nombre << ": no se pudo escribir o no se relee igual\n";
            estado = 1;
        }
    }
    return estado;
}
