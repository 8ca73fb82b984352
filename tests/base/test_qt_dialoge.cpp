#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTranslator>

#include <functional>

#include "base/forms/QtDateiDialog.h"
#include "base/forms/QtMessagePresenter.h"
#include "support/Dialogwache.h"
#include "support/Testhauptfenster.h"

namespace {
// Enters name in the dialog's file name field and clicks its Open/Save button, as a user would;
// the dialog checks the choice as it does for the user.
void wähleDatei(QFileDialog* d, const QString& name)
{
    auto* feld = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    auto* tasten = d->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    ASSERT_NE(feld, nullptr);
    ASSERT_NE(tasten, nullptr);
    feld->setText(name);
    QPushButton* annehmen = tasten->button(d->acceptMode() == QFileDialog::AcceptOpen ? QDialogButtonBox::Open
                                                                                          : QDialogButtonBox::Save);
    ASSERT_NE(annehmen, nullptr);
    EXPECT_TRUE(annehmen->isEnabled()) << name.toStdString();
    annehmen->click();
}

QStringList tastentexte(QMessageBox* box)
{
    QStringList texte;
    for (QAbstractButton* b : box->buttons())
        texte << b->text();
    texte.sort();
    return texte;
}

QAbstractButton* taste(QMessageBox* box, const QString& text)
{
    for (QAbstractButton* b : box->buttons())
        if (b->text() == text)
            return b;
    return nullptr;
}
}  // namespace

TEST(QtMessagePresenter, DatabaseMessageAnsweredWithCancel)
{
    MeldungsBox box;
    box.titel = QStringLiteral("Datenbankfehler");
    box.text = QStringLiteral("Zeile 1\r\nZeile <2>");
    box.stil = MsgStil::Stop | MsgStil::OKAbbrechen;
    Dialogwache<QMessageBox> wache([](QMessageBox* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Datenbankfehler"));
        EXPECT_EQ(d->text(), QStringLiteral("Zeile 1\nZeile <2>"));
        EXPECT_EQ(d->textFormat(), Qt::PlainText);
        EXPECT_EQ(d->icon(), QMessageBox::Critical);
        EXPECT_EQ(tastentexte(d), (QStringList{"Abbrechen", "OK"}));
        EXPECT_EQ(d->defaultButton(), taste(d, QStringLiteral("OK")));
        taste(d, QStringLiteral("Abbrechen"))->click();
    });
    EXPECT_EQ(QtMessagePresenter().zeige(box), MsgAntwort::Abbrechen);
}

TEST(QtMessagePresenter, ButtonsIconsAndEscape)
{
    struct Fall {
        int stil; QMessageBox::Icon symbol; QStringList tasten; QString standard;
        QString klick;  // empty: Escape
        int antwort;
    };
    const Fall faelle[] = {
        {MsgStil::Ausrufezeichen, QMessageBox::Warning, {"OK"}, "OK", "", MsgAntwort::OK},
        {MsgStil::Information, QMessageBox::Information, {"OK"}, "OK", "OK", MsgAntwort::OK},
        {MsgStil::OK, QMessageBox::NoIcon, {"OK"}, "OK", "", MsgAntwort::OK},
        {MsgStil::JaNein | MsgStil::Frage | MsgStil::ZweiteTasteStandard, QMessageBox::Question,
         {"&Ja", "&Nein"}, "&Nein", "&Ja", MsgAntwort::Ja},
        {MsgStil::JaNeinAbbrechen | MsgStil::Frage, QMessageBox::Question, {"&Ja", "&Nein", "Abbrechen"},
         "&Ja", "", MsgAntwort::Abbrechen},
        {MsgStil::JaNeinAbbrechen | MsgStil::DritteTasteStandard, QMessageBox::NoIcon,
         {"&Ja", "&Nein", "Abbrechen"}, "Abbrechen", "&Nein", MsgAntwort::Nein},
    };
    for (const Fall& f : faelle) {
        MeldungsBox box;
        box.titel = QStringLiteral("t");
        box.text = QStringLiteral("x");
        box.stil = f.stil;
        Dialogwache<QMessageBox> wache([&f](QMessageBox* d) {
            EXPECT_EQ(d->icon(), f.symbol) << f.stil;
            EXPECT_EQ(tastentexte(d), f.tasten) << f.stil;
            EXPECT_EQ(d->defaultButton(), taste(d, f.standard)) << f.stil;
            if (f.klick.isEmpty()) {
                ASSERT_NE(d->escapeButton(), nullptr) << f.stil;
                d->escapeButton()->click();
            } else {
                taste(d, f.klick)->click();
            }
        });
        EXPECT_EQ(QtMessagePresenter().zeige(box), f.antwort) << f.stil;
    }
}

// A message belongs to the dialog in front, else to the active window, else to the main window
// (no window active, or a menu that has just closed): Qt centres the box on that window.
TEST(QtMessagePresenter, TheBoxIsCentredOnTheWindowItBelongsTo)
{
    Testhauptfenster haupt;
    haupt.seitenbereich.setGeometry(40, 40, 700, 500);
    haupt.seitenbereich.show();
    QDialog dialog;
    dialog.setGeometry(400, 300, 300, 200);
    QMenu menü;
    menü.addAction(QStringLiteral("Schaltschema"));
    struct Fall {
        const char* was;
        std::function<void()> vorher;
        QWidget* besitzer;
    };
    const Fall fälle[] = {
        {"no active window", [] {}, &haupt.seitenbereich},
        {"a menu was open", [&] { menü.popup(QPoint(60, 60)); menü.hide(); }, &haupt.seitenbereich},
        {"a dialog in front", [&] { dialog.show(); QApplication::setActiveWindow(&dialog); }, &dialog},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.was);
        f.vorher();
        QApplication::processEvents();
        QWidget* eltern = nullptr;
        QPoint mitte;
        Dialogwache<QMessageBox> wache([&](QMessageBox* d) {
            eltern = d->parentWidget();
            mitte = d->frameGeometry().center();
            d->buttons().first()->click();
        });
        MeldungsBox box;
        box.titel = QStringLiteral("Achtung!");
        box.text = QStringLiteral("Eingabe nur im Bereich [10 .. 105] erlaubt !");
        box.stil = MsgStil::OK | MsgStil::Ausrufezeichen;
        QtMessagePresenter().zeige(box);
        ASSERT_TRUE(wache.gezeigt());
        EXPECT_EQ(eltern, f.besitzer);
        const QPoint soll = f.besitzer->frameGeometry().center();
        EXPECT_LE((mitte - soll).manhattanLength(), 4) << mitte.x() << "," << mitte.y();
    }
}

TEST(QtUebersetzung, GermanQtTexts)
{
    QTranslator* t = InstalliereQtUebersetzung(*QCoreApplication::instance());
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
    QCoreApplication::removeTranslator(t);
    delete t;
}

TEST(QtDateiDialog, NameFilters)
{
    EXPECT_EQ(QtNamensfilter({"*.sic", "*.sic", "Alle Dateien *.*", "*.*"}),
              (QStringList{"*.sic (*.sic)", "Alle Dateien *.* (*)"}));
    EXPECT_EQ(QtNamensfilter({"Artikeld.mdb", "Artikeld.mdb", "Alle Dateien*.*", "*.*"}),
              (QStringList{"Artikeld.mdb (Artikeld.mdb)", "Alle Dateien*.* (*)"}));
    EXPECT_EQ(QtNamensfilter({"leer", "", "ungerade"}), QStringList());
}

TEST(QtDateiDialog, OpenSaveAndCancel)
{
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    QFile(ordner.filePath("a.sic")).open(QIODevice::WriteOnly);

    DateiDialogAnfrage a;
    a.titel = QStringLiteral("Projekte Einlesen");
    a.startOrdner = ordner.path();
    a.standardEndung = QStringLiteral("sic");
    a.filter = QStringList{"*.sic", "*.sic", "Alle Dateien *.*", "*.*"};
    {
        Dialogwache<QFileDialog> wache([&](QFileDialog* d) {
            EXPECT_EQ(d->windowTitle(), QStringLiteral("Projekte Einlesen"));
            EXPECT_EQ(d->acceptMode(), QFileDialog::AcceptOpen);
            EXPECT_EQ(d->fileMode(), QFileDialog::ExistingFile);
            EXPECT_EQ(QDir(d->directory()), QDir(ordner.path()));
            EXPECT_EQ(d->nameFilters(), (QStringList{"*.sic (*.sic)", "Alle Dateien *.* (*)"}));
            wähleDatei(d, QStringLiteral("a.sic"));
        });
        EXPECT_EQ(QtDateiDialog().zeige(a), QDir::toNativeSeparators(ordner.filePath("a.sic")));
    }

    a.speichern = true;
    a.startOrdner = QStringLiteral("C:\\");  // not a folder here: the home folder instead
    {
        Dialogwache<QFileDialog> wache([&](QFileDialog* d) {
            EXPECT_EQ(d->acceptMode(), QFileDialog::AcceptSave);
            EXPECT_EQ(d->defaultSuffix(), QStringLiteral("sic"));
            EXPECT_EQ(QDir(d->directory()), QDir::home());
            d->reject();
        });
        EXPECT_EQ(QtDateiDialog().zeige(a), QString());
    }

    a.startOrdner = ordner.path();
    {
        Dialogwache<QFileDialog> wache([&](QFileDialog* d) { wähleDatei(d, QStringLiteral("neu")); });
        EXPECT_EQ(QtDateiDialog().zeige(a), QDir::toNativeSeparators(ordner.filePath("neu.sic")));
    }
}
