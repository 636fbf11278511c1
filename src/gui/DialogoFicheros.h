// Qt's file dialog, for names whose bytes are not UTF-8: Qt lists such a file
// with U+FFFD in its name and then finds no file of that name, so it would
// refuse to open it and would replace it without asking. The choice is
// matched with the folder's real entries before the dialog decides.
#pragma once

#include <QFileDialog>

class DialogoFicheros : public QFileDialog {
public:
    using QFileDialog::QFileDialog;
    // The file chosen, its true name, or "" when the dialog is cancelled.
    QString Elegido();
    void accept() override;
};
