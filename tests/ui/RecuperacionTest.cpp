// The recovery copy through the main window's logic, in a temporary folder: when it is written and removed,
// what each answer at start does, unreadable copies and two instances side by side.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>
#include <csignal>
#include <future>

#include "files/CopiaRecuperacion.h"
#include "files/Escritor.h"
#include "support/CarpetaPrueba.h"
#include "support/MundoEjecucion.h"
#include "ui/CopiaPeriodica.h"
#include "ui/OfertaRecuperacion.h"

namespace {

using R = OfertaRecuperacion::Respuesta;
const Aristas Pesadas = {{1, 2, 4}, {2, 3, 1}, {1, 3, 6}};

struct PersonaRecupera : PersonaEjecucion {
    std::deque<R> elecciones;
    QStringList ofertas;
    void Mostrar(ModeloDialogo& dialogo) override
    {
        if (auto* oferta = dynamic_cast<OfertaRecuperacion*>(&dialogo)) {
            ofertas << oferta->Texto();
            if (!elecciones.empty())
                oferta->Responder(elecciones.front()), elecciones.pop_front();
            return;
        }
        PersonaEjecucion::Mostrar(dialogo);
    }
};

struct Instancia : MundoCon<PersonaRecupera> {
    explicit Instancia(const QString& carpeta) { p.CopiasEn(carpeta); }
    // Each with the writer waited for: the folder then holds what was asked.
    void Revisar() { p.RevisarCopia(), Esperar(); }
    void Ya() { p.CopiarYa(), Esperar(); }
    void Esperar() { p.Copias()->Copia().Esperar(); }
    // A weighted triangle with unsaved changes, named as a file.
    void Trabajo(const QString& nombre = QStringLiteral("/clase/tri.grf"))
    {
        Poner(1, 3, Pesadas);
        p.Doc().NombreArchivo = nombre;
        p.MarcarModificado();
    }
};

struct Recuperacion : ::testing::Test, CarpetaPrueba {
    const QString dir = Ruta("estado/nodeva/recuperacion");
    QStringList Ficheros() const { return QDir(dir).entryList(QDir::Files, QDir::Name); }
    QStringList Copias() const { return QDir(dir).entryList({"*.grf"}, QDir::Files); }
    QByteArray Leer(const QString& nombre) const { return Contenido("estado/nodeva/recuperacion/" + nombre); }
    // What the single copy in the folder holds.
    QByteArray Copia() const { return Copias().size() == 1 ? Leer(Copias()[0]) : "<ninguna o varias>"; }
};

// The real program, offscreen, in a state folder of its own, doing `ordenes` (NODEVA_ORDENES).
void Arrancar(QProcess& programa, const QString& estado, const QString& ordenes, const QStringList& argumentos)
{
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    entorno.insert("XDG_STATE_HOME", estado);
    entorno.insert("QT_QPA_PLATFORM", "offscreen");
    entorno.insert("NODEVA_ORDENES", ordenes);
    programa.setProcessEnvironment(entorno);
    programa.start(NODEVA_PROGRAMA, argumentos);
}

} // namespace

TEST_F(Recuperacion, SeEscribeAlCambiarCadaTreintaSegundosYAlEmpezarUnaEjecucionNuncaDurante)
{
    Instancia a(dir);
    a.Revisar();
    EXPECT_TRUE(Copias().isEmpty()) << "sin cambios no hay copia";
    a.Trabajo();
    a.Revisar();
    EXPECT_EQ(Copia(), TextoGrafo(a.p.grafo()));
    for (const QString& c : {Ruta("estado"), dir})
        EXPECT_EQ(QFileInfo(c).permissions() & 0x7077, 0x7000) << c.toStdString() << ": solo para su dueño";
    const QByteArray primera = Copia();
    a.p.grafo().InsertarPosicionX(1, 700);
    for (const auto& [segundos, esperada] : {std::pair{29.0, primera}, {1.0, TextoGrafo(a.p.grafo())}}) {
        a.persona.reloj += segundos;
        a.Revisar();
        EXPECT_EQ(Copia(), esperada) << a.persona.reloj;
    }
    // A run starts: the copy at once. During it, a change the schedule would copy is not copied.
    a.p.grafo().InsertarPosicionX(1, 900);
    QByteArray alEmpezar;
    a.persona.alPausar = [&](BotonesInterrupcion&) {
        a.Esperar();
        alEmpezar = Copia();
        a.p.Doc().NombreArchivo = "/otro.grf";
        a.persona.reloj += 100;
        a.Revisar();
        a.Ya();
        EXPECT_EQ(Copia(), alEmpezar);
        EXPECT_FALSE(Leer(Ficheros().filter(".desc").value(0)).contains("otro.grf"));
    };
    a.p.EjecutarAlgoritmo(QStringLiteral("Kruskal"));
    EXPECT_EQ(alEmpezar, TextoGrafo(a.p.grafo()));
    // A record whose invariants do not hold is never copied.
    a.p.grafo().InsertarNumAristas(40);
    a.Ya();
    EXPECT_EQ(Copia(), alEmpezar);
}

TEST_F(Recuperacion, GuardarODejarElGrafoLaQuitanSalirLaConserva)
{
    const QString guardado = Ruta("sub/tri.grf");
    ASSERT_TRUE(QDir().mkpath(Ruta("sub")));
    const std::vector<std::pair<const char*, std::function<void(Instancia&)>>> casos = {
        {"Guardar", [&](Instancia& i) { i.p.Doc().NombreArchivo = guardado, i.p.Guardar(); }},
        {"No a salvarlo", [](Instancia& i) { i.persona.respuestas = {Respuesta::No}, i.p.Nuevo(); }},
        {"Sí a cerrarlo", [](Instancia& i) { i.persona.respuestas = {Respuesta::Si}, i.p.QuiereCerrar(); }},
    };
    for (const auto& [caso, accion] : casos) {
        Instancia i(Ruta("r"));
        i.Trabajo();
        i.p.RevisarCopia(); // not waited for: the removal goes behind it
        accion(i);
        i.Revisar();
        EXPECT_TRUE(QDir(Ruta("r")).isEmpty()) << caso;
    }
    {
        Instancia i(dir);
        i.Trabajo();
        i.p.RevisarCopia();
    } // Salir: the window ends with the graph unsaved, and its writer finishes first
    EXPECT_EQ(Copias().size(), 1);
}

TEST_F(Recuperacion, AlEmpezarSeOfreceCadaCopiaHuerfanaConSusTresRespuestas)
{
    for (const R respuesta : {R::MasTarde, R::Descartar, R::Recuperar}) {
        if (Copias().isEmpty()) {
            Instancia a(dir);
            a.Trabajo();
            a.p.CopiarYa();
        }
        Instancia b(dir);
        b.persona.elecciones = {respuesta};
        b.p.OfrecerCopias();
        ASSERT_EQ(b.persona.ofertas.size(), 1);
        EXPECT_TRUE(QRegularExpression("^Nodeva se cerró sin guardar los cambios del grafo «tri\\.grf» \\(última "
                                       "copia: \\d\\d:\\d\\d\\)\\. ¿Desea recuperarlo\\?$")
                        .match(b.persona.ofertas[0])
                        .hasMatch())
            << b.persona.ofertas[0].toStdString();
        b.Ya();
        EXPECT_EQ(Copias().size(), respuesta == R::Descartar ? 0 : 1);
        if (respuesta != R::Recuperar)
            continue;
        // The graph, its name and its flags go through Guardar in the child-process test below.
        EXPECT_EQ(Copia(), TextoGrafo(b.p.grafo())) << "la copia es ya de quien recuperó";
        EXPECT_EQ(b.p.Titulo(), "NODEVA: Algoritmos sobre Grafos - [tri.grf]");
    }
}

// A live instance's copy beside an unreadable one: the first is neither offered nor touched, the second is
// said once, with the reader's words, and put aside.
TEST_F(Recuperacion, NoSeOfreceLaCopiaDeOtraInstanciaVivaNiUnaIlegible)
{
    Instancia a(dir), b(dir);
    a.Trabajo();
    a.Ya();
    const QStringList deA = Ficheros();
    Fichero("estado/nodeva/recuperacion/1-2-3.grf", "Ponderado\r\n3\r\n 0 4");
    b.p.OfrecerCopias();
    b.p.OfrecerCopias();
    EXPECT_TRUE(b.persona.ofertas.isEmpty());
    ASSERT_EQ(b.persona.mensajes.size(), 1);
    EXPECT_TRUE(b.persona.mensajes[0].titulo == "ERROR" && !b.persona.mensajes[0].texto.isEmpty());
    EXPECT_EQ(Ficheros(), QStringList{"1-2-3.grf.ilegible"} + deA);
}

// One job waits at most, a newer one in its place; they run in order, and the end finishes the last.
TEST(HiloEscritura, UnTrabajoNuevoSustituyeAlQueNoEmpezoYElFinTerminaElUltimo)
{
    std::vector<int> hechos;
    std::promise<void> empezado, soltar;
    {
        HiloEscritura hilo;
        hilo.Encargar([&, suelto = soltar.get_future().share()] {
            empezado.set_value();
            suelto.wait();
            hechos.push_back(1);
        });
        empezado.get_future().wait();
        for (const int trabajo : {2, 3})
            hilo.Encargar([&hechos, trabajo] { hechos.push_back(trabajo); });
        soltar.set_value();
        hilo.Esperar();
        EXPECT_EQ(hechos, (std::vector{1, 3}));
        hilo.Encargar([&] { QThread::msleep(50), hechos.push_back(4); });
    }
    EXPECT_EQ(hechos, (std::vector{1, 3, 4}));
}

TEST(CarpetaRecuperacion, SigueXdgStateHomeOLaCarpetaPorDefecto)
{
    const QByteArray antes = qgetenv("XDG_STATE_HOME");
    for (const auto& [valor, esperada] : {std::pair{"/estado", QString("/estado/nodeva/recuperacion")},
                                          {"", QDir::homePath() + "/.local/state/nodeva/recuperacion"},
                                          {"relativa", QDir::homePath() + "/.local/state/nodeva/recuperacion"}}) {
        qputenv("XDG_STATE_HOME", valor);
        EXPECT_EQ(CarpetaRecuperacion(), esperada) << valor;
    }
    qputenv("XDG_STATE_HOME", antes);
}

// The real program complements a path and dies by a signal (SIGTERM ends it cleanly); started again, it
// recovers and saves: the path's file holds the last copy's graph, and the copy is gone.
TEST_F(Recuperacion, ElProgramaMuertoPorUnaSenalDejaSuTrabajoAlSiguiente)
{
    const QByteArray texto =
        TextoDe("Simple", {{1000, 1500}, {2000, 1500}, {3000, 1500}, {4000, 1500}}, AristasCamino(4));
    for (const int senal : {SIGKILL, SIGTERM}) {
        const QString estado = Ruta(QString::number(senal)), carpetaCopias = estado + "/nodeva/recuperacion";
        const QString fichero = Fichero(QString("camino%1.grf").arg(senal), texto);
        QProcess primero, segundo;
        Arrancar(primero, estado, "mnu_complementario", {fichero});
        for (int i = 0; i < 300 && QDir(carpetaCopias).entryList({"*.desc"}).isEmpty(); ++i)
            QThread::msleep(100);
        ::kill(static_cast<pid_t>(primero.processId()), senal);
        ASSERT_TRUE(primero.waitForFinished(20000));
        EXPECT_EQ(primero.exitStatus() == QProcess::NormalExit && primero.exitCode() == 0, senal == SIGTERM);
        QFile copia(carpetaCopias + u'/' + QDir(carpetaCopias).entryList({"*.grf"}).value(0));
        ASSERT_TRUE(copia.open(QIODevice::ReadOnly)) << senal;
        const QByteArray ultima = copia.readAll();
        Arrancar(segundo, estado, "pulsar:Recuperar,pulsar:Aceptar,Guardar,Salir", {});
        ASSERT_TRUE(segundo.waitForFinished(20000)) << senal;
        EXPECT_EQ(segundo.exitCode(), 0) << senal;
        EXPECT_EQ(Contenido(QFileInfo(fichero).fileName()), ultima) << senal;
        // The matrix is the complement's; the positions are the child's window's.
        EXPECT_EQ(ultima.split('\r').mid(0, 6), TextoDe("Simple", 4, {{1, 3}, {1, 4}, {2, 4}}).split('\r').mid(0, 6))
            << senal;
        EXPECT_EQ(QDir(carpetaCopias).entryList({"*.grf", "*.desc"}), QStringList()) << senal;
    }
}
