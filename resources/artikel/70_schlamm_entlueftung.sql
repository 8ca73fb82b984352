-- Dirt separators, their insulation shells, and air venting.

-- Insulation shells: Iso80 340nn, Iso100 341nn (nn as the separator). The Iso100
-- shells are not sold (no article rows).
INSERT INTO Schlammabscheider ([Art Nr], [Leistung in kW], [Druck in bar], [Iso80 Art Nr], [Iso100 Art Nr],
    [Durchmesser in mm], [MinderBreite in mm], [Höhe in mm], [MinderHöhe in mm]) VALUES
  ('32001',  300,  2.5, '34001', '34101', 250,   0,  500, 100),
  ('32002',  150,  6,   '34002', '34102', 250,   0,  450, 100),
  ('32003',  300,  6,   '34003', '34103', 300,   0,  550, 100),
  ('32004',  600,  6,   '34004', '34104', 350,   0,  650, 100),
  ('32005',  150, 10,   '34005', '34105', 250,   0,  450, 100),
  ('32006',  300, 10,   '34006', '34106', 300,   0,  550, 100),
  ('32007',  600, 10,   '34007', '34107', 350,   0,  650, 100),
  ('32008', 1200, 10,   '34008', '34108', 450,  50,  900, 150),
  ('32009', 2500, 10,   '34009', '34109', 600,  50, 1200, 200),
  ('32010', 2500, 16,   '34010', '34110', 650,  50, 1300, 200),
  ('32011', 5000, 16,   '34011', '34111', 950, 100, 1600, 200);

-- Price by output, x 0.9 below 3 bar, x 1.25 at 10 bar, x 1.6 at 16 bar.
INSERT INTO ARTIKEL (arArtikelnr, arKurztext1, arKurztext2, arPreis, ltLangtextnr)
SELECT [Art Nr], 'Schlammabscheider bis ' || [Leistung in kW] || ' kW',
       'max. ' || replace(CASE WHEN [Druck in bar] = CAST([Druck in bar] AS INTEGER)
                               THEN CAST(CAST([Druck in bar] AS INTEGER) AS TEXT)
                               ELSE printf('%.1f', [Druck in bar]) END, '.', ',') || ' bar',
       round(CASE [Leistung in kW] WHEN 150 THEN 245 WHEN 300 THEN 320 WHEN 600 THEN 465
                                   WHEN 1200 THEN 780 WHEN 2500 THEN 1290 ELSE 2350 END
             * CASE WHEN [Druck in bar] < 3 THEN 0.9 WHEN [Druck in bar] <= 6 THEN 1.0
                    WHEN [Druck in bar] <= 10 THEN 1.25 ELSE 1.6 END, 2),
       41
FROM Schlammabscheider ORDER BY rowid;

INSERT INTO Artikel_Zusatz (artikelnr, dxfText, entluefterCode, entluefterSortier, Solaranlage, TitelGruppe)
SELECT [Art Nr], 'SA ' || [Leistung in kW], NULL, NULL, 0, 5 FROM Schlammabscheider ORDER BY rowid;

-- Mask 4 "Leistung bis $$$ kW, max. $$ bar": outputs of four digits overrun the run.
INSERT INTO DIMENSIONSTEXTE (arArtikelnr, ltLangtextnr, diTextzeile)
SELECT [Art Nr], 4, [Leistung in kW] || '$'
       || replace(CASE WHEN [Druck in bar] = CAST([Druck in bar] AS INTEGER)
                       THEN CAST(CAST([Druck in bar] AS INTEGER) AS TEXT)
                       ELSE printf('%.1f', [Druck in bar]) END, '.', ',') || '$'
FROM Schlammabscheider ORDER BY rowid;

INSERT INTO ARTIKEL (arArtikelnr, arKurztext1, arKurztext2, arPreis, ltLangtextnr)
SELECT s.[Iso80 Art Nr], 'Wärmedämmschale für Schlammabscheider',
       'bis ' || s.[Leistung in kW] || ' kW', round(a.arPreis * 0.22, 2), 42
FROM Schlammabscheider s JOIN ARTIKEL a ON a.arArtikelnr = s.[Art Nr]
WHERE s.[Iso80 Art Nr] IS NOT NULL ORDER BY s.rowid;

INSERT INTO Artikel_Zusatz (artikelnr, dxfText, entluefterCode, entluefterSortier, Solaranlage, TitelGruppe)
SELECT [Iso80 Art Nr], NULL, NULL, NULL, 0, 5 FROM Schlammabscheider
WHERE [Iso80 Art Nr] IS NOT NULL ORDER BY rowid;

-- Air venting: three families chosen by entluefterCode and listed by entluefterSortier.
-- Each family is inserted out of sort order on purpose.
CREATE TEMP TABLE entlueftung (
  artnr TEXT, kurz1 TEXT, kurz2 TEXT, preis REAL, lt INTEGER,
  code TEXT, sortier INTEGER, solar INTEGER, dn INTEGER
);
INSERT INTO entlueftung VALUES
  ('33004', 'Mikroblasenabscheider DN 40',  'Gewindeanschluss',  148.00, 43, 'Kelvorvent',  40,  0,  40),
  ('33001', 'Mikroblasenabscheider DN 20',  'Gewindeanschluss',   68.50, 43, 'Kelvorvent',  10, -1,  20),
  ('33011', 'Mikroblasenabscheider DN 200', 'Flanschanschluss', 2150.00, 43, 'Kelvorvent', 110,  0, 200),
  ('33002', 'Mikroblasenabscheider DN 25',  'Gewindeanschluss',   82.00, 43, 'Kelvorvent',  20, -1,  25),
  ('33007', 'Mikroblasenabscheider DN 80',  'Flanschanschluss',  498.00, 43, 'Kelvorvent',  70,  0,  80),
  ('33003', 'Mikroblasenabscheider DN 32',  'Gewindeanschluss',  104.00, 43, 'Kelvorvent',  30, -1,  32),
  ('33010', 'Mikroblasenabscheider DN 150', 'Flanschanschluss', 1390.00, 43, 'Kelvorvent', 100,  0, 150),
  ('33005', 'Mikroblasenabscheider DN 50',  'Gewindeanschluss',  196.00, 43, 'Kelvorvent',  50,  0,  50),
  ('33009', 'Mikroblasenabscheider DN 125', 'Flanschanschluss', 1040.00, 43, 'Kelvorvent',  90,  0, 125),
  ('33006', 'Mikroblasenabscheider DN 65',  'Flanschanschluss',  385.00, 43, 'Kelvorvent',  60,  0,  65),
  ('33008', 'Mikroblasenabscheider DN 100', 'Flanschanschluss',  720.00, 43, 'Kelvorvent',  80,  0, 100),
  ('33103', 'Zentrifugalabscheider DN 100', 'Flanschanschluss',  840.00, 44, 'Vimbal',      30,  0, 100),
  ('33101', 'Zentrifugalabscheider DN 50',  'Gewindeanschluss',  310.00, 44, 'Vimbal',      10, -1,  50),
  ('33104', 'Zentrifugalabscheider DN 150', 'Flanschanschluss', 1560.00, 44, 'Vimbal',      40,  0, 150),
  ('33102', 'Zentrifugalabscheider DN 80',  'Flanschanschluss',  590.00, 44, 'Vimbal',      20, -1,  80),
  ('33202', 'Lufttopf 2,5 l',               'mit Handentlüfter',  54.20, 45, 'Lufttöpfe',   20,  0,  20),
  ('33204', 'Schnellentlüfter R ⅜',         '',                    9.95, 45, 'Lufttöpfe',   40, -1,  10),
  ('33201', 'Lufttopf 1 l',                 'mit Handentlüfter',  38.90, 45, 'Lufttöpfe',   10,  0,  15),
  ('33203', 'Schnellentlüfter R ½ 150 °C',  '',                   16.80, 45, 'Lufttöpfe',   30, -1,  15);

INSERT INTO ARTIKEL (arArtikelnr, arKurztext1, arKurztext2, arPreis, ltLangtextnr)
SELECT artnr, kurz1, kurz2, preis, lt FROM entlueftung ORDER BY rowid;
INSERT INTO Artikel_Zusatz (artikelnr, dxfText, entluefterCode, entluefterSortier, Solaranlage, TitelGruppe)
SELECT artnr, NULL, code, sortier, solar, 5 FROM entlueftung ORDER BY rowid;
INSERT INTO DIMENSIONSTEXTE (arArtikelnr, ltLangtextnr, diTextzeile)
SELECT artnr, 6, dn || '$' FROM entlueftung ORDER BY rowid;

DROP TABLE entlueftung;
