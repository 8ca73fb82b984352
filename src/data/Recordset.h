#pragma once
#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <memory>
#include <vector>

#include "data/DbVerbindung.h"
#include "data/Spaltentypen.h"
#include "base/VbVariant.h"

// A static snapshot of one query with a cursor, as the program's table objects use it.
//
// Position: BOF before the first row, EOF after the last one; an empty snapshot is at BOF and EOF.
// Editing: SetzeWert starts an edit of the current row; AddNew appends a new row that is current
// until Update or CancelUpdate. A pending edit is saved when the cursor moves (every move and
// Find), and by Update. Writes go back by rowid to the one table of a plain
// "SELECT ... FROM table" query, with the column's declared type enforced (Spaltentypen.h);
// snapshots of joins, DISTINCT or grouping, and every snapshot of a read-only file, are read-only.
// Delete removes the current row; the deleted row stays current (no field can be read) until the
// cursor moves: MoveNext then reaches the row that followed it.
// Bookmarks name rows and keep naming them across AddNew, Update, CancelUpdate and Delete of
// other rows. Field names are matched without regard to case; where a query delivers a name more
// than once (SELECT * over a join), each such field is named "table.name".
// Operations that fail return false and leave a description in LetzterFehler().
class Recordset : public QObject {
    Q_OBJECT
public:
    enum class Editmodus { Keiner, Bearbeiten, Neu };
    enum class Suche { Gefunden, NichtGefunden, Fehler };

    Recordset();
    ~Recordset() override;

    // Called when a move could not save the pending edit and dropped it, with the reason; the
    // table-access object that owns the snapshot reports it.
    std::function<void(const QString& fehler)> beiVerworfenerÄnderung;

    // Runs the query (the original dialect, see JetDialekt.h) on the connection; the snapshot
    // then stands on its first row. False with LetzterFehler() when the query fails (the
    // snapshot is then closed).
    bool Öffnen(std::shared_ptr<DbVerbindung> verbindung, const QString& sql);
    // Drops the snapshot; a pending edit is discarded.
    void Schliessen();
    bool IstOffen() const { return m_offen; }
    // The SQL text as given to Öffnen ("Quelle" of the database messages).
    const QString& Quelle() const { return m_quelle; }
    bool IstAktualisierbar() const { return m_offen && !m_tabelle.isEmpty(); }
    std::shared_ptr<DbVerbindung> Verbindung() const { return m_verbindung; }

    // Fields.
    int FeldAnzahl() const { return static_cast<int>(m_felder.size()); }
    QString FeldName(int i) const;
    Spaltenart FeldArt(int i) const;
    int FeldIndex(const QString& name) const;  // -1 when there is no such field

    // Rows and position.
    int Anzahl() const { return static_cast<int>(m_zeilen.size()); }
    bool Bof() const;
    bool Eof() const;
    bool Leer() const { return Bof() && Eof(); }
    bool HatAktuelleZeile() const;
    // 0-based index of the current row; -1 at BOF, Anzahl() at EOF.
    int Position() const;
    bool MoveFirst();
    bool MoveLast();
    bool MoveNext();
    bool MovePrevious();
    // Moves to row `position` (0-based; -1 is BOF, Anzahl() EOF).
    bool GeheZu(int position);

    // Bookmarks: a whole number that names a row; Empty at BOF/EOF or on a deleted row.
    VbVariant Bookmark() const;
    bool GeheZuBookmark(const VbVariant& marke);

    // Values of the current row (a pending edit included); Null stays Null.
    bool Wert(const QString& feld, VbVariant& wert) const;
    bool Wert(int feld, VbVariant& wert) const;
    // A value of row i (0-based) as stored in the snapshot.
    const VbVariant& ZeilenWert(int zeile, int feld) const;
    // Assigns a value to a field of the current row (pending until Update); the value is
    // converted to the column's type and refused when it does not fit.
    bool SetzeWert(const QString& feld, const VbVariant& wert);
    Editmodus Modus() const { return m_modus; }
    bool AddNew();
    // Saves the pending edit or new row; true when there was nothing to save.
    bool Update();
    void CancelUpdate();
    // Deletes the current row from the table and the snapshot.
    bool Delete();
    // Reads the current row again from its table (a rollback took its change back); a row that
    // is no longer there leaves the snapshot, as after Delete. False when it cannot be read.
    bool ZeileNeuLesen();

    // Searches for the first row from the current one plus `überspringen` rows that meets the
    // criterion (Suchkriterium.h); found: that row is current; not found: EOF.
    Suche Find(const QString& kriterium, int überspringen = 0);

    const QString& LetzterFehler() const { return m_fehler; }

signals:
    // The snapshot was opened, re-opened or closed.
    void Neu();
    // The current row changed (signal names in ASCII: moc reads no umlauts).
    void PositionGeaendert();
    // Rows were saved, added or deleted.
    void DatenGeaendert();

private:
    struct Feld {
        QString name;     // name in the snapshot (unique)
        QString spalte;   // column name in the source table
        QString tabelle;  // source table (may be empty)
        QString sqlName;  // the column name as written in SQL
        Spaltenart art;
        bool schreibbar = false;
    };
    struct Zeile {
        std::vector<VbVariant> werte;
        qint64 rowid = 0;
        qint64 marke = 0;
        bool neu = false;  // not yet in the table
    };

    bool fehler(const QString& text) const;
    bool speichereAusstehend();
    void setzePosition(int pos, bool geloescht = false);
    int zeileMitMarke(qint64 marke) const;
    bool leseZeileNeu(Zeile& z, const std::vector<int>& felder);
    QSqlQuery* führeAus(const QString& sql, const QList<QVariant>& werte);

    std::shared_ptr<DbVerbindung> m_verbindung;
    QString m_quelle;
    QString m_tabelle;  // the table writes go to; empty: read-only
    std::vector<int> m_neuLesen;  // fields of the table a saved new row may need to read back
    bool m_offen = false;
    std::vector<Feld> m_felder;
    QHash<QString, int> m_feldIndex;  // lower-case name -> index
    QHash<QString, int> m_feldIndexGenau;  // the names as delivered -> the same index
    std::vector<Zeile> m_zeilen;
    int m_pos = -1;
    bool m_aufGelöschtem = false;  // the current row was deleted; it stood before m_pos
    qint64 m_nächsteMarke = 0;

    Editmodus m_modus = Editmodus::Keiner;
    std::vector<VbVariant> m_puffer;
    std::vector<bool> m_geändert;
    int m_posVorNeu = -1;

    mutable QString m_fehler;
};
