// The texts the graph reader shows, each in a critical "ERROR" message box.
#pragma once

#include <QString>

namespace MensajeLector {
inline const QString FicheroInexistente = QStringLiteral("Fichero inexistente o formato incorrecto");
inline const QString DemasiadoGrande = QStringLiteral("Matriz de adyacencia demasiado grande.");
inline const QString RangoNegativo = QStringLiteral("El rango no puede ser negativo.");
inline const QString TipoDesconocido = QStringLiteral("Formato de archivo incorrecto; tipo de grafo desconocido");
inline const QString Incompleta = QStringLiteral("La matriz de adyacencia está incompleta.");
inline const QString NoBinarioSimple =
    QStringLiteral("El valor de los elementos de la matriz de adyacencia debe ser 0 o 1 para un grafo SIMPLE");
inline const QString NoBinarioDigrafo =
    QStringLiteral("El valor de los elementos de la matriz de adyacencia debe ser 0 o 1 para un DIGRAFO");
inline const QString FaltaSeparador = QStringLiteral("Se esperaba separador entre valores.");
inline const QString PesoNoNumerico = QStringLiteral("Peso no numérico.");
inline const QString PesoIncorrecto = QStringLiteral("Peso incorrecto.");
inline const QString FormatoIncorrecto = QStringLiteral("Formato de archivo incorrecto");
inline const QString NoSimetrica = QStringLiteral("La matriz de adyacencia de este grafo debe ser simétrica");
inline const QString FaltanPosiciones = QStringLiteral("Faltan posiciones para los vértices.");
inline const QString PosicionNoNumerica = QStringLiteral("Posición no numérica");
inline const QString InsuficientesPosiciones =
    QStringLiteral("Formato de archivo incorrecto; insuficientes posiciones");
inline const QString FaltaComa = QStringLiteral("Las posiciones X e Y deben separarse por una coma ','");

inline const QString Titulo = QStringLiteral("ERROR");
} // namespace MensajeLector
