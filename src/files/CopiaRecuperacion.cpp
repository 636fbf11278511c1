#include "files/CopiaRecuperacion.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <algorithm>
#include <atomic>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "files/Escritor.h"
#include "files/Intercambio.h"
#include "files/NombreFichero.h"
#include "model/Grafo.h"

namespace {

const QString ExtGrafo = QStringLiteral(".grf");
const QString ExtDescripcion = QStringLiteral(".desc");
const QString ExtCerrojo = QStringLiteral(".lock");
const QString ExtIlegible = QStringLiteral(".ilegible");

QByteArray TextoDescripcion(const DescripcionCopia& d)
{
    return "original=" + BytesDeNombre(d.original).toPercentEncoding() +
           "\nsinconfirmar=" + (d.nombreSinConfirmar ? "1" : "0") +
           "\nhora=" + d.hora.toUTC().toString(Qt::ISODate).toLatin1() + "\npid=" + QByteArray::number(d.pid) + '\n';
}

DescripcionCopia LeerDescripcion(const QString& ruta, const QDateTime& horaGrafo)
{
    DescripcionCopia d;
    d.hora = horaGrafo;
    QFile f;
    if (!f.open(Disco::AbrirLectura(ruta), QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return d;
    for (const QByteArray& linea : f.readAll().split('\n')) {
        const qsizetype igual = linea.indexOf('=');
        const QByteArray clave = linea.left(igual), valor = linea.mid(igual + 1);
        if (clave == "original")
            d.original = NombreDesdeBytes(QByteArray::fromPercentEncoding(valor));
        else if (clave == "sinconfirmar")
            d.nombreSinConfirmar = valor == "1";
        else if (clave == "hora" && QDateTime::fromString(QString::fromLatin1(valor), Qt::ISODate).isValid())
            d.hora = QDateTime::fromString(QString::fromLatin1(valor), Qt::ISODate);
        else if (clave == "pid")
            d.pid = valor.toLongLong();
    }
    return d;
}

QString NuevoId()
{
    static std::atomic<int> contador{0};
    return QStringLiteral("%1-%2-%3")
        .arg(QCoreApplication::applicationPid())
        .arg(QDateTime::currentMSecsSinceEpoch())
        .arg(contador++);
}

void BorrarCopia(const QString& carpeta, const QString& id)
{
    // The description first: a graph file without one is still offered, a
    // description without its graph would not be.
    for (const QString& ext : {ExtDescripcion, ExtGrafo, ExtCerrojo})
        [[maybe_unused]] const bool borrado = Disco::Borrar(carpeta, id + ext);
}

// Each missing folder of the path, 0700 (the state of one user only).
void CrearCarpeta(const QString& carpeta)
{
    const QByteArray ruta = BytesDeNombre(carpeta);
    for (qsizetype barra = ruta.indexOf('/', 1); barra != -1; barra = ruta.indexOf('/', barra + 1))
        ::mkdir(ruta.left(barra).constData(), 0700);
    ::mkdir(ruta.constData(), 0700);
}

void Renombrar(const QString& de, const QString& a)
{
    ::rename(BytesDeNombre(de).constData(), BytesDeNombre(a).constData());
}

} // namespace

QString CarpetaRecuperacion()
{
    QString estado = NombreDesdeBytes(qgetenv("XDG_STATE_HOME"));
    // A relative path is invalid by the XDG rules and is ignored.
    if (estado.isEmpty() || QDir::isRelativePath(estado))
        estado = QDir::homePath() + QStringLiteral("/.local/state");
    return estado + QStringLiteral("/nodeva/recuperacion");
}

bool RegistroCoherente(const Grafo& g)
{
    const int n = g.dimen();
    if (n < 0 || n > Grafo::Limite)
        return false;
    int entradas = 0;
    for (int i = 1; i <= Grafo::Limite; ++i)
        for (int j = 1; j <= Grafo::Limite; ++j) {
            const std::int16_t e = g.elem_matriz(i, j);
            if (e == 0)
                continue;
            if (i > n || j > n || i == j || (!g.Ponderado() && e != 1) || e < -9999 || e > 9999 ||
                (!g.Dirigido() && g.elem_matriz(j, i) != e))
                return false;
            ++entradas;
        }
    return g.numero_aristas() == (g.Dirigido() ? entradas : entradas / 2);
}

Cerrojo::Cerrojo(const QString& ruta)
{
    fd_ = ::open(BytesDeNombre(ruta).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ >= 0 && ::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

Cerrojo::~Cerrojo()
{
    if (fd_ >= 0)
        ::close(fd_);
}

// --- this instance's copy -----------------------------------------------------------

CopiaRecuperacion::CopiaRecuperacion(QString carpeta) : carpeta_(std::move(carpeta)), id_(NuevoId())
{
    CrearCarpeta(carpeta_);
}

CopiaRecuperacion::~CopiaRecuperacion() = default; // the writer, last, ends first

bool CopiaRecuperacion::Escribir(const Grafo& grafo, const DescripcionCopia& descripcion)
{
    if (!RegistroCoherente(grafo))
        return false;
    hilo_.Encargar([this, bytes = TextoGrafo(grafo), texto = TextoDescripcion(descripcion)] { Guardar(bytes, texto); });
    return true;
}

void CopiaRecuperacion::Guardar(const QByteArray& grafo, const QByteArray& descripcion)
{
    if (!cerrojo_)
        cerrojo_ = std::make_unique<Cerrojo>(carpeta_ + u'/' + id_ + ExtCerrojo);
    const QString base = carpeta_ + u'/' + id_;
    const bool hecha = cerrojo_->Tomado() && EscribirAtomicamente(base + ExtGrafo, grafo).hecha &&
                       EscribirAtomicamente(base + ExtDescripcion, descripcion).hecha;
    if (!cerrojo_->Tomado())
        cerrojo_.reset();
    fallida_ = !hecha;
}

bool CopiaRecuperacion::Existe() const
{
    return Disco::Existe(carpeta_ + u'/' + id_ + ExtGrafo);
}

void CopiaRecuperacion::Borrar()
{
    hilo_.Encargar([this] {
        if (!cerrojo_)
            return;
        BorrarCopia(carpeta_, id_);
        cerrojo_.reset();
    });
}

// --- copies whose owner is gone ---------------------------------------------------

CopiaHuerfana::CopiaHuerfana(QString carpeta, QString id, std::unique_ptr<Cerrojo> cerrojo)
    : carpeta_(std::move(carpeta)), id_(std::move(id)), cerrojo_(std::move(cerrojo))
{
    const QString base = carpeta_ + u'/' + id_;
    struct stat st {};
    const bool visto = ::stat(BytesDeNombre(base + ExtGrafo).constData(), &st) == 0;
    descripcion_ =
        LeerDescripcion(base + ExtDescripcion, visto ? QDateTime::fromSecsSinceEpoch(st.st_mtime) : QDateTime());
}

std::vector<std::unique_ptr<CopiaHuerfana>> CopiaHuerfana::Buscar(const QString& carpeta)
{
    std::vector<std::unique_ptr<CopiaHuerfana>> copias;
    for (const QString& fichero : Disco::Entradas(carpeta)) {
        if (!fichero.endsWith(ExtGrafo) || !Disco::EsFichero(carpeta + u'/' + fichero))
            continue;
        const QString id = fichero.chopped(ExtGrafo.size());
        auto cerrojo = std::make_unique<Cerrojo>(carpeta + u'/' + id + ExtCerrojo);
        if (cerrojo->Tomado())
            copias.push_back(std::unique_ptr<CopiaHuerfana>(new CopiaHuerfana(carpeta, id, std::move(cerrojo))));
    }
    std::stable_sort(copias.begin(), copias.end(),
                     [](const auto& a, const auto& b) { return a->descripcion_.hora < b->descripcion_.hora; });
    return copias;
}

QString CopiaHuerfana::Leer(Grafo& grafo, QSize areaTrabajo) const
{
    return ImportarGrafo(carpeta_ + u'/' + id_ + ExtGrafo, grafo, areaTrabajo);
}

void CopiaHuerfana::Borrar()
{
    BorrarCopia(carpeta_, id_);
}

void CopiaHuerfana::Apartar()
{
    const QString base = carpeta_ + u'/' + id_;
    Renombrar(base + ExtGrafo, base + ExtGrafo + ExtIlegible);
    Renombrar(base + ExtDescripcion, base + ExtDescripcion + ExtIlegible);
    [[maybe_unused]] const bool borrado = Disco::Borrar(carpeta_, id_ + ExtCerrojo);
}
