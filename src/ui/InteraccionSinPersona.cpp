// What each dialog does when nobody is there to answer it: the defaults of
// Interaccion, kept beside the models whose rules they use.
#include "algorithms/BotonesColoracion.h"
#include "algorithms/Estadisticas.h"
#include "costuras/Interaccion.h"
#include "run/BotonesInterrupcion.h"
#include "run/PasoAPaso.h"
#include "ui/Ayuda.h"
#include "ui/Camino.h"
#include "ui/Prufer.h"
#include "ui/GirarVoltear.h"
#include "ui/IdentificarVert.h"
#include "ui/Imprimir.h"
#include "ui/InsercionNºVert.h"
#include "ui/MatrizAdy.h"
#include "ui/Menu_ayuda.h"
#include "ui/SelectGrafo.h"

void Interaccion::Mostrar(IdentificarVert& dialogo)
{
    dialogo.Cancelar();
}
void Interaccion::Mostrar(InsercionNºVert& dialogo)
{
    dialogo.Cancelar();
}
void Interaccion::Mostrar(SelectGrafo& dialogo)
{
    dialogo.Cerrar();
}
void Interaccion::Mostrar(MatrizAdy& dialogo)
{
    dialogo.Salir();
}
void Interaccion::Mostrar(GirarVoltear& dialogo)
{
    dialogo.Cancelar();
}
void Interaccion::Mostrar(PasoAPaso& dialogo)
{
    dialogo.Cancelar();
}
void Interaccion::Mostrar(BotonesInterrupcion& ventana)
{
    ventana.Continuar();
}
void Interaccion::Mostrar(BotonesColoracion& ventana)
{
    while (!ventana.Cerrado())
        ventana.Continuar();
}
void Interaccion::Mostrar(Estadisticas& ventana)
{
    ventana.Aceptar();
}
void Interaccion::Mostrar(Imprimir& dialogo)
{
    dialogo.Cancelar();
}
void Interaccion::Mostrar(Menu_ayuda& ventana)
{
    ventana.Salir();
}
void Interaccion::Mostrar(Ayuda& ventana)
{
    ventana.Salir();
}
QString Interaccion::PedirTexto(const QString&, const QString&, const QString&)
{
    return {};
}
bool Interaccion::AbrirPagina(const QString&)
{
    return false;
}
bool Interaccion::IniciarPrograma(const QString&, const QStringList&)
{
    return false;
}
void Interaccion::Mostrar(Camino& dialogo)
{
    dialogo.Cancelar();
}
void Interaccion::Mostrar(Prufer& dialogo)
{
    dialogo.Cancelar();
}
