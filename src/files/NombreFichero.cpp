#include "files/NombreFichero.h"

#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char16_t PrimerEscape = 0xDC80, UltimoEscape = 0xDCFF;

// The length of the well-formed UTF-8 character at `p` (RFC 3629: no
// overlong form, no surrogate, nothing past U+10FFFF), or 0.
int LargoUtf8(const unsigned char* p, qsizetype queda)
{
    const unsigned char c = p[0];
    int largo = 0;
    unsigned char min = 0x80, max = 0xBF; // the second byte's range
    if (c < 0x80)
        return 1;
    if (c >= 0xC2 && c <= 0xDF)
        largo = 2;
    else if (c >= 0xE0 && c <= 0xEF) {
        largo = 3;
        min = c == 0xE0 ? 0xA0 : 0x80;
        max = c == 0xED ? 0x9F : 0xBF;
    } else if (c >= 0xF0 && c <= 0xF4) {
        largo = 4;
        min = c == 0xF0 ? 0x90 : 0x80;
        max = c == 0xF4 ? 0x8F : 0xBF;
    } else
        return 0;
    if (queda < largo || p[1] < min || p[1] > max)
        return 0;
    for (int i = 2; i < largo; ++i)
        if (p[i] < 0x80 || p[i] > 0xBF)
            return 0;
    return largo;
}

std::optional<QString> EntradaQueEncaja(const QString& carpeta, const QString& perdido)
{
    std::optional<QString> unica;
    for (const QString& entrada : Disco::Entradas(carpeta))
        if (QString::fromUtf8(BytesDeNombre(entrada)) == perdido) {
            if (unica)
                return std::nullopt;
            unica = entrada;
        }
    return unica;
}

bool Estado(const QString& nombre, struct stat& st)
{
    return ::stat(BytesDeNombre(nombre).constData(), &st) == 0;
}

} // namespace

QString NombreDesdeBytes(const QByteArray& bytes)
{
    QString nombre;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    for (qsizetype i = 0; i < bytes.size();) {
        const int largo = LargoUtf8(p + i, bytes.size() - i);
        if (largo == 0) {
            nombre += QChar(char16_t(0xDC00 + p[i]));
            ++i;
        } else {
            nombre += QString::fromUtf8(bytes.constData() + i, largo);
            i += largo;
        }
    }
    return nombre;
}

QByteArray BytesDeNombre(const QString& nombre)
{
    QByteArray bytes;
    qsizetype desde = 0;
    for (qsizetype i = 0; i <= nombre.size(); ++i) {
        const bool fin = i == nombre.size();
        const char16_t u = fin ? 0 : nombre.at(i).unicode();
        // A high surrogate followed by a low one is a character, not an escape.
        const bool escape =
            !fin && u >= PrimerEscape && u <= UltimoEscape && (i == 0 || !nombre.at(i - 1).isHighSurrogate());
        if (fin || escape) {
            bytes += QStringView(nombre).mid(desde, i - desde).toUtf8();
            if (escape)
                bytes += char(u - 0xDC00);
            desde = i + 1;
        }
    }
    return bytes;
}

QByteArray RutaAbsoluta(const QString& nombre)
{
    const QByteArray bytes = BytesDeNombre(nombre);
    if (bytes.startsWith('/'))
        return bytes;
    char* aqui = ::getcwd(nullptr, 0);
    const QByteArray carpeta = aqui ? QByteArray(aqui) : QByteArray(".");
    std::free(aqui);
    return carpeta + '/' + bytes;
}

QString NombreRecuperado(const QString& nombre)
{
    if (!nombre.contains(QChar::ReplacementCharacter))
        return nombre;
    QString hecho;
    bool primera = true;
    for (const QString& parte : nombre.split(u'/')) {
        const auto unir = [&](const QString& p) { return primera ? p : hecho + u'/' + p; };
        QString ruta = unir(parte);
        if (parte.contains(QChar::ReplacementCharacter) && !Disco::Existe(ruta)) {
            const QString carpeta = primera ? QStringLiteral(".") : hecho.isEmpty() ? QStringLiteral("/") : hecho;
            if (const auto real = EntradaQueEncaja(carpeta, parte))
                ruta = unir(*real);
        }
        hecho = ruta;
        primera = false;
    }
    return hecho;
}

bool Disco::EsFichero(const QString& nombre)
{
    struct stat st {};
    return Estado(nombre, st) && S_ISREG(st.st_mode);
}

bool Disco::EsCarpeta(const QString& nombre)
{
    struct stat st {};
    return Estado(nombre, st) && S_ISDIR(st.st_mode);
}

bool Disco::Existe(const QString& nombre)
{
    struct stat st {};
    return Estado(nombre, st);
}

bool Disco::MismoFichero(const QString& a, const QString& b)
{
    struct stat x {
    }, y{};
    return Estado(a, x) && Estado(b, y) && x.st_dev == y.st_dev && x.st_ino == y.st_ino;
}

QStringList Disco::Entradas(const QString& carpeta)
{
    QStringList nombres;
    DIR* dir = ::opendir(BytesDeNombre(carpeta).constData());
    if (!dir)
        return nombres;
    while (const dirent* e = ::readdir(dir)) {
        const QByteArray nombre(e->d_name);
        if (nombre != "." && nombre != "..")
            nombres << NombreDesdeBytes(nombre);
    }
    ::closedir(dir);
    return nombres;
}

bool Disco::Borrar(const QString& carpeta, const QString& nombre)
{
    return ::unlink(BytesDeNombre(carpeta + u'/' + nombre).constData()) == 0;
}

int Disco::AbrirLectura(const QString& nombre)
{
    // Not blocking: opening a FIFO would wait for a writer that never comes.
    const int fd = ::open(BytesDeNombre(nombre).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    struct stat st {};
    if (fd >= 0 && (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))) {
        ::close(fd);
        errno = EINVAL;
        return -1;
    }
    return fd;
}
