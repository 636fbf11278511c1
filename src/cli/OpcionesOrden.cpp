#include "cli/OpcionesOrden.h"

#include <algorithm>

#include "model/Grafo.h"

namespace {

const OpcionOrden* Opcion(const OrdenAlgoritmo& orden, const QString& nombre)
{
    for (const OpcionOrden& o : orden.opciones)
        if (o.nombre == nombre)
            return &o;
    return nullptr;
}

bool LeerNumero(const QString& texto, std::int16_t& numero)
{
    bool ok = false;
    const int valor = texto.toInt(&ok);
    if (!ok || valor < 1 || valor > Grafo::Limite)
        return false;
    numero = static_cast<std::int16_t>(valor);
    return true;
}

bool LeerLista(const QString& texto, std::vector<std::int16_t>& lista)
{
    lista.clear();
    const QStringList partes = texto.split(u',');
    if (partes.size() > Grafo::Limite * Grafo::Limite)
        return false;
    for (const QString& parte : partes) {
        std::int16_t numero = 0;
        if (!LeerNumero(parte.trimmed(), numero))
            return false;
        lista.push_back(numero);
    }
    return true;
}

QString NombresDeTipos(Tipos tipos)
{
    QStringList nombres;
    for (int t = 0; t < 4; ++t)
        if (Incluye(tipos, t))
            nombres << NombreTipo(t);
    const QString ultimo = nombres.takeLast();
    return nombres.isEmpty() ? ultimo : nombres.join(", ") + " y " + ultimo;
}

QString VerticeInexistente(std::int16_t v, const Grafo& grafo)
{
    return QStringLiteral("El vértice %1 no existe: el grafo tiene %2 vértices.").arg(v).arg(grafo.dimen());
}

// A vertex named again is a click on a vertex already chosen: ignored.
bool LeerOrden(const QString& texto, std::vector<std::int16_t>& orden)
{
    std::vector<std::int16_t> lista;
    if (!LeerLista(texto, lista))
        return false;
    orden.clear();
    for (const std::int16_t v : lista)
        if (std::find(orden.begin(), orden.end(), v) == orden.end())
            orden.push_back(v);
    return true;
}

// Vertices the graph has; an error text.
QString ComprobarVertices(const std::vector<std::int16_t>& lista, const Grafo& grafo)
{
    for (const std::int16_t v : lista)
        if (v > grafo.dimen())
            return VerticeInexistente(v, grafo);
    return {};
}

// Every vertex of the graph, once each (repeats already dropped); an error text.
QString ComprobarOrden(const std::vector<std::int16_t>& orden, const Grafo& grafo)
{
    if (const QString error = ComprobarVertices(orden, grafo); !error.isEmpty())
        return error;
    for (std::int16_t v = 1; v <= grafo.dimen(); ++v)
        if (std::find(orden.begin(), orden.end(), v) == orden.end())
            return QStringLiteral("El orden debe incluir todos los vértices: falta el %1.").arg(v);
    return {};
}

// The tree has two vertices more than its sequence, and each element names
// one of them; the dialog takes trees of 3 to 50 vertices.
bool LeerCodigo(const QString& texto, std::vector<std::int16_t>& codigo)
{
    if (!LeerLista(texto, codigo) || codigo.size() > std::size_t(Grafo::Limite - 2))
        return false;
    const int n = int(codigo.size()) + 2;
    return std::all_of(codigo.begin(), codigo.end(), [n](std::int16_t e) { return e <= n; });
}

} // namespace

bool EsOpcionDeAlgun(const QString& nombre)
{
    for (const OrdenAlgoritmo& orden : Ordenes())
        if (Opcion(orden, nombre))
            return true;
    return false;
}

QString LeerOpcionOrden(const OrdenAlgoritmo& orden, const QString& nombre, const QString& valor, Parametros& p)
{
    const OpcionOrden* opcion = Opcion(orden, nombre);
    if (!opcion)
        return "Opción desconocida para " + orden.cli.first() + ": " + nombre;
    bool bien = false;
    switch (opcion->campo) {
    case Campo::Raiz: bien = LeerNumero(valor, p.raiz); break;
    case Campo::Origen: bien = LeerNumero(valor, p.origen); break;
    case Campo::Destino:
        p.todos = valor == QStringLiteral("TODOS") && opcion->valor.contains(QStringLiteral("TODOS"));
        bien = p.todos || LeerNumero(valor, p.destino);
        break;
    case Campo::Lista:
    case Campo::Clics: bien = LeerLista(valor, p.lista); break;
    case Campo::Semilla: p.semilla = valor.toULongLong(&bien); break;
    case Campo::Orden: bien = LeerOrden(valor, p.lista); break;
    case Campo::Codigo: bien = LeerCodigo(valor, p.lista); break;
    }
    return bien ? QString() : "Valor no válido para " + nombre + ": " + valor;
}

QString FaltaOpcion(const OrdenAlgoritmo& orden, const QStringList& dadas)
{
    for (const OpcionOrden& o : orden.opciones)
        if (o.obligatoria && !dadas.contains(o.nombre))
            return QStringLiteral("%1 necesita %2 %3.").arg(orden.cli.first(), o.nombre, o.valor);
    return {};
}

QString ComprobarParametros(const OrdenAlgoritmo& orden, const Parametros& p, const Grafo& grafo)
{
    for (const OpcionOrden& o : orden.opciones) {
        if (o.campo == Campo::Codigo)
            continue; // checked as it was read: it makes its own graph
        if (o.campo == Campo::Orden) {
            if (const QString error = p.lista.empty() ? QString() : ComprobarOrden(p.lista, grafo); !error.isEmpty())
                return error;
            continue;
        }
        if (o.campo == Campo::Clics) {
            if (const QString error = ComprobarVertices(p.lista, grafo); !error.isEmpty())
                return error;
            continue;
        }
        const std::int16_t v = o.campo == Campo::Raiz      ? p.raiz
                               : o.campo == Campo::Origen  ? p.origen
                               : o.campo == Campo::Destino ? p.destino
                                                           : 0;
        if (v > grafo.dimen())
            return VerticeInexistente(v, grafo);
    }
    // The window's lists never offer the origin as the destination.
    if (p.origen != 0 && !p.todos && p.origen == p.destino)
        return QStringLiteral("El origen y el destino deben ser vértices distintos.");
    return {};
}

QString ComprobarTipo(const OrdenAlgoritmo& orden, const QString& nombre, const Grafo& grafo)
{
    if (Incluye(orden.TiposCli(), grafo.Tipo()))
        return {};
    return QStringLiteral("%1 no se ofrece para los grafos de tipo %2: solo para %3.")
        .arg(nombre, NombreTipo(grafo.Tipo()), NombresDeTipos(orden.TiposCli()));
}

QString AyudaAlgoritmos()
{
    QString texto;
    for (const OrdenAlgoritmo& orden : Ordenes()) {
        if (orden.cli.isEmpty())
            continue;
        QString linea = "  " + orden.cli.first();
        for (const OpcionOrden& o : orden.opciones) {
            const QString opcion = o.nombre + ' ' + o.valor;
            linea += ' ' + (o.obligatoria ? opcion : '[' + opcion + ']');
        }
        if (orden.TiposCli() != TodosLosTipos)
            linea = linea.leftJustified(40) + " (" + NombresDeTipos(orden.TiposCli()) + ')';
        texto += linea + '\n';
        for (const OpcionOrden& o : orden.opciones)
            texto += "      " + o.nombre + ' ' + o.valor + ": " + o.ayuda + '\n';
    }
    return texto;
}

QStringList NombresCli()
{
    QStringList nombres;
    for (const OrdenAlgoritmo& orden : Ordenes())
        if (!orden.cli.isEmpty())
            nombres << orden.cli.first();
    return nombres;
}
