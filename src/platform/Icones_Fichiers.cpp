#include "platform/Icones_Fichiers.h"

#include <QFileSystemModel>

namespace gabarit {

QIcon Icones_Par_Nom::icon(const QFileInfo &info) const {
    if (info.isRoot())
        return icon(Drive);
    return icon(info.isDir() ? Folder : File);
}

QString Icones_Par_Nom::type(const QFileInfo &info) const {
    if (info.isDir())
        return QStringLiteral("Dossier");
    return info.suffix().isEmpty() ? QStringLiteral("Fichier")
                                   : QStringLiteral("Fichier %1").arg(info.suffix());
}

Icones_Par_Nom &Icones_Fichiers() {
    static Icones_Par_Nom p;
    return p;
}

void Types_Par_Nom(QObject *racine) {
    if (!racine)
        return;
    for (QFileSystemModel *m : racine->findChildren<QFileSystemModel *>())
        m->setIconProvider(&Icones_Fichiers());
}

} // namespace gabarit
