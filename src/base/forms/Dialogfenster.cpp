#include "base/forms/Dialogfenster.h"

#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QWidget>

#include "base/Programmzustand.h"
#include "base/forms/Hauptfenster.h"
#include "base/forms/Lesbarkeit.h"

void DialogVorbereiten(QWidget& dialog)
{
    zustand().ErrorCancel = false;
    Lesbarkeit::Einrichten();
    const QString icon = QDir(zustand().Installationspfad).filePath(QStringLiteral("Kelvor.ico"));
    if (QFileInfo::exists(icon))
        dialog.setWindowIcon(QIcon(icon));
}

void ZentriereÜberHauptfenster(QWidget& dialog)
{
    Hauptfenster* haupt = hauptfenster();
    if (!haupt)
        return;
    const QRect h = haupt->Fensterwidget()->frameGeometry();
    const QSize d = dialog.frameGeometry().size();
    dialog.move(h.left() + (h.width() - d.width()) / 2, h.top() + (h.height() - d.height()) / 2);
}
