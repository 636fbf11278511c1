// Every file the program writes goes through here: the bytes go to a new file
// beside the target, are checked and synced to the disk, and only then take
// the target's name, so a failure at any point leaves the old file whole.
#pragma once

#include <QByteArray>
#include <QString>
#include <sys/types.h>

// The system calls of a write, one virtual per call so that a test can make
// any of them fail; the defaults are the real calls.
class SistemaFicheros {
public:
    virtual ~SistemaFicheros() = default;
    // Creates a file that must not exist yet, for writing.
    virtual int Crear(const QByteArray& ruta, mode_t modo);
    virtual ssize_t Escribir(int fd, const char* datos, size_t n);
    virtual int Sincronizar(int fd);
    virtual int Cerrar(int fd);
    virtual int Renombrar(const QByteArray& de, const QByteArray& a);
    virtual int SincronizarCarpeta(const QByteArray& carpeta);
};

SistemaFicheros& SistemaReal();

struct [[nodiscard]] Escritura {
    bool hecha = false;
    QString motivo; // why it was not written, in Spanish, to follow a colon
    // Written and in place, but the system did not confirm that the new name
    // is on the disk: a sentence that says so, or "".
    QString aviso = {};
};

// Replaces `destino` with `bytes`. An existing target that is not a regular
// file (a folder, a FIFO, a device), a read-only file and a link that leads
// to no file are refused; a symbolic link to a file is followed, so the file
// it names is replaced and the link stays a link. The new file keeps the old
// one's permissions. The bytes go first to a short name of our own in the
// same folder (so a target whose name is as long as the system allows can
// be written), and what an earlier save of the same target killed before
// its end left there is removed.
Escritura EscribirAtomicamente(const QString& destino, const QByteArray& bytes,
                               SistemaFicheros& sistema = SistemaReal());
