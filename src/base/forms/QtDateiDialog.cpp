#include "base/forms/QtDateiDialog.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>

QStringList QtNamensfilter(const QStringList& filter)
{
    QStringList namen;
    for (qsizetype i = 0; i + 1 < filter.size(); i += 2) {
        QString muster = filter.at(i + 1);
        if (muster.isEmpty())
            continue;
        if (muster == QLatin1String("*.*"))
            muster = QStringLiteral("*");
        muster.replace(QLatin1Char(';'), QLatin1Char(' '));
        namen << QStringLiteral("%1 (%2)").arg(filter.at(i), muster);
    }
    return namen;
}

QString QtDateiDialog::zeige(const DateiDialogAnfrage& anfrage)
{
    QFileDialog dialog(QApplication::activeWindow(), anfrage.titel);
    dialog.setAcceptMode(anfrage.speichern ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(anfrage.speichern ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    QString ordner = anfrage.startOrdner;
    ordner.replace(QLatin1Char('\\'), QLatin1Char('/'));
    dialog.setDirectory(!ordner.isEmpty() && QDir(ordner).exists() ? ordner : QDir::homePath());
    if (!anfrage.dateiname.isEmpty())
        dialog.selectFile(anfrage.dateiname);
    if (!anfrage.standardEndung.isEmpty() && anfrage.standardEndung != QLatin1String("*"))
        dialog.setDefaultSuffix(anfrage.standardEndung);
    dialog.setNameFilters(QtNamensfilter(anfrage.filter));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return QDir::toNativeSeparators(dialog.selectedFiles().value(0));
}
