-- Schema of the article database.
--
-- Conventions:
--  * Booleans are declared BOOLEAN and hold -1 (true) or 0 (false), never NULL.
--  * Article numbers are TEXT COLLATE NOCASE.
--  * Rows are read in stored (rowid) order where the program takes "the first row"
--    without ORDER BY. A single INTEGER key is therefore declared NOT NULL UNIQUE,
--    never PRIMARY KEY: an INTEGER PRIMARY KEY would become the rowid and reorder
--    the rows by key.
--  * Names with blanks or punctuation are bracketed.

CREATE TABLE Waehrung (
  Waehrungskürzel TEXT,
  [MwStSatz in Prozent] REAL
);

-- Articles and texts ---------------------------------------------------------
-- Article numbers by file:
--   20_texte.sql                  long texts and masks only
--   30_gefaesse.sql               vessels 4GGNN, cap valves at vessels 241xx, connection groups 242xx
--   40_pumpen_kompressoren.sql    compressor and pump units and control modules 210xx-214xx
--                                 ([PumpenKomprSteuerung] and their ARTIKEL/Artikel_Zusatz rows)
--   50_sicherheit.sql             safety valves 25xxx, 26xxx, 28xxx, 29495, 30xxx, 31xxx,
--                                 traps 27020-27150, 27450-27459, 00000
--   60_zubehoer.sql               generator cap valves 240xx, make-up 237xx, ENA 238xx,
--                                 insulation 225xx, accessories 17xxx, 22380, 22386
--   70_schlamm_entlueftung.sql    dirt separators 320xx, shells 340xx, venting 33xxx
--   80_speicher.sql               tanks 3GGNN (350xx-352xx)
-- Deliberately missing: 24199 (named by a 16-bar solar vessel only), the shells 341xx.

CREATE TABLE ARTIKEL (
  arArtikelnr TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
  arKurztext1 TEXT,
  arKurztext2 TEXT,
  arPreis REAL,
  ltLangtextnr INTEGER
);

CREATE TABLE Artikel_Zusatz (
  artikelnr TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
  dxfText TEXT,
  entluefterCode TEXT,
  entluefterSortier INTEGER,
  Solaranlage BOOLEAN NOT NULL CHECK (Solaranlage IN (-1, 0)),
  TitelGruppe INTEGER
);

CREATE TABLE LANGTEXTE (
  ltLangtextnr INTEGER NOT NULL UNIQUE,
  ltText TEXT
);

CREATE TABLE EINFUEGETEXTE (
  etEinfuegetextnr INTEGER NOT NULL UNIQUE,
  etText TEXT
);

CREATE TABLE DIMENSIONSTEXTE (
  arArtikelnr TEXT COLLATE NOCASE NOT NULL,
  ltLangtextnr INTEGER,
  diTextzeile TEXT
);

-- Vessel groups and vessels ------------------------------------------------

CREATE TABLE [Gruppen MAG] (
  Gruppe INTEGER NOT NULL UNIQUE,
  Bezeichnung TEXT,
  Heizung BOOLEAN NOT NULL CHECK (Heizung IN (-1, 0)),
  Kälte BOOLEAN NOT NULL CHECK (Kälte IN (-1, 0)),
  Solar BOOLEAN NOT NULL CHECK (Solar IN (-1, 0)),
  Trinkwasser BOOLEAN NOT NULL CHECK (Trinkwasser IN (-1, 0)),
  Druckerhöhung BOOLEAN NOT NULL CHECK (Druckerhöhung IN (-1, 0)),
  Speicher BOOLEAN NOT NULL CHECK (Speicher IN (-1, 0)),
  Austauschmembran BOOLEAN NOT NULL CHECK (Austauschmembran IN (-1, 0)),
  Druckhalteautomat BOOLEAN NOT NULL CHECK (Druckhalteautomat IN (-1, 0)),
  [Max Betriebsdruck] REAL,
  GruppeEinzelabsich1 INTEGER,
  GruppeEinzelabsich2 INTEGER,
  AnzahlAbsperrventile INTEGER
);

CREATE TABLE [Grunddaten Gefäße] (
  [Art Nr] TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
  [Art Gr Berechn Prg] INTEGER,
  [Inhalt in ltr] INTEGER CHECK ([Inhalt in ltr] < 32767),
  [Max, Betriebsdruck in bar] REAL,
  [Max, Betriebstemperatur in °C] INTEGER,
  Vordruck REAL,
  [Durchmesser in mm] INTEGER,
  [Höhe in mm] INTEGER,
  [MinderBreite in mm] INTEGER,
  [MinderHöhe in mm] INTEGER,
  Kälteanlage BOOLEAN NOT NULL CHECK (Kälteanlage IN (-1, 0)),
  Solaranlage BOOLEAN NOT NULL CHECK (Solaranlage IN (-1, 0)),
  Umschreibung TEXT,
  [Art Nr Kappenventil] TEXT COLLATE NOCASE,
  ArtNr2Kappenventil TEXT COLLATE NOCASE
);

-- Safety valves and expansion traps ---------------------------------------

CREATE TABLE [Abblaseleistung VollhubSV] (
  [Nenndurchmesser DN] INTEGER NOT NULL,
  Druck REAL NOT NULL,
  [Abblaseleistung in kW] REAL,
  [Art Nr] TEXT COLLATE NOCASE,
  PRIMARY KEY ([Nenndurchmesser DN], Druck)
);

CREATE TABLE [Leistung MembranSV] (
  Druck REAL NOT NULL,
  [Leistung in kW] INTEGER NOT NULL,
  [Art Nr] TEXT COLLATE NOCASE,
  [Nenndurchmesser DN] INTEGER,
  PRIMARY KEY (Druck, [Leistung in kW])
);

CREATE TABLE SiVSolaranlagen (
  Druck REAL NOT NULL,
  Kollektorfläche INTEGER NOT NULL,
  [Art Nr] TEXT COLLATE NOCASE,
  [Nenndurchmesser DN] INTEGER,
  PRIMARY KEY (Druck, Kollektorfläche)
);

CREATE TABLE SiVTrinkwasser (
  Druck REAL NOT NULL,
  [Volumen in Liter] INTEGER NOT NULL,
  [Art Nr] TEXT COLLATE NOCASE,
  [Nenndurchmesser DN] INTEGER,
  PRIMARY KEY (Druck, [Volumen in Liter])
);

-- Read without ORDER BY: the first match in stored order counts. The DN columns
-- carry no index, so that every look-up scans in stored order.
CREATE TABLE [Entspannungsgefäße] (
  [Art Nr] TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
  [DN MSV] INTEGER,
  [DN bei <= 5 bar] INTEGER,
  [DN bei > 5 bar] INTEGER,
  DN_Eingang INTEGER,
  DN_Ausgang INTEGER
);

-- Accessories and automat parts ---------------------------------------------

CREATE TABLE Kappenventile (
  [Leistung in kW] INTEGER NOT NULL UNIQUE,
  [Art Nr] TEXT COLLATE NOCASE
);

CREATE TABLE Ausdehnungssammelleitung (
  [Leistung in kW] INTEGER NOT NULL UNIQUE,
  [Nenndurchmesser DN] INTEGER
);

CREATE TABLE ENA_Automaten (
  ArtNr TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
  minAnfangsdruck REAL,
  maxEnddruck REAL,
  maxAnlgVolumen INTEGER
);

CREATE TABLE [Wärmedämmung Kelvormat] (
  Inhalt INTEGER NOT NULL UNIQUE,
  [Art Nr] TEXT COLLATE NOCASE
);

CREATE TABLE PumpenKomprSteuerung (
  PumpKomprTyp TEXT NOT NULL,
  Steuermodul TEXT NOT NULL,
  Artikelnr TEXT COLLATE NOCASE UNIQUE,
  ArtNrKappV TEXT COLLATE NOCASE,
  Beschreibung TEXT,
  PRIMARY KEY (PumpKomprTyp, Steuermodul)
);

CREATE TABLE Schlammabscheider (
  [Art Nr] TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
  [Leistung in kW] INTEGER,
  [Druck in bar] REAL,
  [Iso80 Art Nr] TEXT COLLATE NOCASE,
  [Iso100 Art Nr] TEXT COLLATE NOCASE,
  [Durchmesser in mm] INTEGER,
  [MinderBreite in mm] INTEGER,
  [Höhe in mm] INTEGER,
  [MinderHöhe in mm] INTEGER
);

-- Solar heat exchangers (information grid) ---------------------------------

CREATE TABLE Solarwärmetauscher (
  Bezeichnung TEXT,
  Nenninhalt REAL,
  Sortierung INTEGER NOT NULL UNIQUE
);

-- Storage water heaters, joined on ([Art Gruppe], Nenninhalt) --------------

CREATE TABLE Speicher_Maße (
  [Art Gruppe] INTEGER NOT NULL,
  Nenninhalt INTEGER NOT NULL,
  [Durchmesser in mm] INTEGER NOT NULL,
  [MinderBreite in mm] INTEGER NOT NULL,
  [Bauhöhe in mm] INTEGER NOT NULL,
  [MinderHöhe in mm] INTEGER NOT NULL,
  PRIMARY KEY ([Art Gruppe], Nenninhalt)
);

CREATE TABLE Speicher_Leistung (
  [Art Gruppe] INTEGER NOT NULL,
  Nenninhalt INTEGER NOT NULL,
  Vorlauftemperatur INTEGER NOT NULL,
  Speichertemperatur INTEGER NOT NULL,
  Leistungskennzahl_1 REAL, Leistungskennzahl_2 REAL, Leistungskennzahl_3 REAL,
  Leistungskennzahl_4 REAL, Leistungskennzahl_5 REAL, Leistungskennzahl_6 REAL,
  Wärmeleistung_1 REAL, Wärmeleistung_2 REAL, Wärmeleistung_3 REAL,
  Wärmeleistung_4 REAL, Wärmeleistung_5 REAL, Wärmeleistung_6 REAL,
  Heizvolumenstrom_1 INTEGER, Heizvolumenstrom_2 INTEGER, Heizvolumenstrom_3 INTEGER,
  Heizvolumenstrom_4 INTEGER, Heizvolumenstrom_5 INTEGER, Heizvolumenstrom_6 INTEGER,
  PRIMARY KEY ([Art Gruppe], Nenninhalt, Vorlauftemperatur, Speichertemperatur)
);

CREATE TABLE Speicher_Typen (
  [Art Gruppe] INTEGER NOT NULL,
  Nenninhalt INTEGER NOT NULL,
  [Art Nr] TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
  Typ TEXT
);

-- Service and sales areas ----------------------------------------------------

CREATE TABLE GebieteService (
  GebietsNr INTEGER NOT NULL UNIQUE,
  Firma TEXT,
  Straße TEXT,
  PlzOrt TEXT,
  Telefon TEXT,
  Fax TEXT
);

CREATE TABLE GebieteVertreter (
  GebietsNr INTEGER NOT NULL UNIQUE,
  Name TEXT,
  Straße TEXT,
  PlzOrt TEXT,
  Telefon TEXT,
  Fax TEXT
);

CREATE TABLE GebietsaufteilungService (
  vonPLZ TEXT NOT NULL PRIMARY KEY,
  bisPLZ TEXT NOT NULL,
  GebietsNr INTEGER NOT NULL
);

CREATE TABLE GebietsaufteilungVertreter (
  vonPLZ TEXT NOT NULL PRIMARY KEY,
  bisPLZ TEXT NOT NULL,
  GebietsNr INTEGER NOT NULL
);
