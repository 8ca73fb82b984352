#include "support/ArtikelFixture.h"

#include "base/Programmzustand.h"

QStringList ArtikelFixture::anweisungen(const QString& sql)
{
    QStringList aus;
    QString aktuell;
    QChar ende;  // the closing character of the quote or bracket we are in; null outside
    for (const QChar c : sql) {
        if (ende.isNull()) {
            if (c == QLatin1Char(';')) {
                if (!aktuell.trimmed().isEmpty())
                    aus << aktuell.trimmed();
                aktuell.clear();
                continue;
            }
            if (c == QLatin1Char('\'') || c == QLatin1Char('"'))
                ende = c;
            else if (c == QLatin1Char('['))
                ende = QLatin1Char(']');
        } else if (c == ende) {
            ende = QChar();
        }
        aktuell += c;
    }
    if (!aktuell.trimmed().isEmpty())
        aus << aktuell.trimmed();
    return aus;
}

ArtikelFixture::ArtikelFixture(const QString& sql)
    : m_db({}, Kennwort::Artikeldatenbank, QStringLiteral("Artikeld.db")),
      m_vorherigerPfad(zustand().Artikel_Data_Source)
{
    zustand().Artikel_Data_Source = m_db.pfad();
    ausführen(sql);
}

ArtikelFixture::~ArtikelFixture()
{
    zustand().Artikel_Data_Source = m_vorherigerPfad;
}

bool ArtikelFixture::ausführen(const QString& sql)
{
    const bool ok = m_db.ausfuehren(anweisungen(sql));
    m_ok = m_ok && ok;
    return ok;
}
