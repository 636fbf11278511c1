// Recovery copies of unsaved work: per running instance one graph file and a
// small description beside it, in a folder of the user's state. An instance
// holds a lock (flock on a file of its own) from its first copy until it
// ends; the kernel lets it go when the process dies however it dies, so a
// copy whose lock can be taken is one whose program is gone.
#pragma once

#include <QDateTime>
#include <QSize>
#include <QString>
#include <atomic>
#include <memory>
#include <vector>

#include "files/CopiaRecuperacionHilo.h"

class Grafo;

// What a copy says about itself.
struct DescripcionCopia {
    QString original; // the graph's file, "" when it never had one
    bool nombreSinConfirmar = false;
    QDateTime hora;
    qint64 pid = 0;
};

// $XDG_STATE_HOME/nodeva/recuperacion, or ~/.local/state/nodeva/recuperacion.
QString CarpetaRecuperacion();

// The record's invariants: the matrix agrees with the type and the edge
// count, and nothing lies beyond n. A copy of anything else is not written.
bool RegistroCoherente(const Grafo& grafo);

// A flock held on one file for as long as the object lives.
class Cerrojo {
public:
    // Takes it without waiting; Tomado() says whether it was had.
    explicit Cerrojo(const QString& ruta);
    ~Cerrojo();
    Cerrojo(const Cerrojo&) = delete;
    Cerrojo& operator=(const Cerrojo&) = delete;
    bool Tomado() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

// The copy of this instance. The calling thread only checks the record and
// turns it into bytes; a thread of the copy's own writes them, and takes the
// lock (the process holds it, whichever thread opened it).
class CopiaRecuperacion {
public:
    // Creates the folder (0700) when it is missing; nothing else is written
    // before the first copy.
    explicit CopiaRecuperacion(QString carpeta);
    // What was handed over is written (or removed) first.
    ~CopiaRecuperacion();

    const QString& Carpeta() const { return carpeta_; }
    const QString& Id() const { return id_; }
    // Hands the copy to the writer: the graph first, then its description,
    // so a description always names a graph file as whole as the atomic
    // writer leaves it. False, and nothing handed over, for a record whose
    // invariants do not hold.
    bool Escribir(const Grafo& grafo, const DescripcionCopia& descripcion);
    // The last write the writer finished failed.
    bool Fallida() const { return fallida_; }
    // Handed to the writer too, after the writes handed over before it.
    void Borrar();
    // Returns once the writer has done all it was handed.
    void Esperar() { hilo_.Esperar(); }
    bool Existe() const;

private:
    // On the writer's thread.
    void Guardar(const QByteArray& grafo, const QByteArray& descripcion);

    QString carpeta_;
    QString id_;
    std::unique_ptr<Cerrojo> cerrojo_; // the writer's only
    std::atomic<bool> fallida_{false};
    HiloEscritura hilo_; // last: it ends before the rest is gone
};

// A copy left by an instance that is gone, held (its lock taken) while the
// object lives, so that another instance starting now does not offer it too.
class CopiaHuerfana {
public:
    // The copies of `carpeta` whose owner is gone, oldest first.
    static std::vector<std::unique_ptr<CopiaHuerfana>> Buscar(const QString& carpeta);

    const DescripcionCopia& Descripcion() const { return descripcion_; }
    // Reads the graph into `grafo` (a fresh record): "" or the reader's message.
    QString Leer(Grafo& grafo, QSize areaTrabajo) const;
    void Borrar();
    // Renames the copy out of the way ("….ilegible"), where it is never
    // offered again but stays for whoever wants to look at it.
    void Apartar();

private:
    CopiaHuerfana(QString carpeta, QString id, std::unique_ptr<Cerrojo> cerrojo);

    QString carpeta_;
    QString id_;
    std::unique_ptr<Cerrojo> cerrojo_;
    DescripcionCopia descripcion_;
};
