-- Tables that 40_pumpen_kompressoren.sql fills, for a build without the schema file.
-- Every statement is a no-op once the schema has created the table.
CREATE TABLE IF NOT EXISTS ARTIKEL (
  arArtikelnr TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
  arKurztext1 TEXT,
  arKurztext2 TEXT,
  arPreis REAL,
  ltLangtextnr INTEGER
);
CREATE TABLE IF NOT EXISTS Artikel_Zusatz (
  artikelnr TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
  dxfText TEXT,
  entluefterCode TEXT,
  entluefterSortier INTEGER,
  Solaranlage BOOLEAN NOT NULL CHECK (Solaranlage IN (-1, 0)),
  TitelGruppe INTEGER
);
CREATE TABLE IF NOT EXISTS LANGTEXTE (
  ltLangtextnr INTEGER NOT NULL UNIQUE,
  ltText TEXT
);
CREATE TABLE IF NOT EXISTS PumpenKomprSteuerung (
  PumpKomprTyp TEXT NOT NULL,
  Steuermodul TEXT NOT NULL,
  Artikelnr TEXT COLLATE NOCASE UNIQUE,
  ArtNrKappV TEXT COLLATE NOCASE,
  Beschreibung TEXT,
  PRIMARY KEY (PumpKomprTyp, Steuermodul)
);
