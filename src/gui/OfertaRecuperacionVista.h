// The question about a recovery copy, as a message box with its three buttons.
#pragma once

#include <QMessageBox>

class OfertaRecuperacion;

class OfertaRecuperacionVista : public QMessageBox {
public:
    explicit OfertaRecuperacionVista(OfertaRecuperacion& modelo, QWidget* padre = nullptr);

private:
    OfertaRecuperacion& modelo_;
    QAbstractButton* recuperar_ = nullptr;
    QAbstractButton* descartar_ = nullptr;
};
