#include "gui/ModeloFicherosEs.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QLocale>

namespace {

// The columns of Qt's file model.
constexpr int ColumnaTipo = 2;
constexpr int ColumnaFecha = 3;

} // namespace

QVariant ModeloFicherosEs::data(const QModelIndex& indice, int papel) const
{
    const auto* ficheros = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (!ficheros || papel != Qt::DisplayRole || !indice.isValid())
        return QIdentityProxyModel::data(indice, papel);
    const QModelIndex origen = mapToSource(indice);
    if (indice.column() == ColumnaFecha)
        return QLocale(QLocale::Spanish, QLocale::Spain).toString(ficheros->lastModified(origen), QLocale::ShortFormat);
    if (indice.column() == ColumnaTipo) {
        const QFileInfo info = ficheros->fileInfo(origen);
        if (info.isDir())
            return QStringLiteral("Carpeta");
        return info.suffix().isEmpty() ? QStringLiteral("Archivo")
                                       : QStringLiteral("Archivo %1").arg(info.suffix().toLower());
    }
    return QIdentityProxyModel::data(indice, papel);
}

void DialogoEnEspañol(QFileDialog& dialogo)
{
    dialogo.setOption(QFileDialog::DontUseNativeDialog);
    dialogo.setProxyModel(new ModeloFicherosEs(&dialogo));
}
