#pragma once
#include <QList>
#include <QString>

#include <memory>

#include "data/BindungAdodb.h"
#include "base/BoundControl.h"

// A numeric member of a data object: a Double mirrored in one field of the current row and,
// while a page shows it, in one text box or label, with the input check against bounds
// (Null or Empty: no bound) or a list of allowed values. Every member but BindTextBox,
// UnBindTextBox, MinWert, MaxWert and m_Value does nothing (false) while not bound to a field.
class conTextBoxAdodb : public BindungAdodb {
public:
    double m_Value = 0.0;

    void BindDatenbank(std::shared_ptr<Recordset> datenbank, const QString& feld);
    void BindTextBox(std::shared_ptr<BoundControl> textBox, const QString& format, const VbVariant& min,
                     const VbVariant& max);
    void UnBindTextBox();
    void DatenBankInGlobDaten();
    void GlobDatenInDatenBank();
    void GlobDatenInTextBox();
    void GlobDatenInTextBox_N(BoundControl& textBox);
    void GlobDatenInLabel();
    void GlobDatenInLabel_N(BoundControl& textBox);
    // Checks the display control's text; true when the input was rejected or corrected (the
    // page then keeps the focus in the control).
    bool TextBoxInGlobDaten();
    bool TextBox_N_InGlobDaten(BoundControl& textBox);
    bool TextBoxInGlobDaten_TestElement(const QList<double>& elementeliste);
    void MinWert(const VbVariant& min);
    void MaxWert(const VbVariant& max);

    // The number in the display pattern.
    QString Text() const;
    // The bound control (or a box showing this text) shows the value as the display pattern shows
    // it now: checking it again would take nothing new (a shown value may be rounded).
    bool ZeigtWert() const;
    bool ZeigtWert(const QString& angezeigt) const;
    const QString& Feld() const { return m_feld; }
    const std::shared_ptr<BoundControl>& Steuerelement() const { return m_control; }

private:
    bool PrüfeTextBoxWert(BoundControl& control);
    QString formatiert(double w) const;

    QString m_feld;
    std::shared_ptr<BoundControl> m_control;
    QString m_format;
    VbVariant m_min = VbVariant::null();
    VbVariant m_max = VbVariant::null();
};
