#include "data/Recordset.h"

#include "data/JetDialekt.h"
#include "data/Suchkriterium.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>

namespace {
const QString& rowidName()
{
    static const QString n = QStringLiteral("kelvor§rowid");
    return n;
}
}  // namespace

Recordset::Recordset() = default;
Recordset::~Recordset() = default;

bool Recordset::fehler(const QString& text) const
{
    m_fehler = text;
    return false;
}

bool Recordset::Öffnen(std::shared_ptr<DbVerbindung> verbindung, const QString& sql)
{
    Schliessen();
    m_quelle = sql;
    m_fehler.clear();
    if (!verbindung)
        return fehler(QStringLiteral("Die Verbindung ist nicht geöffnet."));

    QString text = JetDialekt::Übersetze(sql);
    qsizetype nachSelect = 0;
    QString tabelle = JetDialekt::EinfacheTabelle(text, &nachSelect);
    if (!tabelle.isEmpty() && (verbindung->nurLesen() || !verbindung->IstTabelle(tabelle)))
        tabelle.clear();
    if (!tabelle.isEmpty())
        text.insert(nachSelect, QStringLiteral(" %1.rowid AS %2,")
                                    .arg(JetDialekt::Name(tabelle), JetDialekt::Name(rowidName())));

    QSqlQuery q(verbindung->db());
    q.setForwardOnly(true);
    bool ok = q.exec(text);
    if (!ok && !tabelle.isEmpty()) {
        // Without the row ids the snapshot is read-only, but it may still open.
        tabelle.clear();
        ok = q.exec(JetDialekt::Übersetze(sql));
    }
    if (!ok) {
        const QString f = q.lastError().text();
        return fehler(f.trimmed().isEmpty() ? QStringLiteral("Die Abfrage kann nicht ausgeführt werden.") : f);
    }
    m_verbindung = std::move(verbindung);
    if (!q.isSelect()) {
        // A statement without rows ran; there is no snapshot.
        return true;
    }

    const QSqlRecord rec = q.record();
    const int erste = tabelle.isEmpty() ? 0 : 1;
    // Per source table: its columns, and their positions by lower-case name.
    struct Quelle {
        QList<QPair<QString, Spaltenart>> spalten;
        QHash<QString, int> index;
    };
    QHash<QString, Quelle> schema;
    static const QRegularExpression nummer(QStringLiteral(":\\d+$"));
    for (int i = erste; i < rec.count(); ++i) {
        const QSqlField f = rec.field(i);
        Feld feld;
        feld.name = f.name();
        feld.tabelle = f.tableName();
        // SQLite numbers a repeated name of SELECT * ("Art Nr:1").
        const auto m = nummer.match(feld.name);
        if (m.hasMatch()) {
            const QString basis = feld.name.left(m.capturedStart());
            for (const Feld& frueher : m_felder)
                if (frueher.name.compare(basis, Qt::CaseInsensitive) == 0)
                    feld.name = basis;
        }
        feld.spalte = feld.name;
        if (!feld.tabelle.isEmpty()) {
            auto it = schema.find(feld.tabelle);
            if (it == schema.end()) {
                Quelle quelle;
                quelle.spalten = m_verbindung->Spalten(feld.tabelle);
                for (int k = static_cast<int>(quelle.spalten.size()) - 1; k >= 0; --k)
                    quelle.index.insert(quelle.spalten[k].first.toLower(), k);
                it = schema.insert(feld.tabelle, quelle);
            }
            const int k = it->index.value(feld.spalte.toLower(), -1);
            if (k >= 0) {
                const auto& s = it->spalten[k];
                feld.art = s.second;
                feld.spalte = s.first;
                feld.schreibbar = !tabelle.isEmpty() && feld.tabelle.compare(tabelle, Qt::CaseInsensitive) == 0;
            }
        }
        m_felder.push_back(feld);
    }
    // Names delivered more than once are qualified with their table.
    QHash<QString, int> anzahl;
    for (const Feld& f : m_felder)
        ++anzahl[f.name.toLower()];
    for (Feld& f : m_felder)
        if (anzahl.value(f.name.toLower()) > 1 && !f.tabelle.isEmpty())
            f.name = f.tabelle + QLatin1Char('.') + f.name;
    for (int i = 0; i < static_cast<int>(m_felder.size()); ++i) {
        const QString k = m_felder[i].name.toLower();
        if (!m_feldIndex.contains(k))
            m_feldIndex.insert(k, i);
    }
    for (const Feld& f : m_felder)
        m_feldIndexGenau.insert(f.name, m_feldIndex.value(f.name.toLower()));

    const int n = static_cast<int>(m_felder.size());
    while (q.next()) {
        Zeile z;
        z.werte.reserve(n);
        if (erste)
            z.rowid = q.value(0).toLongLong();
        for (int i = 0; i < n; ++i)
            z.werte.push_back(Spaltentypen::Lesen(q.value(i + erste), m_felder[i].art));
        z.marke = ++m_nächsteMarke;
        m_zeilen.push_back(std::move(z));
    }
    q.finish();
    m_tabelle = tabelle;
    for (int i = 0; i < n; ++i) {
        Feld& f = m_felder[i];
        f.sqlName = JetDialekt::Name(f.spalte);
        if (!m_tabelle.isEmpty() && (f.schreibbar || f.art.typ == Spaltentyp::Counter)
            && f.tabelle.compare(m_tabelle, Qt::CaseInsensitive) == 0)
            m_neuLesen.push_back(i);
    }
    m_offen = true;
    m_pos = 0;
    emit Neu();
    return true;
}

void Recordset::Schliessen()
{
    const bool warOffen = m_offen;
    m_offen = false;
    m_felder.clear();
    m_feldIndex.clear();
    m_feldIndexGenau.clear();
    m_zeilen.clear();
    m_pos = -1;
    m_aufGelöschtem = false;
    m_modus = Editmodus::Keiner;
    m_puffer.clear();
    m_geändert.clear();
    m_tabelle.clear();
    m_neuLesen.clear();
    m_verbindung.reset();
    if (warOffen)
        emit Neu();
}

QString Recordset::FeldName(int i) const
{
    return i >= 0 && i < FeldAnzahl() ? m_felder[i].name : QString();
}

Spaltenart Recordset::FeldArt(int i) const
{
    return i >= 0 && i < FeldAnzahl() ? m_felder[i].art : Spaltenart{};
}

int Recordset::FeldIndex(const QString& name) const
{
    // Callers mostly spell the name as delivered; that look-up needs no lower-case copy.
    const auto it = m_feldIndexGenau.constFind(name);
    if (it != m_feldIndexGenau.constEnd())
        return *it;
    return m_feldIndex.value(name.toLower(), -1);
}

bool Recordset::Bof() const
{
    if (!m_offen)
        return true;
    return !m_aufGelöschtem && (m_pos < 0 || m_zeilen.empty());
}

bool Recordset::Eof() const
{
    if (!m_offen)
        return true;
    return !m_aufGelöschtem && (m_pos >= Anzahl() || m_zeilen.empty());
}

bool Recordset::HatAktuelleZeile() const
{
    return m_offen && !m_aufGelöschtem && m_pos >= 0 && m_pos < Anzahl();
}

int Recordset::Position() const
{
    return m_pos;
}

void Recordset::setzePosition(int pos, bool geloescht)
{
    m_pos = pos;
    m_aufGelöschtem = geloescht;
    emit PositionGeaendert();
}

bool Recordset::speichereAusstehend()
{
    if (m_modus == Editmodus::Keiner)
        return true;
    if (Update())
        return true;
    // A save that fails must not stop the cursor for good: the edit is dropped, the failure
    // stays in LetzterFehler().
    const QString f = m_fehler;
    CancelUpdate();
    m_fehler = f;
    if (beiVerworfenerÄnderung)
        beiVerworfenerÄnderung(f);
    return false;
}

bool Recordset::MoveFirst()
{
    if (!m_offen)
        return fehler(QStringLiteral("Das Recordset ist geschlossen."));
    const bool ok = speichereAusstehend();
    setzePosition(m_zeilen.empty() ? -1 : 0);
    return ok;
}

bool Recordset::MoveLast()
{
    if (!m_offen)
        return fehler(QStringLiteral("Das Recordset ist geschlossen."));
    const bool ok = speichereAusstehend();
    setzePosition(m_zeilen.empty() ? -1 : Anzahl() - 1);
    return ok;
}

bool Recordset::MoveNext()
{
    if (!m_offen || Eof())
        return fehler(QStringLiteral("BOF oder EOF ist True, oder der aktuelle Datensatz wurde gelöscht."));
    const bool ok = speichereAusstehend();
    if (m_aufGelöschtem)
        setzePosition(std::min(m_pos, Anzahl()));
    else
        setzePosition(std::min(m_pos + 1, Anzahl()));
    return ok;
}

bool Recordset::MovePrevious()
{
    if (!m_offen || Bof())
        return fehler(QStringLiteral("BOF oder EOF ist True, oder der aktuelle Datensatz wurde gelöscht."));
    const bool ok = speichereAusstehend();
    setzePosition(std::max(m_pos - 1, -1));
    return ok;
}

bool Recordset::GeheZu(int position)
{
    if (!m_offen)
        return fehler(QStringLiteral("Das Recordset ist geschlossen."));
    const bool ok = speichereAusstehend();
    setzePosition(m_zeilen.empty() ? -1 : std::clamp(position, -1, Anzahl()));
    return ok;
}

int Recordset::zeileMitMarke(qint64 marke) const
{
    // Rows keep the order of their marks: loaded rows first, added rows behind them.
    const auto it = std::lower_bound(m_zeilen.begin(), m_zeilen.end(), marke,
                                     [](const Zeile& z, qint64 m) { return z.marke < m; });
    if (it == m_zeilen.end() || it->marke != marke)
        return -1;
    return static_cast<int>(it - m_zeilen.begin());
}

VbVariant Recordset::Bookmark() const
{
    if (!HatAktuelleZeile()) {
        fehler(QStringLiteral("BOF oder EOF ist True, oder der aktuelle Datensatz wurde gelöscht."));
        return VbVariant();
    }
    return VbVariant::dbl(static_cast<double>(m_zeilen[m_pos].marke));
}

bool Recordset::GeheZuBookmark(const VbVariant& marke)
{
    if (!m_offen)
        return fehler(QStringLiteral("Das Recordset ist geschlossen."));
    if (marke.isEmpty() || marke.isNull() || !marke.isZahlTyp())
        return fehler(QStringLiteral("Das Lesezeichen ist ungültig."));
    const int i = zeileMitMarke(static_cast<qint64>(marke.toDouble()));
    if (i < 0)
        return fehler(QStringLiteral("Das Lesezeichen ist ungültig."));
    const qint64 ziel = m_zeilen[i].marke;
    const bool ok = speichereAusstehend();
    // A cancelled new row may have gone; look the row up again.
    const int j = zeileMitMarke(ziel);
    if (j < 0)
        return fehler(QStringLiteral("Das Lesezeichen ist ungültig."));
    setzePosition(j);
    return ok;
}

bool Recordset::Wert(const QString& feld, VbVariant& wert) const
{
    const int i = FeldIndex(feld);
    if (i < 0) {
        wert = VbVariant();
        return fehler(QStringLiteral("Das Element '%1' wurde in der Auflistung nicht gefunden.").arg(feld));
    }
    return Wert(i, wert);
}

bool Recordset::Wert(int feld, VbVariant& wert) const
{
    wert = VbVariant();
    if (feld < 0 || feld >= FeldAnzahl())
        return fehler(QStringLiteral("Das Element wurde in der Auflistung nicht gefunden."));
    if (!HatAktuelleZeile())
        return fehler(QStringLiteral("BOF oder EOF ist True, oder der aktuelle Datensatz wurde gelöscht."));
    wert = m_modus != Editmodus::Keiner ? m_puffer[feld] : m_zeilen[m_pos].werte[feld];
    return true;
}

const VbVariant& Recordset::ZeilenWert(int zeile, int feld) const
{
    static const VbVariant leer;
    if (zeile < 0 || zeile >= Anzahl() || feld < 0 || feld >= FeldAnzahl())
        return leer;
    if (zeile == m_pos && m_modus != Editmodus::Keiner)
        return m_puffer[feld];
    return m_zeilen[zeile].werte[feld];
}

bool Recordset::SetzeWert(const QString& feld, const VbVariant& wert)
{
    const int i = FeldIndex(feld);
    if (i < 0)
        return fehler(QStringLiteral("Das Element '%1' wurde in der Auflistung nicht gefunden.").arg(feld));
    if (!HatAktuelleZeile())
        return fehler(QStringLiteral("BOF oder EOF ist True, oder der aktuelle Datensatz wurde gelöscht."));
    if (!IstAktualisierbar() || !m_felder[i].schreibbar)
        return fehler(QStringLiteral("Das Feld '%1' kann nicht aktualisiert werden.").arg(feld));
    QVariant sql;
    VbVariant gelesen;
    QString f;
    if (!Spaltentypen::Schreiben(wert, m_felder[i].art, sql, gelesen, &f))
        return fehler(f);
    if (m_modus == Editmodus::Keiner) {
        m_modus = Editmodus::Bearbeiten;
        m_puffer = m_zeilen[m_pos].werte;
        m_geändert.assign(m_felder.size(), false);
    }
    m_puffer[i] = gelesen;
    m_geändert[i] = true;
    return true;
}

bool Recordset::AddNew()
{
    if (!m_offen)
        return fehler(QStringLiteral("Das Recordset ist geschlossen."));
    if (!IstAktualisierbar())
        return fehler(QStringLiteral("Das Recordset kann nicht aktualisiert werden."));
    const bool ok = speichereAusstehend();
    Zeile z;
    z.werte.assign(m_felder.size(), VbVariant::null());
    z.marke = ++m_nächsteMarke;
    z.neu = true;
    m_posVorNeu = m_aufGelöschtem ? std::min(m_pos, Anzahl() - 1) : m_pos;
    m_puffer = z.werte;
    m_zeilen.push_back(std::move(z));
    m_modus = Editmodus::Neu;
    m_geändert.assign(m_felder.size(), false);
    setzePosition(Anzahl() - 1);
    return ok;
}

// Reads fields of a saved row back from the table.
bool Recordset::leseZeileNeu(Zeile& z, const std::vector<int>& felder)
{
    if (felder.empty())
        return true;
    QStringList spalten;
    for (const int i : felder)
        spalten << m_felder[i].sqlName;
    QSqlQuery* q = m_verbindung->Anweisung(QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?")
                                               .arg(spalten.join(QLatin1Char(',')), JetDialekt::Name(m_tabelle)));
    if (!q)
        return false;
    q->bindValue(0, z.rowid);
    const bool ok = q->exec() && q->next();
    if (ok)
        for (int k = 0; k < static_cast<int>(felder.size()); ++k)
            z.werte[felder[k]] = Spaltentypen::Lesen(q->value(k), m_felder[felder[k]].art);
    q->finish();
    return ok;
}

// Runs the prepared statement of the text with its values bound by position; nullptr with the
// description when it fails.
QSqlQuery* Recordset::führeAus(const QString& sql, const QList<QVariant>& werte)
{
    if (!m_verbindung->TransaktionIntakt()) {
        fehler(DbVerbindung::TransaktionBeendetText());
        return nullptr;
    }
    QString f;
    QSqlQuery* q = m_verbindung->Anweisung(sql, &f);
    if (!q) {
        fehler(f);
        return nullptr;
    }
    for (int i = 0; i < static_cast<int>(werte.size()); ++i)
        q->bindValue(i, werte[i]);
    if (!q->exec()) {
        fehler(q->lastError().text());
        q->finish();
        return nullptr;
    }
    return q;
}

bool Recordset::Update()
{
    if (m_modus == Editmodus::Keiner)
        return true;
    if (!m_offen || m_pos < 0 || m_pos >= Anzahl())
        return fehler(QStringLiteral("Kein aktueller Datensatz."));
    Zeile& z = m_zeilen[m_pos];
    QStringList spalten;
    QList<QVariant> werte;
    for (int i = 0; i < FeldAnzahl(); ++i) {
        if (!m_geändert[i])
            continue;
        QVariant sql;
        VbVariant gelesen;
        Spaltentypen::Schreiben(m_puffer[i], m_felder[i].art, sql, gelesen, nullptr);
        spalten << m_felder[i].sqlName;
        werte << sql;
    }
    const QString t = JetDialekt::Name(m_tabelle);
    if (m_modus == Editmodus::Neu) {
        QStringList platz(spalten.size(), QStringLiteral("?"));
        // Counter columns of the table (also those the query does not select) take its next number.
        for (const auto& s : m_verbindung->Spalten(m_tabelle)) {
            if (s.second.typ == Spaltentyp::Counter) {
                spalten << JetDialekt::Name(s.first);
                platz << QStringLiteral("(SELECT IFNULL(MAX(%1), 0) + 1 FROM %2)").arg(JetDialekt::Name(s.first), t);
            }
        }
        const QString sql = spalten.isEmpty()
                                ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(t)
                                : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                      .arg(t, spalten.join(QLatin1Char(',')), platz.join(QLatin1Char(',')));
        QSqlQuery* q = führeAus(sql, werte);
        if (!q)
            return false;
        z.rowid = q->lastInsertId().toLongLong();
        q->finish();
        z.werte = m_puffer;
        z.neu = false;
        // The written values read as they were converted; what the table filled in (defaults,
        // counters) and values of columns of no known type are read back.
        std::vector<int> nachlesen;
        for (const int i : m_neuLesen)
            if (!m_geändert[i] || m_felder[i].art.typ == Spaltentyp::Unbekannt)
                nachlesen.push_back(i);
        leseZeileNeu(z, nachlesen);
    } else {
        if (!spalten.isEmpty()) {
            QStringList zuweisungen;
            for (const QString& s : spalten)
                zuweisungen << s + QStringLiteral(" = ?");
            werte << z.rowid;
            QSqlQuery* q = führeAus(
                QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?").arg(t, zuweisungen.join(QLatin1Char(','))), werte);
            if (!q)
                return false;
            const int geändert = q->numRowsAffected();
            q->finish();
            if (geändert == 0)
                return fehler(QStringLiteral("Der Datensatz ist in der Tabelle nicht mehr vorhanden."));
        }
        z.werte = m_puffer;
    }
    m_modus = Editmodus::Keiner;
    m_puffer.clear();
    m_geändert.clear();
    emit DatenGeaendert();
    return true;
}

void Recordset::CancelUpdate()
{
    if (m_modus == Editmodus::Neu && m_pos >= 0 && m_pos < Anzahl() && m_zeilen[m_pos].neu) {
        m_zeilen.erase(m_zeilen.begin() + m_pos);
        m_modus = Editmodus::Keiner;
        m_puffer.clear();
        m_geändert.clear();
        setzePosition(m_zeilen.empty() ? -1 : std::clamp(m_posVorNeu, -1, Anzahl()));
        emit DatenGeaendert();
        return;
    }
    m_modus = Editmodus::Keiner;
    m_puffer.clear();
    m_geändert.clear();
}

bool Recordset::Delete()
{
    if (!HatAktuelleZeile())
        return fehler(QStringLiteral("BOF oder EOF ist True, oder der aktuelle Datensatz wurde gelöscht."));
    if (!IstAktualisierbar())
        return fehler(QStringLiteral("Das Recordset kann nicht aktualisiert werden."));
    if (m_modus == Editmodus::Neu) {
        CancelUpdate();
        return true;
    }
    QSqlQuery* q = führeAus(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(JetDialekt::Name(m_tabelle)),
                            {m_zeilen[m_pos].rowid});
    if (!q)
        return false;
    q->finish();
    m_modus = Editmodus::Keiner;
    m_puffer.clear();
    m_geändert.clear();
    m_zeilen.erase(m_zeilen.begin() + m_pos);
    setzePosition(m_pos, true);
    emit DatenGeaendert();
    return true;
}

bool Recordset::ZeileNeuLesen()
{
    if (!HatAktuelleZeile() || !IstAktualisierbar() || m_modus != Editmodus::Keiner)
        return fehler(QStringLiteral("Der Datensatz kann nicht neu gelesen werden."));
    QSqlQuery* q = m_verbindung->Anweisung(QStringLiteral("SELECT 1 FROM %1 WHERE rowid = ?").arg(JetDialekt::Name(m_tabelle)));
    if (!q)
        return false;
    q->bindValue(0, m_zeilen[m_pos].rowid);
    if (!q->exec())
        return fehler(q->lastError().text());
    const bool da = q->next();
    q->finish();
    if (!da) {
        m_zeilen.erase(m_zeilen.begin() + m_pos);
        setzePosition(m_pos, true);
        emit DatenGeaendert();
        return true;
    }
    std::vector<int> felder;
    for (int i = 0; i < static_cast<int>(m_felder.size()); ++i)
        if (!m_felder[i].spalte.isEmpty())
            felder.push_back(i);
    if (!leseZeileNeu(m_zeilen[m_pos], felder))
        return fehler(QStringLiteral("Der Datensatz kann nicht neu gelesen werden."));
    emit DatenGeaendert();
    return true;
}

Recordset::Suche Recordset::Find(const QString& kriterium, int überspringen)
{
    if (!m_offen) {
        fehler(QStringLiteral("Das Recordset ist geschlossen."));
        return Suche::Fehler;
    }
    QStringList namen;
    QList<Spaltenart> arten;
    for (const Feld& f : m_felder) {
        namen << f.name;
        arten << f.art;
    }
    QString f;
    const auto k = Suchkriterium::Lesen(kriterium, namen, arten, &f);
    if (!k) {
        fehler(f);
        return Suche::Fehler;
    }
    speichereAusstehend();
    int start = m_aufGelöschtem ? m_pos + std::max(0, überspringen - 1) : m_pos + überspringen;
    start = std::max(start, 0);
    const int feld = k->feld();
    for (int i = start; i < Anzahl(); ++i) {
        if (k->Passt(m_zeilen[i].werte[feld])) {
            setzePosition(i);
            return Suche::Gefunden;
        }
    }
    setzePosition(Anzahl());
    return Suche::NichtGefunden;
}
