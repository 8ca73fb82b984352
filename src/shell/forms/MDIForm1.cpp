#include "shell/forms/MDIForm1.h"

#include "base/AllgFunktionen.h"
#include "shell/FormMinMaxSize.h"
#include "base/MessagePresenter.h"
#include "base/ModResFiles.h"
#include "base/Datenpfade.h"
#include "base/Programmzustand.h"
#include "base/Tastencodes.h"
#include "base/Twips.h"
#include "base/TyvoAnbindung.h"
#include "data/ManipDatenbank.h"
#include "shell/Waehrung.h"
#include "shell/Datenobjekte.h"
#include "base/forms/Seitenform.h"
#include "shell/forms/Seitenmanager.h"
#include "projects/ArtikeldatenEinlesen.h"
#include "projects/forms/KelvorForm3.h"
#include "projects/forms/LadenArtDat.h"
#include "projects/forms/MDIKomprDbank.h"
#include "projects/forms/MDIReSich.h"
#include "projects/forms/NutzerStammdaten.h"
#include "info/forms/Gebietsfinder.h"
#include "info/forms/UeberUnsSchau.h"
#include "info/forms/frmAbout.h"
#include "design/selection/forms/Form102a.h"
#include "design/heating_accessories/Entlueftungsdialog.h"
#include "design/heating_accessories/forms/Form105b.h"
#include "output/reports/Drucken.h"
#include "output/reports/forms/DruckausgabeArt.h"
#include "output/reports/forms/Seitenvorschau.h"
#include "output/schematic/DXFOrderAufbau.h"
#include "output/schematic/forms/DXFMaker.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFrame>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

bool IstHostmodus()
{
    return zustand().TyvoModus == 1 || zustand().TyvoModus == 2;
}

// Widths of the four status panels in twips.
constexpr std::array<int, 4> PanelBreiteNormal = {6470, 1440, 1440, 1440};
// Margin of the bottom bar's buttons in twips.
constexpr int LeisteRand = 120;

// Scrolls the page area; keys pass on to the main window (Alt+Left, Alt+Right, Alt+F10).
class Rollbereich : public QScrollArea {
public:
    using QScrollArea::QScrollArea;

protected:
    void keyPressEvent(QKeyEvent* e) override { e->ignore(); }
};

// The area the pages are shown in: as large as the visible page needs, so that the scroll area
// around it shows scroll bars when the window is smaller than the page.
class Seitenbereich : public QWidget {
public:
    using QWidget::QWidget;
    QSize minimumSizeHint() const override
    {
        QSize grösse(0, 0);
        for (QWidget* seite : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (seite->isHidden() || seite->size().isEmpty())
                continue;
            // A page with a layout follows the area; one without keeps its own size.
            const QSize s = seite->layout() ? seite->minimumSizeHint() : seite->size();
            grösse = grösse.expandedTo(QSize(seite->x() + s.width(), seite->y() + s.height()));
        }
        return grösse;
    }
    QSize sizeHint() const override { return minimumSizeHint(); }

protected:
    void childEvent(QChildEvent* e) override
    {
        if (e->child()->isWidgetType()) {
            if (e->added())
                e->child()->installEventFilter(this);
            else if (e->removed())
                e->child()->removeEventFilter(this);
            anpassen();
        }
        QWidget::childEvent(e);
    }
    bool eventFilter(QObject* o, QEvent* e) override
    {
        switch (e->type()) {
        case QEvent::Resize: case QEvent::Move: case QEvent::Show: case QEvent::Hide:
        case QEvent::LayoutRequest:
            anpassen();
            break;
        default:
            break;
        }
        return QWidget::eventFilter(o, e);
    }

private:
    // The scroll area sizes the area anew and sets its scroll bars.
    void anpassen()
    {
        updateGeometry();
        for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
            if (qobject_cast<QScrollArea*>(w)) {
                QCoreApplication::postEvent(w, new QEvent(QEvent::LayoutRequest));
                break;
            }
        }
    }
};

}  // namespace

namespace {
MDIForm1* g_hauptfenster = nullptr;
}

MDIForm1* MDIForm1::Instanz()
{
    return g_hauptfenster;
}

MDIForm1::MDIForm1(const QString& datenpfad, QWidget* parent)
    : QMainWindow(parent),
      m_seitenmanager(std::make_unique<Seitenmanager>(*this, HeizungAbgeschlossen, TyvoErsterAufruf))
{
    g_hauptfenster = this;
    setzeHauptfenster(this);
    if (!artikelauswahlDialog())
        setzeArtikelauswahlDialog(&Artikelauswahlfenster());
    if (!entlüftungsDialog())
        setzeEntlüftungsDialog(&Entlüftungsfenster());
    BaueFenster();
    BaueMenues();
    const Datenpfade pfade = datenpfad.isEmpty() ? DatenpfadeDesProgramms() : Datenpfade{datenpfad, datenpfad};
    zustand().Datenpfad = pfade.Daten;
    zustand().Installationspfad = pfade.Installation;
    Laden();
}

MDIForm1::~MDIForm1()
{
    if (g_hauptfenster == this) {
        g_hauptfenster = nullptr;
        setzeHauptfenster(nullptr);
    }
}

QWidget* MDIForm1::Fensterwidget()
{
    return this;
}

void MDIForm1::ErstprojektMenuesSperren()
{
    for (QAction* a : {MListe, Manlegen, Mverändern, Msichern, Meinlesen, Mlöschen, Mheizungsanlagen,
                       Msolaranlagen, Mkühlundkälte, Mtrinkwassererwärmung, Mdruckerhöhungsanlagen,
                       Mspeicherwassererwärmer})
        a->setEnabled(false);
}

std::shared_ptr<GlobDaten> MDIForm1::Datenobjekt(const QString& projektart)
{
    return ::Datenobjekt(projektart);
}

// ---------------------------------------------------------------------------------------------
// Building the window

void MDIForm1::BaueFenster()
{
    auto* mitte = new QWidget(this);
    auto* layout = new QVBoxLayout(mitte);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // The client area has the colour of window backgrounds (the pictures of the pages too).
    auto* rollbereich = new Rollbereich(mitte);
    rollbereich->setObjectName(QStringLiteral("Rollbereich"));
    rollbereich->setFocusPolicy(Qt::NoFocus);
    rollbereich->setFrameShape(QFrame::NoFrame);
    rollbereich->setWidgetResizable(true);
    rollbereich->setBackgroundRole(QPalette::Base);
    m_client = new Seitenbereich;
    m_client->setObjectName(QStringLiteral("Clientbereich"));
    m_client->setBackgroundRole(QPalette::Base);
    m_client->setAutoFillBackground(true);
    rollbereich->setWidget(m_client);
    layout->addWidget(rollbereich, 1);

    auto* leiste = new QFrame(mitte);
    leiste->setFrameStyle(QFrame::Panel | QFrame::Raised);
    LeisteuntenPicture = leiste;
    LeisteuntenPicture->setObjectName(QStringLiteral("LeisteuntenPicture"));
    LeisteuntenPicture->setFixedHeight(Twips::zuPixel(660));
    LeisteuntenPicture->installEventFilter(this);
    layout->addWidget(LeisteuntenPicture);
    setCentralWidget(mitte);

    auto knopf = [this](const char* name, QStyle::StandardPixmap bild) {
        auto* k = new QToolButton(LeisteuntenPicture);
        k->setObjectName(QString::fromLatin1(name));
        k->setIcon(style()->standardIcon(bild));
        k->setIconSize(QSize(24, 24));
        k->setAutoRaise(true);
        k->setFixedSize(Twips::zuPixel(570), Twips::zuPixel(540));
        k->setFocusPolicy(Qt::NoFocus);
        return k;
    };
    ExitCommand = knopf("ExitCommand", QStyle::SP_DialogCloseButton);
    ZurückCommand = knopf("ZurueckCommand", QStyle::SP_ArrowBack);
    WeiterCommand = knopf("WeiterCommand", QStyle::SP_ArrowForward);
    TyvoButton = knopf("TyvoButton", QStyle::SP_FileDialogToParent);
    const int y = (LeisteuntenPicture->height() - ExitCommand->height()) / 2;
    ExitCommand->move(Twips::zuPixel(LeisteRand), y);
    TyvoButton->move(ExitCommand->pos());
    InfoLabel = new QLabel(LeisteuntenPicture);
    InfoLabel->setObjectName(QStringLiteral("InfoLabel"));
    connect(ExitCommand, &QToolButton::clicked, this, &MDIForm1::ExitCommand_Click);
    connect(TyvoButton, &QToolButton::clicked, this, &MDIForm1::ExitCommand_Click);
    connect(WeiterCommand, &QToolButton::clicked, this, [this] { Blättern(1); });
    connect(ZurückCommand, &QToolButton::clicked, this, [this] { Blättern(2); });

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    for (int i = 0; i < 4; ++i) {
        m_panel[i] = new QLabel(StatusBar1);
        m_panel[i]->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        m_panel[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        StatusBar1->addWidget(m_panel[i]);
    }
    setStatusBar(StatusBar1);
    StatusBarAktiv(-1);

    if (QScreen* bildschirm = QGuiApplication::primaryScreen())
        connect(bildschirm, &QScreen::availableGeometryChanged, this, &MDIForm1::PasseAktivesFensterAn);
}

void MDIForm1::BaueMenues()
{
    QMenuBar* leiste = menuBar();
    auto menue = [this](QMenu* oben, const char* name, int textId) {
        QMenu* m = oben->addMenu(QString());
        m->setObjectName(QString::fromUtf8(name));
        if (textId)
            m_menuTexte.emplace_back(m->menuAction(), textId);
        return m;
    };
    auto obermenue = [&](const char* name, int textId, const QString& fest = QString()) {
        QMenu* m = leiste->addMenu(fest);
        m->setObjectName(QString::fromUtf8(name));
        if (textId)
            m_menuTexte.emplace_back(m->menuAction(), textId);
        return m;
    };
    auto punkt = [this](QMenu* m, const char* name, int textId, void (MDIForm1::*aktion)() = nullptr,
                        const QString& fest = QString()) {
        QAction* a = m->addAction(fest);
        a->setObjectName(QString::fromUtf8(name));
        if (textId)
            m_menuTexte.emplace_back(a, textId);
        if (aktion)
            connect(a, &QAction::triggered, this, [this, aktion] {
                if (EingabeÜbernommen())
                    (this->*aktion)();
            });
        return a;
    };
    auto strich = [](QMenu* m, const char* name) {
        QAction* a = m->addSeparator();
        a->setObjectName(QString::fromUtf8(name));
        return a;
    };
    auto mit = [this](QAction* a, std::function<void()> aktion) {
        connect(a, &QAction::triggered, this, [this, aktion = std::move(aktion)] {
            if (EingabeÜbernommen())
                aktion();
        });
        return a;
    };

    Mprojekte = obermenue("Mprojekte", 102);
    MListe = mit(punkt(Mprojekte, "MListe", 103), [this] {
        Projektaktion([](KelvorForm3& s) { s.ProjektSuchenInListe(); });
    });
    Manlegen = mit(punkt(Mprojekte, "Manlegen", 104), [this] {
        ZeigeProjektliste();
        if (KelvorForm3* s = fenster3())
            s->ProjektAnlegen(false);
    });
    Mkopieren = mit(punkt(Mprojekte, "Mkopieren", 105), [this] {
        ZeigeProjektliste();
        if (KelvorForm3* s = fenster3())
            s->ProjektAnlegen(true);
    });
    Mverändern = mit(punkt(Mprojekte, "Mveraendern", 106), [this] {
        Projektaktion([](KelvorForm3& s) {
            if (zustand().TyvoModus == 0)
                s.ProjektVerändern();
        });
    });
    Msichern = mit(punkt(Mprojekte, "Msichern", 107), [this] {
        Projektaktion([](KelvorForm3& s) { s.ProjekteSichern(); });
    });
    Meinlesen = mit(punkt(Mprojekte, "Meinlesen", 108), [this] {
        KelvorForm3* s = fenster3();
        if (zustand().istErstprojekt && s)
            s->ProjektAnlegen(false);
        else
            ProjekteEinlesen();
    });
    Mlöschen = mit(punkt(Mprojekte, "Mloeschen", 109), [this] {
        Projektaktion([](KelvorForm3& s) { s.ProjektLöschen(); });
    });
    MstrichE = strich(Mprojekte, "MstrichE");
    MDatenpflege = menue(Mprojekte, "MDatenpflege", 110);
    MLesenArtDaten = mit(punkt(MDatenpflege, "MLesenArtDaten", 111), [this] { ZeigeDialog<LadenArtDat>(); });
    MRepairProjektDatenbank = mit(punkt(MDatenpflege, "MRepairProjektDatenbank", 113),
                                  [this] { ZeigeDialog<MDIKomprDbank>(); });
    MstrichZ = strich(Mprojekte, "MstrichZ");
    Mbeenden = punkt(Mprojekte, "Mbeenden", 112, &MDIForm1::Entladen);

    Mberechnungen = obermenue("Mberechnungen", 117);
    Mheizungsanlagen = mit(punkt(Mberechnungen, "Mheizungsanlagen", 118), [this] { Neuanlage(QStringLiteral("He")); });
    Msolaranlagen = mit(punkt(Mberechnungen, "Msolaranlagen", 119), [this] { Neuanlage(QStringLiteral("So")); });
    Mkühlundkälte = mit(punkt(Mberechnungen, "Mkuehlundkaelte", 120), [this] { Neuanlage(QStringLiteral("Kü")); });
    Mdruckerhöhungsanlagen = mit(punkt(Mberechnungen, "Mdruckerhoehungsanlagen", 121),
                                 [this] { Neuanlage(QStringLiteral("Dr")); });
    Mtrinkwassererwärmung = mit(punkt(Mberechnungen, "Mtrinkwassererwaermung", 122),
                                [this] { Neuanlage(QStringLiteral("Tr")); });
    Mspeicherwassererwärmer = mit(punkt(Mberechnungen, "Mspeicherwassererwaermer", 123),
                                  [this] { Neuanlage(QStringLiteral("Sp")); });

    MAusgabe = obermenue("MAusgabe", 128);
    Mergebnissezeigen = mit(punkt(MAusgabe, "Mergebnissezeigen", 129), [this] { Bericht(1); });
    Mkurztextdrucken = mit(punkt(MAusgabe, "Mkurztextdrucken", 130), [this] { Bericht(2); });
    Mlangtextdrucken = mit(punkt(MAusgabe, "Mlangtextdrucken", 131), [this] { Bericht(3); });
    MausschreibungstexteinZwischenablage =
        mit(punkt(MAusgabe, "MausschreibungstexteinZwischenablage", 132), [this] { Bericht(4); });
    MAusgabeGEAEB1990 = mit(punkt(MAusgabe, "MAusgabeGEAEB1990", 133), [this] { Bericht(5); });
    Mschaltschemazeigen = mit(punkt(MAusgabe, "Mschaltschemazeigen", 134), [this] { Schaltschema(1, QString()); });
    Mschaltschemadrucken = mit(punkt(MAusgabe, "Mschaltschemadrucken", 135), [this] { Schaltschema(2, QString()); });
    MinDXF = mit(punkt(MAusgabe, "MinDXF", 136), [this] { Schaltschema(3, QStringLiteral("DXFneu.dxf")); });
    Mstrich2 = strich(MAusgabe, "Mstrich2");
    MandereProjektnummer = punkt(MAusgabe, "MandereProjektnummer", 137);

    MOptionen = obermenue("MOptionen", 142);
    Mkundenanschrift = mit(punkt(MOptionen, "Mkundenanschrift", 143), [this] { ZeigeDialog<NutzerStammdaten>(); });
    MDruckereinstellungen = mit(punkt(MOptionen, "MDruckereinstellungen", 144), [this] {
        ZeigeModal([] { Drucken().Druckereinrichtung(); });
    });

    MInformationen = obermenue("MInformationen", 149);
    Mwirüberuns = mit(punkt(MInformationen, "Mwirueberuns", 150), [this] {
        // The show leaves the bottom buttons as they are.
        ÜberUnsSchau schau(this);
        schau.exec();
    });
    Mprodukte = punkt(MInformationen, "Mprodukte", 151);
    MVertreter = mit(punkt(MInformationen, "MVertreter", 152), [this] { ZeigeDialog<Vertreter>(); });
    MServicepartner = mit(punkt(MInformationen, "MServicepartner", 153), [this] { ZeigeDialog<Servicepart>(); });

    MSprache = obermenue("MSprache", 19);
    MSpracheDeutsch = punkt(MSprache, "MSpracheDeutsch", 20);
    MSpracheEnglisch = punkt(MSprache, "MSpracheEnglisch", 21);
    MSpracheNiederländisch = punkt(MSprache, "MSpracheNiederlaendisch", 23);
    MSpracheFranzösisch = punkt(MSprache, "MSpracheFranzoesisch", 22);

    MFragezeichen = obermenue("MFragezeichen", 0, QStringLiteral("&?"));
    MAnsprechpartner = punkt(MFragezeichen, "MAnsprechpartner", 158);
    MHilfeassistent = punkt(MFragezeichen, "MHilfeassistent", 159);
    Mstrich3 = strich(MFragezeichen, "Mstrich3");
    MInfo = mit(punkt(MFragezeichen, "MInfo", 160), [this] { ZeigeDialog<frmAbout>(); });

    MLänderversion = obermenue("MLaenderversion", 0, QStringLiteral("Länderversion"));
    MVersionEngland = punkt(MLänderversion, "MVersionEngland", 0, nullptr, QStringLiteral("England"));
    MVersionNiederlande = punkt(MLänderversion, "MVersionNiederlande", 0, nullptr, QStringLiteral("Niederlande"));
    MVersionBelgien = punkt(MLänderversion, "MVersionBelgien", 0, nullptr, QStringLiteral("Belgien"));
    MVersionFrankreich = punkt(MLänderversion, "MVersionFrankreich", 0, nullptr, QStringLiteral("Frankreich"));
    MVersionExport = punkt(MLänderversion, "MVersionExport", 0, nullptr, QStringLiteral("Export"));

    // Items without an action are not offered.
    for (QAction* a : {MandereProjektnummer, Mstrich2, MAnsprechpartner, Mstrich3})
        a->setVisible(false);
}

// ---------------------------------------------------------------------------------------------
// Load, activation, closing

void MDIForm1::Laden()
{
    Programmzustand& z = zustand();
    // Size limits; the start size is the largest size.
    setMinimumSize(FormMinMaxSize::Minimum());
    setMaximumSize(FormMinMaxSize::Maximum());
    resize(FormMinMaxSize::Maximum());

    z.AbbruchCode = 0;
    z.AbbruchText.clear();
    z.BeendenAbfragen = true;
    z.ErrorCancel = false;
    z.FormLoadError = false;
    z.istErstprojekt = false;
    z.aktProjektnummer = QStringLiteral(" ");
    z.aktProjektBezeichnung = QStringLiteral(" ");
    z.ProjektartNeuanlage = QStringLiteral("He");
    z.Projektart = QStringLiteral(" ");
    z.aktSortierung = LadeText(z.Sprachoffset + 161);
    z.Währungskürzel = QStringLiteral(" ");
    z.Mehrwertsteuersatz = 0;
    z.AktProjektArtErstellung = 0;
    HeizungAbgeschlossen = false;
    ExitSichtbar = ZurückSichtbar = WeiterSichtbar = false;
    TyvoButton->hide();

    // The paths were set by the constructor; the databases lie in "Daten" below them.
    z.ArtikelDatenbankName = QStringLiteral("Artikeld.db");
    z.ProjektDatenbankName = QStringLiteral("Projektverwaltung.db");
    LänderversionMenueAusblenden();
    const QDir daten(Datenordner(z.Datenpfad));
    if (!daten.exists())
        QDir().mkpath(daten.path());
    z.Projekt_Data_Source = daten.filePath(z.ProjektDatenbankName);
    const QString icon = QDir(z.Installationspfad).filePath(QStringLiteral("Kelvor.ico"));
    if (QFileInfo::exists(icon)) {
        setWindowIcon(QIcon(icon));
        // Every dialog and message box of the program shows it too.
        QApplication::setWindowIcon(windowIcon());
    }

    // Without Qt SQL's SQLite driver no database opens, and a healthy one would be taken for a
    // damaged one: the program says what is missing and ends before it opens any of them.
    if (!ManipDatenbank::TreiberPrüfen()) {
        z.AbbruchCode = 1;
        return;
    }
    // The user's own article database is a file from outside: one that fails its check gives
    // way to the shipped one.
    z.Artikel_Data_Source = ArtikeldatenbankBeimStart({z.Installationspfad, z.Datenpfad}, z.ArtikelDatenbankName);
    LeseWaehrung();

    if (IstHostmodus()) {
        QString projektId;
        QString fehler;
        if (!tyvoAnbindung().LesenAlleXMLDatenVonTyvo(z.TyvoModus, projektId, fehler)) {
            z.AbbruchCode = 3;
            z.AbbruchText = fehler;
            return;
        }
        z.TyvoVorgabenPrüfen = true;
        z.aktProjektnummer = projektId;
    }
    z.Meldungsflag = false;
    z.Automatiklauf = IstHostmodus();
    z.ProjektNichtSpeichern = z.TyvoModus == 1;
    if (IstHostmodus())
        TyvoErsterAufruf = true;

    SpracheMenueAusblenden();
    SpracheEinstellen();
    z.Status = 1;
    z.vorStatus = 0;
    SetzeStatusPanelText(4, QStringLiteral("1"));
    SperrenMenue();
    Seitenwechsel(0, 1);
    MenuepunkteNachStatus(1);
    Kommando(1, 0, 0);
}

void MDIForm1::Aktivieren()
{
    if (zustand().AbbruchCode != 0 && isVisible())
        Entladen();
}

bool MDIForm1::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate || e->type() == QEvent::Show)
        QTimer::singleShot(0, this, &MDIForm1::Aktivieren);
    return QMainWindow::event(e);
}

void MDIForm1::Entladen()
{
    m_entladenAusCode = true;
    close();
    m_entladenAusCode = false;
}

void MDIForm1::closeEvent(QCloseEvent* e)
{
    Programmzustand& z = zustand();
    const int o = z.Sprachoffset;
    if (IstHostmodus() && !m_entladenAusCode && z.Status == 3 && HeizungAbgeschlossen)
        z.BeendenAbfragen = false;
    const bool erzwungen = z.AbbruchCode >= 1 && z.AbbruchCode <= 3;
    // The close box: the input being typed is taken over first, or the window stays.
    if (!m_entladenAusCode && !erzwungen && !EingabeÜbernommen()) {
        e->ignore();
        return;
    }
    if (erzwungen) {
        if (!z.AbbruchText.isEmpty())
            MsgBox(z.AbbruchText, MsgStil::OK | MsgStil::Stop, LadeText(o + 1607));
    } else if (z.BeendenAbfragen) {
        const QString frage = IstHostmodus()
            ? QStringLiteral("Soll das Programm abgebrochen werden?\r\n\r\n"
                             "Die Auslegung des Ausdehnungsgefäßes ist noch nicht abgeschlossen")
            : LadeText(o + 2184);
        if (MsgBox(frage, MsgStil::JaNein | MsgStil::Frage | MsgStil::ZweiteTasteStandard, LadeText(o + 1607))
            != MsgAntwort::Ja) {
            e->ignore();
            return;
        }
    }
    if (IstHostmodus() && !erzwungen) {
        if (HeizungAbgeschlossen)
            tyvoAnbindung().RückgabeInXML_AuswahlErfolgreich(z.TyvoModus);
        else
            tyvoAnbindung().RückgabeInXML_AuswahlNutzerabbruch(z.TyvoModus);
    }
    // The page stays in view while it unloads and its data asks to be saved: a picture of it
    // covers the page area until the window is gone.
    auto* bild = new QLabel(m_client);
    bild->setPixmap(m_client->grab());
    bild->setGeometry(m_client->rect());
    bild->show();
    bild->raise();
    const auto ohneBild = qScopeGuard([bild] { delete bild; });
    // A page that is busy refuses its own close and keeps the program open.
    for (QWidget* seite : m_client->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (seite != bild && !seite->close()) {
            e->ignore();
            return;
        }
    }
    // The shown page unloads through the page manager (its inputs go into its data, the project
    // page stores its row) before its data object is released.
    m_seitenmanager->EntladeAlle(z.Status);
    DatenobjektBeimBeendenFreigeben();
    e->accept();
    // The program ends with its main window at once, whatever is still queued.
    if (QApplication::quitOnLastWindowClosed())
        QCoreApplication::quit();
}

bool MDIForm1::EingabeÜbernommen()
{
    Seitenform* seite = fenster(zustand().Status);
    return !seite || seite->EingabeÜbernehmen();
}

void MDIForm1::Blättern(int richtung)
{
    if (EingabeÜbernommen())
        seitenmanager(richtung);
}

void MDIForm1::DatenobjektBeimBeendenFreigeben()
{
    Programmzustand& z = zustand();
    const int s = z.Status;
    if (s >= 100 && s <= 120)
        HeizdatenSchließenMitAbfrage();
    else if (s == 3 && z.TyvoModus == 2)
        HeizdatenSchließen();
    else if (s >= 200 && s <= 210)
        KühldatenSchließenMitAbfrage();
    else if (s >= 300 && s <= 310)
        TrinkdatenSchließenMitAbfrage();
    else if (s >= 400 && s <= 410)
        DruckdatenSchließenMitAbfrage();
    else if (s >= 500 && s <= 510)
        SpeicherdatenSchließenMitAbfrage();
    else if (s >= 600 && s <= 610)
        SolardatenSchließenMitAbfrage();
}

void MDIForm1::NachVorn()
{
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void MDIForm1::PasseAktivesFensterAn()
{
    QWidget* fenster = QApplication::activeWindow();
    QScreen* bildschirm = fenster ? fenster->screen() : nullptr;
    if (!bildschirm)
        return;
    const QRect bereich = bildschirm->availableGeometry();
    const Qt::WindowStates vorher = fenster->windowState();
    fenster->setWindowState(Qt::WindowNoState);
    QRect r = fenster->frameGeometry();
    if (r.width() > bereich.width()) {
        r.setLeft(bereich.left());
        r.setWidth(bereich.width());
    }
    if (r.height() > bereich.height()) {
        r.setTop(bereich.top());
        r.setHeight(bereich.height());
    }
    if (r != fenster->frameGeometry()) {
        fenster->move(r.topLeft());
        fenster->resize(r.size() - (fenster->frameGeometry().size() - fenster->size()));
    }
    fenster->setWindowState(vorher);
}

// ---------------------------------------------------------------------------------------------
// Texts and language

void MDIForm1::SpracheEinstellen()
{
    zustand().Sprachoffset = 0;
    zustand().Länderoffset = 0;
    SetzeSpaltennamen(0);
    SetzeSprachTexte();
}

void MDIForm1::SetzeSprachTexte()
{
    Programmzustand& z = zustand();
    const int o = z.Sprachoffset;
    setWindowTitle(LadeText(o + 101));
    ExitCommand->setToolTip(LadeText(o + 70));
    ZurückCommand->setToolTip(LadeText(o + 71));
    WeiterCommand->setToolTip(LadeText(o + 72));
    TyvoButton->setToolTip(QStringLiteral("Rücksprung zum Programm Tyvo"));
    for (const auto& [aktion, id] : m_menuTexte)
        aktion->setText(LadeText(o + id));

    const QString* alte[] = {&z.sortierungProjektnummer, &z.sortierungProjektart, &z.sortierungProjBezeichnung,
                             &z.sortierungProjAngebotsNr, &z.sortierungProjektDatum};
    int sortId = 161;
    for (int i = 0; i < 5; ++i) {
        if (z.aktSortierung == *alte[i]) {
            sortId = 161 + i;
            break;
        }
    }
    z.aktSortierung = LadeText(o + sortId);
    QString* neue[] = {&z.sortierungProjektnummer, &z.sortierungProjektart, &z.sortierungProjBezeichnung,
                       &z.sortierungProjAngebotsNr, &z.sortierungProjektDatum};
    for (int i = 0; i < 5; ++i)
        *neue[i] = LadeText(o + 161 + i);
}

void MDIForm1::LeseWaehrung()
{
    ::LeseWaehrung(zustand());
}

void MDIForm1::LänderversionMenueAusblenden()
{
    MLänderversion->menuAction()->setVisible(false);
}

void MDIForm1::SpracheMenueAusblenden()
{
    MSprache->menuAction()->setVisible(false);
}

// ---------------------------------------------------------------------------------------------
// Status bar and automatic run

QLabel* MDIForm1::StatusPanel(int panel) const
{
    return (panel >= 1 && panel <= 4) ? m_panel[panel - 1] : nullptr;
}

QString MDIForm1::StatusPanelText(int panel) const
{
    QLabel* p = StatusPanel(panel);
    return p ? p->text() : QString();
}

void MDIForm1::SetzeStatusPanelText(int panel, const QString& text)
{
    if (QLabel* p = StatusPanel(panel))
        p->setText(text);
}

void MDIForm1::StatusBarAktiv(int aktivStatus)
{
    for (int i = 0; i < 4; ++i)
        m_panel[i]->setFixedWidth(Twips::zuPixel(aktivStatus == -1 ? PanelBreiteNormal[i] : 1));
}

void MDIForm1::AutomatischerBilderwechselWennErforderlich()
{
    const Programmzustand& z = zustand();
    if (z.Automatiklauf && !z.Meldungsflag) {
        StatusBarAktiv(0);
        seitenmanager(1);
    } else {
        StatusBarAktiv(-1);
    }
}

bool MDIForm1::FormUnsichtbarErforderlichUndMöglich()
{
    const bool unsichtbar = zustand().Automatiklauf && !zustand().Meldungsflag;
    if (!unsichtbar)
        StatusBarAktiv(-1);
    return unsichtbar;
}

// ---------------------------------------------------------------------------------------------
// Bottom bar

void MDIForm1::PlatziereWeiter()
{
    const int rand = Twips::zuPixel(LeisteRand);
    const int y = (LeisteuntenPicture->height() - WeiterCommand->height()) / 2;
    WeiterCommand->move(LeisteuntenPicture->width() - rand - WeiterCommand->width(), y);
    ZurückCommand->move(WeiterCommand->x() - rand - ZurückCommand->width(), y);
    const int links = ExitCommand->x() + ExitCommand->width() + rand;
    InfoLabel->setGeometry(links, 0, qMax(0, ZurückCommand->x() - rand - links), LeisteuntenPicture->height());
}

bool MDIForm1::eventFilter(QObject* o, QEvent* e)
{
    if (o == LeisteuntenPicture && e->type() == QEvent::Resize)
        PlatziereWeiter();
    return QMainWindow::eventFilter(o, e);
}

void MDIForm1::Kommando(int a1, int a2, int a3)
{
    PlatziereWeiter();
    ExitSichtbar = a1 == 1;
    ExitCommand->setVisible(ExitSichtbar);
    ZurückSichtbar = a2 == 1;
    ZurückCommand->setVisible(ZurückSichtbar);
    WeiterSichtbar = a3 == 1;
    WeiterCommand->setVisible(WeiterSichtbar);
}

void MDIForm1::ResetVisibleKommandoButtons(int a1, int a2, int a3)
{
    if (a1 == 1) {
        ExitCommand->hide();
        ExitSichtbar = false;
    }
    if (a2 == 1) {
        ZurückCommand->hide();
        ZurückSichtbar = false;
    }
    if (a3 == 1) {
        WeiterCommand->hide();
        WeiterSichtbar = false;
    }
}

void MDIForm1::SaveKommandoButtons()
{
    GesicherteButtons = {int16_t(ExitSichtbar ? 1 : 0), int16_t(ZurückSichtbar ? 1 : 0),
                         int16_t(WeiterSichtbar ? 1 : 0)};
}

void MDIForm1::LoadKommandoButtons()
{
    Kommando(GesicherteButtons[0], GesicherteButtons[1], GesicherteButtons[2]);
}

void MDIForm1::ZeigeModal(const std::function<void()>& zeigen)
{
    SaveKommandoButtons();
    Kommando(0, 0, 0);
    zeigen();
    LoadKommandoButtons();
}

void MDIForm1::MDI_Fuss_Button(int KeyCode, int Shift)
{
    if ((Shift & 7) != Tastencodes::UmschaltAlt)
        return;
    if (KeyCode == Tastencodes::Links && ZurückSichtbar)
        Blättern(2);
    else if (KeyCode == Tastencodes::Rechts && WeiterSichtbar)
        Blättern(1);
    else if (KeyCode == Tastencodes::F10 && ExitSichtbar)
        ExitCommand_Click();
}

void MDIForm1::keyPressEvent(QKeyEvent* e)
{
    MDI_Fuss_Button(Tastencodes::Taste(e->key()), Tastencodes::Umschaltung(e->modifiers()));
    QMainWindow::keyPressEvent(e);
}

void MDIForm1::ExitCommand_Click()
{
    if (!EingabeÜbernommen())
        return;
    if (IstHostmodus() && zustand().Status == 3 && HeizungAbgeschlossen)
        zustand().BeendenAbfragen = false;
    Entladen();
}

void MDIForm1::Speicher_Wohnbauten_Einsprung()
{
    seitenmanager(1);
}

// ---------------------------------------------------------------------------------------------
// Pages

void MDIForm1::PositioniereChildForm(QWidget* aktForm)
{
    aktForm->move(0, 0);
}

void MDIForm1::ZeigeSeite(QWidget* seite)
{
    SeiteAufnehmen(seite);
    PositioniereChildForm(seite);
    seite->show();
}

void MDIForm1::SeiteAufnehmen(QWidget* seite)
{
    seite->setParent(m_client);
}

void MDIForm1::EntladeSeite(int status)
{
    m_seitenmanager->EntladeSeite(status);
}

void MDIForm1::seitenmanager(int Richtung)
{
    m_seitenmanager->seitenmanager(Richtung);
}

void MDIForm1::Seitenwechsel(int vonStatus, int nachStatus)
{
    m_seitenmanager->Seitenwechsel(vonStatus, nachStatus);
}

Seitenform* MDIForm1::fenster(int status) const
{
    return m_seitenmanager->fenster(status);
}

void MDIForm1::SetzeInfoLabel(const QString& text)
{
    InfoLabel->setText(text);
}

void MDIForm1::SetzeStatusPanel(const QString& text)
{
    SetzeStatusPanelText(4, text);
}

void MDIForm1::TyvoButtonStattExit(bool tyvoButton)
{
    if (tyvoButton) {
        ExitCommand->hide();
        TyvoButton->move(ExitCommand->pos());
        TyvoButton->show();
    } else {
        ExitCommand->show();
        TyvoButton->hide();
    }
}

void MDIForm1::Beenden()
{
    Entladen();
}

void MDIForm1::ÖffneAusgabeMenue()
{
    // Once the current event is handled, like the keystroke Alt+A.
    QTimer::singleShot(0, this, [this] {
        if (MAusgabe->isEnabled())
            menuBar()->setActiveAction(MAusgabe->menuAction());
    });
}

void MDIForm1::ZeigeProjektliste()
{
    Programmzustand& z = zustand();
    z.Status = 3;
    m_seitenmanager->ErzeugeSeite(3)->Show();
    SetzeStatusPanelText(4, QString::number(z.Status));
    if (!z.istErstprojekt) {
        Kommando(1, 1, 1);
        MenuepunkteNachStatus(3);
    }
    EntladeSeite(1);
    EntladeSeite(2);
}

void MDIForm1::NeuanlageNachProjektart()
{
    // The project page sorts its list by system type and selects the first project of the type.
    if (KelvorForm3* s = fenster3()) {
        if (!s->EingabeSpeichern())
            return;
        s->SetSortierstrings(zustand().sortierungProjektart);
        s->ReOpenProjektTabelle(QString(), s->SortierString1(), s->SortierString2());
    }
    ZeigeProjektliste();
}

// The project page is not loaded at the start page and the system-type choice, where the item
// is offered; it reads the project table anew when it is next shown.
void MDIForm1::ProjekteEinlesen()
{
    ZeigeDialog<MDIReSich>();
}

template <class Dialog>
void MDIForm1::ZeigeDialog()
{
    auto dialog = std::make_unique<Dialog>(this);
    ZeigeModal([&dialog] { dialog->exec(); });
    dialog.reset();
}

// ---------------------------------------------------------------------------------------------
// Menus

void MDIForm1::SperrenMenue()
{
    SetzeObermenues(false);
}

void MDIForm1::FreigebenMenue()
{
    SetzeObermenues(true);
}

void MDIForm1::SetzeObermenues(bool frei)
{
    for (QMenu* m : {Mprojekte, Mberechnungen, MAusgabe, MOptionen, MInformationen, MFragezeichen})
        m->menuAction()->setEnabled(frei);
}

void MDIForm1::MenuepunkteNachStatus(int status)
{
    const int modus = zustand().TyvoModus;
    const QList<QAction*> berechnungen = {Mheizungsanlagen, Msolaranlagen, Mkühlundkälte,
                                          Mdruckerhöhungsanlagen, Mtrinkwassererwärmung, Mspeicherwassererwärmer};
    const QList<QAction*> ausgabe = {Mergebnissezeigen, Mkurztextdrucken, Mlangtextdrucken,
                                     MausschreibungstexteinZwischenablage, MAusgabeGEAEB1990,
                                     Mschaltschemazeigen, Mschaltschemadrucken, MinDXF};
    for (QAction* a : {MListe, Manlegen, Mkopieren, Mverändern, Msichern, Meinlesen, Mlöschen,
                       MDatenpflege->menuAction(), MandereProjektnummer})
        a->setEnabled(false);
    for (QAction* a : berechnungen + ausgabe)
        a->setEnabled(false);
    MRepairProjektDatenbank->setVisible(true);
    for (QAction* a : {Mbeenden, Mkundenanschrift, MDruckereinstellungen, Mwirüberuns, MAnsprechpartner, MInfo})
        a->setEnabled(true);
    Mprodukte->setVisible(false);
    Mprodukte->setEnabled(false);
    for (QAction* a : {MVertreter, MServicepartner}) {
        a->setVisible(true);
        a->setEnabled(true);
    }
    MHilfeassistent->setVisible(false);

    if (modus == 1 || modus == 2) {
        Mprojekte->menuAction()->setVisible(false);
        Mberechnungen->menuAction()->setVisible(false);
        if (modus == 1)
            for (QMenu* m : {MAusgabe, MOptionen, MInformationen})
                m->menuAction()->setVisible(false);
    }
    if (status >= 1 && status <= 3) {
        for (QAction* a : {MListe, Manlegen, Mverändern, Msichern})
            a->setEnabled(true);
        if (status != 3) {
            Meinlesen->setEnabled(true);
            MDatenpflege->menuAction()->setEnabled(true);
        }
        Mlöschen->setEnabled(true);
        for (QAction* a : berechnungen)
            a->setEnabled(true);
    }
    if (status == 3) {
        Mkopieren->setEnabled(true);
        for (QAction* a : ausgabe)
            a->setEnabled(true);
    }
}

KelvorForm3* MDIForm1::fenster3() const
{
    return dynamic_cast<KelvorForm3*>(fenster(3));
}

void MDIForm1::Projektaktion(const std::function<void(KelvorForm3&)>& aktion)
{
    ZeigeProjektliste();
    KelvorForm3* s = fenster3();
    if (!s)
        return;
    // An empty project table first gets its first project.
    if (zustand().istErstprojekt)
        s->ProjektAnlegen(false);
    else
        aktion(*s);
}

void MDIForm1::Neuanlage(const QString& projektart)
{
    zustand().ProjektartNeuanlage = projektart;
    NeuanlageNachProjektart();
}

void MDIForm1::Bericht(int modus)
{
    // A project type without a report: nothing happens.
    if (!Drucken::HatBericht(zustand().Projektart))
        return;
    // No second output command while a report runs (the report lets the window react).
    const bool ausgabeFrei = MAusgabe->isEnabled();
    MAusgabe->setEnabled(false);
    Drucken bericht;
    bericht.Preisauswahl = [this] {
        int wahl = 0;
        ZeigeModal([this, &wahl] { wahl = DruckausgabeArt(this).anzeige(); });
        return wahl;
    };
    bericht.Vorschau = [this](Drucken& b, bool mitDruck) {
        bool ergebnis = false;
        ZeigeModal([this, &b, mitDruck, &ergebnis] { ergebnis = Seitenvorschau(this).GDIDraw(b, mitDruck); });
        return ergebnis;
    };
    bericht.DruckenModus(modus);
    MAusgabe->setEnabled(ausgabeFrei);
}

void MDIForm1::Schaltschema(int ziel, const QString& datei)
{
    // One schematic window at a time: a command while one is open is refused.
    static bool offen = false;
    if (offen || !DXFOrderAufbau().AufbauOrderdatei())
        return;
    offen = true;
    {
        DXFMaker fenster(this);
        fenster.DXFAusgabe(ziel, datei);
    }
    offen = false;
}
