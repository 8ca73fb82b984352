#include "exchange/XML_Tools.h"

#include "base/AllgFunktionen.h"
#include "base/Dateileser.h"
#include "base/Dateischreiber.h"
#include "base/Programmzustand.h"

#include <QFile>
#include <QHash>

#include <array>
#include <charconv>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <string>

namespace {

const QString KeinStartknoten = QStringLiteral("No opened document or partial document");
const QString UngueltigerPfad = QStringLiteral("Invalid Location Path");
const QString KeinElement = QStringLiteral("The selected node is not an element");

QString Text(int id, const QList<VbVariant>& werte = {})
{
    return FormatText(LadeText(zustand().Sprachoffset + id), werte);
}

QByteArray Utf8(const QString& s)
{
    return s.toUtf8();
}

QString AusUtf8(const char* s)
{
    return QString::fromUtf8(s);
}

// An XML name as the DOM accepts it for a new element.
void PruefeName(const QString& name)
{
    bool gut = !name.isEmpty() && (name.at(0).isLetter() || name.at(0) == QLatin1Char('_'));
    for (QChar c : name) {
        if (!(c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('-') || c == QLatin1Char('.')
              || c == QLatin1Char(':')))
            gut = false;
    }
    if (!gut)
        throw std::invalid_argument("Invalid element name: " + name.toStdString());
}

class ByteSchreiber : public pugi::xml_writer {
public:
    QByteArray daten;
    void write(const void* data, size_t size) override
    {
        daten.append(static_cast<const char*>(data), static_cast<qsizetype>(size));
    }
};

// Text as it stands between tags: the document keeps texts as the file wrote them (see
// LoadXMLDocument), so a text the program sets is escaped here.
QByteArray Maskiert(const QString& text)
{
    QByteArray r;
    for (const char c : text.toUtf8()) {
        switch (c) {
        case '&': r += "&amp;"; break;
        case '<': r += "&lt;"; break;
        case '>': r += "&gt;"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r')
                r += "&#" + QByteArray::number(static_cast<unsigned char>(c)) + ';';
            else
                r += c;
        }
    }
    return r;
}

// Calls teil(literal) for plain text and referenz(name, whole) for every "&name;" of a text as
// the file wrote it.
template <class L, class R>
void Zerlege(QStringView roh, L teil, R referenz)
{
    qsizetype i = 0;
    while (i < roh.size()) {
        const qsizetype und = roh.indexOf(u'&', i);
        const qsizetype ende = und < 0 ? -1 : roh.indexOf(u';', und + 1);
        if (und < 0 || ende < 0) {
            teil(roh.mid(i));
            return;
        }
        if (und > i)
            teil(roh.mid(i, und - i));
        referenz(roh.mid(und + 1, ende - und - 1), roh.mid(und, ende - und + 1));
        i = ende + 1;
    }
}

const QHash<QString, QString>& Vordefiniert()
{
    static const QHash<QString, QString> v = {{QStringLiteral("lt"), QStringLiteral("<")},
                                              {QStringLiteral("gt"), QStringLiteral(">")},
                                              {QStringLiteral("amp"), QStringLiteral("&")},
                                              {QStringLiteral("apos"), QStringLiteral("'")},
                                              {QStringLiteral("quot"), QStringLiteral("\"")}};
    return v;
}

// A character reference ("#228", "#xE4"); false when it names no character.
bool Zeichenreferenz(QStringView name, QString& r)
{
    if (!name.startsWith(u'#'))
        return false;
    const bool hex = name.startsWith(u"#x");
    bool ok = false;
    const uint z = name.mid(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10);
    ok = ok && z > 0 && z <= 0x10FFFF && !(z >= 0xD800 && z <= 0xDFFF);
    if (ok)
        r = QString::fromUcs4(reinterpret_cast<const char32_t*>(&z), 1);
    return ok;
}

thread_local XmlArbeit arbeit;

// Entities nest at most this deep; a deeper reference stays as it stands.
constexpr int MaxEntitaetTiefe = 8;

// Resolves the references of a text as the file wrote it: character references, the five
// predefined entities and the internal entities; an unknown reference stays as it stands.
// vorrat bounds the work (resolutions and characters) of one call.
QString Aufgeloest(QStringView roh, const XmlEntitaeten& entitäten, int tiefe, qsizetype& vorrat)
{
    QString r;
    Zerlege(
        roh, [&](QStringView t) { r += t; },
        [&](QStringView name, QStringView ganz) {
            QString z;
            if (Zeichenreferenz(name, z)) {
                r += z;
            } else if (const auto v = Vordefiniert().constFind(name.toString()); v != Vordefiniert().constEnd()) {
                r += *v;
            } else if (const QString* e = entitäten.Wert(name); e && tiefe < MaxEntitaetTiefe && vorrat > 0) {
                const QString wert = Aufgeloest(*e, entitäten, tiefe + 1, --vorrat);
                vorrat -= wert.size();
                r += wert;
            } else {
                r += ganz;
            }
        });
    return r;
}

// The line of the file a node starts on.
int32_t Zeilennummer(const QByteArray& utf8, pugi::xml_node k)
{
    const std::ptrdiff_t stelle = k.offset_debug();
    const qsizetype bis = stelle < 0 ? utf8.size() : std::min<qsizetype>(stelle, utf8.size());
    return static_cast<int32_t>(utf8.left(bis).count('\n') + 1);
}

// The document type's text, empty when there is none.
QString Doctype(pugi::xml_node n)
{
    for (pugi::xml_node k = n.root().first_child(); k; k = k.next_sibling())
        if (k.type() == pugi::node_doctype)
            return AusUtf8(k.value());
    return {};
}

int64_t Summe(int64_t a, int64_t b)
{
    constexpr int64_t Decke = int64_t(1) << 50;
    return std::min(a + b, Decke);
}

// Visits every node below start in document order without recursion, so that no nesting depth
// can exhaust the stack; besuche(node, depth) returns false to stop. Depth 1: children of start.
template <class F>
void Durchlaufe(pugi::xml_node start, F besuche)
{
    pugi::xml_node k = start.first_child();
    int tiefe = 1;
    while (k) {
        if (!besuche(k, tiefe))
            return;
        if (const pugi::xml_node kind = k.first_child()) {
            k = kind;
            ++tiefe;
            continue;
        }
        while (k != start && !k.next_sibling()) {
            k = k.parent();
            --tiefe;
        }
        if (k == start)
            return;
        k = k.next_sibling();
    }
}

// Code points 0x80..0x9F of code page 1252 (the unassigned ones keep their own value).
constexpr std::array<char16_t, 32> Cp1252Hoch = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
// The eight places where ISO-8859-15 differs from ISO-8859-1.
constexpr std::array<std::pair<unsigned char, char16_t>, 8> Latin9 = {{{0xA4, 0x20AC},
                                                                       {0xA6, 0x0160},
                                                                       {0xA8, 0x0161},
                                                                       {0xB4, 0x017D},
                                                                       {0xB8, 0x017E},
                                                                       {0xBC, 0x0152},
                                                                       {0xBD, 0x0153},
                                                                       {0xBE, 0x0178}}};

enum class Einbyte { Keine, Latin1, Latin9, Cp1252 };

Einbyte EinbyteArt(const QByteArray& name)
{
    if (name == "ISO-8859-1" || name == "ISO8859-1" || name == "ISO_8859-1" || name == "LATIN1"
        || name == "LATIN-1" || name == "US-ASCII" || name == "ASCII")
        return Einbyte::Latin1;
    if (name == "ISO-8859-15" || name == "ISO8859-15" || name == "ISO_8859-15" || name == "LATIN-9"
        || name == "LATIN9")
        return Einbyte::Latin9;
    if (name == "WINDOWS-1252" || name == "CP1252" || name == "CP-1252")
        return Einbyte::Cp1252;
    return Einbyte::Keine;
}

char32_t EinbyteZeichen(unsigned char b, Einbyte art)
{
    if (art == Einbyte::Cp1252 && b >= 0x80 && b <= 0x9F)
        return Cp1252Hoch[b - 0x80];
    if (art == Einbyte::Latin9) {
        for (const auto& [byte, zeichen] : Latin9) {
            if (byte == b)
                return zeichen;
        }
    }
    return b;
}

// What stands beside the root element of a document parsed as a fragment: only white space
// (which is then removed, as a document parse keeps none there), the declaration, the document
// type, comments and processing instructions. Gives the reason and the node when more is there.
std::pair<const char*, pugi::xml_node> AusserhalbDerWurzel(pugi::xml_document& dokument)
{
    pugi::xml_node wurzel;
    for (pugi::xml_node k = dokument.first_child(); k;) {
        const pugi::xml_node nächster = k.next_sibling();
        switch (k.type()) {
        case pugi::node_element:
            if (wurzel)
                return {"Content after the root element", k};
            wurzel = k;
            break;
        case pugi::node_pcdata:
            for (const char* c = k.value(); *c; ++c)
                if (*c != ' ' && *c != '\t' && *c != '\r' && *c != '\n')
                    return {"Text outside the root element", k};
            dokument.remove_child(k);
            break;
        case pugi::node_cdata:
            return {"Text outside the root element", k};
        default:
            break;
        }
        k = nächster;
    }
    if (!wurzel)
        return {"No document element found", pugi::xml_node()};
    return {nullptr, pugi::xml_node()};
}

// "&#N;" for a character, without building strings on the way.
QByteArrayView Zeichenverweis(char32_t z)
{
    thread_local char puffer[16] = "&#";
    const auto [ende, fehler] = std::to_chars(puffer + 2, puffer + sizeof puffer - 1, static_cast<uint32_t>(z));
    *ende = ';';
    return QByteArrayView(puffer, ende + 1 - puffer);
}

// The byte of a character in a single-byte encoding, -1 when the encoding lacks it; a few
// comparisons, whatever the character.
int EinbyteByte(char32_t z, Einbyte art)
{
    if (z < 0x80)
        return static_cast<int>(z);
    if (art == Einbyte::Latin9) {
        for (const auto& [byte, zeichen] : Latin9) {
            if (zeichen == z)
                return byte;
            if (byte == z)
                return -1;  // the Latin-1 character this byte no longer stands for
        }
    } else if (art == Einbyte::Cp1252 && (z < 0xA0 || z > 0xFF)) {
        for (size_t i = 0; i < Cp1252Hoch.size(); ++i) {
            if (Cp1252Hoch[i] == z)
                return static_cast<int>(0x80 + i);
        }
        return -1;
    }
    return z < 0x100 ? static_cast<int>(z) : -1;
}

}  // namespace

namespace XmlKodierung {

QByteArray Deklariert(const QByteArray& roh)
{
    if (!roh.startsWith("<?xml"))
        return {};
    const qsizetype ende = roh.indexOf("?>");
    const QByteArray dekl = roh.left(ende < 0 ? 200 : ende);
    const qsizetype p = dekl.indexOf("encoding");
    if (p < 0)
        return {};
    qsizetype i = p + 8;
    while (i < dekl.size() && (dekl.at(i) == ' ' || dekl.at(i) == '=' || dekl.at(i) == '\t'))
        ++i;
    if (i >= dekl.size() || (dekl.at(i) != '"' && dekl.at(i) != '\''))
        return {};
    const char q = dekl.at(i);
    const qsizetype e = dekl.indexOf(q, i + 1);
    if (e < 0)
        return {};
    return dekl.mid(i + 1, e - i - 1).trimmed().toUpper();
}

bool NachUtf8(const QByteArray& roh, QByteArray& utf8, QByteArray& kodierung, bool& bom, QString& fehler)
{
    bom = false;
    kodierung.clear();
    if (roh.startsWith("\xEF\xBB\xBF")) {
        bom = true;
        utf8 = roh.mid(3);
        return true;
    }
    if (roh.startsWith("\xFF\xFE") || roh.startsWith("\xFE\xFF")) {
        const bool le = roh.startsWith("\xFF\xFE");
        bom = true;
        kodierung = le ? "UTF-16LE" : "UTF-16BE";
        QString s;
        s.reserve((roh.size() - 2) / 2);
        for (qsizetype i = 2; i + 1 < roh.size(); i += 2) {
            const auto a = static_cast<unsigned char>(roh.at(i));
            const auto b = static_cast<unsigned char>(roh.at(i + 1));
            s.append(QChar(static_cast<char16_t>(le ? (b << 8 | a) : (a << 8 | b))));
        }
        utf8 = s.toUtf8();
        return true;
    }
    const QByteArray name = Deklariert(roh);
    if (name.isEmpty() || name == "UTF-8" || name == "UTF8") {
        utf8 = roh;
        return true;
    }
    const Einbyte art = EinbyteArt(name);
    if (art == Einbyte::Keine) {
        fehler = Text(3176, {QString::fromLatin1(name)}) + QStringLiteral("\r\n");
        return false;
    }
    kodierung = name;
    QString s;
    s.reserve(roh.size());
    for (char c : roh) {
        const char32_t z = EinbyteZeichen(static_cast<unsigned char>(c), art);
        s.append(QChar(static_cast<char16_t>(z)));
    }
    utf8 = s.toUtf8();
    return true;
}

QByteArray AusUtf8(const QByteArray& utf8, const QByteArray& kodierung, bool bom)
{
    if (kodierung.isEmpty())
        return bom ? QByteArray("\xEF\xBB\xBF") + utf8 : utf8;
    const QString text = QString::fromUtf8(utf8);
    if (kodierung.startsWith("UTF-16")) {
        const bool le = kodierung == "UTF-16LE";
        QByteArray r = le ? QByteArray("\xFF\xFE") : QByteArray("\xFE\xFF");
        for (QChar c : text) {
            const char16_t u = c.unicode();
            const char hi = static_cast<char>(u >> 8);
            const char lo = static_cast<char>(u & 0xFF);
            r.append(le ? lo : hi);
            r.append(le ? hi : lo);
        }
        return r;
    }
    const Einbyte art = EinbyteArt(kodierung);
    QByteArray r;
    r.reserve(utf8.size());
    for (char32_t z : text.toUcs4()) {
        const int byte = EinbyteByte(z, art);
        if (byte >= 0)
            r.append(static_cast<char>(byte));
        else
            r.append(Zeichenverweis(z));
    }
    return r;
}

}  // namespace XmlKodierung

// ---------------------------------------------------------------- entities of the document type

namespace {

bool Leer(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

// Reads the markup of an internal subset one piece at a time.
class Teilmenge {
public:
    explicit Teilmenge(QStringView t) : m_t(t) {}
    bool Ende() const { return m_i >= m_t.size(); }
    bool Beginnt(QStringView s) const { return m_t.mid(m_i).startsWith(s); }
    void Weiter(qsizetype n) { m_i = std::min(m_i + n, m_t.size()); }
    QChar Zeichen() const { return m_t.at(m_i); }
    void LeerUeberspringen()
    {
        while (!Ende() && Leer(Zeichen()))
            ++m_i;
    }
    // Up to and past the text s (or to the end).
    void Bis(QStringView s)
    {
        const qsizetype e = m_t.indexOf(s, m_i);
        m_i = e < 0 ? m_t.size() : e + s.size();
    }
    // A quoted text, without its quotes; false (nothing read) when no quote stands here.
    bool Zitat(QStringView& wert)
    {
        if (Ende() || (Zeichen() != u'"' && Zeichen() != u'\''))
            return false;
        const qsizetype e = m_t.indexOf(Zeichen(), m_i + 1);
        const qsizetype bis = e < 0 ? m_t.size() : e;
        wert = m_t.mid(m_i + 1, bis - m_i - 1);
        m_i = e < 0 ? m_t.size() : e + 1;
        return true;
    }
    QStringView Name()
    {
        const qsizetype a = m_i;
        while (!Ende() && !Leer(Zeichen()) && Zeichen() != u'"' && Zeichen() != u'\'' && Zeichen() != u'>'
               && Zeichen() != u'%')
            ++m_i;
        return m_t.mid(a, m_i - a);
    }
    // Past the ">" that ends a declaration; quoted texts may hold one.
    void DeklarationsEnde()
    {
        while (!Ende()) {
            QStringView z;
            if (Zitat(z))
                continue;
            const bool ende = Zeichen() == u'>';
            ++m_i;
            if (ende)
                return;
        }
    }

private:
    QStringView m_t;
    qsizetype m_i = 0;
};

}  // namespace

XmlArbeit XmlArbeitBisher()
{
    return arbeit;
}

XmlEntitaeten::XmlEntitaeten(QStringView doctype)
{
    arbeit.deklarationszeichen += doctype.size();
    Teilmenge t(doctype);
    // The internal subset begins at the first "[" outside a quoted external id.
    while (!t.Ende() && t.Zeichen() != u'[') {
        QStringView z;
        if (!t.Zitat(z))
            t.Weiter(1);
    }
    t.Weiter(1);
    while (!t.Ende()) {
        t.LeerUeberspringen();
        if (t.Ende() || t.Zeichen() == u']')
            break;
        if (t.Beginnt(u"<!--")) {
            t.Bis(u"-->");
        } else if (t.Beginnt(u"<?")) {
            t.Bis(u"?>");
        } else if (t.Beginnt(u"<!ENTITY")) {
            t.Weiter(8);
            t.LeerUeberspringen();
            const bool parameter = !t.Ende() && t.Zeichen() == u'%';
            if (parameter) {
                t.Weiter(1);
                t.LeerUeberspringen();
            }
            const QStringView name = t.Name();
            t.LeerUeberspringen();
            QStringView wert;
            const bool intern = t.Zitat(wert);
            t.LeerUeberspringen();
            const bool ganz = !t.Ende() && t.Zeichen() == u'>';
            t.DeklarationsEnde();
            if (intern && ganz && !parameter && !name.isEmpty() && !m_index.contains(name.toString())) {
                m_index.insert(name.toString(), static_cast<int>(m_werte.size()));
                m_werte.push_back(wert.toString());
            }
        } else if (t.Beginnt(u"<!")) {
            t.DeklarationsEnde();
        } else if (t.Zeichen() == u'%') {
            t.Bis(u";");
        } else {
            t.Weiter(1);
        }
    }
    m_gemerkt.resize(m_werte.size());
}

const QString* XmlEntitaeten::Wert(QStringView name) const
{
    const auto it = m_index.constFind(name.toString());
    return it == m_index.constEnd() ? nullptr : &m_werte[static_cast<size_t>(*it)];
}

// A reference to the entity at nesting depth tiefe, counted as Aufgeloest resolves it; each
// entity and depth is counted once, so the count costs no more than the declarations' size.
XmlEntitaeten::Aufwand XmlEntitaeten::kosten(int entität, int tiefe) const
{
    Gemerkt& g = m_gemerkt[static_cast<size_t>(entität)][static_cast<size_t>(tiefe)];
    if (g.da)
        return g.a;
    Aufwand a{1, 0};
    int64_t länge = 0;
    arbeit.wertzeichen += m_werte[static_cast<size_t>(entität)].size();
    Zerlege(
        m_werte[static_cast<size_t>(entität)], [&](QStringView t) { länge = Summe(länge, t.size()); },
        [&](QStringView name, QStringView ganz) {
            QString z;
            if (Zeichenreferenz(name, z)) {
                länge = Summe(länge, z.size());
            } else if (Vordefiniert().contains(name.toString())) {
                länge = Summe(länge, 1);
            } else if (const auto it = m_index.constFind(name.toString());
                       it != m_index.constEnd() && tiefe + 1 < MaxEntitaetTiefe) {
                const Aufwand innen = kosten(*it, tiefe + 1);
                a.auflösungen = Summe(a.auflösungen, innen.auflösungen);
                a.zeichen = Summe(a.zeichen, innen.zeichen);
                länge = Summe(länge, m_gemerkt[static_cast<size_t>(*it)][static_cast<size_t>(tiefe + 1)].länge);
            } else {
                länge = Summe(länge, ganz.size());
            }
        });
    a.zeichen = Summe(a.zeichen, länge);
    g = {true, a, länge};
    return a;
}

XmlEntitaeten::Aufwand XmlEntitaeten::Kosten(QStringView roh) const
{
    Aufwand a;
    if (m_werte.empty())
        return a;
    Zerlege(
        roh, [](QStringView) {},
        [&](QStringView name, QStringView) {
            if (const auto it = m_index.constFind(name.toString()); it != m_index.constEnd()) {
                const Aufwand e = kosten(*it, 0);
                a.auflösungen = Summe(a.auflösungen, e.auflösungen);
                a.zeichen = Summe(a.zeichen, e.zeichen);
            }
        });
    return a;
}

XML_Tools::XML_Tools() = default;

void XML_Tools::Zurücksetzen()
{
    m_errorCode = 0;
    m_errorDescription.clear();
    m_errorLine = 0;
}

int32_t XML_Tools::LoadXMLDocument(const QString& pfad)
{
    Zurücksetzen();
    m_kontextPfad.clear();
    m_basisPfad.clear();
    m_dokument.reset();
    m_entitäten = XmlEntitaeten();
    m_kontext = pugi::xml_node();
    m_element = pugi::xml_node();
    QByteArray roh;
    QString grund;
    const Fremdlesen gelesen = LeseFremdeDatei(pfad, MaxDateigroesse, roh, &grund);
    if (gelesen != Fremdlesen::Gelesen) {
        m_errorCode = 2;
        m_errorDescription = Text(3171, {grund, pfad}) + QStringLiteral("\r\n");
        return m_errorCode;
    }
    QByteArray utf8;
    QByteArray kodierung;
    bool bom = false;
    QString fehler;
    if (!XmlKodierung::NachUtf8(roh, utf8, kodierung, bom, fehler)) {
        m_errorCode = 2;
        m_errorDescription = fehler;
        m_errorLine = 1;
        return m_errorCode;
    }
    roh = QByteArray();  // shared with utf8, or no longer needed
    // What the parser builds is bounded before it runs: a node for each markup and each text
    // between two, an attribute for each "=".
    if (const qsizetype marken = utf8.count('<'), zuweisungen = utf8.count('=');
        marken > MaxMarken || zuweisungen > MaxZuweisungen) {
        m_errorCode = 2;
        m_errorDescription = Text(3175, {VbVariant(MaxMarken),
                                         VbVariant(MaxZuweisungen)})
                             + QStringLiteral("\r\n");
        m_errorLine = 1;
        return m_errorCode;
    }
    // The parser would take a NUL for the end of the file, and a save would drop the rest.
    if (const qsizetype nul = utf8.indexOf('\0'); nul >= 0) {
        m_errorCode = 2;
        m_errorDescription = Text(3172) + QStringLiteral("\r\n");
        m_errorLine = static_cast<int32_t>(utf8.left(nul).count('\n') + 1);
        return m_errorCode;
    }
    // Texts and attribute values stay as the file wrote them, references included: a save writes
    // back unchanged what the program did not change, so an entity of the document type keeps
    // its meaning for the host. Reading resolves the references (KnotenText). Nothing is
    // fetched: the parser knows no DTDs. Line ends and white space stay as they stand.
    // Parsed as a fragment, so that nothing outside the root element is passed over unseen: a
    // second element or text there makes the file no XML document.
    const unsigned int optionen = (pugi::parse_full | pugi::parse_ws_pcdata | pugi::parse_fragment)
                                  & ~(pugi::parse_eol | pugi::parse_escapes | pugi::parse_wconv_attribute);
    const pugi::xml_parse_result r =
        m_dokument.load_buffer(utf8.constData(), static_cast<size_t>(utf8.size()), optionen, pugi::encoding_utf8);
    if (!r) {
        m_errorCode = 2;
        m_errorDescription = AusUtf8(r.description()) + QStringLiteral("\r\n");
        const qsizetype bis = std::min<qsizetype>(static_cast<qsizetype>(r.offset), utf8.size());
        m_errorLine = static_cast<int32_t>(utf8.left(bis).count('\n') + 1);
        m_dokument.reset();
        return m_errorCode;
    }
    if (const auto [fehler, knoten] = AusserhalbDerWurzel(m_dokument); fehler) {
        m_errorCode = 2;
        m_errorDescription = AusUtf8(fehler) + QStringLiteral("\r\n");
        m_errorLine = knoten ? Zeilennummer(utf8, knoten) : 1;
        m_dokument.reset();
        return m_errorCode;
    }
    // A file nested absurdly deep is no exchange file: refused like one that does not parse.
    int32_t zuTief = 0;
    Durchlaufe(m_dokument, [&](pugi::xml_node k, int tiefe) {
        // A save writes every attribute in double quotes.
        for (pugi::xml_attribute a : k.attributes())
            if (std::strchr(a.value(), '"'))
                a.set_value(QByteArray(a.value()).replace("\"", "&quot;").constData());
        if (tiefe <= MaxTiefe || k.type() != pugi::node_element)
            return true;
        zuTief = Zeilennummer(utf8, k);
        return false;
    });
    if (zuTief > 0) {
        m_errorCode = 2;
        m_errorDescription = Text(3173, {VbVariant(MaxTiefe)}) + QStringLiteral("\r\n");
        m_errorLine = zuTief;
        m_dokument.reset();
        return m_errorCode;
    }
    // The declarations are read once; what resolving every reference of the document would cost
    // is counted before anything is read, so that entities multiplying each other, also empty
    // ones, are refused at once.
    m_entitäten = XmlEntitaeten(Doctype(m_dokument));
    XmlEntitaeten::Aufwand aufwand;
    int32_t zuTeuer = 0;
    Durchlaufe(m_dokument, [&](pugi::xml_node k, int) {
        if (k.type() != pugi::node_pcdata)
            return true;
        const XmlEntitaeten::Aufwand a = m_entitäten.Kosten(AusUtf8(k.value()));
        aufwand.auflösungen = Summe(aufwand.auflösungen, a.auflösungen);
        aufwand.zeichen = Summe(aufwand.zeichen, a.zeichen);
        if (aufwand.auflösungen <= MaxAufloesungen && aufwand.zeichen <= MaxEntitaetZeichen)
            return true;
        zuTeuer = Zeilennummer(utf8, k);
        return false;
    });
    if (zuTeuer > 0) {
        m_errorCode = 2;
        m_errorDescription = Text(3174, {VbVariant(MaxAufloesungen),
                                         VbVariant(MaxEntitaetZeichen)})
                             + QStringLiteral("\r\n");
        m_errorLine = zuTeuer;
        m_dokument.reset();
        m_entitäten = XmlEntitaeten();
        return m_errorCode;
    }
    m_dateiname = pfad;
    m_kodierung = kodierung;
    m_bom = bom;
    // The parser keeps no white space between the top-level nodes: remember the line break
    // after the declaration and the white space at the end.
    m_trenner.clear();
    m_deklaration.clear();
    if (utf8.startsWith("<?xml")) {
        m_deklaration = utf8.left(utf8.indexOf("?>") + 2);
        qsizetype i = utf8.indexOf("?>") + 2;
        while (i > 1 && i < utf8.size() && QChar::isSpace(static_cast<uchar>(utf8.at(i))))
            m_trenner += utf8.at(i++);
    }
    m_ende.clear();
    for (qsizetype i = utf8.size() - 1; i >= 0 && QChar::isSpace(static_cast<uchar>(utf8.at(i))); --i)
        m_ende.prepend(utf8.at(i));
    m_kontext = m_dokument;
    return m_errorCode;
}

int32_t XML_Tools::SaveXMLDocument(const QString& pfad)
{
    Zurücksetzen();
    const QString ziel = pfad.isEmpty() ? m_dateiname : pfad;
    if (ziel.isEmpty()) {
        m_errorCode = 4;
        m_errorDescription = QStringLiteral("No file name to save to");
        return m_errorCode;
    }
    ByteSchreiber schreiber;
    for (pugi::xml_node k = m_dokument.first_child(); k; k = k.next_sibling()) {
        if (k != m_dokument.first_child())
            schreiber.daten += m_trenner;
        if (k.type() == pugi::node_declaration && k == m_dokument.first_child() && !m_deklaration.isEmpty())
            schreiber.daten += m_deklaration;  // as the file wrote it
        else
            k.print(schreiber, "", pugi::format_raw | pugi::format_no_escapes, pugi::encoding_utf8);
    }
    schreiber.daten += m_ende;
    const QByteArray daten = XmlKodierung::AusUtf8(schreiber.daten, m_kodierung, m_bom);
    // A failed write leaves the old file as it was.
    QString fehler;
    if (!SchreibeDatei(ziel, daten, &fehler)) {
        m_errorCode = 4;
        m_errorDescription = fehler;
    }
    return m_errorCode;
}

QString XML_Tools::ErrorMerkXPath() const
{
    if (m_basisPfad.isEmpty())
        return QStringLiteral("/") + m_letzterXPath;
    if (m_basisPfad.endsWith(QLatin1Char('/')))
        return m_basisPfad + m_letzterXPath;
    return m_basisPfad + QStringLiteral("/") + m_letzterXPath;
}

void XML_Tools::Merken(const QString& xpath, bool relativ)
{
    m_letzterXPath = xpath;
    m_basisPfad = relativ ? m_kontextPfad : QString();
}

bool XML_Tools::Auswählen(pugi::xml_node start, const QString& xpath, pugi::xpath_node& treffer)
{
    try {
        ++arbeit.auswahlen;
        const pugi::xpath_query q(Utf8(xpath).constData());
        treffer = start.select_node(q);
    } catch (const pugi::xpath_exception& e) {
        m_errorCode = 3;
        m_errorDescription = AusUtf8(e.what());
        return false;
    }
    if (!treffer) {
        m_errorCode = 3;
        m_errorDescription = UngueltigerPfad;
        return false;
    }
    return true;
}

bool XML_Tools::AuswählenListe(pugi::xml_node start, const QString& xpath, pugi::xpath_node_set& liste)
{
    try {
        ++arbeit.auswahlen;
        const pugi::xpath_query q(Utf8(xpath).constData());
        liste = start.select_nodes(q);
    } catch (const pugi::xpath_exception& e) {
        m_errorCode = 3;
        m_errorDescription = AusUtf8(e.what());
        return false;
    }
    if (liste.empty()) {
        m_errorCode = 3;
        m_errorDescription = UngueltigerPfad;
        return false;
    }
    return true;
}

pugi::xml_node XML_Tools::Startknoten(bool relativ)
{
    const pugi::xml_node start = relativ ? m_kontext : pugi::xml_node(m_dokument);
    if (!start) {
        m_errorCode = 1;
        m_errorDescription = KeinStartknoten;
    }
    return start;
}

int32_t XML_Tools::SetNewKontextNode(const QString& xpath, bool relativ)
{
    Zurücksetzen();
    Merken(xpath, relativ);
    const pugi::xml_node start = Startknoten(relativ);
    if (!start)
        return m_errorCode;
    pugi::xpath_node treffer;
    if (!Auswählen(start, xpath, treffer))
        return m_errorCode;
    if (treffer.attribute() || treffer.node().type() != pugi::node_element) {
        m_errorCode = 3;
        m_errorDescription = KeinElement;
        return m_errorCode;
    }
    m_kontext = treffer.node();
    m_kontextPfad = m_basisPfad + xpath;
    return m_errorCode;
}

pugi::xpath_node XML_Tools::GetXmlNodeByXpath(const QString& xpath, bool relativ)
{
    Zurücksetzen();
    const pugi::xml_node start = Startknoten(relativ);
    if (!start)
        return {};
    pugi::xpath_node treffer;
    if (!Auswählen(start, xpath, treffer))
        return {};
    return treffer;
}

const pugi::xpath_node_set* XML_Tools::GetListNodesByXpath(const QString& xpath, bool relativ)
{
    Zurücksetzen();
    Merken(xpath, relativ);
    m_hatListe = false;
    m_liste = pugi::xpath_node_set();
    const pugi::xml_node start = Startknoten(relativ);
    if (!start)
        return nullptr;
    pugi::xpath_node_set liste;
    if (!AuswählenListe(start, xpath, liste))
        return nullptr;
    m_liste = liste;
    m_hatListe = true;
    return &m_liste;
}

pugi::xml_node XML_Tools::GetSingleNodeByXpath(const QString& xpath, bool relativ)
{
    Zurücksetzen();
    Merken(xpath, relativ);
    m_element = pugi::xml_node();
    const pugi::xml_node start = Startknoten(relativ);
    if (!start)
        return {};
    pugi::xpath_node treffer;
    if (!Auswählen(start, xpath, treffer))
        return {};
    if (treffer.attribute() || treffer.node().type() != pugi::node_element) {
        m_errorCode = 3;
        m_errorDescription = KeinElement;
        return {};
    }
    m_element = treffer.node();
    if (m_kontextSetzen) {
        m_kontext = m_element;
        m_kontextPfad = m_basisPfad + xpath;
        m_basisPfad = m_kontextPfad;
    }
    return m_element;
}

pugi::xml_node XML_Tools::GetSingleNodeByXpathAndSetNewKontextNode(const QString& xpath, bool relativ)
{
    m_kontextSetzen = true;
    const pugi::xml_node e = GetSingleNodeByXpath(xpath, relativ);
    m_kontextSetzen = false;
    return e;
}

const pugi::xpath_node_set* XML_Tools::GetListElementsByName(const QString& name, bool relativ)
{
    Zurücksetzen();
    Merken(name, relativ);
    m_hatListe = false;
    m_liste = pugi::xpath_node_set();
    const pugi::xml_node start = Startknoten(relativ);
    if (!start)
        return nullptr;
    std::vector<pugi::xpath_node> gefunden;
    const std::string n = name.toStdString();
    Durchlaufe(start, [&](pugi::xml_node k, int) {
        if (k.type() == pugi::node_element && n == k.name())
            gefunden.emplace_back(k);
        return true;
    });
    if (gefunden.empty()) {
        m_errorCode = 3;
        m_errorDescription = UngueltigerPfad;
        return nullptr;
    }
    m_liste = pugi::xpath_node_set(gefunden.data(), gefunden.data() + gefunden.size(),
                                   pugi::xpath_node_set::type_sorted);
    m_hatListe = true;
    return &m_liste;
}

bool XML_Tools::RemoveChildNode(const QString& xpath)
{
    if (!m_kontext)
        return false;
    pugi::xpath_node treffer;
    try {
        ++arbeit.auswahlen;
        const pugi::xpath_query q(Utf8(xpath).constData());
        treffer = m_kontext.select_node(q);
    } catch (const pugi::xpath_exception&) {
        return false;
    }
    if (!treffer || treffer.attribute() || treffer.node().parent() != m_kontext)
        return false;
    return m_kontext.remove_child(treffer.node());
}

void XML_Tools::RemoveChildElements(pugi::xml_node eltern, const QString& name)
{
    const QByteArray n = Utf8(name);
    for (pugi::xml_node k = eltern.first_child(); k;) {
        const pugi::xml_node nächstes = k.next_sibling();
        if (k.type() == pugi::node_element && n == k.name())
            eltern.remove_child(k);
        k = nächstes;
    }
}

pugi::xml_node XML_Tools::AppendDocumentFragment(pugi::xml_node eltern, XmlFragment& fragment)
{
    if (!eltern)
        return {};
    pugi::xml_node halter = fragment.Knoten();
    while (pugi::xml_node k = halter.first_child()) {
        if (!eltern.append_copy(k))
            return {};
        halter.remove_child(k);
    }
    return eltern;
}

pugi::xml_node XML_Tools::CreateNodeAndAppendDocumentFragment(pugi::xml_node eltern, const QString& name,
                                                              XmlFragment& fragment)
{
    const pugi::xml_node neu = CreateAppendChildElementNode(eltern, name);
    if (!AppendDocumentFragment(neu, fragment))
        return {};
    return neu;
}

pugi::xml_node XML_Tools::CreateAppendChildElementNode(pugi::xml_node eltern, const QString& name)
{
    PruefeName(name);
    return eltern.append_child(Utf8(name).constData());
}

pugi::xml_node XML_Tools::CreateAppendChildTextElementNode(pugi::xml_node eltern, const QString& name,
                                                           const QString& text)
{
    pugi::xml_node neu = CreateAppendChildElementNode(eltern, name);
    neu.append_child(pugi::node_pcdata).set_value(Maskiert(text).constData());
    return neu;
}

int32_t XML_Tools::GetElementText(const QString& xpath)
{
    const pugi::xml_node e = GetSingleNodeByXpath(xpath, true);
    m_elementText = m_errorCode == 0 ? KnotenText(e, &m_entitäten) : QString();
    return m_errorCode;
}

int32_t XML_Tools::SetElementText(const QString& text, const QString& xpath)
{
    const pugi::xml_node e = GetSingleNodeByXpath(xpath, true);
    if (m_errorCode == 0)
        SetzeKnotenText(e, text);
    return m_errorCode;
}

QString XML_Tools::KnotenText(pugi::xml_node n, const XmlEntitaeten* entitäten)
{
    std::optional<XmlEntitaeten> eigene;
    // Enough for every text of a document that passed the load's check.
    qsizetype vorrat = MaxAufloesungen + MaxEntitaetZeichen;
    const auto text = [&](pugi::xml_node k) {
        const QString roh = AusUtf8(k.value());
        if (k.type() == pugi::node_cdata || !roh.contains(u'&'))
            return roh;
        if (!entitäten) {
            eigene.emplace(Doctype(k));
            entitäten = &*eigene;
        }
        return Aufgeloest(roh, *entitäten, 0, vorrat);
    };
    if (n.type() == pugi::node_pcdata || n.type() == pugi::node_cdata)
        return text(n);
    QString r;
    Durchlaufe(n, [&](pugi::xml_node k, int) {
        if (k.type() == pugi::node_pcdata || k.type() == pugi::node_cdata)
            r += text(k);
        return true;
    });
    return r;
}

void XML_Tools::SetzeKnotenText(pugi::xml_node n, const QString& text)
{
    while (pugi::xml_node k = n.first_child())
        n.remove_child(k);
    n.append_child(pugi::node_pcdata).set_value(Maskiert(text).constData());
}
