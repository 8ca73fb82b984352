#include "data/conTextBoxAdodb.h"

#include "data/datenbank.h"
#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "base/Zahlen.h"

namespace {

bool keineGrenze(const VbVariant& g)
{
    return g.isNull() || g.isEmpty();
}

}  // namespace

void conTextBoxAdodb::BindDatenbank(std::shared_ptr<Recordset> datenbank, const QString& feld)
{
    if (binde(std::move(datenbank)))
        m_feld = feld;
}

void conTextBoxAdodb::BindTextBox(std::shared_ptr<BoundControl> textBox, const QString& format, const VbVariant& min,
                                  const VbVariant& max)
{
    m_control = std::move(textBox);
    m_format = format;
    m_min = min;
    m_max = max;
}

void conTextBoxAdodb::UnBindTextBox()
{
    m_control.reset();
}

void conTextBoxAdodb::MinWert(const VbVariant& min)
{
    m_min = min;
}

void conTextBoxAdodb::MaxWert(const VbVariant& max)
{
    m_max = max;
}

void conTextBoxAdodb::DatenBankInGlobDaten()
{
    m_fehlercode = dbKeinFehler;
    if (!m_gebunden)
        return;
    VbVariant w;
    if (!lies(m_feld, w)) {
        m_Value = 0.0;
        return;
    }
    if (w.isNull() || w.isEmpty()) {
        m_Value = 0.0;
        return;
    }
    bool ok = true;
    const double d = w.toDouble(&ok);
    if (!ok) {
        melde(dbFehlerRead, QStringLiteral("Typen unverträglich"), m_feld);
        m_Value = 0.0;
        return;
    }
    m_Value = d;
}

void conTextBoxAdodb::GlobDatenInDatenBank()
{
    m_fehlercode = dbKeinFehler;
    if (m_gebunden)
        schreibe(m_feld, VbVariant::dbl(m_Value));
}

QString conTextBoxAdodb::formatiert(double w) const
{
    return m_format.isEmpty() ? Zahlen::CStr(w) : Zahlen::Format(w, m_format);
}

QString conTextBoxAdodb::Text() const
{
    return formatiert(m_Value);
}

bool conTextBoxAdodb::ZeigtWert() const
{
    return m_control && m_control->vorhanden() && ZeigtWert(m_control->text());
}

bool conTextBoxAdodb::ZeigtWert(const QString& angezeigt) const
{
    return m_gebunden && angezeigt == Text();
}

void conTextBoxAdodb::GlobDatenInTextBox()
{
    if (m_gebunden && m_control)
        m_control->setText(Text());
}

void conTextBoxAdodb::GlobDatenInTextBox_N(BoundControl& textBox)
{
    if (m_gebunden)
        textBox.setText(Text());
}

void conTextBoxAdodb::GlobDatenInLabel()
{
    if (m_gebunden && m_control)
        m_control->setCaption(Text());
}

void conTextBoxAdodb::GlobDatenInLabel_N(BoundControl& textBox)
{
    if (m_gebunden)
        textBox.setCaption(Text());
}

bool conTextBoxAdodb::PrüfeTextBoxWert(BoundControl& control)
{
    if (!m_gebunden)
        return false;
    const int o = zustand().Sprachoffset;
    bool ok = false;
    const double v = Zahlen::TextZuZahl(control.text(), &ok);
    if (!ok) {
        Meldung(Meldungsart::Eingabefehler, LadeText(o + 2250));
        control.setText(QStringLiteral("0"));
        return true;
    }
    bool korrigiert = false;
    if (!keineGrenze(m_min) && v < m_min.toDouble()) {
        m_Value = m_min.toDouble();
        korrigiert = true;
    }
    if (!keineGrenze(m_max) && v > m_max.toDouble()) {
        m_Value = m_max.toDouble();
        korrigiert = true;
    }
    if (korrigiert) {
        const VbVariant unten = VbVariant::dbl(m_min.toDouble());
        const VbVariant oben = VbVariant::dbl(m_max.toDouble());
        if (keineGrenze(m_min))
            Meldung(Meldungsart::Eingabefehler, LadeText(o + 2253), oben);
        else if (!keineGrenze(m_max))
            Meldung(Meldungsart::Eingabefehler, LadeText(o + 2255), unten, oben);
        else
            Meldung(Meldungsart::Eingabefehler, LadeText(o + 2254), unten);
    } else {
        m_Value = v;
    }
    GlobDatenInTextBox();
    return korrigiert;
}

bool conTextBoxAdodb::TextBoxInGlobDaten()
{
    if (!m_gebunden || !m_control || !m_control->vorhanden())
        return false;
    return PrüfeTextBoxWert(*m_control);
}

bool conTextBoxAdodb::TextBox_N_InGlobDaten(BoundControl& textBox)
{
    if (!m_gebunden)
        return false;
    const bool ergebnis = PrüfeTextBoxWert(textBox);
    GlobDatenInTextBox_N(textBox);
    return ergebnis;
}

bool conTextBoxAdodb::TextBoxInGlobDaten_TestElement(const QList<double>& elementeliste)
{
    if (!m_gebunden || !m_control || !m_control->vorhanden())
        return false;
    const int o = zustand().Sprachoffset;
    bool ok = false;
    const double v = Zahlen::TextZuZahl(m_control->text(), &ok);
    if (!ok) {
        Meldung(Meldungsart::Eingabefehler, LadeText(o + 2250));
        return true;
    }
    for (const double e : elementeliste) {
        if (e == v) {
            m_Value = v;
            GlobDatenInTextBox();
            return false;
        }
    }
    QString liste;
    for (const double e : elementeliste)
        liste += QStringLiteral("   ") + formatiert(e);
    Meldung(Meldungsart::Eingabefehler, LadeText(o + 2252), VbVariant(liste));
    return true;
}
