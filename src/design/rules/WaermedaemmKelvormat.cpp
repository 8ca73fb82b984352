#include "design/rules/WaermedaemmKelvormat.h"

#include "data/Kennwort.h"
#include "data/datenbank.h"
#include "base/Programmzustand.h"
#include "base/Zahlen.h"

QString WärmedämmKelvormat::GetArtNrWärmedämmung(int16_t inhalt) const
{
    if (inhalt > 2000)
        return QString();
    datenbank db;
    const QString sql = QStringLiteral("SELECT * FROM [Wärmedämmung Kelvormat] WHERE [Inhalt] = ") + Zahlen::Str(inhalt);
    if (db.OpenTab(zustand().Artikel_Data_Source, sql, 3, Kennwort::Artikeldatenbank, true) != 0 || db.EmptyTab())
        return QString();
    return db.GetFeld(QStringLiteral("Art Nr")).toString();
}
