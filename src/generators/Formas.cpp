#include "generators/Formas.h"

#include "costuras/Interaccion.h"
#include "drawing/MenuVer.h"
#include "files/Documento.h"
#include "files/Lector.h"
#include "generators/Marco.h"
#include "model/Grafo.h"

namespace {

// The shape as read goes into the record edge by edge, so the record keeps its
// own type whatever the file says: entries 1, both arcs in a digraph.
void Copiar(const Grafo& leido, Grafo& grafo)
{
    const int n = leido.dimen();
    Dimensionar(grafo, n);
    for (int i = 1; i <= n; ++i) {
        grafo.InsertarPosicionX(i, leido.Posic_CoordX(i));
        grafo.InsertarPosicionY(i, leido.Posic_CoordY(i));
        for (int j = i + 1; j <= n; ++j)
            if (leido.elem_matriz(i, j) != 0 || leido.elem_matriz(j, i) != 0)
                Unir(grafo, i, j);
    }
}

} // namespace

QString FicheroForma(Forma forma)
{
    switch (forma) {
    case Forma::Tutte: return QStringLiteral("tutte.dat");
    case Forma::DodecaedroPlano: return QStringLiteral("Dodec_P.dat");
    case Forma::DodecaedroNoPlano: return QStringLiteral("Dodec_NP.dat");
    case Forma::IcosaedroPlano: return QStringLiteral("Icosa_P.dat");
    case Forma::IcosaedroNoPlano: return QStringLiteral("Icosa_NP.dat");
    }
    return {};
}

std::int16_t CargarForma(Grafo& grafo, DimensionesArea area, Forma forma, const QStringList& carpetas)
{
    Interaccion* persona = grafo.Entorno().interaccion;
    if (!persona)
        return 1;
    const QString nombre = FicheroForma(forma);
    const QString ruta = BuscarDato(nombre, carpetas);
    if (ruta.isEmpty()) {
        persona->Mensaje(QStringLiteral("No se ha encontrado el fichero %1.").arg(nombre.toUpper()),
                         QStringLiteral("Error"), Icono::Critico, Botones::Aceptar);
        return 1;
    }
    Grafo leido;
    Documento documento;
    const QSize tamaño(static_cast<int>(AnchoEntero(area)), static_cast<int>(AltoEntero(area)));
    if (LeerGrafo(ruta, leido, documento, *persona, tamaño) != 0)
        return 1;
    Copiar(leido, grafo);
    Centrar(grafo, area, {});
    Terminar(grafo, area);
    return 0;
}
