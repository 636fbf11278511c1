#include "ui/DescripcionAccesible.h"

#include <QStringList>

#include "model/Grafo.h"

namespace {

QString Contado(int n, const QString& uno, const QString& varios)
{
    return QStringLiteral("%1 %2").arg(n).arg(n == 1 ? uno : varios);
}

QString ConResalte(QString texto, const QString& resalte)
{
    return resalte.isEmpty() ? texto : texto + QStringLiteral("; ") + resalte;
}

// The vertices joined to v: its neighbours, or in a digraph its successors
// (haciaFuera) or predecessors.
std::vector<int> Vecinos(const Grafo& grafo, int v, bool haciaFuera)
{
    std::vector<int> vecinos;
    for (int w = 1; w <= grafo.dimen(); ++w)
        if (w != v && (haciaFuera ? grafo.elem_matriz(v, w) : grafo.elem_matriz(w, v)) != 0)
            vecinos.push_back(w);
    return vecinos;
}

} // namespace

QString Enumerar(const std::vector<int>& numeros)
{
    QStringList textos;
    for (const int k : numeros)
        textos << QString::number(k);
    const QString ultimo = textos.isEmpty() ? QString() : textos.takeLast();
    return textos.isEmpty() ? ultimo : textos.join(QStringLiteral(", ")) + QStringLiteral(" y ") + ultimo;
}

QString DescribirGrafo(const Grafo& grafo)
{
    static const QString Nombres[] = {QStringLiteral("Grafo simple"), QStringLiteral("Grafo ponderado"),
                                      QStringLiteral("Digrafo"), QStringLiteral("Digrafo ponderado")};
    const QString aristas = grafo.Dirigido()
                                ? Contado(grafo.numero_aristas(), QStringLiteral("arco"), QStringLiteral("arcos"))
                                : Contado(grafo.numero_aristas(), QStringLiteral("arista"), QStringLiteral("aristas"));
    return QStringLiteral("%1, %2, %3")
        .arg(Nombres[std::clamp(grafo.Tipo(), 0, 3)],
             Contado(grafo.dimen(), QStringLiteral("vértice"), QStringLiteral("vértices")), aristas);
}

QString DescribirVertice(const Grafo& grafo, int v, const QString& resalte)
{
    QString texto = QStringLiteral("Vértice %1: ").arg(v);
    const bool bucle = grafo.elem_matriz(v, v) != 0;
    if (grafo.Dirigido()) {
        const std::vector<int> sucesores = Vecinos(grafo, v, true), predecesores = Vecinos(grafo, v, false);
        texto += QStringLiteral("grado de salida %1, de entrada %2")
                     .arg(sucesores.size() + bucle)
                     .arg(predecesores.size() + bucle);
        if (!sucesores.empty())
            texto += QStringLiteral("; arcos hacia ") + Enumerar(sucesores);
        if (!predecesores.empty())
            texto += QStringLiteral("; arcos desde ") + Enumerar(predecesores);
    } else {
        const std::vector<int> vecinos = Vecinos(grafo, v, true);
        texto += QStringLiteral("grado %1").arg(vecinos.size() + 2 * bucle);
        if (!vecinos.empty())
            texto += QStringLiteral("; adyacente a ") + Enumerar(vecinos);
        else if (!bucle)
            texto += QStringLiteral("; aislado");
    }
    if (bucle)
        texto += QStringLiteral("; con un bucle");
    return ConResalte(texto, resalte);
}

QString DescribirArista(const Grafo& grafo, int a, int b, const QString& resalte)
{
    QString texto =
        grafo.Dirigido() ? QStringLiteral("Arco %1→%2").arg(a).arg(b) : QStringLiteral("Arista %1–%2").arg(a).arg(b);
    if (grafo.Ponderado())
        texto += QStringLiteral(", peso %1").arg(grafo.elem_matriz(a, b));
    return ConResalte(texto, resalte);
}
