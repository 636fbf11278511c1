// Test helpers for the graph files: a file written into a temporary folder and read into a fresh record with
// a scripted person watching the messages.
#pragma once

#include <QSize>

#include "files/Documento.h"
#include "files/Lector.h"
#include "model/Grafo.h"
#include "support/CarpetaPrueba.h"
#include "support/EntornoPrueba.h"

inline const QSize AreaPrueba{9000, 6000};

struct LecturaPrueba : CarpetaPrueba {
    EntornoPrueba entorno;
    Grafo grafo{entorno.Entorno()};
    Documento documento{QString(), true};

    std::int16_t LeerRuta(const QString& ruta, QSize area = AreaPrueba)
    {
        return LeerGrafo(ruta, grafo, documento, entorno.interaccion, area);
    }
    std::int16_t Leer(const QByteArray& bytes, QSize area = AreaPrueba)
    {
        return LeerRuta(Fichero("prueba.grf", bytes), area);
    }

    const std::vector<MensajeVisto>& Mensajes() const { return entorno.interaccion.mensajes; }
    std::string Ultimo() const { return entorno.interaccion.UltimoTexto().toStdString(); }
};
