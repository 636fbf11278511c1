#include "gui/DialogoFicheros.h"

#include <QFileInfo>
#include <QMessageBox>

#include "files/NombreFichero.h"

QString DialogoFicheros::Elegido()
{
    if (exec() != QDialog::Accepted || selectedFiles().isEmpty())
        return {};
    return NombreRecuperado(selectedFiles().constFirst());
}

void DialogoFicheros::accept()
{
    const QStringList elegidos = selectedFiles();
    const QString visto = elegidos.isEmpty() ? QString() : elegidos.constFirst();
    const QString real = NombreRecuperado(visto);
    // Only a file there that Qt cannot see needs us; the rest is Qt's.
    if (QFileInfo::exists(visto) || !Disco::Existe(real))
        return QFileDialog::accept();
    if (acceptMode() == AcceptSave) {
        // Qt's own question, in its own translation.
        const QString pregunta =
            QFileDialog::tr("%1 already exists.\nDo you want to replace it?").arg(QFileInfo(visto).fileName());
        if (QMessageBox::warning(this, windowTitle(), pregunta, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) !=
            QMessageBox::Yes)
            return;
    }
    done(QDialog::Accepted);
}
