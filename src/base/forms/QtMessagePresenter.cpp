#include "base/forms/QtMessagePresenter.h"

#include <QApplication>
#include <QHash>
#include <QLibraryInfo>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

#include "base/forms/Hauptfenster.h"

// The messages shown, for a test of the whole program (off unless
// QT_LOGGING_RULES="kelvor.meldung.debug=true").
Q_LOGGING_CATEGORY(lcMeldung, "kelvor.meldung", QtWarningMsg)

namespace {
QMessageBox::Icon symbol(int stil)
{
    switch (stil & MsgStil::Symbole) {
    case MsgStil::Stop: return QMessageBox::Critical;
    case MsgStil::Frage: return QMessageBox::Question;
    case MsgStil::Ausrufezeichen: return QMessageBox::Warning;
    case MsgStil::Information: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

struct Taste {
    QString text;
    QMessageBox::ButtonRole rolle;
};

Taste taste(int antwort)
{
    switch (antwort) {
    case MsgAntwort::Abbrechen: return {QStringLiteral("Abbrechen"), QMessageBox::RejectRole};
    case MsgAntwort::Abbruch: return {QStringLiteral("Abbrechen"), QMessageBox::RejectRole};
    case MsgAntwort::Wiederholen: return {QStringLiteral("&Wiederholen"), QMessageBox::AcceptRole};
    case MsgAntwort::Ignorieren: return {QStringLiteral("&Ignorieren"), QMessageBox::AcceptRole};
    case MsgAntwort::Ja: return {QStringLiteral("&Ja"), QMessageBox::YesRole};
    case MsgAntwort::Nein: return {QStringLiteral("&Nein"), QMessageBox::NoRole};
    default: return {QStringLiteral("OK"), QMessageBox::AcceptRole};
    }
}
// The window a message belongs to: the modal dialog in front, else the active window, else the
// main window (a message that comes from a menu, while focus moves or while the window closes
// finds no active window, or a menu closing). Qt centres the box on it.
QWidget* besitzer()
{
    QWidget* fokus = QApplication::focusWidget();
    for (QWidget* w : {QApplication::activeModalWidget(), QApplication::activeWindow(), fokus ? fokus->window() : nullptr})
        if (w && w->isVisible() && w->windowType() != Qt::Popup && w->windowType() != Qt::ToolTip)
            return w;
    Hauptfenster* h = hauptfenster();
    QWidget* haupt = h ? h->Fensterwidget() : nullptr;
    return haupt && haupt->isVisible() ? haupt : nullptr;
}
}  // namespace

int QtMessagePresenter::zeige(const MeldungsBox& box)
{
    QMessageBox dialog(besitzer());
    dialog.setWindowTitle(box.titel);
    dialog.setTextFormat(Qt::PlainText);
    QString text = box.text;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    dialog.setText(text);
    dialog.setIcon(symbol(box.stil));
    qCDebug(lcMeldung).noquote() << "Meldung:" << box.titel << "|" << text;

    const QList<int> antworten = MsgTasten(box.stil);
    QHash<QAbstractButton*, int> antwortVon;
    QList<QPushButton*> knoepfe;
    for (int antwort : antworten) {
        const Taste t = taste(antwort);
        QPushButton* knopf = dialog.addButton(t.text, t.rolle);
        antwortVon.insert(knopf, antwort);
        knoepfe << knopf;
    }
    const qsizetype standard = (box.stil & MsgStil::Standardtaste) / MsgStil::ZweiteTasteStandard;
    dialog.setDefaultButton(knoepfe.value(standard, knoepfe.first()));
    // Escape answers Cancel where the box has it, OK in a box with OK alone.
    if (antworten.contains(MsgAntwort::Abbrechen))
        dialog.setEscapeButton(knoepfe.at(antworten.indexOf(MsgAntwort::Abbrechen)));
    else if (antworten.size() == 1)
        dialog.setEscapeButton(knoepfe.first());

    dialog.exec();
    return antwortVon.value(dialog.clickedButton(), antworten.contains(MsgAntwort::Abbrechen)
                                                        ? int(MsgAntwort::Abbrechen)
                                                        : antworten.first());
}

QTranslator* InstalliereQtUebersetzung(QCoreApplication& app)
{
    auto* uebersetzung = new QTranslator(&app);
    if (!uebersetzung->load(QStringLiteral("qtbase_de"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        || !QCoreApplication::installTranslator(uebersetzung)) {
        delete uebersetzung;
        return nullptr;
    }
    return uebersetzung;
}
