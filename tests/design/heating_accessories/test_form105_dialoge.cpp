#include <QApplication>
#include <QFile>
#include <QComboBox>
#include <QLabel>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStyleOptionSlider>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "Heizseitenfixture.h"
#include "Testobjekte.h"
#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "base/Twips.h"
#include "base/forms/Auswahlgitter.h"
#include "design/heating_accessories/Schlammabscheider.h"
#include "design/heating_accessories/forms/Form105a.h"
#include "design/heating_accessories/forms/Form105b.h"
#include "design/heating_accessories/forms/Form105c.h"
#include "support/QStringAusgabe.h"

namespace {

class DialogTest : public Heizseitenfixture {
protected:
    Schlammabscheiderauslegung schlamm() { return Schlammabscheiderauslegung(*d); }
};

// --- Separator grid ---

TEST_F(DialogTest, GitterWaehltGespeichertenOderErstenAusreichenden)
{
    struct Fall {
        const char* name;
        int anordnung;
        int16_t index;
        const char* gespeichert;
        const char* erwartet;  // " ": no row current
    };
    const Fall fälle[] = {
        {"ohne Wahl der erste mit 250 kW", 1, 1, " ", "32003"},
        {"gespeicherter unter dem Bedarf", 1, 1, "32002", "32002"},
        {"je Erzeuger zählt der Erzeuger", 2, 3, " ", "32004"},
        {"nicht mehr gelistet", 1, 1, "32011", "32011"},
    };
    Erzeuger({100, 100, 500});
    d->m_Leist_ges.m_Value = 250.0;
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        schlamm().SetzeAnordnung(f.anordnung);
        schlamm().LeereAlle();
        schlamm().SetzeArtikel(f.index, QString::fromUtf8(f.gespeichert));
        Form105a g;
        g.Laden(f.index);
        ASSERT_TRUE(g.listeGeladen());
        EXPECT_EQ(g.gewählteArtNr(), QString::fromUtf8(f.erwartet));
        const bool gelistet = QString::fromUtf8(f.name) != QStringLiteral("nicht mehr gelistet");
        EXPECT_EQ(g.DataGrid1->currentIndex().isValid(), gelistet);
        EXPECT_EQ(g.Text1->text(), gelistet ? QString::fromUtf8(f.erwartet) : QString());
        g.Bestätigen();
        for (int16_t i = 1; i <= 6; ++i)
            EXPECT_EQ(schlamm().Artikel(i), i == f.index ? QString::fromUtf8(f.erwartet) : QStringLiteral(" ")) << i;
    }
}

TEST_F(DialogTest, GitterSpaltenLangtextUndKopf)
{
    d->m_Leist_ges.m_Value = 250.0;
    Form105a g;
    g.Laden();
    EXPECT_EQ(g.windowTitle(), QStringLiteral("Auswahl Schlammabscheider"));
    EXPECT_EQ(g.Label1[2]->text(), QStringLiteral("    Leistung\r\n       in kW"));
    const QAbstractItemModel* m = g.DataGrid1->model();
    EXPECT_EQ(m->columnCount(), 4);
    const int zeile = g.DataGrid1->currentIndex().row();
    EXPECT_EQ(m->index(zeile, 2).data().toString(), QStringLiteral("300    "));
    EXPECT_EQ(m->index(zeile, 3).data().toString(), QStringLiteral("6,0    "));
    const QString lang = g.TextLangtext->toPlainText();
    EXPECT_TRUE(lang.startsWith(m->index(zeile, 1).data().toString() + QLatin1Char('\n'))) << lang.toStdString();
    EXPECT_TRUE(lang.contains(QStringLiteral("kW"))) << lang.toStdString();
    EXPECT_EQ(g.width(), Twips::zuPixel(11200));
    // A row chosen with the keys becomes the choice.
    g.DataGrid1->setCurrentIndex(m->index(zeile + 1, 0));
    EXPECT_EQ(g.gewählteArtNr(), m->index(zeile + 1, 0).data().toString());
    EXPECT_EQ(g.Text1->text(), g.gewählteArtNr());
}

TEST_F(DialogTest, GitterSchliessenOhneWeiterSchreibtNichts)
{
    d->m_Leist_ges.m_Value = 250.0;
    schlamm().SetzeArtikel(1, QStringLiteral("32006"));
    Form105a g;
    g.Laden();
    g.DataGrid1->setCurrentIndex(g.DataGrid1->model()->index(0, 0));
    g.reject();
    EXPECT_EQ(schlamm().Artikel(1), QStringLiteral("32006"));
}

// The pointer makes the row under it current and the only highlighted row; Page Down moves one row.
TEST_F(DialogTest, GitterZeigerMachtZeileAktuellBildAbEineZeile)
{
    d->m_Leist_ges.m_Value = 250.0;
    Form105a g;
    g.Laden();
    g.show();
    QApplication::processEvents();
    Auswahlgitter* gitter = g.DataGrid1;
    const QAbstractItemModel* m = gitter->model();
    ASSERT_GE(m->rowCount(), 3);
    ASSERT_GE(gitter->sichtbareZeilen(), 4);
    const int erste = gitter->verticalScrollBar()->value();
    const int vorher = gitter->currentIndex().row();
    const int linie = vorher - erste == 1 ? 2 : 1;
    const int h = gitter->verticalHeader()->defaultSectionSize();
    const QPointF p(20, linie * h + h / 2);
    QMouseEvent e(QEvent::MouseMove, p, gitter->viewport()->mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(gitter->viewport(), &e);
    const int zeile = erste + linie;
    EXPECT_EQ(gitter->currentIndex().row(), zeile);
    EXPECT_EQ(g.gewählteArtNr(), m->index(zeile, 0).data().toString());
    EXPECT_EQ(g.Text1->text(), g.gewählteArtNr());
    EXPECT_EQ(gitter->selectionModel()->selectedRows().size(), 1);
    EXPECT_TRUE(gitter->selectionModel()->isRowSelected(zeile, QModelIndex()));

    gitter->setFocus();
    QTest::keyClick(gitter, Qt::Key_PageDown);
    EXPECT_EQ(gitter->currentIndex().row(), zeile + 1);
    EXPECT_EQ(g.gewählteArtNr(), m->index(zeile + 1, 0).data().toString());
    EXPECT_EQ(gitter->selectionModel()->selectedRows().size(), 1);
    EXPECT_TRUE(gitter->selectionModel()->isRowSelected(zeile + 1, QModelIndex()));
    QTest::keyClick(gitter, Qt::Key_PageUp);
    EXPECT_EQ(gitter->currentIndex().row(), zeile);
    EXPECT_TRUE(g.isVisible());
}

TEST_F(DialogTest, GitterOhneListeSchreibtNichts)
{
    schlamm().SetzeArtikel(1, QStringLiteral("32006"));
    zustand().Artikel_Data_Source = QStringLiteral("/nicht/da/Artikeld.db");
    Form105a g;
    g.Laden();
    EXPECT_FALSE(g.listeGeladen());
    EXPECT_TRUE(g.DataGrid1->isHidden());
    EXPECT_FALSE(meldungen.boxen.isEmpty()) << "the database says why";
    g.Bestätigen();
    EXPECT_EQ(schlamm().Artikel(1), QStringLiteral("32006"));
}

// --- Separators per heat generator ---

TEST_F(DialogTest, JeErzeugerZeilenUndIsolierung)
{
    Erzeuger({100, 0, 250});
    for (int16_t i = 1; i <= 6; ++i) {
        schlamm().SetzeArtikel(i, QStringLiteral("32002"));
        schlamm().SetzeIsoArtikel(i, QStringLiteral("34002"));
    }
    schlamm().SetzeArtikel(3, QStringLiteral(" "));
    d->m_Zub_SchlammIso.m_Value = VbVariant::integer(2);
    Form105c c;
    c.Laden();
    EXPECT_EQ(c.windowTitle(), QStringLiteral("Schlammabscheider"));
    EXPECT_TRUE(c.Command1[1]->isEnabled());
    EXPECT_FALSE(c.Command1[2]->isEnabled());
    EXPECT_TRUE(c.Command1[3]->isEnabled());
    EXPECT_FALSE(c.SchlammLabel[4]->isEnabled());
    for (int16_t i : {2, 4, 5, 6}) {
        EXPECT_EQ(schlamm().Artikel(i), QStringLiteral(" ")) << i;
        EXPECT_EQ(schlamm().IsoArtikel(i), QStringLiteral(" ")) << i;
    }
    EXPECT_FALSE(c.SchlammLabel[1]->text().trimmed().isEmpty());
    EXPECT_EQ(d->m_Zub_SchlammIso.m_Value.toLong(), 1);
    EXPECT_EQ(c.SchlammIsoCombo->currentIndex(), 1);
    EXPECT_FALSE(c.SchlammIsoCombo->isHidden());

    QList<int16_t> geöffnet;
    c.Gitter = [&](int16_t i) {
        geöffnet << i;
        schlamm().SetzeArtikel(i, QStringLiteral("32006"));
    };
    c.Command1_Click(3);
    EXPECT_EQ(geöffnet, QList<int16_t>{3});
    EXPECT_EQ(schlamm().IsoArtikel(3), QStringLiteral("34006"));

    c.SchlammIsoCombo->setCurrentIndex(0);
    c.SchlammIsoCombo_Click();
    EXPECT_EQ(schlamm().IsoArtikel(1), QStringLiteral(" "));
    EXPECT_EQ(schlamm().IsoArtikel(3), QStringLiteral(" "));
    c.SchlammIsoCombo->setCurrentIndex(1);
    c.SchlammIsoCombo_Click();
    EXPECT_EQ(schlamm().IsoArtikel(1), QStringLiteral("34002"));
    EXPECT_EQ(schlamm().IsoArtikel(3), QStringLiteral("34006"));
    EXPECT_TRUE(meldungen.boxen.isEmpty()) << protokoll().join(QLatin1Char(' ')).toStdString();
}

TEST_F(DialogTest, JeErzeugerOhneWahlKeineIsolierung)
{
    Erzeuger({100});
    Form105c c;
    c.Laden();
    EXPECT_TRUE(c.Label1->isHidden());
    EXPECT_TRUE(c.SchlammIsoCombo->isHidden());
}

// --- Air venting ---

class EntlueftungTest : public DialogTest {
protected:
    QString art(int familie, int16_t i) { return d->m_Zub_Entlüftung_ArtNr_m_value(static_cast<int16_t>(familie), i); }
    int anz(int familie, int16_t i) { return d->m_Zub_Entlüftung_Anz_m_value(static_cast<int16_t>(familie), i); }
};

TEST_F(EntlueftungTest, FamilieListeUndZeileSpeichern)
{
    d->m_Zub_Entlüftung_ArtNr_m_value(0, 3, QStringLiteral("33001"));
    d->m_Zub_Entlüftung_Anz_m_value(0, 3, 4);
    Form105b b(1);
    b.Laden();
    ASSERT_TRUE(b.listeGeladen());
    EXPECT_EQ(b.windowTitle(), QStringLiteral("Entlüftungsprogramm"));
    const QAbstractItemModel* m = b.DataGrid1->model();
    QStringList liste;
    for (int r = 0; r < m->rowCount(); ++r)
        liste << m->index(r, 0).data().toString();
    EXPECT_EQ(liste, (QStringList{"33101", "33102", "33103", "33104"}));
    EXPECT_EQ(b.Text3[1]->text(), QStringLiteral("0"));

    b.ZeileAktivieren(3);
    b.DataGrid1->setCurrentIndex(m->index(2, 0));
    EXPECT_EQ(b.Text2[3]->text(), QStringLiteral("33103"));
    b.Text3[3]->setText(QStringLiteral("2"));
    bool cancel = false;
    b.FormValidateControlElement(QStringLiteral("Text3"), 3, cancel);
    EXPECT_FALSE(cancel);
    EXPECT_EQ(art(1, 3), QStringLiteral("33103"));
    EXPECT_EQ(anz(1, 3), 2);
    EXPECT_EQ(art(0, 3), QStringLiteral("33001")) << "other families keep their rows";
    EXPECT_EQ(anz(0, 3), 4);
    EXPECT_EQ(art(2, 3), QStringLiteral(" "));

    // Back in row 3 the list goes to its article; an unlisted one leaves the list on row 0.
    b.DataGrid1->setCurrentIndex(m->index(0, 0));
    b.ZeileAktivieren(3);
    EXPECT_EQ(b.DataGrid1->currentIndex().row(), 0) << "row 3's type box now holds 33101";
    b.Text2[4]->setText(QStringLiteral("33103"));
    b.ZeileAktivieren(4);
    EXPECT_EQ(b.DataGrid1->currentIndex().row(), 2);
    EXPECT_EQ(b.Text2[4]->text(), QStringLiteral("33103"));
}

// Typed quantity -> box afterwards, Cancel, stored quantity and article (row 2, list article 33002).
TEST_F(EntlueftungTest, Mengenpruefung)
{
    struct Fall {
        const char* eingabe;
        const char* box;
        bool cancel;
        int gespeichert;  // -1: nothing stored
        const char* artikel;
    };
    const Fall fälle[] = {
        {"2", "2", false, 2, "33002"},     {"2,5", "2", false, 2, "33002"}, {"3,5", "4", false, 4, "33002"},
        {"0", "0", false, 0, " "},         {"abc", "0", true, -1, ""},      {"", "0", true, -1, ""},
        {"-1", "0", true, -1, ""},         {"40000", "0", true, -1, ""},    {"32767", "32767", false, 32767, "33002"},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.eingabe);
        d->m_Zub_Entlüftung_ArtNr_m_value(0, 2, QStringLiteral("alt"));
        d->m_Zub_Entlüftung_Anz_m_value(0, 2, 7);
        Form105b b(0);
        b.Laden();
        b.ZeileAktivieren(2);
        b.DataGrid1->setCurrentIndex(b.DataGrid1->model()->index(1, 0));
        b.Text3[2]->setText(QString::fromUtf8(f.eingabe));
        bool cancel = false;
        b.FormValidateControlElement(QStringLiteral("Text3"), 2, cancel);
        EXPECT_EQ(b.Text3[2]->text(), QString::fromUtf8(f.box));
        EXPECT_EQ(cancel, f.cancel);
        EXPECT_EQ(anz(0, 2), f.gespeichert < 0 ? 7 : f.gespeichert);
        EXPECT_EQ(art(0, 2), f.gespeichert < 0 ? QStringLiteral("alt") : QString::fromUtf8(f.artikel));
        if (f.gespeichert == 0) {
            EXPECT_EQ(b.Text2[2]->text(), QStringLiteral(" "));
        }
    }
}

// The dialog shown and active, the focus in row zeile's quantity box.
void Bereit(Form105b& b, int zeile)
{
    b.Laden();
    b.show();
    b.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&b));
    b.Text3[static_cast<size_t>(zeile)]->setFocus();
    QApplication::processEvents();
    ASSERT_EQ(b.aktiveZeile(), zeile);
}

QPoint Zeilenmitte(const Auswahlgitter& g, int zeile)
{
    return QPoint(40, g.rowViewportPosition(zeile) + g.rowHeight(zeile) / 2);
}

// Driven as a user would (family 1, row 1 holds 33101 x 2, row 2 is empty): the row the pointer or
// a click makes current is the active row's article at once, and leaving the box (Enter, Tab, a
// click elsewhere, Weiter) stores it; Esc and the close box store nothing.
TEST_F(EntlueftungTest, DieAktuelleZeileStehtImTypfeldUndWirdBeimVerlassenGespeichert)
{
    enum Schritt { Zeiger3, Klick3, Menge4, Enter, Tab, Esc, Schliessen, Weiter, Zeile2 };
    struct Fall {
        const char* name;
        std::vector<Schritt> schritte;
        const char* artikel1;
        int menge1;
        bool offen;
    };
    const Fall fälle[] = {
        {"pointer, then Esc", {Zeiger3, Esc}, "33101", 2, false},
        {"pointer, then close box", {Zeiger3, Schliessen}, "33101", 2, false},
        {"pointer, then Weiter", {Zeiger3, Weiter}, "33104", 2, false},
        {"pointer, then Enter", {Zeiger3, Enter}, "33104", 2, true},
        {"pointer, quantity, Tab", {Zeiger3, Menge4, Tab}, "33104", 4, true},
        {"first click, quantity, Enter", {Klick3, Menge4, Enter}, "33103", 4, true},
        {"first click, pointer away, Weiter", {Klick3, Zeiger3, Weiter}, "33104", 2, false},
        {"click and quantity, then Esc", {Klick3, Menge4, Esc}, "33101", 2, false},
        {"click, then the next row by mouse", {Klick3, Zeile2}, "33103", 2, true},
    };
    const QString artikel3 = QStringLiteral("33103");
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        d->m_Zub_Entlüftung_ArtNr_m_value(1, 1, QStringLiteral("33101"));
        d->m_Zub_Entlüftung_Anz_m_value(1, 1, 2);
        meldungen.leeren();
        Form105b b(1);
        ASSERT_NO_FATAL_FAILURE(Bereit(b, 1));
        Auswahlgitter* g = b.DataGrid1;
        ASSERT_EQ(g->model()->index(2, 0).data().toString(), artikel3);
        for (Schritt s : f.schritte) {
            switch (s) {
            case Zeiger3:
                // Over row 3 and on over row 4: the row under the pointer is current, highlighted
                // and in the type box.
                QTest::mouseMove(g->viewport(), Zeilenmitte(*g, 2));
                EXPECT_EQ(b.Text2[1]->text(), artikel3);
                QTest::mouseMove(g->viewport(), Zeilenmitte(*g, 3));
                EXPECT_EQ(g->currentIndex().row(), 3);
                EXPECT_TRUE(g->selectionModel()->isRowSelected(3, QModelIndex()));
                EXPECT_EQ(b.Text2[1]->text(), QStringLiteral("33104"));
                break;
            case Klick3:
                QTest::mouseMove(g->viewport(), Zeilenmitte(*g, 2));
                QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, Zeilenmitte(*g, 2));
                EXPECT_EQ(b.Text2[1]->text(), artikel3);
                EXPECT_TRUE(b.Text3[1]->hasFocus());
                break;
            case Menge4:
                b.Text3[1]->selectAll();
                QTest::keyClicks(b.Text3[1], QStringLiteral("4"));
                break;
            case Enter: QTest::keyClick(b.Text3[1], Qt::Key_Return); break;
            case Tab:
                QTest::keyClick(b.Text3[1], Qt::Key_Tab);
                EXPECT_FALSE(b.Text3[1]->hasFocus());
                break;
            case Esc: QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); break;
            case Schliessen: b.close(); break;
            case Weiter: QTest::mouseClick(b.WeiterCommand, Qt::LeftButton); break;
            case Zeile2: QTest::mouseClick(b.Text3[2], Qt::LeftButton); break;
            }
            QApplication::processEvents();
        }
        EXPECT_EQ(art(1, 1), QString::fromUtf8(f.artikel1));
        EXPECT_EQ(anz(1, 1), f.menge1);
        EXPECT_EQ(art(1, 2), QStringLiteral(" "));
        EXPECT_EQ(anz(1, 2), 0);
        EXPECT_EQ(b.isVisible(), f.offen);
        EXPECT_TRUE(meldungen.boxen.isEmpty()) << meldungen.texte().join(u'|').toStdString();
    }
}

// In an empty row the first click on a list row chooses its article.
TEST_F(EntlueftungTest, ErsterKlickZaehltInEinerLeerenZeile)
{
    Form105b b(1);
    ASSERT_NO_FATAL_FAILURE(Bereit(b, 2));
    Auswahlgitter* g = b.DataGrid1;
    QTest::mouseMove(g->viewport(), Zeilenmitte(*g, 2));
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, Zeilenmitte(*g, 2));
    EXPECT_EQ(b.Text2[2]->text(), QStringLiteral("33103"));
    b.Text3[2]->selectAll();
    QTest::keyClicks(b.Text3[2], QStringLiteral("1"));
    QTest::keyClick(b.Text3[2], Qt::Key_Return);
    EXPECT_EQ(art(1, 2), QStringLiteral("33103"));
    EXPECT_EQ(anz(1, 2), 1);
}

// A quantity without an article is refused with a message, also by Weiter; it stays in its box and
// nothing is stored.
TEST_F(EntlueftungTest, MengeOhneArtikelWirdAbgewiesen)
{
    for (const bool weiter : {false, true}) {
        SCOPED_TRACE(weiter ? "Weiter" : "Enter");
        d->m_Zub_Entlüftung_ArtNr_m_value(1, 2, QStringLiteral(" "));
        d->m_Zub_Entlüftung_Anz_m_value(1, 2, 0);
        meldungen.leeren();
        Form105b b(1);
        ASSERT_NO_FATAL_FAILURE(Bereit(b, 2));
        QTest::keyClicks(b.Text3[2], QStringLiteral("5"));
        if (weiter)
            QTest::mouseClick(b.WeiterCommand, Qt::LeftButton);
        else
            QTest::keyClick(b.Text3[2], Qt::Key_Return);
        QApplication::processEvents();
        ASSERT_EQ(meldungen.boxen.size(), 1) << meldungen.texte().join(u'|').toStdString();
        EXPECT_EQ(meldungen.boxen[0].text, LadeText(683));
        EXPECT_TRUE(b.isVisible());
        EXPECT_TRUE(b.Text3[2]->hasFocus());
        EXPECT_EQ(b.Text3[2]->text(), QStringLiteral("5"));
        EXPECT_EQ(anz(1, 2), 0);
        EXPECT_EQ(art(1, 2), QStringLiteral(" "));
    }
}

// A row without an article: no list row looks chosen, and its empty type box is drawn as an empty
// box, not as a dark bar; the first arrow key chooses the first row.
TEST_F(EntlueftungTest, EineLeereZeileZeigtKeineGewaehlteListenzeile)
{
    Form105b b(1);
    ASSERT_NO_FATAL_FAILURE(Bereit(b, 2));
    Auswahlgitter* g = b.DataGrid1;
    EXPECT_FALSE(g->currentIndex().isValid());
    EXPECT_FALSE(g->selectionModel()->hasSelection());
    EXPECT_TRUE(b.Text2[2]->text().trimmed().isEmpty());
    const QImage bild = b.Text2[2]->grab().toImage();
    EXPECT_GT(qGray(bild.pixel(bild.width() / 2, bild.height() / 2)), 200);
    // The quantity box of the active row stays marked.
    EXPECT_LT(qGray(b.Text3[2]->palette().color(QPalette::Base).rgb()), 100);

    QTest::keyClick(b.Text3[2], Qt::Key_Down);
    EXPECT_EQ(g->currentIndex().row(), 0);
    EXPECT_EQ(b.Text2[2]->text(), QStringLiteral("33101"));
    EXPECT_LT(qGray(b.Text2[2]->palette().color(QPalette::Base).rgb()), 100);
}

// The pointer over an empty list closes the dialog and stores nothing.
TEST_F(EntlueftungTest, ZeigerUeberLeererListeSpeichertNichts)
{
    QTemporaryDir ordner;
    const QString kopie = ordner.filePath(QStringLiteral("Artikeld.db"));
    ASSERT_TRUE(QFile::copy(zustand().Artikel_Data_Source, kopie));
    QFile(kopie).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("leer"));
        db.setDatabaseName(kopie);
        ASSERT_TRUE(db.open());
        ASSERT_TRUE(QSqlQuery(db).exec(
            QStringLiteral("UPDATE Artikel_Zusatz SET entluefterCode = 'keiner' WHERE entluefterCode = 'Lufttöpfe'")));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("leer"));
    zustand().Artikel_Data_Source = kopie;
    d->m_Zub_Entlüftung_ArtNr_m_value(2, 1, QStringLiteral("33201"));
    d->m_Zub_Entlüftung_Anz_m_value(2, 1, 3);
    Form105b b(2);
    ASSERT_NO_FATAL_FAILURE(Bereit(b, 1));
    ASSERT_EQ(b.DataGrid1->model()->rowCount(), 0);
    QTest::mouseMove(b.DataGrid1->viewport(), QPoint(40, 10));
    QApplication::processEvents();
    EXPECT_FALSE(b.isVisible());
    EXPECT_EQ(art(2, 1), QStringLiteral("33201"));
    EXPECT_EQ(anz(2, 1), 3);
}

TEST_F(EntlueftungTest, SolarListetAlleFamilienFuerSolar)
{
    auto solar = std::make_shared<SolarTestobjekt>();
    ASSERT_EQ(solar->Init(), 0);
    solar->m_TerminateMitUpdate = false;
    haupt.anderes = solar;
    zustand().Projektart = QStringLiteral("So");
    Form105b b(1);
    b.Laden();
    const QAbstractItemModel* m = b.DataGrid1->model();
    QStringList liste;
    for (int r = 0; r < m->rowCount(); ++r)
        liste << m->index(r, 0).data().toString();
    // By code word, then sort key: "Kelvorvent" < "Lufttöpfe" < "Vimbal".
    EXPECT_EQ(liste, (QStringList{"33001", "33002", "33003", "33203", "33204", "33101", "33102"}));
    b.ZeileAktivieren(6);
    b.DataGrid1->setCurrentIndex(m->index(3, 0));
    b.Text3[6]->setText(QStringLiteral("1"));
    bool cancel = false;
    b.FormValidateControlElement(QStringLiteral("Text3"), 6, cancel);
    EXPECT_EQ(solar->lese(QStringLiteral("m_Zub_Entlüfter_ArtNr_m_value"), {VbVariant::integer(6)}).toString(), QStringLiteral("33203"));
    EXPECT_EQ(solar->lese(QStringLiteral("m_Zub_Entlüfter_Anz_m_value"), {VbVariant::integer(6)}).toLong(), 1);
}

TEST_F(EntlueftungTest, UnbekannteFamilieListetNichts)
{
    Form105b b(5);
    b.Laden();
    EXPECT_EQ(b.DataGrid1->model()->rowCount(), 0);
    b.Text3[1]->setText(QStringLiteral("2"));
    bool cancel = false;
    b.FormValidateControlElement(QStringLiteral("Text3"), 1, cancel);
    EXPECT_EQ(art(0, 1), QStringLiteral(" "));
}

}  // namespace
// The scroll bar's thumb is the dark part of the bar and stands where the list is: at the top
// of the groove at the start, at its bottom at the end, one block in between.
TEST_F(EntlueftungTest, BildlaufgriffStehtWoDieListeSteht)
{
    Form105b b(0);
    b.Laden();
    b.show();
    QApplication::processEvents();
    QScrollBar* s = b.DataGrid1->verticalScrollBar();
    ASSERT_TRUE(s->isVisible());
    ASSERT_GT(s->maximum(), 1);
    QStyleOptionSlider o;
    o.initFrom(s);
    o.orientation = Qt::Vertical;
    o.minimum = s->minimum();
    o.maximum = s->maximum();
    o.pageStep = s->pageStep();
    const QRect rinne = s->style()->subControlRect(QStyle::CC_ScrollBar, &o, QStyle::SC_ScrollBarGroove, s);
    for (const int wert : {0, 1, s->maximum()}) {
        SCOPED_TRACE(wert);
        s->setValue(wert);
        QApplication::processEvents();
        const QImage bild = s->grab().toImage();
        // The dark rows of the bar's middle column inside the groove.
        QList<int> dunkel;
        for (int y = rinne.top(); y <= rinne.bottom(); ++y)
            if (qGray(bild.pixel(bild.width() / 2, y)) < 190)
                dunkel << y;
        ASSERT_FALSE(dunkel.isEmpty());
        EXPECT_EQ(dunkel.last() - dunkel.first() + 1, dunkel.size()) << "one block";
        if (wert == 0)
            EXPECT_LE(dunkel.first() - rinne.top(), 2);
        else if (wert == s->maximum())
            EXPECT_LE(rinne.bottom() - dunkel.last(), 2);
        else
            EXPECT_TRUE(dunkel.first() - rinne.top() > 2 && rinne.bottom() - dunkel.last() > 2);
    }
}
