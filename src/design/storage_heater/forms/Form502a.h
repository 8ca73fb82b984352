#pragma once
#include <QDialog>
#include <QString>

#include <array>
#include <memory>

class Auswahlgitter;
class Form502;
class QLabel;
class QPlainTextEdit;
class QToolButton;
class Recordset;
class RecordsetModell;

// "Abfrage Auswahl Artikel" for storage tanks: the tank page's manual list (its very recordset)
// with prices and the long text of the current tank. A double click or Enter hands the
// highlighted tank to the page and closes; Weiter and Alt+Right close without a choice.
// Loading happens in the constructor, so tests drive the dialog without showing it.
class Form502a : public QDialog {
    Q_OBJECT
public:
    explicit Form502a(Form502& seite, QWidget* parent = nullptr);
    ~Form502a() override;

    // Shows the dialog modally.
    void Zeige();

    // The current row of the list changed (keys, a click); -1: none.
    void ZeileGewechselt(int zeile);
    // The pointer over the list at row zeile (-1: no row); over an empty list the dialog closes.
    void ZeigerBewegt(int zeile);
    // Double click and Enter: the highlighted tank goes to the page, the dialog closes.
    void Übernehmen();
    // Weiter and Alt+Right: closes without a choice.
    void Weiter();

    // Article number of the highlighted row ("" when none is highlighted).
    const QString& AktuelleArtNr() const { return m_AktuelleArtNr; }
    // The highlighted row (-1: none).
    int markierteZeile() const { return m_markiert; }

    Auswahlgitter* DataGrid1 = nullptr;
    QPlainTextEdit* TextLangtext = nullptr;
    QToolButton* WeiterCommand = nullptr;
    std::array<QLabel*, 8> Label1{};

private:
    void binden();
    void markiere(int zeile);
    std::shared_ptr<Recordset> liste() const;

    Form502& m_seite;
    RecordsetModell* m_modell = nullptr;
    QString m_AktuelleArtNr;
    int m_markiert = -1;
};
