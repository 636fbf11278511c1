// What the file dialogs list, in Spanish whatever the system's language: a
// folder's type reads "Carpeta" and a date is written as Spanish writes it
// ("7 dic 2026"), where Qt's file model would take the system's words.
#pragma once

#include <QIdentityProxyModel>

class QFileDialog;

class ModeloFicherosEs : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex& indice, int papel) const override;
};

// Qt's own dialog (not the desktop's, whose words the program cannot
// choose), listing through the model above.
void DialogoEnEspañol(QFileDialog& dialogo);
