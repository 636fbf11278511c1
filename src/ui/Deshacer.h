// The editor's single level of undo: the kind of the last undoable edit and
// its operands, and what undoing each kind does to the record.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>

class Grafo;
class EstadoComandos;

struct RegistroDeshacer {
    QString TipoDeshacer; // "" when there is nothing to undo
    std::int16_t VerticeDeshacer = 0;
    std::int16_t Vertice2Deshacer = 0;
    std::int16_t XDeshacer = 0;
    std::int16_t YDeshacer = 0;
    std::int16_t AristaDeshacer = 0;
    std::int16_t PesoDeshacer = 0;
};

namespace TipoDeshacer {
inline const QString EliminarVertice = QStringLiteral("Eliminar_Vertice");
inline const QString EliminarArista = QStringLiteral("Eliminar_Arista");
inline const QString CambiarPeso = QStringLiteral("cambiarpeso");
inline const QString RecuperarVertice = QStringLiteral("RecuperarVertice");
inline const QString RecuperarArista = QStringLiteral("RecuperarArista");
inline const QString RecuperarIdent = QStringLiteral("Recuperar_Ident");
inline const QString Desmover = QStringLiteral("Desmover");
} // namespace TipoDeshacer

class Deshacer {
public:
    Deshacer(EstadoComandos& comandos, std::function<void()> redibujar)
        : comandos_(comandos), redibujar_(std::move(redibujar))
    {
    }

    const RegistroDeshacer& Registro() const { return registro_; }
    // Replaces the record; the undo command is enabled only when `usable`.
    void Guardar(const RegistroDeshacer& registro, bool usable = true);
    // Makes the stored record usable (a drag becomes undoable at its release).
    void Habilitar();
    void AnularDeshacer();
    // The merge of w into u about to happen, with w's position.
    void guardar_ident(const Grafo& g, int u, int w);
    // Undoes the recorded edit on the record and forgets it.
    void Ejecutar(Grafo& g);

private:
    void ActivarComando(bool activo);

    EstadoComandos& comandos_;
    std::function<void()> redibujar_;
    RegistroDeshacer registro_;
};
