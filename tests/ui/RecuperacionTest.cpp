// The recovery copy through the main window's logic, in a temporary folder: when it is written and removed,
// what each answer at start does, unreadable copies and two instances side by side.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>
#include <csignal>

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
    std::function<void()> alPausar;
    void Mostrar(ModeloDialogo& dialogo) override
    {
        if (auto* oferta = dynamic_cast<OfertaRecuperacion*>(&dialogo)) {
            ofertas << oferta->Texto();
            if (!elecciones.empty())
                oferta->Responder(elecciones.front()), elecciones.pop_front();
            return;
        }
        if (alPausar && dynamic_cast<BotonesInterrupcion*>(&dialogo))
            alPausar();
        PersonaEjecucion::Mostrar(dialogo);
    }
};

struct Instancia : MundoCon<PersonaRecupera> {
    explicit Instancia(const QString& carpeta) { p.CopiasEn(carpeta); }
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

} // namespace

TEST_F(Recuperacion, SeEscribeAlCambiarCadaTreintaSegundosYAlEmpezarUnaEjecucionNuncaDurante)
{
    Instancia a(dir);
    a.p.RevisarCopia();
    EXPECT_TRUE(Copias().isEmpty()) << "sin cambios no hay copia";
    a.Trabajo();
    a.p.RevisarCopia();
    EXPECT_EQ(Copia(), TextoGrafo(a.p.grafo()));
    for (const QString& c : {Ruta("estado"), dir})
        EXPECT_EQ(QFileInfo(c).permissions() & 0x7077, 0x7000) << c.toStdString() << ": solo para su dueño";
    const QByteArray primera = Copia();
    a.p.grafo().InsertarPosicionX(1, 700);
    for (const auto& [segundos, esperada] : {std::pair{29.0, primera}, {1.0, TextoGrafo(a.p.grafo())}}) {
        a.persona.reloj += segundos;
        a.p.RevisarCopia();
        EXPECT_EQ(Copia(), esperada) << a.persona.reloj;
    }
    // A run starts: the copy at once. During it, a change the schedule would copy is not copied.
    a.p.grafo().InsertarPosicionX(1, 900);
    QByteArray alEmpezar;
    a.persona.alPausar = [&] {
        alEmpezar = Copia();
        a.p.Doc().NombreArchivo = "/otro.grf";
        a.persona.reloj += 100;
        a.p.RevisarCopia();
        a.p.CopiarYa();
        EXPECT_EQ(Copia(), alEmpezar);
        EXPECT_FALSE(Leer(Ficheros().filter(".desc").value(0)).contains("otro.grf"));
    };
    a.p.EjecutarAlgoritmo(QStringLiteral("Kruskal"));
    EXPECT_EQ(alEmpezar, TextoGrafo(a.p.grafo()));
    // A record whose invariants do not hold is never copied.
    a.p.grafo().InsertarNumAristas(40);
    a.p.CopiarYa();
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
        i.p.RevisarCopia();
        accion(i);
        i.p.RevisarCopia();
        EXPECT_TRUE(QDir(Ruta("r")).isEmpty()) << caso;
    }
    {
        Instancia i(dir);
        i.Trabajo();
        i.p.RevisarCopia();
    } // Salir: the window ends with the graph unsaved
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
        b.p.CopiarYa();
        EXPECT_EQ(Copias().size(), respuesta == R::Descartar ? 0 : 1);
        if (respuesta != R::Recuperar)
            continue;
        EXPECT_EQ(Copia(), TextoGrafo(b.p.grafo())) << "la copia es ya de quien recuperó";
        EXPECT_TRUE(b.p.Doc().GrafoModificado && !b.p.Doc().NombreSinConfirmar);
        EXPECT_EQ(b.p.Doc().NombreArchivo, "/clase/tri.grf");
        EXPECT_EQ(b.p.Titulo(), "NODEVA: Algoritmos sobre Grafos - [tri.grf]");
        MundoCon<PersonaRecupera> original;
        original.Poner(1, 3, Pesadas);
        EXPECT_TRUE(b.p.grafo() == original.p.grafo());
    }
}

TEST_F(Recuperacion, LaCopiaDeOtraInstanciaVivaNoSeOfreceNiSeToca)
{
    Instancia a(dir), b(dir);
    a.Trabajo();
    a.p.CopiarYa();
    b.p.OfrecerCopias();
    EXPECT_TRUE(b.persona.ofertas.isEmpty());
    EXPECT_EQ(Copias().size(), 1);
}

TEST_F(Recuperacion, UnaCopiaIlegibleSeDiceUnaVezYSeAparta)
{
    Instancia b(dir);
    Fichero("estado/nodeva/recuperacion/1-2-3.grf", "Ponderado\r\n3\r\n 0 4");
    b.p.OfrecerCopias();
    b.p.OfrecerCopias();
    ASSERT_EQ(b.persona.mensajes.size(), 1);
    EXPECT_EQ(b.persona.mensajes[0].titulo, "ERROR");
    EXPECT_FALSE(b.persona.mensajes[0].texto.isEmpty());
    EXPECT_TRUE(b.persona.ofertas.isEmpty());
    EXPECT_EQ(Ficheros(), QStringList{"1-2-3.grf.ilegible"});
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

// The real program, offscreen, edits a path (its complement) and dies by a signal; the next start recovers
// the complement under the path's name. SIGTERM ends it cleanly, SIGKILL is only survived.
TEST_F(Recuperacion, ElProgramaMuertoPorUnaSenalDejaSuTrabajoAlSiguiente)
{
    MundoCon<PersonaRecupera> camino;
    camino.Poner(0, 4, {{1, 2}, {2, 3}, {3, 4}});
    for (int v = 1; v <= 4; ++v)
        camino.p.grafo().InsertarPosicionX(v, 1000 * v), camino.p.grafo().InsertarPosicionY(v, 1500);
    const QString fichero = Fichero("camino.grf", TextoGrafo(camino.p.grafo()));
    camino.p.AbrirArchivo(fichero);
    camino.p.Ejecutar("mnu_complementario");
    for (const int senal : {SIGKILL, SIGTERM}) {
        const QString estado = Ruta(QString::number(senal));
        QProcess programa;
        QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
        entorno.insert("XDG_STATE_HOME", estado);
        entorno.insert("QT_QPA_PLATFORM", "offscreen");
        entorno.insert("NODEVA_ORDENES", "mnu_complementario");
        programa.setProcessEnvironment(entorno);
        programa.start(NODEVA_PROGRAMA, {fichero});
        const QString carpetaCopias = estado + "/nodeva/recuperacion";
        for (int i = 0; i < 300 && QDir(carpetaCopias).entryList({"*.desc"}).isEmpty(); ++i)
            QThread::msleep(100);
        ::kill(static_cast<pid_t>(programa.processId()), senal);
        ASSERT_TRUE(programa.waitForFinished(20000));
        EXPECT_EQ(programa.exitStatus() == QProcess::NormalExit && programa.exitCode() == 0, senal == SIGTERM);
        QFile copia(carpetaCopias + u'/' + QDir(carpetaCopias).entryList({"*.grf"}).value(0));
        ASSERT_TRUE(copia.open(QIODevice::ReadOnly)) << senal;
        Instancia siguiente(carpetaCopias);
        siguiente.persona.elecciones = {R::Recuperar};
        siguiente.p.OfrecerCopias();
        const QByteArray recuperado = TextoGrafo(siguiente.p.grafo());
        EXPECT_EQ(recuperado, copia.readAll()) << senal;
        // The matrix is the complement's; the positions are the child's window's.
        EXPECT_EQ(recuperado.split('\r').mid(0, 6), TextoGrafo(camino.p.grafo()).split('\r').mid(0, 6)) << senal;
        EXPECT_EQ(siguiente.p.Doc().NombreArchivo, fichero) << senal;
    }
}
