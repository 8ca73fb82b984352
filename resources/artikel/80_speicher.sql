-- Solar heat exchangers (information grid) and storage water heaters.

-- Inserted out of display order; the grid sorts by Sortierung.
INSERT INTO Solarwärmetauscher (Sortierung, Bezeichnung, Nenninhalt) VALUES
  (30, 'Solarspeicher 300 l, Glattrohr-WT 1,3 m²', 8.5),
  (10, 'Plattenwärmetauscher 20 Platten', 1.2),
  (40, 'Solarspeicher 500 l, Glattrohr-WT 1,8 m²', 12.5),
  (20, 'Plattenwärmetauscher 40 Platten', 2.4),
  (50, 'Kombispeicher 800 l, Glattrohr-WT 2,4 m²', 16.0),
  (60, 'Pufferspeicher 1000 l, Glattrohr-WT 3,0 m²', 20.0);

-- Sizes: group 50 upright, 51 horizontal, 52 stainless.
INSERT INTO Speicher_Maße ([Art Gruppe], Nenninhalt, [Durchmesser in mm], [MinderBreite in mm],
    [Bauhöhe in mm], [MinderHöhe in mm]) VALUES
  (50,  160,  550, 20, 1200,  50),
  (50,  200,  600, 20, 1300,  50),
  (50,  300,  700, 20, 1500,  50),
  (50,  400,  760, 20, 1650,  50),
  (50,  500,  850, 20, 1700,  50),
  (50,  750,  950, 50, 1850, 100),   -- exactly 1000 wide
  (50, 1000, 1050, 20, 1950, 100),   -- too wide for a 1000 door
  (51,  200,  600, 20,  700,  50),
  (51,  300,  700, 20,  800,  50),
  (51,  500,  850, 20,  950,  50),
  (52,  200,  560, 20, 1350,  50),
  (52,  300,  650, 20, 1600,  50),
  (52,  400,  700, 20, 1750,  50),
  (52,  500,  760, 20, 1900, 100);   -- exactly 2000 high

-- Two types share the 300-l size of group 50.
INSERT INTO Speicher_Typen ([Art Gruppe], Nenninhalt, [Art Nr], Typ) VALUES
  (50,  160, '35001', 'ST 160'),
  (50,  200, '35002', 'ST 200'),
  (50,  300, '35003', 'ST 300'),
  (50,  300, '35004', 'ST 300-E'),
  (50,  400, '35005', 'ST 400'),
  (50,  500, '35006', 'ST 500'),
  (50,  750, '35007', 'ST 750'),
  (50, 1000, '35008', 'ST 1000'),
  (51,  200, '35101', 'SL 200'),
  (51,  300, '35102', 'SL 300'),
  (51,  500, '35103', 'SL 500'),
  (52,  200, '35201', 'SV 200'),
  (52,  300, '35202', 'SV 300'),
  (52,  400, '35203', 'SV 400'),
  (52,  500, '35204', 'SV 500');

-- Performance per size and temperature pair (flow, storage):
--   NL1 = B x fV x fS x fG (one decimal), NLn = NL1 x n x (1 + 0.05 (n - 1)),
--   Wärmeleistung1 = W x fV x fG, Wärmeleistung_n = n x Wärmeleistung1,
--   Heizvolumenstrom_n = 43 x Wärmeleistung_n (l/h).
-- B and W by size; fV by flow; fS 1.0 at 60 °C, 0.6 at 45 °C; fG by group.
-- Group 52 is offered for a storage temperature of 60 °C only.
CREATE TEMP TABLE sp_groesse (nenninhalt INTEGER PRIMARY KEY, b REAL, w REAL);
INSERT INTO sp_groesse VALUES
  (160, 2.4, 20), (200, 3.4, 24), (300, 6.0, 32), (400, 8.6, 40),
  (500, 11.0, 46), (750, 17.5, 60), (1000, 24.0, 72);
CREATE TEMP TABLE sp_paar (nr INTEGER PRIMARY KEY, vorlauf INTEGER, speicher INTEGER, fv REAL, fs REAL);
INSERT INTO sp_paar (vorlauf, speicher, fv, fs) VALUES
  (90, 60, 1.15, 1.0), (80, 60, 1.0, 1.0), (75, 60, 0.9, 1.0), (70, 60, 0.8, 1.0),
  (90, 45, 1.15, 0.6), (80, 45, 1.0, 0.6), (75, 45, 0.9, 0.6), (70, 45, 0.8, 0.6),
  (65, 45, 0.7, 0.6), (60, 45, 0.6, 0.6), (55, 45, 0.5, 0.6);
CREATE TEMP TABLE sp_gruppe (gruppe INTEGER PRIMARY KEY, fg REAL);
INSERT INTO sp_gruppe VALUES (50, 1.0), (51, 0.85), (52, 1.1);

CREATE TEMP VIEW sp_eins AS
SELECT m.[Art Gruppe] AS gruppe, m.Nenninhalt AS nenninhalt, p.nr, p.vorlauf, p.speicher,
       round(g.b * p.fv * p.fs * f.fg, 1) AS nl1,
       round(g.w * p.fv * f.fg, 1) AS w1
FROM Speicher_Maße m
     JOIN sp_groesse g ON g.nenninhalt = m.Nenninhalt
     JOIN sp_gruppe f ON f.gruppe = m.[Art Gruppe]
     CROSS JOIN sp_paar p
WHERE NOT (m.[Art Gruppe] = 52 AND p.speicher <> 60);

INSERT INTO Speicher_Leistung
SELECT gruppe, nenninhalt, vorlauf, speicher,
       nl1, round(nl1 * 2 * 1.05, 1), round(nl1 * 3 * 1.10, 1),
       round(nl1 * 4 * 1.15, 1), round(nl1 * 5 * 1.20, 1), round(nl1 * 6 * 1.25, 1),
       w1, round(2 * w1, 1), round(3 * w1, 1), round(4 * w1, 1), round(5 * w1, 1), round(6 * w1, 1),
       CAST(round(43 * w1) AS INTEGER), CAST(round(43 * round(2 * w1, 1)) AS INTEGER),
       CAST(round(43 * round(3 * w1, 1)) AS INTEGER), CAST(round(43 * round(4 * w1, 1)) AS INTEGER),
       CAST(round(43 * round(5 * w1, 1)) AS INTEGER), CAST(round(43 * round(6 * w1, 1)) AS INTEGER)
FROM sp_eins
ORDER BY gruppe, nenninhalt, nr;

DROP VIEW sp_eins;
DROP TABLE sp_gruppe;
DROP TABLE sp_paar;
DROP TABLE sp_groesse;

-- Articles of the tanks: price 350 + 2.8 x litres.
INSERT INTO ARTIKEL (arArtikelnr, arKurztext1, arKurztext2, arPreis, ltLangtextnr)
SELECT t.[Art Nr],
       CASE t.[Art Gruppe] WHEN 50 THEN 'Speicher-Wassererwärmer '
                           WHEN 51 THEN 'Speicher-Wassererwärmer liegend '
                           ELSE 'Edelstahl-Speicher ' END || t.Nenninhalt || ' l',
       'Typ ' || t.Typ, round(350 + 2.8 * t.Nenninhalt, 2), t.[Art Gruppe]
FROM Speicher_Typen t ORDER BY t.rowid;

INSERT INTO Artikel_Zusatz (artikelnr, dxfText, entluefterCode, entluefterSortier, Solaranlage, TitelGruppe)
SELECT [Art Nr], NULL, NULL, NULL, 0, 6 FROM Speicher_Typen ORDER BY rowid;

-- Mask 5 "Inhalt $$$$ l, D $$$$ mm, H $$$$ mm".
INSERT INTO DIMENSIONSTEXTE (arArtikelnr, ltLangtextnr, diTextzeile)
SELECT t.[Art Nr], 5, t.Nenninhalt || '$' || m.[Durchmesser in mm] || '$' || m.[Bauhöhe in mm] || '$'
FROM Speicher_Typen t JOIN Speicher_Maße m USING ([Art Gruppe], Nenninhalt)
ORDER BY t.rowid;
