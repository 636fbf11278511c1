// What the interchange units share: a graph as a library read it, before
// our rules have judged it, and the one lock every library call takes.
#pragma once

#include <QByteArray>
#include <QPointF>
#include <QSize>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <vector>

#include "model/Grafo.h"

class Grafo;
enum class Formato; // files/Intercambio.h

struct AristaLeida {
    int a = 0; // vertices 1..n, tail first
    int b = 0;
    // The weight as the file spells it, nothing when the edge has none.
    std::optional<QString> peso;
};

struct GrafoLeido {
    QString error; // "" when the library read a graph
    int n = 0;
    bool dirigido = false;
    std::vector<QString> nombres; // the file's name of each vertex, for the messages
    std::vector<AristaLeida> aristas;
    // Every vertex's position, y downwards, in the file's own units; nothing
    // when some vertex has none.
    std::optional<std::vector<QPointF>> posiciones;
};

// Where a file holds more vertices than this, it is refused before a library
// builds them: a count in a header could otherwise make one reserve memory
// for millions.
inline constexpr int VerticesMaximos = 50;

// igraph, cgraph's parser and gtools' output buffer are not thread-safe: all
// of them are called under this lock.
std::mutex& CerrojoBibliotecas();

// igraph's handlers installed (its own would abort the program on a bad
// file) and its last error forgotten; under the lock.
void PrepararIgraph();

// A FILE* over memory, for the libraries' writers.
class Memoria {
public:
    Memoria() : f_(open_memstream(&datos_, &tamaño_)) {}
    Memoria(const Memoria&) = delete;
    Memoria& operator=(const Memoria&) = delete;
    ~Memoria()
    {
        if (f_)
            std::fclose(f_);
        std::free(datos_);
    }
    std::FILE* Fichero() const { return f_; }
    // What was written; empty when the stream failed.
    QByteArray Bytes()
    {
        const bool cerrado = f_ && std::fclose(f_) == 0;
        f_ = nullptr;
        return cerrado ? QByteArray(datos_, qsizetype(tamaño_)) : QByteArray();
    }

private:
    char* datos_ = nullptr;
    size_t tamaño_ = 0;
    std::FILE* f_;
};

// Each library's reader and writer. The writers get graphs that
// RechazoExportar accepts.
GrafoLeido LeerIgraph(const QByteArray& bytes, Formato formato);
QByteArray EscribirPajek(const Grafo& grafo);
QByteArray EscribirGraphml(const Grafo& grafo);
QByteArray EscribirGml(const Grafo& grafo);
GrafoLeido LeerDot(const QByteArray& bytes);
QByteArray EscribirDot(const Grafo& grafo);
GrafoLeido LeerGraph6(const QByteArray& bytes);
QByteArray EscribirGraph6(const Grafo& grafo);

// The vertices' positions in twips within the work area: the file's own
// arrangement fitted to it, or, when the file has none, a force-directed
// layout of the edges that is the same for the same file.
std::vector<QPoint> Disponer(const GrafoLeido& leido, QSize areaTrabajo);
