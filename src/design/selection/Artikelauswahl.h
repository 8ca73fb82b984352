#pragma once
#include <QString>

#include <cstdint>
#include <memory>

#include "design/selection/Artikelauswahlrufer.h"

class Recordset;

// The logic of the article-choice dialog: it shows the caller's candidate list (the very
// recordset), keeps the row taken last (the current row, or the row under the pointer) and hands
// it back by the caller's call-back. It writes nothing itself.
class Artikelauswahl {
public:
    explicit Artikelauswahl(Artikelauswahlrufer& rufer);

    // Opening: the caller's current row is the first choice.
    void Laden();
    // The current row changed (keys, a click).
    void AktuelleZeileGewechselt();
    // The pointer over the grid (row -1: no row); false when the dialog closes (empty list).
    bool ZeigerBewegt(int zeile);
    // Double click and Enter: the choice taken last goes to the caller.
    void Übernehmen();
    // Weiter: the current row goes to the caller unless the list stands at BOF or EOF.
    void Weiter();

    Artikelauswahlrufer& rufer() const { return m_rufer; }
    std::shared_ptr<Recordset> liste() const { return m_rufer.Artikelliste(); }
    const QString& gewählteArtNr() const { return m_artNr; }
    int32_t gewählterInhalt() const { return m_inhalt; }
    const QString& langtext() const { return m_langtext; }
    // The article number box.
    const QString& text1() const { return m_text1; }
    // The highlighted row (-1: none): the current row or the row under the pointer.
    int markierteZeile() const { return m_markiert; }
    // Caption of the fifth column's header ("Länge" for group 8).
    QString Maßüberschrift() const;

    // The long text of a row: short text and long text wrapped at 40, then the dimension mask.
    static QString Langtext(const Recordset& rs, int zeile);

private:
    void nimmZeile(int zeile);

    Artikelauswahlrufer& m_rufer;
    QString m_artNr;
    int32_t m_inhalt = 0;
    QString m_langtext;
    QString m_text1;
    int m_markiert = -1;
};
