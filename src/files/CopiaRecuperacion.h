// Recovery copies of unsaved work: per running instance one graph file and a
// small description beside it, in a folder of the user's state. An instance
// holds a lock (flock on a file of its own) from its first copy until it
// ends; the kernel lets it go when the process dies however it dies, so a
// copy whose lock can be taken is one whose program is gone.
#pragma once

#include <QDateTime>
#include <QSize>
#include <QString>
#include <memory>
#include <vector>

#include "files/EscrituraAtomica.h"

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

// The copy of this instance.
class CopiaRecuperacion {
public:
    // Creates the folder (0700) when it is missing; nothing else is written
    // before the first copy.
    explicit CopiaRecuperacion(QString carpeta);
    ~CopiaRecuperacion();

    const QString& Carpeta() const { return carpeta_; }
    const QString& Id() const { return id_; }
    // The graph first, then its description: a description always names a
    // graph file as whole as the atomic writer leaves it.
    Escritura Escribir(const Grafo& grafo, const DescripcionCopia& descripcion);
    bool Existe() const;
    void Borrar();

private:
    QString carpeta_;
    QString id_;
    std::unique_ptr<Cerrojo> cerrojo_;
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
