#pragma once
#include <QPointer>
#include <QString>

#include <cstdint>
#include <memory>

#include "data/Adodc.h"
#include "data/DbVerbindung.h"
#include "data/Recordset.h"
#include "base/VbVariant.h"

// Codes of the last failed operation of a table object (datenbank::fehlercode).
enum DatenbankFehlercode : int32_t {
    dbKeinFehler = 0,
    dbFehlerConnectionOpen = 1,   // OpenTab: the file or its password
    dbFehlerRecordsetOpen = 2,    // OpenTab: the query
    dbFehlerNewSQL = 3,           // NewSQL
    dbFehlerFind = 4,             // Find, FindNext
    dbFehlerRead = 5,             // GetFeld (and the bound values' reads)
    dbFehlerWrite = 6,            // SetFeld (and the bound values' writes)
    dbFehlerAlphanumMaxwert = 7,  // GetAlphanumMaxwert
    dbFehlerDeleteBookmark = 8,   // DeleteSatzBookmark
    dbFehlerDeleteMitFeld = 9,    // DeleteSatzMitFeld
    dbFehlerDurchlauf = 10,       // GetNumMaxwert, GetNumValueEqualOrNextHigh
};

// The database message of a code (kind Datenbankfehler): template 2400 (codes 1-3) or 2401
// (codes 4-10) followed by the operation's text 2403-2412, with the values description, the
// field (2401 only), the source (SQL text) and the code.
void DatenbankMeldung(int32_t code, const QString& beschreibung, const QString& feld, const QString& quelle);

// The table object: one connection and one recordset (a snapshot of one SQL text) on one of the
// program's databases. Operations that fail on the data keep their code in fehlercode(), show
// their database message and return a neutral result; the others report a failure through
// their result (false) and LetzterFehler(). A recordset that is not open behaves as an empty one.
class datenbank {
public:
    datenbank();
    ~datenbank();
    datenbank(const datenbank&) = delete;
    datenbank& operator=(const datenbank&) = delete;

    // The recordset itself (shared with bound values and data controls).
    std::shared_ptr<Recordset> GetADODB_Recordset() const { return m_recordset; }
    bool RecordsetIsOpen() const;
    void CloseTab();
    // Opens the file with its password and the query; 0, 1 (file or password) or 2 (query).
    int32_t OpenTab(const QString& Data_Source, const QString& SQL_String, int32_t CursLoc,
                    const QString& passwort, bool fehlerAnzeige);
    // A new query over the same connection; 0 or 3.
    int32_t NewSQL(const QString& SQL_String, bool withUpdate);

    bool SetBookmark();
    bool GoToBookmark();
    bool Bookmark(const VbVariant& marke);
    VbVariant Bookmark() const;
    void BindAdodc(Adodc* AdoElement);
    void UnbindAdodc();

    void SetFeld(const QString& feld, const VbVariant& wert);
    VbVariant GetFeld(const QString& feld);
    VbVariant GetNumValueEqualOrNextHigh(const QString& feld, const VbVariant& suchwert);
    VbVariant GetNumMaxwert(const QString& feld);
    QString GetAlphanumMaxwert(const QString& feld);
    // Saves the pending edit or new row; false when the save failed (LetzterFehler()).
    // Saves the pending edit; a failure is reported (2401 with 2408; zeile, when given, names the
    // row in the message's field line) and the edit given up.
    bool UpdateTab(const QString& zeile = QString());
    // UpdateTab for a caller that reports a failure itself: no message, the edit is given up.
    bool UpdateTabOhneMeldung();
    bool CancelUpdateTab();
    VbVariant GetValFromFeld(const VbVariant& value1, const QString& feld1, const QString& feld2);
    VbVariant GetValFromStrgFeld(const QString& value1, const QString& feld1, const QString& feld2);
    bool Find(const QString& suchstring);
    bool FindNext(const QString& suchstring);
    bool AddNew();
    bool MoveFirst();
    bool MoveLast();
    bool MoveNext();
    bool MovePrevious();
    bool DeleteSatzMitFeld(const QString& FeldName, const QString& FeldInhalt);
    bool DeleteSatzBookmark();
    bool EofTab() const;
    bool BofTab() const;
    bool BofOrEofTab() const;
    bool EmptyTab() const;
    int32_t fehlercode() const { return m_fehlercode; }

    // The description of the last failure (also of those without a code).
    const QString& LetzterFehler() const { return m_letzterFehler; }
    // The SQL text of the last OpenTab or NewSQL.
    const QString& SQLText() const { return m_sql; }
    // The open connection (for a transaction over several objects on the file).
    std::shared_ptr<DbVerbindung> Verbindung() const { return m_verbindung; }

private:
    void melde(int32_t code, const QString& beschreibung, const QString& feld);
    bool ergebnis(bool ok);
    // Position of the recordset (row mark or BOF/EOF) and going back to it.
    struct Stelle {
        VbVariant marke;
        int position = -1;
    };
    Stelle merke() const;
    void zurück(const Stelle& s);

    std::shared_ptr<DbVerbindung> m_verbindung;
    std::shared_ptr<Recordset> m_recordset;
    int32_t m_cursLoc = 0;
    QString m_sql;
    QPointer<Adodc> m_adodc;
    VbVariant m_gespeicherteMarke;
    int32_t m_fehlercode = dbKeinFehler;
    QString m_letzterFehler;
};
