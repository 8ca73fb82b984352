-- Safety valves, expansion traps, low-water protection and pressure limiters.

-- Full-lift valves ------------------------------------------------------------------
-- Ten sizes x pressure stages 1.0 ... 10.0 bar. Capacity = A x (Druck + 1);
-- article 30DDD up to 5.0 bar, 31DDD above. Inserted by DN, then Druck.
CREATE TEMP TABLE vollhub (dn INTEGER PRIMARY KEY, a REAL, preis30 REAL, preis31 REAL);
INSERT INTO vollhub VALUES
  (20, 60, 98.50, 112.80), (25, 100, 124.00, 142.50), (32, 160, 176.00, 203.00),
  (40, 250, 245.00, 281.50), (50, 400, 338.00, 389.00), (65, 650, 512.00, 589.00),
  (80, 1000, 690.00, 794.00), (100, 1600, 985.00, 1133.00), (125, 2500, 1450.00, 1668.00),
  (150, 3600, 1980.00, 2277.00);

INSERT INTO [Abblaseleistung VollhubSV] ([Nenndurchmesser DN], Druck, [Abblaseleistung in kW], [Art Nr])
WITH RECURSIVE stufe(druck) AS (SELECT 1.0 UNION ALL SELECT druck + 0.5 FROM stufe WHERE druck < 10.0)
SELECT dn, druck, a * (druck + 1), CASE WHEN druck <= 5.0 THEN '30' ELSE '31' END || printf('%03d', dn)
FROM vollhub CROSS JOIN stufe
ORDER BY dn, druck;

INSERT INTO ARTIKEL (arArtikelnr, arKurztext1, arKurztext2, arPreis, ltLangtextnr)
SELECT '30' || printf('%03d', dn), 'Vollhub-Sicherheitsventil DN ' || dn, 'Ansprechdruck 1,0 bis 5,0 bar', preis30, 20
FROM vollhub
UNION ALL
SELECT '31' || printf('%03d', dn), 'Vollhub-Sicherheitsventil DN ' || dn, 'Ansprechdruck 5,5 bis 10,0 bar', preis31, 20
FROM vollhub;

INSERT INTO DIMENSIONSTEXTE (arArtikelnr, ltLangtextnr, diTextzeile)
SELECT '30' || printf('%03d', dn), 3, dn || '$5$0$' FROM vollhub
UNION ALL
SELECT '31' || printf('%03d', dn), 3, dn || '$10$0$' FROM vollhub;

DROP TABLE vollhub;

-- Diaphragm valves for heating: 260DN at 2.5 bar, 261DN at 3.0 bar --------------------
INSERT INTO [Leistung MembranSV] (Druck, [Leistung in kW], [Art Nr], [Nenndurchmesser DN]) VALUES
  (2.5, 50, '26015', 15), (2.5, 100, '26020', 20), (2.5, 200, '26025', 25),
  (2.5, 350, '26032', 32), (2.5, 600, '26040', 40),
  (3.0, 50, '26115', 15), (3.0, 100, '26120', 20), (3.0, 200, '26125', 25),
  (3.0, 350, '26132', 32), (3.0, 600, '26140', 40);

-- Diaphragm valves for solar systems: 25PPn (PP = bar) --------------------------------
INSERT INTO SiVSolaranlagen (Druck, Kollektorfläche, [Art Nr], [Nenndurchmesser DN]) VALUES
  (3, 50, '25031', 15), (3, 100, '25032', 20),
  (4, 50, '25041', 15),
  (6, 50, '25061', 15), (6, 100, '25062', 20), (6, 200, '25063', 25),
  (8, 50, '25081', 15), (8, 100, '25082', 20),
  (10, 50, '25101', 15), (10, 100, '25102', 20), (10, 200, '25103', 25);

-- Diaphragm valves for drinking-water heaters: 28PPn --------------------------------
INSERT INTO SiVTrinkwasser (Druck, [Volumen in Liter], [Art Nr], [Nenndurchmesser DN]) VALUES
  (6, 200, '28061', 15), (6, 1000, '28062', 20), (6, 5000, '28063', 25),
  (8, 200, '28081', 15), (8, 1000, '28082', 20),
  (10, 200, '28101', 15), (10, 1000, '28102', 20), (10, 5000, '28103', 25);

-- Articles of the diaphragm valves: text, price by size, dimension line with DN and pressure.
CREATE TEMP TABLE membran_sv (artnr TEXT, kurz TEXT, druck REAL, dn INTEGER, lt INTEGER);
INSERT INTO membran_sv
  SELECT [Art Nr], 'Membran-Sicherheitsventil Heizung', Druck, [Nenndurchmesser DN], 21 FROM [Leistung MembranSV]
  UNION ALL
  SELECT [Art Nr], 'Membran-Sicherheitsventil Solar', Druck, [Nenndurchmesser DN], 22 FROM SiVSolaranlagen
  UNION ALL
  SELECT [Art Nr], 'Membran-Sicherheitsventil Trinkwasser', Druck, [Nenndurchmesser DN], 23 FROM SiVTrinkwasser;

INSERT INTO ARTIKEL (arArtikelnr, arKurztext1, arKurztext2, arPreis, ltLangtextnr)
SELECT artnr, kurz, 'DN ' || dn || ', ' || replace(printf('%.1f', druck), '.', ',') || ' bar',
       CASE dn WHEN 15 THEN 38.50 WHEN 20 THEN 54.00 WHEN 25 THEN 79.00 WHEN 32 THEN 128.00 ELSE 189.00 END
         + CASE lt WHEN 22 THEN 6.40 WHEN 23 THEN 3.20 ELSE 0 END,
       lt
FROM membran_sv ORDER BY rowid;

INSERT INTO DIMENSIONSTEXTE (arArtikelnr, ltLangtextnr, diTextzeile)
SELECT artnr, 3, dn || '$' || CAST(druck AS INTEGER) || '$' || CAST(round((druck - CAST(druck AS INTEGER)) * 10) AS INTEGER) || '$'
FROM membran_sv ORDER BY rowid;

DROP TABLE membran_sv;

-- Expansion traps: read in stored order, first match counts --------------------------
INSERT INTO [Entspannungsgefäße] ([Art Nr], [DN MSV], [DN bei <= 5 bar], [DN bei > 5 bar], DN_Eingang, DN_Ausgang) VALUES
  ('27020', NULL,  20, NULL,  25,  50),
  ('27025', NULL,  25,   20,  32,  65),
  ('27032',   32,  32,   25,  40,  80),
  ('27040',   40,  40,   32,  50, 100),
  ('27050', NULL,  50,   40,  65, 125),
  ('27065', NULL,  65,   50,  80, 150),
  ('27080', NULL,  80,   65, 100, 200),
  ('27100', NULL, 100,   80, 125, 250),
  ('27125', NULL, 125,  100, 150, 250),
  ('27150', NULL, 150,  125, 200, 300);

INSERT INTO ARTIKEL (arArtikelnr, arKurztext1, arKurztext2, arPreis, ltLangtextnr) VALUES
  ('27020', 'Entspannungstopf DN 25', 'Ablauf DN 50', 265.00, 25),
  ('27025', 'Entspannungstopf DN 32', 'Ablauf DN 65', 318.00, 25),
  ('27032', 'Entspannungstopf DN 40', 'Ablauf DN 80', 392.00, 25),
  ('27040', 'Entspannungstopf DN 50', 'Ablauf DN 100', 486.00, 25),
  ('27050', 'Entspannungstopf DN 65', 'Ablauf DN 125', 615.00, 25),
  ('27065', 'Entspannungstopf DN 80', 'Ablauf DN 150', 798.00, 25),
  ('27080', 'Entspannungstopf DN 100', 'Ablauf DN 200', 1045.00, 25),
  ('27100', 'Entspannungstopf DN 125', 'Ablauf DN 250', 1390.00, 25),
  ('27125', 'Entspannungstopf DN 150', 'Ablauf DN 250', 1720.00, 25),
  ('27150', 'Entspannungstopf DN 200', 'Ablauf DN 300', 2260.00, 25);
INSERT INTO DIMENSIONSTEXTE (arArtikelnr, ltLangtextnr, diTextzeile)
SELECT [Art Nr], 6, DN_Eingang || '$' FROM [Entspannungsgefäße] ORDER BY rowid;

-- Cooling valve, the alternative to the trap, low-water protection, limiters ---------
-- 00000: no price, no dimension line.
INSERT INTO ARTIKEL (arArtikelnr, arKurztext1, arKurztext2, arPreis, ltLangtextnr) VALUES
  ('29495', 'Sicherheitsventil für Kälteanlagen', 'Membranausführung DN 15', 42.80, 24),
  ('00000', 'Alternative zum Entspannungstopf:', 'Sicherheitstemperaturbegrenzer', NULL, 26),
  ('27450', 'Wassermangelsicherung elektronisch', 'mit Sondenelektrode', 310.00, 27),
  ('27455', 'Wassermangelsicherung schwimmergesteuert', '', 199.00, 27),
  ('27458', 'Maximaldruckbegrenzer', 'mit Verriegelung', 118.00, 28),
  ('27459', 'Minimaldruckbegrenzer', 'mit Verriegelung', 118.00, 28);
INSERT INTO DIMENSIONSTEXTE (arArtikelnr, ltLangtextnr, diTextzeile) VALUES ('29495', 6, '15$');

INSERT INTO Artikel_Zusatz (artikelnr, dxfText, entluefterCode, entluefterSortier, Solaranlage, TitelGruppe)
SELECT arArtikelnr, NULL, NULL, NULL, 0, 2 FROM ARTIKEL
WHERE arArtikelnr BETWEEN '25000' AND '31999' OR arArtikelnr = '00000'
ORDER BY rowid;
