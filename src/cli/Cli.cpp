#include "cli/Subcomandos.h"

namespace {

void TextoAyuda(QTextStream& salida)
{
    salida << "Uso: nodeva-cli SUBCOMANDO [argumentos...]\n\n"
              "Uso por lotes del núcleo de Nodeva: las mismas reglas que el programa.\n\n"
              "Subcomandos:\n";
    for (const Subcomando& s : Subcomandos())
        salida << "  " << QString::fromUtf8(s.nombre).leftJustified(10) << ' ' << QString::fromUtf8(s.resumen) << '\n';
    salida << "\n'nodeva-cli SUBCOMANDO --help' explica cada uno.\n";
}

} // namespace

int EjecutarCli(const QStringList& argumentos, QTextStream& salida, QTextStream& errores)
{
    if (argumentos.isEmpty() || argumentos[0] == "--help" || argumentos[0] == "-h" || argumentos[0] == "ayuda") {
        TextoAyuda(argumentos.isEmpty() ? errores : salida);
        return argumentos.isEmpty() ? 2 : 0;
    }
    for (const Subcomando& s : Subcomandos())
        if (argumentos[0] == QString::fromUtf8(s.nombre))
            return s.ejecutar(argumentos.mid(1), salida, errores);
    errores << "Subcomando desconocido: " << argumentos[0] << "\n";
    TextoAyuda(errores);
    return 2;
}
