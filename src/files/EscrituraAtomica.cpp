#include "files/EscrituraAtomica.h"

#include "files/NombreFichero.h"

#include <QRandomGenerator>
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

int SistemaFicheros::Crear(const QByteArray& ruta, mode_t modo)
{
    return ::open(ruta.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, modo);
}

ssize_t SistemaFicheros::Escribir(int fd, const char* datos, size_t n)
{
    return ::write(fd, datos, n);
}

int SistemaFicheros::Sincronizar(int fd)
{
    return ::fsync(fd);
}

int SistemaFicheros::Cerrar(int fd)
{
    return ::close(fd);
}

int SistemaFicheros::Renombrar(const QByteArray& de, const QByteArray& a)
{
    return ::rename(de.constData(), a.constData());
}

int SistemaFicheros::SincronizarCarpeta(const QByteArray& carpeta)
{
    const int fd = ::open(carpeta.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return -1;
    const int resultado = ::fsync(fd);
    const int error = errno;
    ::close(fd);
    errno = error;
    return resultado;
}

SistemaFicheros& SistemaReal()
{
    static SistemaFicheros sistema;
    return sistema;
}

namespace {

// What the person reads after "No se pudo guardar el fichero X: ".
Escritura Fallo(int error)
{
    static const std::pair<int, const char*> motivos[] = {
        {ENOSPC, "no queda espacio en el disco"},
        {EDQUOT, "se ha agotado la cuota de disco"},
        {EFBIG, "el fichero pasa del tamaño que se permite escribir"},
        {EACCES, "no hay permiso para escribir en esa carpeta"},
        {EPERM, "no hay permiso para escribir en esa carpeta"},
        {ENOENT, "la carpeta no existe"},
        {ENOTDIR, "la carpeta no existe"},
        {EROFS, "el disco es de solo lectura"},
        {EIO, "error de entrada o salida en el disco"},
        {ENAMETOOLONG, "el nombre es demasiado largo"},
        {ELOOP, "la ruta tiene un bucle de enlaces"},
        {EISDIR, "es una carpeta"},
        {ETXTBSY, "el fichero está en uso"},
        {EBUSY, "el fichero está en uso"},
        {EMFILE, "hay demasiados ficheros abiertos"},
        {ENFILE, "hay demasiados ficheros abiertos"},
        {ENOMEM, "no queda memoria"},
        {EXDEV, "el fichero está en otro disco que su carpeta"},
        {EMLINK, "la carpeta no admite más ficheros"},
        {EINVAL, "el sistema de ficheros no admite ese nombre"},
    };
    for (const auto& [codigo, motivo] : motivos)
        if (codigo == error)
            return {false, QString::fromUtf8(motivo)};
    return {false, QStringLiteral("error %1 del sistema").arg(error)};
}

QByteArray Carpeta(const QByteArray& ruta)
{
    const qsizetype barra = ruta.lastIndexOf('/');
    return barra <= 0 ? QByteArray("/") : ruta.left(barra);
}

// The file that will really be replaced, and the permissions it has.
struct Destino {
    QByteArray ruta;
    std::optional<mode_t> modo; // none for a new file
    QString rechazo;
};

Destino Resolver(const QString& nombre)
{
    Destino d{RutaAbsoluta(nombre), std::nullopt, {}};
    struct stat st {};
    if (::stat(d.ruta.constData(), &st) != 0) {
        // Renaming over a link to nothing, or a loop of links, would put a
        // file where the link was.
        if (errno == ENOENT && ::lstat(d.ruta.constData(), &st) == 0)
            d.rechazo = QStringLiteral("es un enlace a un fichero que no existe");
        else if (errno == ELOOP)
            d.rechazo = QStringLiteral("es un enlace que no lleva a ningún fichero (un bucle de enlaces)");
        return d;
    }
    if (!S_ISREG(st.st_mode)) {
        d.rechazo = S_ISDIR(st.st_mode) ? QStringLiteral("es una carpeta") : QStringLiteral("no es un fichero normal");
        return d;
    }
    // The rename would replace it all the same, and root may write anything:
    // a file nobody may write to is the user's word that it stays as it is.
    if ((st.st_mode & 0222) == 0 || ::access(d.ruta.constData(), W_OK) != 0) {
        d.rechazo = QStringLiteral("El fichero es de solo lectura");
        return d;
    }
    d.modo = st.st_mode & 07777;
    if (char* real = ::realpath(d.ruta.constData(), nullptr)) {
        d.ruta = real;
        std::free(real);
    }
    return d;
}

// The temporaries of one target: ".nodeva-" and a hash of its name, then
// eight random hex digits and ".tmp", 30 bytes whatever the target's length.
QByteArray PrefijoTemporal(const QByteArray& ruta)
{
    const QByteArray nombre = ruta.mid(ruta.lastIndexOf('/') + 1);
    return ".nodeva-" + QByteArray::number(qHash(nombre, 0x6e6f6465u) & 0xffffffffu, 16).rightJustified(8, '0') + '-';
}

bool EsTemporalDe(const QByteArray& nombre, const QByteArray& prefijo)
{
    if (nombre.size() != prefijo.size() + 12 || !nombre.startsWith(prefijo) || !nombre.endsWith(".tmp"))
        return false;
    const QByteArray azar = nombre.mid(prefijo.size(), 8);
    return std::all_of(azar.begin(), azar.end(), [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); });
}

// A save killed before its rename leaves its temporary behind; the next
// save of the same target takes it away.
void QuitarTemporalesViejos(const QByteArray& carpeta, const QByteArray& prefijo)
{
    DIR* dir = ::opendir(carpeta.constData());
    if (!dir)
        return;
    while (const dirent* e = ::readdir(dir))
        if (EsTemporalDe(QByteArray(e->d_name), prefijo))
            ::unlinkat(::dirfd(dir), e->d_name, 0);
    ::closedir(dir);
}

// Creates a file of a name no one else uses, beside the target.
int CrearTemporal(SistemaFicheros& sistema, const Destino& d, QByteArray& temporal)
{
    const QByteArray carpeta = Carpeta(d.ruta), prefijo = PrefijoTemporal(d.ruta);
    QuitarTemporalesViejos(carpeta, prefijo);
    for (int intento = 0; intento < 100; ++intento) {
        const quint32 azar = QRandomGenerator::global()->generate();
        temporal = carpeta + '/' + prefijo + QByteArray::number(azar, 16).rightJustified(8, '0') + ".tmp";
        const int fd = sistema.Crear(temporal, d.modo.value_or(0666));
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// write() may take fewer bytes than it was given, or be interrupted.
bool EscribirTodo(SistemaFicheros& sistema, int fd, const QByteArray& bytes)
{
    const char* p = bytes.constData();
    size_t queda = size_t(bytes.size());
    while (queda > 0) {
        const ssize_t n = sistema.Escribir(fd, p, queda);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        p += n;
        queda -= size_t(n);
    }
    return true;
}

} // namespace

Escritura EscribirAtomicamente(const QString& destino, const QByteArray& bytes, SistemaFicheros& sistema)
{
    const Destino d = Resolver(destino);
    if (!d.rechazo.isEmpty())
        return {false, d.rechazo};
    QByteArray temporal;
    const int fd = CrearTemporal(sistema, d, temporal);
    if (fd < 0)
        return Fallo(errno);
    // The umask may have narrowed the old file's permissions at creation. A
    // file system without permissions refuses this, and the file is still good.
    if (d.modo)
        (void)::fchmod(fd, *d.modo);
    // A sync that fails means the bytes may never reach the disk: no save.
    bool escrito = EscribirTodo(sistema, fd, bytes) && sistema.Sincronizar(fd) == 0;
    int error = errno;
    if (sistema.Cerrar(fd) != 0 && escrito) {
        escrito = false;
        error = errno;
    }
    if (escrito && sistema.Renombrar(temporal, d.ruta) != 0) {
        escrito = false;
        error = errno;
    }
    if (!escrito) {
        ::unlink(temporal.constData());
        return Fallo(error);
    }
    // The new name must reach the disk too; a folder that cannot be synced
    // at all (EINVAL) is a file system that keeps no such promise. The file
    // is in place by now: it is saved, with a warning.
    if (sistema.SincronizarCarpeta(Carpeta(d.ruta)) != 0 && errno != EINVAL)
        return {true,
                {},
                QStringLiteral("El fichero se ha guardado, pero el sistema no ha confirmado que esté ya en el "
                               "disco (%1).")
                    .arg(Fallo(errno).motivo)};
    return {true, {}};
}
