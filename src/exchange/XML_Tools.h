#pragma once
#include <QByteArray>
#include <QString>

#include <QHash>

#include <array>
#include <cstdint>
#include <memory>
#include <pugixml.hpp>
#include <vector>

// A detached holder of nodes built before they are placed in the document; appending it moves
// its children under the parent, after which it is empty again.
class XmlFragment {
public:
    XmlFragment() : m_halter(std::make_shared<pugi::xml_document>()) {}
    pugi::xml_node Knoten() const { return *m_halter; }
    bool HatKinder() const { return static_cast<bool>(m_halter->first_child()); }

private:
    std::shared_ptr<pugi::xml_document> m_halter;
};

// The internal general entities of a document type, read once per document, and what resolving
// references to them costs.
class XmlEntitaeten {
public:
    // The work of resolving references: entities resolved, and characters produced at every level.
    struct Aufwand {
        int64_t auflösungen = 0;
        int64_t zeichen = 0;
    };

    XmlEntitaeten() = default;
    // The declarations of the internal subset of a document type as the parser keeps it (the text
    // after "<!DOCTYPE"). Only real declarations count: comments, processing instructions,
    // parameter entities and quoted texts are passed over. The first declaration of a name
    // counts; external entities are not read.
    explicit XmlEntitaeten(QStringView doctype);
    // The value as declared, or nullptr.
    const QString* Wert(QStringView name) const;
    // The work of resolving every reference of a text as the file wrote it.
    Aufwand Kosten(QStringView roh) const;

private:
    Aufwand kosten(int entität, int tiefe) const;

    QHash<QString, int> m_index;
    std::vector<QString> m_werte;
    struct Gemerkt {
        bool da = false;
        Aufwand a;
        int64_t länge = 0;
    };
    mutable std::vector<std::array<Gemerkt, 9>> m_gemerkt;
};

// One XML document with the lookups of the host exchange. Every lookup leaves an error state
// (code, description, line, the XPath tried) so that a caller tests one number per step.
// Codes: 0 success, 1 no start node, 2 load or parse error, 3 nothing selected or selection
// error, 4 save error.
class XML_Tools {
public:
    // Deepest element nesting a file may have; a deeper one is a load error (code 2).
    static constexpr int MaxTiefe = 1000;
    // Largest file that is read, far above any real exchange file; a larger one is a load error.
    static constexpr qint64 MaxDateigroesse = qint64(64) << 20;
    // Markup ("<") and attribute assignments ("=") a file may hold, far above any real exchange
    // file: they bound the parser's nodes and attributes, which take many times the bytes of
    // their text. More is a load error (code 2).
    static constexpr qint64 MaxMarken = 1'000'000;
    static constexpr qint64 MaxZuweisungen = 1'000'000;
    // Entity references a document may need resolved, and the characters that resolving may
    // produce, over all its texts; more is a load error (code 2).
    static constexpr int64_t MaxAufloesungen = 100000;
    static constexpr int64_t MaxEntitaetZeichen = int64_t(1) << 22;

    XML_Tools();

    int32_t LoadXMLDocument(const QString& pfad);
    int32_t SaveXMLDocument(const QString& pfad = QString());
    int32_t ErrorCode() const { return m_errorCode; }
    QString Error_Description() const { return m_errorDescription; }
    int32_t ErrorLine() const { return m_errorLine; }
    QString ErrorMerkXPath() const;
    int32_t SetNewKontextNode(const QString& xpath, bool relativ);
    pugi::xpath_node GetXmlNodeByXpath(const QString& xpath, bool relativ);
    const pugi::xpath_node_set* GetListNodesByXpath(const QString& xpath, bool relativ);
    pugi::xml_node GetSingleNodeByXpath(const QString& xpath, bool relativ);
    pugi::xml_node GetSingleNodeByXpathAndSetNewKontextNode(const QString& xpath, bool relativ);
    const pugi::xpath_node_set* GetListElementsByName(const QString& name, bool relativ);
    // True when a direct child of the context node was found and removed.
    bool RemoveChildNode(const QString& xpath);
    // Removes every child element of that name of the node in one pass; the error state is not
    // touched.
    static void RemoveChildElements(pugi::xml_node eltern, const QString& name);
    XmlFragment CreateDocumentFragment() const { return XmlFragment(); }
    pugi::xml_node AppendDocumentFragment(pugi::xml_node eltern, XmlFragment& fragment);
    pugi::xml_node CreateNodeAndAppendDocumentFragment(pugi::xml_node eltern, const QString& name,
                                                       XmlFragment& fragment);
    pugi::xml_node CreateAppendChildElementNode(pugi::xml_node eltern, const QString& name);
    pugi::xml_node CreateAppendChildTextElementNode(pugi::xml_node eltern, const QString& name,
                                                    const QString& text);
    int32_t GetElementText(const QString& xpath);
    QString ElementeText() const { return m_elementText; }
    int32_t SetElementText(const QString& text, const QString& xpath);

    // The concatenated text of all descendants; setting it replaces the children by one text.
    // Without a table the entities are read from the node's document type.
    static QString KnotenText(pugi::xml_node n, const XmlEntitaeten* entitäten = nullptr);
    static void SetzeKnotenText(pugi::xml_node n, const QString& text);

    pugi::xml_node Kontextknoten() const { return m_kontext; }
    QString GeladeneDatei() const { return m_dateiname; }

private:
    void Zurücksetzen();
    // Selects the first node; false with code 3 on a selection error or on no match.
    bool Auswählen(pugi::xml_node start, const QString& xpath, pugi::xpath_node& treffer);
    bool AuswählenListe(pugi::xml_node start, const QString& xpath, pugi::xpath_node_set& liste);
    void Merken(const QString& xpath, bool relativ);
    // The context node or the document; without one error 1 is set and a null node returned.
    pugi::xml_node Startknoten(bool relativ);

    pugi::xml_document m_dokument;
    XmlEntitaeten m_entitäten;  // of the loaded document
    QString m_dateiname;
    pugi::xpath_node_set m_liste;
    bool m_hatListe = false;
    pugi::xml_node m_element;
    pugi::xml_node m_kontext;
    bool m_kontextSetzen = false;
    QString m_elementText;
    int32_t m_errorCode = 0;
    QString m_errorDescription;
    int32_t m_errorLine = 0;
    QString m_kontextPfad;
    QString m_basisPfad;
    QString m_letzterXPath;
    // How the file was stored, so that a save writes it back the same way.
    QByteArray m_kodierung;  // empty: UTF-8
    bool m_bom = false;
    QByteArray m_deklaration;  // the declaration's text as loaded
    QByteArray m_trenner;      // between top-level nodes
    QByteArray m_ende;     // after the last one
};

// The work of reading XML on this thread so far: characters of document type declarations read,
// characters of entity values read to count what resolving references costs, XPath selections.
struct XmlArbeit {
    int64_t deklarationszeichen = 0;
    int64_t wertzeichen = 0;
    int64_t auswahlen = 0;
};
XmlArbeit XmlArbeitBisher();

// Decoding of the exchange file's bytes and encoding back (UTF-8 with or without BOM, UTF-16
// with BOM, ISO-8859-1, ISO-8859-15, code page 1252).
namespace XmlKodierung {
// The encoding named by the XML declaration (upper case), empty when none is declared.
QByteArray Deklariert(const QByteArray& roh);
// Decodes to UTF-8; false when the encoding is not supported. kodierung gets the name used.
bool NachUtf8(const QByteArray& roh, QByteArray& utf8, QByteArray& kodierung, bool& bom,
              QString& fehler);
// Encodes UTF-8 text back; characters the encoding lacks are written as character references.
QByteArray AusUtf8(const QByteArray& utf8, const QByteArray& kodierung, bool bom);
}  // namespace XmlKodierung
