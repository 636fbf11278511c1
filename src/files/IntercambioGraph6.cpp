// graph6, read and written by nauty's gtools. A file may hold many graphs,
// one a line: the first one is read.
#include <cstring>
#include <string>

#include "files/IntercambioLeido.h"
#include "model/Grafo.h"

// After Qt's headers: nauty's macros have short common names. Its headers
// are C11, whose _Thread_local is C++'s thread_local.
#define _Thread_local thread_local
#include <nauty/gtools.h>
#undef _Thread_local

namespace {

const QByteArray Cabecera = QByteArrayLiteral(">>graph6<<");

// What checkgline's codes mean, for the message.
QString Defecto(int codigo)
{
    switch (codigo) {
    case 2: return QStringLiteral("tiene caracteres que no son de graph6");
    case 3: return QStringLiteral("su longitud no es la que pide su número de vértices");
    default: return QStringLiteral("no es una línea de graph6");
    }
}

} // namespace

GrafoLeido LeerGraph6(const QByteArray& bytes)
{
    GrafoLeido leido;
    const qsizetype fin = bytes.indexOf('\n');
    QByteArray linea = fin < 0 ? bytes : bytes.left(fin);
    if (linea.endsWith('\r'))
        linea.chop(1);
    if (linea.startsWith(Cabecera))
        linea.remove(0, Cabecera.size());
    if (linea.isEmpty()) {
        leido.error = QStringLiteral("El fichero no tiene ningún grafo en su primera línea.");
        return leido;
    }
    // gtools reads sparse6 (':'), digraph6 ('&') and incremental sparse6
    // (';', which needs the graph before it: stringtograph then clears a
    // negative length) lines too; a graph6 line starts with one of its own
    // characters, '?' to '~'.
    if (const char c = linea[0]; c < '?' || c > '~') {
        const QString otro = c == ':'   ? QStringLiteral("sparse6")
                             : c == '&' ? QStringLiteral("digraph6")
                             : c == ';' ? QStringLiteral("sparse6 incremental")
                                        : QString();
        leido.error = otro.isEmpty() ? QStringLiteral("La primera línea no es un grafo en graph6.")
                                     : QStringLiteral("La primera línea está en %1, no en graph6.").arg(otro);
        return leido;
    }
    // checkgline wants the line's end, and reads the size's bytes before it
    // knows how many there are: zeros after the end keep it inside the buffer.
    std::string texto(linea.constData(), std::size_t(linea.size()));
    texto += '\n';
    texto.append(8, '\0');
    const std::lock_guard<std::mutex> cerrojo(CerrojoBibliotecas());
    if (const int codigo = checkgline(texto.data()); codigo != 0) {
        leido.error =
            QStringLiteral("La primera línea no es un grafo en graph6: nauty dice que %1.").arg(Defecto(codigo));
        return leido;
    }
    leido.n = graphsize(texto.data());
    if (leido.n > VerticesMaximos)
        return leido; // the rules refuse it by its size alone
    const int m = SETWORDSNEEDED(std::max(leido.n, 1));
    std::vector<graph> g(std::size_t(m) * std::size_t(std::max(leido.n, 1)), 0);
    stringtograph(texto.data(), g.data(), m);
    for (int a = 0; a < leido.n; ++a)
        for (int b = a + 1; b < leido.n; ++b)
            if (ISELEMENT(GRAPHROW(g.data(), a, m), b))
                leido.aristas.push_back({a + 1, b + 1, std::nullopt});
    return leido;
}

QByteArray EscribirGraph6(const Grafo& grafo)
{
    const int n = std::clamp<int>(grafo.dimen(), 0, Grafo::Limite);
    const int m = SETWORDSNEEDED(std::max(n, 1));
    std::vector<graph> g(std::size_t(m) * std::size_t(std::max(n, 1)), 0);
    for (const AristaGrafo& a : AristasDe(grafo))
        ADDONEEDGE(g.data(), a.a - 1, a.b - 1, m);
    // ntog6 answers in a buffer of its own, which the next call reuses.
    const std::lock_guard<std::mutex> cerrojo(CerrojoBibliotecas());
    const char* texto = ntog6(g.data(), m, n);
    return texto ? QByteArray(texto) : QByteArray();
}
