#include "ui/Deshacer.h"

#include "model/Controles.h"
#include "model/Grafo.h"

void Deshacer::ActivarComando(bool activo)
{
    comandos_.Habilitar(Control::Deshacer, activo);
    comandos_.Habilitar(Control::Boton_deshacer, activo);
}

void Deshacer::Guardar(const RegistroDeshacer& registro, bool usable)
{
    registro_ = registro;
    if (usable)
        ActivarComando(true);
}

void Deshacer::Habilitar()
{
    ActivarComando(true);
}

void Deshacer::AnularDeshacer()
{
    registro_.TipoDeshacer.clear();
    registro_.VerticeDeshacer = 0;
    registro_.AristaDeshacer = 0;
    ActivarComando(false);
}

void Deshacer::guardar_ident(const Grafo& g, int u, int w)
{
    RegistroDeshacer r;
    r.TipoDeshacer = TipoDeshacer::RecuperarIdent;
    r.VerticeDeshacer = static_cast<std::int16_t>(u);
    r.Vertice2Deshacer = static_cast<std::int16_t>(w);
    r.XDeshacer = g.Posic_CoordX(w);
    r.YDeshacer = g.Posic_CoordY(w);
    // The merge itself enables the undo command once it is done.
    Guardar(r, false);
}

void Deshacer::Ejecutar(Grafo& g)
{
    const RegistroDeshacer& r = registro_;
    const QString& tipo = r.TipoDeshacer;
    if (tipo == TipoDeshacer::EliminarVertice) {
        g.EliminarVertice(r.VerticeDeshacer, true);
    } else if (tipo == TipoDeshacer::EliminarArista) {
        g.EliminarArista(r.AristaDeshacer);
    } else if (tipo == TipoDeshacer::CambiarPeso) {
        const int a = OrigenArista(r.AristaDeshacer), b = DestinoArista(r.AristaDeshacer);
        g.InsertarMatriz(a, b, r.PesoDeshacer);
        if (!g.Dirigido())
            g.InsertarMatriz(b, a, r.PesoDeshacer);
        redibujar_();
    } else if (tipo == TipoDeshacer::RecuperarVertice) {
        g.RecuperarVertice(r.XDeshacer, r.YDeshacer, r.VerticeDeshacer);
    } else if (tipo == TipoDeshacer::RecuperarArista) {
        g.RecuperarArista(r.AristaDeshacer, r.PesoDeshacer);
    } else if (tipo == TipoDeshacer::RecuperarIdent) {
        g.RecuperarIdentificados(r.VerticeDeshacer, r.Vertice2Deshacer, r.XDeshacer, r.YDeshacer);
    } else if (tipo == TipoDeshacer::Desmover) {
        g.InsertarPosicionX(r.VerticeDeshacer, r.XDeshacer);
        g.InsertarPosicionY(r.VerticeDeshacer, r.YDeshacer);
        redibujar_();
    }
    AnularDeshacer();
}
