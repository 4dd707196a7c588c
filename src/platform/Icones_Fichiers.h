#pragma once
// The file models behind the dialogs (the project dialogs, the file box of the printer
// dialog) tell a file's icon and type from its name alone. Qt's own provider opens each file
// of a folder to sniff its content, on the window's thread: a file that never answers
// (/proc/kmsg, a stalled network mount) would freeze the program for good.
#include <QFileIconProvider>

class QObject;

namespace gabarit {

class Icones_Par_Nom : public QFileIconProvider {
public:
    QIcon icon(const QFileInfo &info) const override;
    QString type(const QFileInfo &info) const override;
    using QFileIconProvider::icon;
};

// The program's one provider; it outlives every dialog.
Icones_Par_Nom &Icones_Fichiers();

// Gives every file model found under racine the provider above.
void Types_Par_Nom(QObject *racine);

} // namespace gabarit
