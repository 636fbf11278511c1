// Nodeva: teaching and learning graph algorithms.
#include <QApplication>

#include "gui/PrincipalVista.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Nodeva"));
    PrincipalVista ventana;
    ventana.show();
    return app.exec();
}
