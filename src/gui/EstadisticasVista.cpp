#include "gui/EstadisticasVista.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "gui/Pixeles.h"

EstadisticasVista::EstadisticasVista(Estadisticas& modelo, QWidget* padre) : QDialog(padre), modelo_(modelo)
{
    setWindowTitle(Estadisticas::Titulo());
    const QString datos[] = {modelo.Tipo(), modelo.Vert(), modelo.Aristas(), modelo.Etiq_Conec()};
    for (int fila = 0; fila < 4; ++fila) {
        datos_[fila] = new QLabel(datos[fila], this);
        datos_[fila]->setGeometry(Pixeles(Estadisticas::PosicionDato(fila)));
    }
    cuadro3_ = new QFrame(this);
    cuadro3_->setFrameShape(QFrame::Box);
    cuadro3_->setGeometry(Pixeles(modelo.Cuadro3()));
    for (int i = 0; i < Estadisticas::EtiquetasGrado; ++i) {
        grados_[i] = new QLabel(modelo.EtiqGrado(i), cuadro3_);
        grados_[i]->setGeometry(Pixeles(modelo.PosicionEtiqGrado(i)));
        grados_[i]->setVisible(modelo.EtiqGradoVisible(i));
    }
    aceptar_ = new QPushButton(Estadisticas::TextoAceptar(), this);
    aceptar_->setGeometry(Pixeles(modelo.BotonAceptar()));
    aceptar_->setDefault(true);
    connect(aceptar_, &QPushButton::clicked, this, &QDialog::accept);
    setFixedSize(Pixeles(modelo.AnchoVentana()), Pixeles(modelo.AltoVentana()));
}

void EstadisticasVista::done(int resultado)
{
    modelo_.Aceptar();
    QDialog::done(resultado);
}
