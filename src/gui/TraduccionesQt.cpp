#include "gui/TraduccionesQt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool InstalarTraduccionesQt(QCoreApplication& aplicacion)
{
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    // qtbase holds every string of the modules the program uses (widgets,
    // dialogs, printing).
    auto* traductor = new QTranslator(&aplicacion);
    const QString carpeta = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (traductor->load(QStringLiteral("qtbase_es"), carpeta) && QCoreApplication::installTranslator(traductor))
        return true;
    qWarning("No se encuentran las traducciones de Qt en %s", qPrintable(carpeta));
    delete traductor;
    return false;
}
