#include "gui/PrincipalVista.h"

#include <QLabel>
#include <QVBoxLayout>

PrincipalVista::PrincipalVista(QWidget* padre) : QMainWindow(padre)
{
    setWindowTitle(QStringLiteral(" NODEVA: Algoritmos sobre Grafos"));
    auto* panel = new QWidget(this);
    auto* columna = new QVBoxLayout(panel);
    auto* titulo = new QLabel(QStringLiteral("NODEVA"), panel);
    QFont grande = titulo->font();
    grande.setPointSize(36);
    grande.setBold(true);
    titulo->setFont(grande);
    columna->addStretch();
    columna->addWidget(titulo, 0, Qt::AlignHCenter);
    columna->addWidget(new QLabel(QStringLiteral("Algoritmos sobre Grafos"), panel), 0, Qt::AlignHCenter);
    columna->addStretch();
    setCentralWidget(panel);
    resize(1000, 700);
}
