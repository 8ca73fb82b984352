#pragma once
#include <QMetaObject>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class Projektseite;
class Recordset;

// What the project list and the backup dialog share: a grid over the project page's own
// recordset (so every move in the grid moves the page's current project), the highlighted row,
// the project number of that row, and the re-sort through the page's sort box.
//
// The grid follows the recordset: when its current row changes, also by code, the current-row
// handling highlights it and takes its project number, unless a re-binding or a scan of the
// dialog itself is running.
class Projektauswahl : public QObject {
    Q_OBJECT
public:
    explicit Projektauswahl(Projektseite& seite);
    ~Projektauswahl() override;

    Projektseite& seite() const { return m_seite; }

    // Opening the dialog.
    virtual void Laden() = 0;
    // The pointer over a row of the grid; a row that does not exist changes nothing.
    virtual void ZeigerÜberZeile(int zeile) = 0;
    // Closing, whatever the way: false when the dialog refuses; else (once) the page re-opens its
    // table on the dialog's project.
    virtual bool Schliessen() = 0;
    bool geschlossen() const { return m_geschlossen; }
    std::shared_ptr<Recordset> recordset() const;

    // The highlighted row (0-based), -1 for none.
    int markierteZeile() const { return m_markiert; }
    // The project number of a row ("" for Null or no such row).
    QString ProjektNrDerZeile(int zeile) const;

    // The sort box: its entries and its text.
    static QStringList Sortiereinträge();
    const QString& Sortiertext() const { return m_sortiertext; }
    // A choice in the sort box: the page's table in the new order, on the project of projektNr();
    // a text that is none of the entries becomes the first entry.
    void Neusortieren(const QString& auswahl);

    // The grid's visible line under the pointer: (pointer Y - top of the first visible line)
    // and the row height each rounded half to even, the quotient cut toward zero (twips).
    static int SichtbareZeile(double zeigerY, double obersteZeileY, double zeilenhöhe);

    // The grid's current row changed: highlight it and take its number.
    void AktuelleZeileGewechselt();
    // The grid gets the focus: its current row is highlighted as well; it loses it: nothing is.
    void FokusErhalten();
    void FokusVerloren();

signals:
    // Highlight, number, captions or run state changed: the form shows them again.
    void Geaendert();
    // The dialog has closed (also by itself, at the end of a backup).
    void Geschlossen();

protected:
    // The number the dialog keeps (the chosen or the current project).
    virtual QString& projektNr() = 0;
    // Closes once: the page's table in the order now in force, on the project of nr.
    void schliesseAuf(const QString& nr);
    // Highlights row z and takes its number (nothing for a row that does not exist).
    bool markiereZeile(int z);
    // The current-row handling; also after the page's table was queried again (no handling
    // meanwhile): the current row becomes the highlighted one, and with nummerÜbernehmen its
    // number (none: "") the kept number.
    void nachNeuBindung(bool nummerÜbernehmen);

    // While set, the current-row handling does nothing (re-binding, the dialog's own scans).
    bool m_unterdrückt = false;
    QString m_sortiertext;
    bool m_geschlossen = false;

private:
    Projektseite& m_seite;
    int m_markiert = -1;
    QMetaObject::Connection m_verbindung;
};

// Sets a flag for the life of a scope and puts back what it held before.
class Unterdrueckung {
public:
    explicit Unterdrueckung(bool& flag) : m_flag(flag), m_vorher(flag) { m_flag = true; }
    ~Unterdrueckung() { m_flag = m_vorher; }
    Unterdrueckung(const Unterdrueckung&) = delete;
    Unterdrueckung& operator=(const Unterdrueckung&) = delete;

private:
    bool& m_flag;
    bool m_vorher;
};
