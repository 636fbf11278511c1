#include "cli/NumerosGenerar.h"

namespace {

QString SinDosPuntos(const QString& indicacion)
{
    QString texto = indicacion.trimmed();
    if (texto.endsWith(':'))
        texto.chop(1);
    return texto;
}

QString FueraDeRango(const Generador& g, const PreguntaGenerador& p, int maximo, const QString& dado)
{
    const QString numero = QStringLiteral("%1: «%2» (%3)").arg(g.control, SinDosPuntos(p.indicacion), p.nombre);
    if (maximo < 1)
        return QStringLiteral("%1 no admite ningún valor con los números anteriores (máximo %2); se ha dado %3.")
            .arg(numero)
            .arg(maximo)
            .arg(dado);
    return QStringLiteral("%1 debe estar entre 1 y %2; se ha dado %3.").arg(numero).arg(maximo).arg(dado);
}

} // namespace

QString ArgumentosGenerador(const Generador& g)
{
    QStringList nombres;
    for (const PreguntaGenerador& p : g.preguntas)
        nombres << p.nombre;
    return nombres.join(' ');
}

QString LeerNumeros(const Generador& g, const QStringList& textos, Numeros& numeros)
{
    if (textos.size() != qsizetype(g.preguntas.size())) {
        const QString dados =
            textos.size() == 1 ? QStringLiteral("se ha dado 1") : QStringLiteral("se han dado %1").arg(textos.size());
        if (g.preguntas.empty())
            return QStringLiteral("%1 no lleva números; %2.").arg(g.control, dados);
        const QString cuantos =
            g.preguntas.size() == 1 ? QStringLiteral("1 número") : QStringLiteral("%1 números").arg(g.preguntas.size());
        return QStringLiteral("%1 necesita %2 (%3); %4.").arg(g.control, cuantos, ArgumentosGenerador(g), dados);
    }
    for (std::size_t i = 0; i < g.preguntas.size(); ++i) {
        const PreguntaGenerador& p = g.preguntas[i];
        const int maximo = MaximoPregunta(p, numeros);
        const QString& texto = textos[qsizetype(i)];
        bool ok = false;
        const int valor = texto.toInt(&ok);
        if (!ok || valor < 1 || valor > maximo)
            return FueraDeRango(g, p, maximo, texto);
        numeros.push_back(valor);
    }
    return {};
}
