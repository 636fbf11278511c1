#include "files/Lector.h"

#include <QFile>
#include <unistd.h>

#include "costuras/Interaccion.h"
#include "files/Documento.h"
#include "files/LectorGrafo.h"
#include "files/MensajesLector.h"
#include "files/NombreFichero.h"
#include "files/Numeros.h"
#include "model/Grafo.h"

namespace {
// Longer than any type name: a longer line 1 cannot name a type, so keeping
// only its start changes no outcome and bounds the memory a hostile file costs.
constexpr qsizetype LargoMaximoTipo = 64;
} // namespace

std::int16_t LeerGrafo(QIODevice& origen, Grafo& grafo, Interaccion& interaccion, QSize areaTrabajo)
{
    FlujoBytes flujo(origen);
    return LectorGrafo(flujo, grafo, interaccion, areaTrabajo).Leer() ? 0 : 1;
}

std::int16_t LeerGrafo(const QString& nombreArchivo, Grafo& grafo, Documento& documento, Interaccion& interaccion,
                       QSize areaTrabajo)
{
    std::int16_t resultado = 1;
    QFile fichero;
    // Only regular files: a folder or a device is "no such graph file", and a
    // device such as a pipe could keep the reader waiting for ever.
    const int fd = Disco::AbrirLectura(nombreArchivo);
    if (fd >= 0 && fichero.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        resultado = LeerGrafo(fichero, grafo, interaccion, areaTrabajo);
    } else {
        if (fd >= 0)
            ::close(fd);
        interaccion.Mensaje(MensajeLector::FicheroInexistente, MensajeLector::Titulo, Icono::Critico, Botones::Aceptar);
    }
    documento.GrafoModificado = false;
    return resultado;
}

bool LectorGrafo::Fallar(const QString& mensaje)
{
    interaccion_.Mensaje(mensaje, MensajeLector::Titulo, Icono::Critico, Botones::Aceptar);
    return false;
}

// Reading past the end of the file is the one run-time failure of the
// stream; it gets the same message as a file that cannot be opened.
bool LectorGrafo::Siguiente(char& c)
{
    return flujo_.Leer(c) || Fallar(MensajeLector::FicheroInexistente);
}

bool LectorGrafo::LeerCabecera()
{
    QByteArray tipo;
    NumeroLinea numero;
    const bool lineas = flujo_.RecorrerLinea([&](char c) {
        if (tipo.size() < LargoMaximoTipo)
            tipo.append(c);
    }) && flujo_.RecorrerLinea([&](char c) { numero.Añadir(c); });
    const std::optional<std::int16_t> n = numero.Valor();
    if (!lineas || !n)
        return Fallar(MensajeLector::FicheroInexistente);

    // The record takes type and size before they are checked; the checks
    // below keep a size outside 0..50 from ever indexing the matrix.
    const QString nombreTipo = QString::fromLatin1(tipo);
    grafo_.InsertarTipo(nombreTipo);
    grafo_.Insertar_Dimension(*n, true);
    if (*n > Grafo::Limite)
        return Fallar(MensajeLector::DemasiadoGrande);
    if (*n < 0)
        return Fallar(MensajeLector::RangoNegativo);
    if (CodigoTipo(nombreTipo) < 0)
        return Fallar(MensajeLector::TipoDesconocido);
    return true;
}

bool LectorGrafo::Leer()
{
    if (!LeerCabecera())
        return false;
    const bool matriz = grafo_.Ponderado() ? LeerMatrizPesos() : LeerMatriz01();
    return matriz && LeerPosiciones();
}
