// nodeva-cli dibujar, run in-process: the picture lands where the file's
// positions say, in PNG pixels and in SVG units alike; bad input is refused.
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include "cli/Subcomandos.h"

namespace {

// Vertex 1 at (1200, 1200) and vertex 2 at (4500, 3000), joined by an edge of weight 150.
const QByteArray GrafoPonderado = "Ponderado\r\n2\r\n 0  150 \r\n 150  0 \r\n\r\n"
                                  " 1200 ,  1200 \r\n 4500 ,  3000 \r\n";

struct Ejecucion {
    int estado = 0;
    QString salida;
    QString errores;
};

Ejecucion Dibujar(const QStringList& argumentos)
{
    Ejecucion e;
    QTextStream salida(&e.salida);
    QTextStream errores(&e.errores);
    e.estado = EjecutarCli(QStringList{"dibujar"} + argumentos, salida, errores);
    return e;
}

class CliDibujar : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(carpeta.isValid());
        QFile f(Ruta("g.grf"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(GrafoPonderado);
    }
    QString Ruta(const QString& nombre) const { return carpeta.filePath(nombre); }

    QTemporaryDir carpeta;
};

bool Oscuro(const QImage& imagen, QPointF pixel)
{
    int minimo = 255;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            minimo = std::min(minimo, qGray(imagen.pixel(pixel.toPoint() + QPoint(dx, dy))));
    return minimo < 110;
}

TEST_F(CliDibujar, PngA96PppOAEscala)
{
    for (const int escala : {1, 3}) {
        SCOPED_TRACE(escala);
        const QString png = Ruta(QString("g%1.png").arg(escala));
        const Ejecucion e = Dibujar({Ruta("g.grf"), png, "--escala", QString::number(escala)});
        ASSERT_EQ(e.estado, 0) << e.errores.toStdString();
        const QImage imagen(png);
        ASSERT_EQ(imagen.size(), QSize(600, 400) * escala);
        const double k = escala / 15.0;
        EXPECT_TRUE(Oscuro(imagen, QPointF(1200, 1200 - 110) * k)) << "top of circle 1";
        EXPECT_TRUE(Oscuro(imagen, QPointF(4500 + 110, 3000) * k)) << "right of circle 2";
        EXPECT_FALSE(Oscuro(imagen, QPointF(1200, 3000) * k)) << "white background";
        EXPECT_EQ(imagen.pixel(0, 0), qRgb(255, 255, 255));
    }
}

TEST_F(CliDibujar, ElAreaDeTrabajoDaElTamañoDeLaImagen)
{
    const Ejecucion e = Dibujar({Ruta("g.grf"), Ruta("g.png"), "--ancho", "12000", "--alto", "4500"});
    ASSERT_EQ(e.estado, 0) << e.errores.toStdString();
    EXPECT_EQ(QImage(Ruta("g.png")).size(), QSize(800, 300));
}

TEST_F(CliDibujar, EnSvgLasCoordenadasSonTwipsEntreQuince)
{
    ASSERT_EQ(Dibujar({Ruta("g.grf"), Ruta("g.svg")}).estado, 0);
    QFile f(Ruta("g.svg"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&f);
    QList<QPointF> centros;
    QString caja;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto a = xml.attributes();
        if (xml.name() == u"svg")
            caja = a.value("viewBox").toString();
        if (xml.name() == u"circle") {
            EXPECT_NEAR(a.value("r").toDouble(), 110 / 15.0, 1e-3);
            centros << QPointF(a.value("cx").toDouble(), a.value("cy").toDouble());
        }
    }
    EXPECT_EQ(caja, "0 0 600 400");
    ASSERT_FALSE(centros.isEmpty());
    for (const QPointF esperado : {QPointF(80, 80), QPointF(300, 200)})
        EXPECT_TRUE(std::any_of(centros.begin(), centros.end(),
                                [&](QPointF c) { return QLineF(c, esperado).length() < 0.01; }))
            << esperado.x() << ", " << esperado.y();
}

TEST_F(CliDibujar, UnFicheroMaloDaElMensajeDelLectorYEstadoUno)
{
    QFile f(Ruta("malo.grf"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("Cuadrado\r\n2\r\n");
    f.close();
    const Ejecucion e = Dibujar({Ruta("malo.grf"), Ruta("malo.png")});
    EXPECT_EQ(e.estado, 1);
    EXPECT_EQ(e.errores, "ERROR: Formato de archivo incorrecto; tipo de grafo desconocido\n");
    EXPECT_FALSE(QFile::exists(Ruta("malo.png")));
}

TEST_F(CliDibujar, ArgumentosQueNoTienenSentido)
{
    const struct {
        const char* nombre;
        QStringList argumentos;
    } filas[] = {
        {"sin salida", {"g.grf"}},
        {"extension desconocida", {"g.grf", "g.bmp"}},
        {"escala en svg", {"g.grf", "g.svg", "--escala", "2"}},
        {"escala no numerica", {"g.grf", "g.png", "--escala", "x"}},
        {"ancho cero", {"g.grf", "g.png", "--ancho", "0"}},
        {"opcion desconocida", {"g.grf", "g.png", "--color"}},
    };
    for (const auto& f : filas) {
        SCOPED_TRACE(f.nombre);
        const Ejecucion e = Dibujar(f.argumentos);
        EXPECT_EQ(e.estado, 2);
        EXPECT_TRUE(e.errores.contains("Uso: nodeva-cli dibujar"));
    }
}

} // namespace
