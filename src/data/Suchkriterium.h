#pragma once
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <optional>

#include "data/Spaltentypen.h"
#include "base/VbVariant.h"

// A search criterion of Find: one field, an operator and a value, as
//   [field name] op value
// The name in square brackets may hold blanks, commas, "<", ">", "=", umlauts and degree signs;
// without brackets it ends at a blank or an operator. op is =, <>, <, <=, >, >= or LIKE (any
// case). The value is a text in apostrophes (an apostrophe inside written twice), a #date#, a
// number (point as decimal separator, leading blanks allowed) or True/False.
// Matching: a Null field never matches; a number column (or a numeric value of an untyped
// column) compares as numbers, also against a quoted value such as '350'; a date column compares
// as dates; texts compare without regard to case; LIKE takes * or % for any run of characters and
// ? or _ for one character, without regard to case.
class Suchkriterium {
public:
    enum class Op { Gleich, Ungleich, Kleiner, KleinerGleich, Grösser, GrösserGleich, Like };

    // Parses the criterion against the field names (found without regard to case).
    static std::optional<Suchkriterium> Lesen(const QString& text, const QStringList& feldnamen,
                                              const QList<Spaltenart>& arten, QString* fehler);

    int feld() const { return m_feld; }
    // True when the field value meets the criterion.
    bool Passt(const VbVariant& feldwert) const;

private:
    int m_feld = -1;
    Spaltenart m_art;
    Op m_op = Op::Gleich;
    bool m_text = false;       // the value was quoted
    QString m_wertText;        // the quoted text
    bool m_hatZahl = false;    // the value reads as a number
    double m_zahl = 0.0;
    bool m_hatDatum = false;   // the value reads as a date
    double m_datum = 0.0;
    QRegularExpression m_muster;
};
