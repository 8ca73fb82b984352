// What a user sees of the main window, its first pages and the project dialogs: readable labels,
// grid columns that show their contents, Enter on buttons, the kept input, the icon and the end.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStyle>
#include <QStyleOption>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "base/AllgFunktionen.h"
#include "base/MessagePresenter.h"
#include "base/Programmzustand.h"
#include "base/forms/Fenstergroesse.h"
#include "data/JetDialekt.h"
#include "data/forms/KelvorForm1.h"
#include "projects/forms/KelvorForm3.h"
#include "projects/forms/MDIKomprDbank.h"
#include "projects/forms/MDIListe.h"
#include "projects/forms/MDIReSichMeld.h"
#include "projects/forms/MDISichern.h"
#include "projects/forms/Projektgitter.h"
#include "shell/FormMinMaxSize.h"
#include "shell/forms/KelvorForm2.h"
#include "shell/forms/MDIForm1.h"
#include "support/Dialogwache.h"
#include "support/MeldungsRecorder.h"
#include "support/Programmordner.h"
#include "support/QStringAusgabe.h"
#include "support/TransferProtokoll.h"
#include "shell/Anlagenweg.h"
#include "base/forms/Seitenform.h"
#include "design/heating/GlobDatenHeizung.h"
#include "design/selection/forms/Form102a.h"
#include "design/selection/forms/Form102c.h"
#include "support/ArtikelFixture.h"

namespace {

using S = Projektseite;

void Ereignisse()
{
    for (int i = 0; i < 20; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// Contrast ratio of two colours (1: none, 21: black on white).
double Kontrast(const QColor& a, const QColor& b)
{
    auto hell = [](const QColor& c) {
        auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double l1 = hell(a), l2 = hell(b);
    return (std::max(l1, l2) + 0.05) / (std::min(l1, l2) + 0.05);
}

// The colour most pixels of a region show: the background a text is drawn on. Pixels of the
// text's own colour (text, when given) do not count, unless there is nothing else.
QColor Hintergrund(const QImage& bild, const QRect& r, std::optional<QColor> text = std::nullopt)
{
    std::map<QRgb, int> anzahl;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            ++anzahl[bild.pixel(x, y)];
    if (text && anzahl.size() > 1)
        anzahl.erase(text->rgb());
    QRgb häufigste = 0;
    int n = -1;
    for (const auto& [farbe, k] : anzahl)
        if (k > n) {
            häufigste = farbe;
            n = k;
        }
    return QColor(häufigste);
}

// The part of a screenshot of fenster that shows r of widget w (in w's coordinates).
QRect Bildbereich(const QImage& bild, const QWidget* fenster, const QWidget* w, const QRect& r)
{
    const qreal dpr = bild.devicePixelRatio();
    const QRect logisch(w->mapTo(fenster, r.topLeft()), r.size());
    const QRect pixel(qRound(logisch.x() * dpr), qRound(logisch.y() * dpr), qRound(logisch.width() * dpr),
                      qRound(logisch.height() * dpr));
    return pixel.intersected(bild.rect());
}

// What the check found in one window.
struct Befund {
    QStringList fehler;
    int texte = 0;
};

QString Name(const QWidget* w, const QString& text)
{
    return QStringLiteral("%1 \"%2\"").arg(w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                                                      : w->objectName(),
                                           text.left(60));
}

// The text colour stands out from the colour most pixels behind it show.
void PrüfeKontrast(Befund& b, const QImage& bild, const QWidget* fenster, const QWidget* w, const QRect& r,
                   const QColor& text, const QString& name)
{
    const QRect bereich = Bildbereich(bild, fenster, w, r);
    if (bereich.isEmpty())
        return;
    const QColor grund = Hintergrund(bild, bereich, text);
    const double k = Kontrast(text, grund);
    if (k < 4.5)
        b.fehler << QStringLiteral("%1: contrast %2 (%3 on %4)")
                        .arg(name)
                        .arg(k, 0, 'f', 1)
                        .arg(text.name(), grund.name());
}

// No picture drawn above the label covers the part of it that its text takes.
void Verdeckt(Befund& b, const QLabel* l, const QString& name)
{
    const QWidget* eltern = l->parentWidget();
    if (!eltern)
        return;
    const int breite = l->wordWrap() ? l->fontMetrics()
                                           .boundingRect(QRect(0, 0, l->width(), 10000), Qt::TextWordWrap, l->text())
                                           .width()
                                     : std::min(l->width(), l->sizeHint().width());
    const QRect text = QStyle::alignedRect(Qt::LeftToRight, l->alignment() & Qt::AlignHorizontal_Mask,
                                           QSize(breite, l->height()), l->geometry());
    const QObjectList& geschwister = eltern->children();
    for (qsizetype i = geschwister.indexOf(l) + 1; i < geschwister.size(); ++i) {
        const auto* bild = qobject_cast<const QLabel*>(geschwister[i]);
        if (bild && bild->isVisible() && !bild->pixmap().isNull() && bild->geometry().intersects(text))
            b.fehler << QStringLiteral("%1: covered by picture %2").arg(name, bild->objectName());
    }
}

// The parts of a label that its text's lines take (without the blanks around them; a wrapping
// label as a whole), within the label, in its parent's coordinates.
QList<QRect> Textflächen(const QLabel* l)
{
    const QFontMetrics fm = l->fontMetrics();
    const QRect innen = l->contentsRect();
    const Qt::Alignment a = QStyle::visualAlignment(Qt::LeftToRight, l->alignment());
    if (l->wordWrap()) {
        const QSize größe = fm.boundingRect(QRect(0, 0, innen.width(), 10000), Qt::TextWordWrap, l->text()).size();
        return {QStyle::alignedRect(Qt::LeftToRight, a, größe.boundedTo(innen.size()), innen).translated(l->pos())};
    }
    const QStringList zeilen = l->text().split(u'\n');
    const int höhe = int(zeilen.size()) * fm.lineSpacing() - fm.leading();
    const QRect block = QStyle::alignedRect(Qt::LeftToRight, a, QSize(innen.width(), höhe), innen);
    QList<QRect> r;
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        const QString& z = zeilen[i];
        const QString ohneEnde = z.trimmed().isEmpty() ? QString() : z.left(z.lastIndexOf(z.trimmed().back()) + 1);
        if (ohneEnde.isEmpty())
            continue;
        const int breite = fm.horizontalAdvance(z);
        const int versatz = (a & Qt::AlignRight) ? innen.width() - breite
                            : (a & Qt::AlignHCenter) ? (innen.width() - breite) / 2 : 0;
        const int links = versatz + fm.horizontalAdvance(z.left(z.indexOf(z.trimmed().front())));
        const int rechts = versatz + fm.horizontalAdvance(ohneEnde);
        const QRect zeile(block.x() + links, block.y() + int(i) * fm.lineSpacing(), rechts - links, fm.height());
        r << zeile.intersected(innen).translated(l->pos());
    }
    return r;
}

// No other text label of the same parent writes where a line of the label's text stands.
void Überschrieben(Befund& b, const QLabel* l, const QString& name)
{
    const QWidget* eltern = l->parentWidget();
    if (!eltern || !l->pixmap().isNull())
        return;
    const QList<QRect> text = Textflächen(l);
    const QObjectList& geschwister = eltern->children();
    for (qsizetype i = geschwister.indexOf(l) + 1; i < geschwister.size(); ++i) {
        const auto* andere = qobject_cast<const QLabel*>(geschwister[i]);
        if (!andere || !andere->isVisibleTo(eltern) || !andere->pixmap().isNull() || andere->text().trimmed().isEmpty())
            continue;
        const QList<QRect> dort = Textflächen(andere);
        const bool trifft = std::any_of(text.begin(), text.end(), [&](const QRect& r) {
            return std::any_of(dort.begin(), dort.end(), [&](const QRect& d) { return d.intersects(r); });
        });
        if (trifft)
            b.fehler << QStringLiteral("%1: overlaps %2").arg(name, Name(andere, andere->text()));
    }
}

void Zugeschnitten(Befund& b, const QString& name, int braucht, int hat, const char* was)
{
    if (braucht > hat)
        b.fehler << QStringLiteral("%1: %2 needs %3, has %4").arg(name, QString::fromLatin1(was)).arg(braucht).arg(hat);
}

QString OhneKürzel(QString t)
{
    t.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    t.remove(u'&');
    return t.replace(u'\x01', u'&');
}

int Zeilenbreite(const QFontMetrics& fm, const QString& text)
{
    int breite = 0;
    for (const QString& z : text.split(u'\n'))
        breite = std::max(breite, fm.horizontalAdvance(z));
    return breite;
}

// The cells of a grid that are in view: the text whole in its column, readable on its row.
void PrüfeGitter(Befund& b, Befund* kontrast, const QImage& bild, const QWidget* fenster, const QTableView* g)
{
    const QAbstractItemModel* m = g->model();
    if (!m)
        return;
    const int rand = 2 * (g->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, g) + 1);
    const QFontMetrics fm(g->font());
    for (int r = 0; r < m->rowCount(); ++r) {
        if (g->isRowHidden(r) || g->rowViewportPosition(r) < 0 || g->rowViewportPosition(r) >= g->viewport()->height())
            continue;
        const bool gewählt = g->selectionModel() && g->selectionModel()->isRowSelected(r, QModelIndex());
        for (int c = 0; c < m->columnCount(); ++c) {
            if (g->isColumnHidden(c) || g->columnWidth(c) <= 0)
                continue;
            const QModelIndex i = m->index(r, c);
            const QString text = i.data().toString();
            if (text.trimmed().isEmpty())
                continue;
            ++b.texte;
            const QString name = Name(g, text);
            Zugeschnitten(b, name, fm.horizontalAdvance(text) + rand, g->columnWidth(c), "cell");
            const QVariant vorn = i.data(Qt::ForegroundRole);
            const QColor farbe = vorn.isValid() ? vorn.value<QBrush>().color()
                                                : g->palette().color(gewählt ? QPalette::HighlightedText : QPalette::Text);
            const QRect zelle = g->visualRect(i).intersected(g->viewport()->rect());
            if (kontrast)
                PrüfeKontrast(*kontrast, bild, fenster, g->viewport(), zelle.adjusted(1, 1, -1, -1), farbe, name);
        }
    }
}

// The part of w inside every parent up to its page or dialog, in w's coordinates.
QRect InDerSeite(const QWidget* w)
{
    QRect r = w->rect();
    for (const QWidget* p = w; !p->isWindow() && !p->inherits("Seitenform"); p = p->parentWidget()) {
        const QWidget* eltern = p->parentWidget();
        const QRect elternInW(w->mapFrom(eltern, QPoint(0, 0)), eltern->size());
        r = r.intersected(elternInW);
    }
    return r;
}

// Every text of a window that is in view, in a screenshot of the window: whole in its control
// (labels, buttons, group captions, boxes, grid cells) and at least 4.5:1 against what it stands on.
Befund Ansehen(QWidget* fenster)
{
    Befund b;
    const QImage bild = fenster->grab().toImage();
    for (QWidget* w : fenster->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(fenster) || w->size().isEmpty())
            continue;
        // A text needs its room inside the page or dialog: what lies beyond an edge of them is cut
        // off. What the window has scrolled out of view is looked at for its room only.
        const QRect platz = InDerSeite(w);
        if (platz.isEmpty())
            continue;
        const bool imBild = !fenster->isVisible() || w->visibleRegion().boundingRect() == w->rect();
        Befund* kontrast = imBild ? &b : nullptr;
        const QFontMetrics fm = w->fontMetrics();
        if (auto* l = qobject_cast<QLabel*>(w)) {
            const QString text = l->text();
            if (text.trimmed().isEmpty() || l->hasScaledContents())
                continue;
            ++b.texte;
            const QString name = Name(l, text);
            if (l->wordWrap()) {
                Zugeschnitten(b, name, l->heightForWidth(l->width()), platz.height(), "height");
            } else {
                Zugeschnitten(b, name, l->sizeHint().width(), platz.width(), "width");
                Zugeschnitten(b, name, (text.count(u'\n') + 1) * fm.lineSpacing() - fm.leading(), platz.height(), "height");
            }
            Verdeckt(b, l, name);
            Überschrieben(b, l, name);
            if (kontrast)
                PrüfeKontrast(*kontrast, bild, fenster, l, l->contentsRect(), l->palette().color(l->foregroundRole()), name);
        } else if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
            auto* k = static_cast<QAbstractButton*>(w);
            if (k->text().isEmpty())
                continue;
            ++b.texte;
            const QString name = Name(k, k->text());
            Zugeschnitten(b, name, k->sizeHint().width(), platz.width(), "width");
            if (kontrast)
                PrüfeKontrast(*kontrast, bild, fenster, k, k->rect(), k->palette().color(k->foregroundRole()), name);
        } else if (auto* k = qobject_cast<QPushButton*>(w)) {
            if (k->text().isEmpty())
                continue;
            ++b.texte;
            const QString name = Name(k, k->text());
            const int symbol = k->icon().isNull() ? 0 : k->iconSize().width() + 4;
            Zugeschnitten(b, name, Zeilenbreite(fm, OhneKürzel(k->text())) + symbol + 8, platz.width(), "width");
            if (kontrast)
                PrüfeKontrast(*kontrast, bild, fenster, k, k->rect().adjusted(3, 3, -3, -3), k->palette().color(QPalette::ButtonText), name);
        } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
            if (g->title().isEmpty())
                continue;
            ++b.texte;
            QStyleOptionGroupBox opt;
            opt.initFrom(g);
            opt.text = g->title();
            opt.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
            const QRect titel = g->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, g);
            Zugeschnitten(b, Name(g, g->title()), titel.right() + 1, platz.right() + 1, "caption");
            if (kontrast)
                PrüfeKontrast(*kontrast, bild, fenster, g, titel, g->palette().color(QPalette::WindowText), Name(g, g->title()));
        } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
            if (e->text().isEmpty() || qobject_cast<QComboBox*>(e->parentWidget()) || e->echoMode() != QLineEdit::Normal)
                continue;
            ++b.texte;
            const QString name = Name(e, e->text());
            QStyleOptionFrame opt;
            opt.initFrom(e);
            opt.rect = e->rect();
            opt.lineWidth = e->hasFrame() ? e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, e) : 0;
            const QRect innen = e->style()->subElementRect(QStyle::SE_LineEditContents, &opt, e)
                                    .marginsRemoved(e->textMargins());
            Zugeschnitten(b, name, fm.horizontalAdvance(e->displayText()) + 4, innen.intersected(platz).width(), "width");
            if (kontrast)
                PrüfeKontrast(*kontrast, bild, fenster, e, innen.adjusted(2, 1, -2, -1), e->palette().color(QPalette::Text), name);
        } else if (auto* c = qobject_cast<QComboBox*>(w)) {
            if (c->currentText().isEmpty())
                continue;
            ++b.texte;
            const QString name = Name(c, c->currentText());
            QStyleOptionComboBox opt;
            opt.initFrom(c);
            opt.editable = c->isEditable();
            const QRect feld = c->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, c);
            Zugeschnitten(b, name, fm.horizontalAdvance(c->currentText()) + 2, feld.intersected(platz).width(), "width");
            if (kontrast)
                PrüfeKontrast(*kontrast, bild, fenster, c, feld.adjusted(1, 1, -1, -1),
                          c->palette().color(c->isEditable() ? QPalette::Text : QPalette::ButtonText), name);
        } else if (auto* t = qobject_cast<QTableView*>(w)) {
            PrüfeGitter(b, kontrast, bild, fenster, t);
        }
    }
    return b;
}

// Every text of the window is whole and readable; returns the number of texts looked at.
// With KELVOR_BILDER set, every window looked at is saved as a picture in the folder it names
// (/tmp when it names none).
int PrüfeLesbarkeit(QWidget* fenster, const QString& wo = QString())
{
    const Befund b = Ansehen(fenster);
    if (qEnvironmentVariableIsSet("KELVOR_BILDER")) {
        const QString ordner = qEnvironmentVariable("KELVOR_BILDER", QStringLiteral("/tmp"));
        static int nummer = 0;
        QString name = wo.isEmpty() ? fenster->objectName() : wo;
        name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]+")), QStringLiteral("_"));
        fenster->grab().save(QStringLiteral("%1/%2-%3.png").arg(ordner).arg(++nummer, 3, 10, QLatin1Char('0')).arg(name));
    }
    EXPECT_TRUE(b.fehler.isEmpty()) << (wo.isEmpty() ? fenster->objectName() : wo).toStdString() << ":\n  "
                                    << b.fehler.join(QStringLiteral("\n  ")).toStdString();
    return b.texte;
}

// No column of a grid cuts its caption or a cell, and the grid needs no horizontal scrolling.
void PrüfeSpalten(Projektgitter* g)
{
    const QAbstractItemModel* m = g->model();
    const int rand = 2 * (g->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, g) + 1);
    const QFontMetrics fm(g->font());
    for (int c = 0; c < m->columnCount(); ++c) {
        const QString titel = m->headerData(c, Qt::Horizontal).toString();
        const int breite = g->columnWidth(c);
        EXPECT_GE(breite, g->horizontalHeader()->sectionSizeHint(c)) << titel.toStdString();
        for (int r = 0; r < m->rowCount(); ++r) {
            const QString text = m->index(r, c).data().toString();
            EXPECT_GE(breite, fm.horizontalAdvance(text) + rand) << titel.toStdString() << ": " << text.toStdString();
        }
    }
    EXPECT_EQ(g->horizontalScrollBar()->maximum(), 0);
    const int letzte = m->columnCount() - 1;
    EXPECT_LE(g->columnViewportPosition(letzte) + g->columnWidth(letzte), g->viewport()->width());
}

// The main window on a program folder with the icon and a project database.
class Ansicht : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(BereiteProgrammordnerVor(dir));
        ASSERT_TRUE(QFile::copy(QStringLiteral(KELVOR_SYMBOL), dir.filePath(QStringLiteral("Kelvor.ico"))));
        pfad = dir.filePath(QStringLiteral("Daten/Projektverwaltung.db"));
        BaueProjektdatenbank(pfad);
    }
    void TearDown() override
    {
        fenster.reset();
        Ereignisse();
        QSqlDatabase::removeDatabase(QStringLiteral("ansicht"));
    }
    void sql(const QString& text)
    {
        QSqlDatabase d = QSqlDatabase::contains(QStringLiteral("ansicht"))
                             ? QSqlDatabase::database(QStringLiteral("ansicht"))
                             : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("ansicht"));
        d.setDatabaseName(pfad);
        ASSERT_TRUE(d.open());
        QSqlQuery q(d);
        EXPECT_TRUE(q.exec(text)) << text.toStdString() << ": " << q.lastError().text().toStdString();
        abfrage = (q.isSelect() && q.next()) ? q.value(0) : QVariant();
        q.finish();
        d.close();
    }
    void projekt(const QString& nr, const QString& art, const QString& bezeichnung, const QString& angebot = QStringLiteral(" "))
    {
        sql(QStringLiteral("INSERT INTO ProjekteTabelle ([Projekt Nr], Projektart, Projektbezeichnung, Angebotsnummer, "
                           "Datum, Save) VALUES (%1, %2, %3, %4, '2026-11-03 00:00:00', ' ')")
                .arg(JetDialekt::Textliteral(nr), JetDialekt::Textliteral(art), JetDialekt::Textliteral(bezeichnung),
                     JetDialekt::Textliteral(angebot)));
    }
    // Projects of every type, more than the grids show at once (on a screen of 800 pixels, where
    // the tests run, the widest of them must fit).
    void vieleProjekte()
    {
        const char* arten[] = {"He", "Dr", "Tr", "Sp", "So", "Kü"};
        for (int i = 1; i <= 14; ++i)
            projekt(QString::number(i), QString::fromUtf8(arten[i % 6]),
                    QStringLiteral("Wohnanlage Am Park %1").arg(i), QStringLiteral("A-2026-0%1").arg(100 + i));
    }
    QString feld(const QString& nr, const QString& spalte)
    {
        sql(QStringLiteral("SELECT %1 FROM ProjekteTabelle WHERE [Projekt Nr] = %2")
                .arg(JetDialekt::Name(spalte), JetDialekt::Textliteral(nr)));
        return abfrage.toString();
    }
    void starte()
    {
        fenster = std::make_unique<MDIForm1>(dir.path());
        fenster->show();
        Ereignisse();
        fenster->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(fenster.get()));
        Ereignisse();
    }
    KelvorForm2* typwahl()
    {
        fenster->WeiterCommand->click();
        Ereignisse();
        return dynamic_cast<KelvorForm2*>(fenster->fenster(2));
    }
    KelvorForm3& ZurProjektseite()
    {
        starte();
        KelvorForm2* wahl = typwahl();
        if (!wahl)
            throw std::logic_error("no type page");
        wahl->HauptwahlCommand[0]->click();
        Ereignisse();
        auto* s = dynamic_cast<KelvorForm3*>(fenster->fenster(3));
        if (!s)
            throw std::logic_error("no project page");
        s->logik().heute = [] { return QDate(2026, 12, 10); };
        return *s;
    }
    // Runs prüfen on the modal dialog that the action opens; then the dialog is closed.
    template <class Dialog>
    bool ImDialog(const std::function<void()>& öffnen, const std::function<void(Dialog&)>& prüfen)
    {
        Dialogwache<Dialog> wache([&](Dialog* d) {
            prüfen(*d);
            d->close();
        });
        öffnen();
        return wache.gezeigt();
    }

    QTemporaryDir dir;
    QString pfad;
    QVariant abfrage;
    MeldungsRecorder recorder;
    std::unique_ptr<MDIForm1> fenster;
};

// --- Readable pages and dialogs -----------------------------------------------------------------

TEST_F(Ansicht, DieSeitenSindLesbarUndFuellenDenClientbereich)
{
    projekt(QStringLiteral("1"), QStringLiteral("He"), QStringLiteral("Heizung Schulzentrum"));
    starte();
    auto* start = fenster->Clientbereich()->findChild<KelvorForm1*>();
    ASSERT_NE(start, nullptr);
    EXPECT_GE(PrüfeLesbarkeit(fenster.get()), 3);  // the three cover labels at least

    // The client area shows the colour of window backgrounds, not a dark band around the page.
    const QImage bild = fenster->grab().toImage();
    const QWidget* client = fenster->Clientbereich();
    const QPoint ecke = client->mapTo(fenster.get(), QPoint(client->width() - 2, client->height() - 2));
    if (client->width() > start->width() && client->height() > start->height()) {
        const qreal dpr = bild.devicePixelRatio();
        EXPECT_EQ(QColor(bild.pixel(int(ecke.x() * dpr), int(ecke.y() * dpr))), client->palette().color(QPalette::Base));
    }

    KelvorForm2* wahl = typwahl();
    ASSERT_NE(wahl, nullptr);
    PrüfeLesbarkeit(fenster.get());
    wahl->HauptwahlCommand[0]->click();
    Ereignisse();
    ASSERT_EQ(zustand().Status, 3);
    // Captions, record counter, current number and the program folder.
    EXPECT_GE(PrüfeLesbarkeit(fenster.get()), 13);
    // The first page of the project's type, whatever it shows.
    fenster->WeiterCommand->click();
    Ereignisse();
    ASSERT_EQ(zustand().Status, 100);
    PrüfeLesbarkeit(fenster.get());
}

TEST_F(Ansicht, EinKleinesFensterRolltDieSeite)
{
    starte();
    auto* rollen = fenster->findChild<QScrollArea*>();
    ASSERT_NE(rollen, nullptr);
    auto* start = fenster->Clientbereich()->findChild<KelvorForm1*>();
    ASSERT_NE(start, nullptr);
    fenster->resize(400, 300);
    Ereignisse();
    // The page keeps its size and can be scrolled to its far corner.
    EXPECT_EQ(start->size(), QSize(735, 465));
    EXPECT_GT(rollen->horizontalScrollBar()->maximum(), 0);
    EXPECT_GT(rollen->verticalScrollBar()->maximum(), 0);
    EXPECT_GE(rollen->viewport()->width() + rollen->horizontalScrollBar()->maximum(), start->width());
    fenster->resize(FormMinMaxSize::Maximum());
    Ereignisse();
    EXPECT_EQ(rollen->horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(rollen->verticalScrollBar()->maximum(), 0);
}

TEST_F(Ansicht, ListeUndSicherungZeigenJedeSpalteGanz)
{
    vieleProjekte();
    ZurProjektseite();
    EXPECT_TRUE(ImDialog<MDIListe>([this] { fenster->MListe->trigger(); }, [](MDIListe& d) {
        EXPECT_GE(PrüfeLesbarkeit(&d), 2);
        PrüfeSpalten(d.DataGrid1);
        // The buttons stay inside the widened dialog.
        EXPECT_LE(d.Cancel->geometry().right(), d.width());
    }));
    EXPECT_TRUE(ImDialog<MDISichern>([this] { fenster->Msichern->trigger(); }, [](MDISichern& d) {
        EXPECT_GE(PrüfeLesbarkeit(&d), 2);
        d.AllesMarkieren->click();
        PrüfeSpalten(d.DataGrid1);
        // Both captions of the mark-all button fit, and it keeps clear of Sichern.
        for (int i = 0; i < 2; ++i) {
            EXPECT_GE(d.AllesMarkieren->width(), d.AllesMarkieren->sizeHint().width()) << d.AllesMarkieren->text().toStdString();
            d.AllesMarkieren->click();
        }
        EXPECT_LT(d.Animation1->geometry().right(), d.Save->x());
        EXPECT_LE(d.Cancel->geometry().right(), d.width());
    }));
}

// Pixels of r (in w's coordinates) that stand out from the colour most of r shows.
int Abweichende(QWidget* w, const QRect& r)
{
    const QImage bild = w->grab(r).toImage();
    const QColor grund = Hintergrund(bild, bild.rect());
    int n = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            n += Kontrast(QColor(bild.pixel(x, y)), grund) >= 3.0;
    return n;
}

TEST_F(Ansicht, SicherungMarkiertMitDerMausUndZeigtDieMarkeAufJederZeile)
{
    vieleProjekte();
    ZurProjektseite();
    EXPECT_TRUE(ImDialog<MDISichern>([this] { fenster->Msichern->trigger(); }, [](MDISichern& d) {
        Projektgitter* g = d.DataGrid1;
        const int save = g->model()->columnCount() - 1;
        auto zelle = [g, save](int zeile) { return g->visualRect(g->model()->index(zeile, save)); };
        // The pointer makes a row current; a double click marks it, a second one takes the mark away.
        for (int zeile : {2, 4, 2, 3}) {
            const QPoint mitte = zelle(zeile).center();
            QTest::mouseMove(g->viewport(), mitte);
            QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, mitte);
            Ereignisse();
            EXPECT_EQ(g->currentIndex().row(), zeile);
        }
        const QString marken[] = {" ", " ", " ", "X", "X", " "};
        for (int zeile = 0; zeile < 6; ++zeile)
            EXPECT_EQ(g->model()->index(zeile, save).data().toString(), marken[zeile]) << zeile;
        // The mark shows on the current row and on the others; an unmarked cell shows nothing.
        ASSERT_EQ(g->currentIndex().row(), 3);
        EXPECT_GT(Abweichende(g->viewport(), zelle(3)), 3);
        EXPECT_GT(Abweichende(g->viewport(), zelle(4)), 3);
        EXPECT_EQ(Abweichende(g->viewport(), zelle(5)), 0);
        EXPECT_GE(PrüfeLesbarkeit(&d), 2);
    }));
}

TEST_F(Ansicht, KomprimierungUndKonfliktfrageZeigenTitelUndText)
{
    starte();
    MDIKomprDbank komprimierung(fenster.get());
    EXPECT_FALSE(komprimierung.windowIcon().isNull());
    EXPECT_GE(komprimierung.width(), Fenstergroesse::TitelBreite(komprimierung));
    MDIReSichMeld konflikt(fenster.get());
    konflikt.Laden(QStringLiteral("A-2026-0117"));
    EXPECT_FALSE(konflikt.windowIcon().isNull());
    EXPECT_GE(konflikt.width(), Fenstergroesse::TitelBreite(konflikt));
    EXPECT_GE(PrüfeLesbarkeit(&konflikt), 1);
    for (QPushButton* k : konflikt.findChildren<QPushButton*>())
        EXPECT_GE(k->width(), k->sizeHint().width()) << k->text().toStdString();
    EXPECT_GE(konflikt.Label1->width(), konflikt.Label1->sizeHint().width());
}

TEST_F(Ansicht, FensterUndDialogeZeigenDasProgrammsymbol)
{
    starte();
    EXPECT_FALSE(fenster->windowIcon().isNull());
    EXPECT_EQ(QApplication::windowIcon().cacheKey(), fenster->windowIcon().cacheKey());
    // The icon file holds the sizes of a desktop, from small to large.
    const QList<QSize> grössen = fenster->windowIcon().availableSizes();
    EXPECT_TRUE(grössen.contains(QSize(16, 16)));
    EXPECT_TRUE(grössen.contains(QSize(256, 256)));
}

// --- Enter on buttons -----------------------------------------------------------------------------

TEST_F(Ansicht, EnterDruecktDenKnopfMitDemFokus)
{
    projekt(QStringLiteral("1"), QStringLiteral("He"), QStringLiteral("Heizung"));
    projekt(QStringLiteral("2"), QStringLiteral("Tr"), QStringLiteral("Trinkwasser"));
    starte();
    KelvorForm2* wahl = typwahl();
    ASSERT_NE(wahl, nullptr);
    // The page opens with its first button focused; Tab moves on, Enter presses.
    EXPECT_EQ(QApplication::focusWidget(), wahl->HauptwahlCommand[0]);
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), wahl->HauptwahlCommand[3]);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    Ereignisse();
    EXPECT_EQ(zustand().Status, 3);
    EXPECT_EQ(zustand().ProjektartNeuanlage, QStringLiteral("Tr"));

    // In the backup dialog Enter on the mark-all button marks; in the list Enter on Abbruch cancels.
    KelvorForm3* s = dynamic_cast<KelvorForm3*>(fenster->fenster(3));
    ASSERT_NE(s, nullptr);
    QString markiert;
    EXPECT_TRUE(ImDialog<MDISichern>([this] { fenster->Msichern->trigger(); }, [&](MDISichern& d) {
        d.AllesMarkieren->setFocus();
        QTest::keyClick(d.AllesMarkieren, Qt::Key_Return);
        markiert = d.DataGrid1->model()->index(0, 5).data().toString();
    }));
    EXPECT_EQ(markiert, QStringLiteral("X"));
    const QString vorher = zustand().aktProjektnummer;
    EXPECT_TRUE(ImDialog<MDIListe>([this] { fenster->MListe->trigger(); }, [&](MDIListe& d) {
        d.DataGrid1->setCurrentIndex(d.DataGrid1->model()->index(d.DataGrid1->model()->rowCount() - 1, 0));
        d.Cancel->setFocus();
        QTest::keyClick(d.Cancel, Qt::Key_Return);
    }));
    EXPECT_EQ(zustand().aktProjektnummer, vorher);
    EXPECT_EQ(s->ProjektText[S::Nummer]->text(), vorher);
}

// --- The input being typed is kept when the table is queried anew ---------------------------------

TEST_F(Ansicht, EineUngespeicherteEingabeBleibtBeiMenuewahlUndListe)
{
    projekt(QStringLiteral("1"), QStringLiteral("He"), QStringLiteral("Heizung"));
    projekt(QStringLiteral("2"), QStringLiteral("Dr"), QStringLiteral("Pumpe"));
    KelvorForm3& s = ZurProjektseite();
    ASSERT_EQ(s.ProjektText[S::Nummer]->text(), QStringLiteral("1"));

    struct Fall {
        const char* name;
        std::function<void()> wahl;
    };
    const Fall fälle[] = {
        {"Berechnungen", [this] { fenster->Mdruckerhöhungsanlagen->trigger(); }},
        {"Liste", [this] { ImDialog<MDIListe>([this] { fenster->MListe->trigger(); }, [](MDIListe&) {}); }},
        {"Sichern", [this] { ImDialog<MDISichern>([this] { fenster->Msichern->trigger(); }, [](MDISichern&) {}); }},
    };
    for (const Fall& f : fälle) {
        const QString nr = s.ProjektText[S::Nummer]->text();
        fenster->Mverändern->trigger();
        QLineEdit* bauherr = s.ProjektText[S::Bauherr];
        ASSERT_TRUE(bauherr->isEnabled()) << f.name;
        bauherr->setFocus();
        bauherr->selectAll();
        const QString text = QStringLiteral("Bauherr %1").arg(QString::fromUtf8(f.name));
        QTest::keyClicks(bauherr, text);
        f.wahl();
        Ereignisse();
        EXPECT_EQ(feld(nr, QStringLiteral("Bauherr")), text) << f.name;
    }
    EXPECT_TRUE(recorder.boxen.isEmpty());
}

TEST_F(Ansicht, EinAbgewiesenesDatumHaeltDieSeiteMitIhrerMeldung)
{
    projekt(QStringLiteral("1"), QStringLiteral("He"), QStringLiteral("Heizung"));
    KelvorForm3& s = ZurProjektseite();
    fenster->Mverändern->trigger();
    QLineEdit* datum = s.ProjektMask;
    datum->setFocus();
    datum->selectAll();
    QTest::keyClicks(datum, QStringLiteral("31.02.2005"));
    recorder.leeren();
    const bool geöffnet = ImDialog<MDIListe>([this] { fenster->MListe->trigger(); }, [](MDIListe&) {});
    EXPECT_FALSE(geöffnet);
    ASSERT_EQ(recorder.boxen.size(), 1);
    EXPECT_EQ(recorder.boxen[0].werte, QStringList{QStringLiteral("31.12.1998")});
    EXPECT_EQ(datum->text(), QStringLiteral("10.12.2026"));
    EXPECT_EQ(QApplication::focusWidget(), datum);
    // The calculation items stop the same way.
    datum->selectAll();
    QTest::keyClicks(datum, QStringLiteral("kein Datum"));
    recorder.leeren();
    fenster->Mheizungsanlagen->trigger();
    EXPECT_EQ(recorder.boxen.size(), 1);
    EXPECT_EQ(QApplication::focusWidget(), datum);
    EXPECT_EQ(zustand().aktSortierung, QStringLiteral("1 - Projektnummer"));
}

// --- Closing ---------------------------------------------------------------------------------------

TEST_F(Ansicht, NachJaEndetDasProgrammSofort)
{
    starte();
    QApplication::setQuitOnLastWindowClosed(true);
    recorder.antworten = {MsgAntwort::Ja};
    QObject wächter;
    QTimer::singleShot(0, &wächter, [this] { fenster->ExitCommand->click(); });
    // Only a hang reaches this.
    QTimer::singleShot(60000, &wächter, [] { QCoreApplication::exit(99); });
    // Counts the passes of the loop: an end that waits for anything takes many.
    int durchläufe = 0;
    QTimer takt;
    QObject::connect(&takt, &QTimer::timeout, [&durchläufe] { ++durchläufe; });
    takt.start(0);
    const int ergebnis = QApplication::exec();
    takt.stop();
    QApplication::setQuitOnLastWindowClosed(false);
    {
        // A quit still queued for the ended loop must not end the loops of later tests: one more
        // run of the main loop takes it (or ends by itself) and leaves the application as before.
        QObject aufräumen;
        QTimer::singleShot(0, &aufräumen, [] { QCoreApplication::quit(); });
        QApplication::exec();
    }
    EXPECT_EQ(ergebnis, 0);
    EXPECT_LT(durchläufe, 20);
    EXPECT_FALSE(fenster->isVisible());
    EXPECT_EQ(recorder.boxen.size(), 1);
}

}  // namespace

// --- Every page and dialog of the six system types --------------------------------------------

// The walk of every system type, each page looked at as it opens and once its calculation has
// locked it, each dialog on the way as it comes up. The same test runs at a scale factor of 1.5
// (a second registration with QT_SCALE_FACTOR).
class Seitenansicht : public Anlagenweg {
protected:
    void Angekommen(bool gesperrt) override
    {
        Seitenform* s = Aktuell();
        ASSERT_NE(s, nullptr);
        const QString wo = QStringLiteral("%1 (%2) %3")
                               .arg(zustand().Status)
                               .arg(s->objectName(), gesperrt ? QStringLiteral("locked") : QStringLiteral("open"));
        gesehen << wo;
        PrüfeLesbarkeit(fenster.get(), wo);
    }
    void DialogAnsehen(QDialog& d) override
    {
        d.show();
        Ereignisse();
        gesehen << d.objectName();
        PrüfeLesbarkeit(&d, d.objectName());
        d.hide();
    }
    void Angesehen(QWidget& w, const QString& wo) override
    {
        gesehen << wo;
        PrüfeLesbarkeit(&w, wo);
    }
    // A dialog that a menu command brought up.
    void Ansehen(QWidget* w)
    {
        if (auto* d = qobject_cast<QDialog*>(w)) {
            gesehen << d->objectName();
            PrüfeLesbarkeit(d, d->objectName());
        }
    }
    QStringList gesehen;
};

TEST_F(Seitenansicht, JedeSeiteUndJederDialogZeigtJedenTextGanzUndLesbar)
{
    for (const Typ& t : Typen) {
        SCOPED_TRACE(t.art);
        gesehen.clear();
        ASSERT_TRUE(NeuesProjekt(t.knopf, QString::fromLatin1(t.nr)));
        // A designation as long as real ones: the result pages show it under the logo.
        zustand().aktProjektBezeichnung = QStringLiteral("Wohnanlage Lindenhof Haus C Bauabschnitt 2 Nord-Ost");
        ASSERT_NO_FATAL_FAILURE((this->*t.auslegen)());
        ASSERT_NO_FATAL_FAILURE(BisZurProjektseite());
        PrüfeLesbarkeit(fenster.get(), QStringLiteral("project page"));
        // The results: the price question, then the preview.
        Befehl(fenster->Mergebnissezeigen, [this](QWidget* w) {
            Ansehen(w);
            Preise(w);
        });
        if (t.schema)
            Befehl(fenster->Mschaltschemazeigen, [this](QWidget* w) { Ansehen(w); });
        EXPECT_TRUE(gesehen.contains(QStringLiteral("Seitenvorschau"))) << gesehen.join(u',').toStdString();
        EXPECT_GE(gesehen.size(), 5) << gesehen.join(u',').toStdString();
        recorder.leeren();
    }
}

// Long texts of the first heating pages: page 100 with a designation of 50 characters, the vessel
// page's summary with two and with four heat generators protected one by one, and its article
// list with five-digit prices.
TEST_F(Seitenansicht, LangeTexteDerHeizungsseitenStehenGanzUndFrei)
{
    ASSERT_TRUE(NeuesProjekt(Typen[0].knopf, QString::fromLatin1(Typen[0].nr)));
    zustand().aktProjektBezeichnung = QStringLiteral("Wohnanlage Lindenhof Haus C Bauabschnitt 2 Nord-Ost");
    Weiter();
    Zurück();
    ASSERT_EQ(zustand().Status, 100);
    PrüfeLesbarkeit(fenster.get(), QStringLiteral("100 with a long designation"));
    ASSERT_TRUE(ArtikelFixture::Ändern(zustand().Artikel_Data_Source,
                                        QStringLiteral("UPDATE ARTIKEL SET arPreis = 10000 WHERE arArtikelnr IN "
                                                       "(SELECT [Art Nr] FROM [Grunddaten Gefäße] "
                                                       "WHERE [Art Gr Berechn Prg] = 2)")));
    Weiter();
    auto* s101 = dynamic_cast<Form101*>(Aktuell());
    ASSERT_NE(s101, nullptr);
    HeizungsdialogeFüllen();
    s101->Command1->click();
    s101->Command2->click();
    ASSERT_NO_FATAL_FAILURE(RechnenUndGruppe<Form102>(s101->Command3, "2"));
    auto* s102 = dynamic_cast<Form102*>(Aktuell());
    ASSERT_NE(s102, nullptr);
    ASSERT_NE(s102->logik(), nullptr);
    GlobDatenHeizung& h = *zustand().g_heizdat;
    h.m_Sicherung.m_Value = 1;
    for (int erzeuger : {2, 4}) {
        SCOPED_TRACE(erzeuger);
        for (int16_t i = 1; i <= 6; ++i)
            h.m_Einzel_GefässArtNr_m_value(i, i <= erzeuger ? QStringLiteral("40201") : QStringLiteral(" "));
        Form102c übersicht(*s102->logik(), fenster.get());
        übersicht.show();
        Ereignisse();
        EXPECT_GE(PrüfeLesbarkeit(&übersicht, QStringLiteral("Form102c %1").arg(erzeuger)), 4 * erzeuger);
    }
    s102->logik()->LadeBehälterlisteManuell(2, 1.5f, 0);
    Form102a artikel(*s102, fenster.get());
    artikel.show();
    Ereignisse();
    const QAbstractItemModel* liste = artikel.DataGrid1->model();
    bool preis = false;
    for (int c = 0; c < liste->columnCount(); ++c)
        preis = preis || (!artikel.DataGrid1->isColumnHidden(c) && liste->index(0, c).data().toString().startsWith(QStringLiteral("10000,00")));
    EXPECT_TRUE(preis);
    PrüfeLesbarkeit(&artikel, QStringLiteral("Form102a"));
    recorder.leeren();
}

// Exit from page 502 with unsaved input: while the program asks whether to save, the window still
// shows the page (it asks before anything is drawn anew).
TEST_F(Seitenansicht, BeimBeendenBleibtDieSeiteBeiDerSpeicherfrageSichtbar)
{
    ASSERT_TRUE(NeuesProjekt(Typen[4].knopf, QString::fromLatin1(Typen[4].nr)));
    auto* s500 = dynamic_cast<Form500*>(Aktuell());
    ASSERT_NE(s500, nullptr);
    s500->WohnbautenButton->click();
    Ereignisse();
    auto* s501 = dynamic_cast<Form501*>(Aktuell());
    ASSERT_NE(s501, nullptr);
    s501->Command3->click();
    Ereignisse();
    Weiter();
    ASSERT_NE(dynamic_cast<Form502*>(Aktuell()), nullptr);
    const QImage vorher = fenster->Clientbereich()->grab().toImage();

    struct Beim : MessagePresenter {
        std::function<void(const MeldungsBox&)> zeigen;
        int zeige(const MeldungsBox& b) override
        {
            zeigen(b);
            return MsgTasten(b.stil).first();  // Ja
        }
    } presenter;
    QImage währendDerFrage;
    QStringList fragen;
    presenter.zeigen = [&](const MeldungsBox& b) {
        fragen << b.text;
        if (b.text == LadeText(zustand().Sprachoffset + 2183))
            währendDerFrage = fenster->Clientbereich()->grab().toImage();
    };
    setzeMessagePresenter(&presenter);
    fenster->ExitCommand->click();
    Ereignisse();
    setzeMessagePresenter(&recorder);
    ASSERT_FALSE(währendDerFrage.isNull()) << fragen.join(u'|').toStdString();
    ASSERT_EQ(währendDerFrage.size(), vorher.size());
    qsizetype gleich = 0;
    for (int y = 0; y < vorher.height(); ++y)
        for (int x = 0; x < vorher.width(); ++x)
            gleich += vorher.pixel(x, y) == währendDerFrage.pixel(x, y) ? 1 : 0;
    EXPECT_GE(gleich, qsizetype(vorher.width()) * vorher.height() * 95 / 100);
}
