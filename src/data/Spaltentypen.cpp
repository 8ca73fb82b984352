#include "data/Spaltentypen.h"

#include "base/Zahlen.h"

#include <QHash>

#include <cfloat>
#include <cmath>

bool Spaltenart::istZahl() const
{
    switch (typ) {
    case Spaltentyp::Boolean: case Spaltentyp::Byte: case Spaltentyp::Integer: case Spaltentyp::Long:
    case Spaltentyp::Counter: case Spaltentyp::Single: case Spaltentyp::Double:
        return true;
    default:
        return false;
    }
}

namespace Spaltentypen {

namespace {

const QHash<QString, Spaltentyp>& namen()
{
    static const QHash<QString, Spaltentyp> n = {
        {QStringLiteral("BOOLEAN"), Spaltentyp::Boolean}, {QStringLiteral("BIT"), Spaltentyp::Boolean},
        {QStringLiteral("YESNO"), Spaltentyp::Boolean}, {QStringLiteral("LOGICAL"), Spaltentyp::Boolean},
        {QStringLiteral("BYTE"), Spaltentyp::Byte}, {QStringLiteral("TINYINT"), Spaltentyp::Byte},
        {QStringLiteral("INTEGER1"), Spaltentyp::Byte},
        {QStringLiteral("SHORT"), Spaltentyp::Integer}, {QStringLiteral("SMALLINT"), Spaltentyp::Integer},
        {QStringLiteral("INTEGER2"), Spaltentyp::Integer}, {QStringLiteral("INTEGER16"), Spaltentyp::Integer},
        {QStringLiteral("LONG"), Spaltentyp::Long}, {QStringLiteral("INT"), Spaltentyp::Long},
        {QStringLiteral("INTEGER"), Spaltentyp::Long}, {QStringLiteral("INTEGER4"), Spaltentyp::Long},
        {QStringLiteral("INTEGER32"), Spaltentyp::Long},
        {QStringLiteral("COUNTER"), Spaltentyp::Counter}, {QStringLiteral("AUTOINCREMENT"), Spaltentyp::Counter},
        {QStringLiteral("SINGLE"), Spaltentyp::Single}, {QStringLiteral("FLOAT4"), Spaltentyp::Single},
        {QStringLiteral("REAL4"), Spaltentyp::Single},
        {QStringLiteral("DOUBLE"), Spaltentyp::Double}, {QStringLiteral("FLOAT"), Spaltentyp::Double},
        {QStringLiteral("FLOAT8"), Spaltentyp::Double}, {QStringLiteral("REAL"), Spaltentyp::Double},
        {QStringLiteral("NUMBER"), Spaltentyp::Double}, {QStringLiteral("NUMERIC"), Spaltentyp::Double},
        {QStringLiteral("DATETIME"), Spaltentyp::Datum}, {QStringLiteral("DATE"), Spaltentyp::Datum},
        {QStringLiteral("TIME"), Spaltentyp::Datum}, {QStringLiteral("TIMESTAMP"), Spaltentyp::Datum},
        {QStringLiteral("TEXT"), Spaltentyp::Text}, {QStringLiteral("VARCHAR"), Spaltentyp::Text},
        {QStringLiteral("CHAR"), Spaltentyp::Text},
        {QStringLiteral("MEMO"), Spaltentyp::Memo}, {QStringLiteral("LONGTEXT"), Spaltentyp::Memo},
        {QStringLiteral("LONGCHAR"), Spaltentyp::Memo}, {QStringLiteral("NOTE"), Spaltentyp::Memo},
    };
    return n;
}

const QString& typenUnvertraeglich()
{
    static const QString t = QStringLiteral("Typen unverträglich");
    return t;
}

const QString& ueberlauf()
{
    static const QString t = QStringLiteral("Überlauf");
    return t;
}

bool fehler(QString* ziel, const QString& text)
{
    if (ziel)
        *ziel = text;
    return false;
}

// The value as a number for a number column (Boolean -1/0, a date as its day number, a text
// read as the runtime's CDbl reads it).
bool alsZahl(const VbVariant& w, double& d)
{
    bool ok = true;
    d = w.toDouble(&ok);
    return ok && std::isfinite(d);
}

}  // namespace

bool AlsBoolean(const VbVariant& wert, bool& ergebnis)
{
    if (wert.isString()) {
        const QString t = wert.toString().trimmed();
        for (const char* w : {"wahr", "true"})
            if (t.compare(QLatin1String(w), Qt::CaseInsensitive) == 0)
                return ergebnis = true, true;
        for (const char* w : {"falsch", "false"})
            if (t.compare(QLatin1String(w), Qt::CaseInsensitive) == 0)
                return ergebnis = false, true;
    }
    bool ok = true;
    const double d = wert.toDouble(&ok);
    if (!ok)
        return false;
    ergebnis = d != 0.0;
    return true;
}

Spaltenart AusDeklaration(const QString& deklaration)
{
    Spaltenart art;
    QString d = deklaration.trimmed().toUpper();
    int laenge = 0;
    const auto klammer = d.indexOf(QLatin1Char('('));
    if (klammer >= 0) {
        const auto zu = d.indexOf(QLatin1Char(')'), klammer);
        laenge = d.mid(klammer + 1, zu < 0 ? -1 : zu - klammer - 1).section(QLatin1Char(','), 0, 0)
                     .trimmed().toInt();
        d = d.left(klammer).trimmed();
    }
    art.typ = namen().value(d, Spaltentyp::Unbekannt);
    if (art.typ == Spaltentyp::Text) {
        if (laenge > 0)
            art.laenge = laenge;
        else
            art.typ = Spaltentyp::Memo;  // TEXT without a size holds any length
    }
    return art;
}

QString Deklaration(Spaltentyp typ, int laenge)
{
    switch (typ) {
    case Spaltentyp::Boolean: return QStringLiteral("BOOLEAN");
    case Spaltentyp::Byte: return QStringLiteral("BYTE");
    case Spaltentyp::Integer: return QStringLiteral("SHORT");
    case Spaltentyp::Long: return QStringLiteral("LONG");
    case Spaltentyp::Counter: return QStringLiteral("COUNTER");
    case Spaltentyp::Single: return QStringLiteral("SINGLE");
    case Spaltentyp::Double: return QStringLiteral("DOUBLE");
    case Spaltentyp::Datum: return QStringLiteral("DATETIME");
    case Spaltentyp::Text: return QStringLiteral("TEXT(%1)").arg(laenge > 0 ? laenge : 255);
    case Spaltentyp::Memo: return QStringLiteral("LONGTEXT");  // TEXT affinity: "0012" stays a text
    case Spaltentyp::Unbekannt: break;
    }
    return QString();
}

QString DatumText(const QDateTime& dt)
{
    return dt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

namespace {

// The stored form read without QDateTime (which looks up the time zone on every call):
// "yyyy-MM-dd", optionally followed by " HH:mm:ss" or "THH:mm:ss". False for anything else.
bool leseGespeichertesDatum(QStringView s, QDate& datum, int& sekunden)
{
    auto zahl = [&](qsizetype von, qsizetype n, int& z) {
        z = 0;
        for (qsizetype i = von; i < von + n; ++i) {
            const char16_t c = s[i].unicode();
            if (c < u'0' || c > u'9')
                return false;
            z = z * 10 + (c - u'0');
        }
        return true;
    };
    int j = 0, m = 0, t = 0, h = 0, mi = 0, se = 0;
    if ((s.size() != 10 && s.size() != 19) || s[4] != u'-' || s[7] != u'-' || !zahl(0, 4, j) || !zahl(5, 2, m)
        || !zahl(8, 2, t))
        return false;
    if (s.size() == 19) {
        if ((s[10] != u' ' && s[10] != u'T') || s[13] != u':' || s[16] != u':' || !zahl(11, 2, h)
            || !zahl(14, 2, mi) || !zahl(17, 2, se) || h > 23 || mi > 59 || se > 59)
            return false;
    }
    datum = QDate(j, m, t);
    sekunden = h * 3600 + mi * 60 + se;
    return datum.isValid();
}

}  // namespace

QDateTime DatumAusText(const QString& text)
{
    const QString s = text.trimmed();
    QDate d;
    int sekunden = 0;
    if (leseGespeichertesDatum(s, d, sekunden))
        return QDateTime(d, QTime(0, 0).addSecs(sekunden), Qt::UTC);
    static const char* const muster[] = {"yyyy-MM-dd HH:mm:ss", "yyyy-MM-ddTHH:mm:ss", "yyyy-MM-dd",
                                         "yyyy-MM-dd HH:mm"};
    for (const char* m : muster) {
        QDateTime dt = QDateTime::fromString(s, QString::fromLatin1(m));
        if (dt.isValid()) {
            dt.setTimeSpec(Qt::UTC);
            return dt;
        }
    }
    return {};
}

VbVariant Lesen(const QVariant& sqlWert, const Spaltenart& art)
{
    if (sqlWert.isNull())
        return VbVariant::null();
    const int mt = sqlWert.metaType().id();
    const bool ganz = mt == QMetaType::LongLong || mt == QMetaType::Int || mt == QMetaType::ULongLong
                      || mt == QMetaType::UInt;
    const bool text = mt == QMetaType::QString || mt == QMetaType::QByteArray;
    switch (art.typ) {
    case Spaltentyp::Boolean:
        if (text)
            return VbVariant::boolean(VbVariant(sqlWert.toString()).toBool());
        return VbVariant::boolean(sqlWert.toDouble() != 0.0);
    case Spaltentyp::Byte: case Spaltentyp::Integer: case Spaltentyp::Long: case Spaltentyp::Counter: {
        const double d = text ? VbVariant(sqlWert.toString()).toDouble() : sqlWert.toDouble();
        if (d != std::trunc(d) || d < -2147483648.0 || d > 2147483647.0)
            return VbVariant::dbl(d);
        const auto v = static_cast<int32_t>(d);
        if (art.typ == Spaltentyp::Byte && v >= 0 && v <= 255)
            return VbVariant::byte(static_cast<uint8_t>(v));
        if (art.typ == Spaltentyp::Integer && v >= -32768 && v <= 32767)
            return VbVariant::integer(static_cast<int16_t>(v));
        return VbVariant::lng(v);
    }
    case Spaltentyp::Single:
        return VbVariant::single(static_cast<float>(sqlWert.toDouble()));
    case Spaltentyp::Double:
        return VbVariant::dbl(sqlWert.toDouble());
    case Spaltentyp::Datum:
        if (text) {
            const QString t = sqlWert.toString();
            QDate d;
            int sekunden = 0;
            if (leseGespeichertesDatum(t, d, sekunden)) {
                // Day number since 1899-12-30; before it the time stays a positive fraction.
                static const qint64 basis = QDate(1899, 12, 30).toJulianDay();
                const double tage = static_cast<double>(d.toJulianDay() - basis);
                const double bruch = sekunden / 86400.0;
                return VbVariant::datum(tage >= 0 ? tage + bruch : tage - bruch);
            }
            const QDateTime dt = DatumAusText(t);
            return dt.isValid() ? VbVariant::datum(dt) : VbVariant::text(t);
        }
        return VbVariant::datum(sqlWert.toDouble());
    case Spaltentyp::Text: case Spaltentyp::Memo:
        return VbVariant::text(sqlWert.toString());
    case Spaltentyp::Unbekannt:
        break;
    }
    if (ganz) {
        const qlonglong v = sqlWert.toLongLong();
        if (v >= INT32_MIN && v <= INT32_MAX)
            return VbVariant::lng(static_cast<int32_t>(v));
        return VbVariant::dbl(static_cast<double>(v));
    }
    if (mt == QMetaType::Double || mt == QMetaType::Float)
        return VbVariant::dbl(sqlWert.toDouble());
    return VbVariant::text(sqlWert.toString());
}

bool Schreiben(const VbVariant& wert, const Spaltenart& art, QVariant& sqlWert, VbVariant& gelesen,
               QString* fehlerText)
{
    if (art.typ == Spaltentyp::Counter)
        return fehler(fehlerText, QStringLiteral("Das Feld kann nicht aktualisiert werden (Zählerfeld)."));
    if (wert.isEmpty() || wert.isNull()) {
        sqlWert = QVariant();
        gelesen = VbVariant::null();
        return true;
    }
    double d = 0.0;
    switch (art.typ) {
    case Spaltentyp::Boolean: {
        bool b = false;
        if (!AlsBoolean(wert, b))
            return fehler(fehlerText, typenUnvertraeglich());
        sqlWert = b ? -1 : 0;
        gelesen = VbVariant::boolean(b);
        return true;
    }
    case Spaltentyp::Byte: case Spaltentyp::Integer: case Spaltentyp::Long: {
        if (!alsZahl(wert, d))
            return fehler(fehlerText, typenUnvertraeglich());
        const double r = Zahlen::RundenGerade(d, 0);
        const double unten = art.typ == Spaltentyp::Byte ? 0.0
                             : art.typ == Spaltentyp::Integer ? -32768.0 : -2147483648.0;
        const double oben = art.typ == Spaltentyp::Byte ? 255.0
                            : art.typ == Spaltentyp::Integer ? 32767.0 : 2147483647.0;
        if (r < unten || r > oben)
            return fehler(fehlerText, ueberlauf());
        const auto v = static_cast<int32_t>(r);
        sqlWert = v;
        gelesen = art.typ == Spaltentyp::Byte      ? VbVariant::byte(static_cast<uint8_t>(v))
                  : art.typ == Spaltentyp::Integer ? VbVariant::integer(static_cast<int16_t>(v))
                                                   : VbVariant::lng(v);
        return true;
    }
    case Spaltentyp::Single: {
        if (!alsZahl(wert, d))
            return fehler(fehlerText, typenUnvertraeglich());
        if (std::fabs(d) > static_cast<double>(FLT_MAX))
            return fehler(fehlerText, ueberlauf());
        const auto f = static_cast<float>(d);
        sqlWert = static_cast<double>(f);
        gelesen = VbVariant::single(f);
        return true;
    }
    case Spaltentyp::Double:
        if (!alsZahl(wert, d))
            return fehler(fehlerText, typenUnvertraeglich());
        sqlWert = d;
        gelesen = VbVariant::dbl(d);
        return true;
    case Spaltentyp::Datum: {
        QDateTime dt;
        if (wert.isString()) {
            dt = Zahlen::DatumAusText(wert.toString());
            if (!dt.isValid())
                dt = DatumAusText(wert.toString());
        } else if (alsZahl(wert, d)) {
            dt = VbVariant::datum(d).toDateTime();
        }
        if (!dt.isValid())
            return fehler(fehlerText, typenUnvertraeglich());
        sqlWert = DatumText(dt);
        gelesen = VbVariant::datum(dt);
        return true;
    }
    case Spaltentyp::Text: case Spaltentyp::Memo: {
        const QString t = wert.toString();
        if (art.typ == Spaltentyp::Text && art.laenge > 0 && t.size() > art.laenge)
            return fehler(fehlerText, QStringLiteral("Der Wert ist länger als die %1 Zeichen des Feldes.")
                                          .arg(art.laenge));
        // An empty text is stored as such: a null QString would be bound as Null.
        sqlWert = t.isNull() ? QStringLiteral("") : t;
        gelesen = VbVariant::text(t);
        return true;
    }
    case Spaltentyp::Counter: case Spaltentyp::Unbekannt:
        break;
    }
    // Unknown column type: the value as it is.
    switch (wert.typ()) {
    case VbVariant::Typ::String:
        sqlWert = wert.toString();
        break;
    case VbVariant::Typ::Date:
        sqlWert = DatumText(wert.toDateTime());
        break;
    case VbVariant::Typ::Boolean: case VbVariant::Typ::Byte: case VbVariant::Typ::Integer:
    case VbVariant::Typ::Long:
        sqlWert = static_cast<qlonglong>(wert.toDouble());
        break;
    default:
        sqlWert = wert.toDouble();
        break;
    }
    gelesen = wert;
    return true;
}

}  // namespace Spaltentypen
