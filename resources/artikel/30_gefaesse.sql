-- Vessel groups, vessels and the cap valves at the vessels.
--
-- The vessels are listed compactly below (group, content, pressure, pre-pressure) and
-- expanded into [Grunddaten Gefäße], ARTIKEL, Artikel_Zusatz and DIMENSIONSTEXTE.
-- Article numbers: 4GGNN, GG = group, NN = 01... in insertion order.

INSERT INTO [Gruppen MAG] (Gruppe, Bezeichnung, Heizung, Kälte, Solar, Trinkwasser,
    Druckerhöhung, Speicher, Austauschmembran, Druckhalteautomat, [Max Betriebsdruck],
    GruppeEinzelabsich1, GruppeEinzelabsich2, AnzahlAbsperrventile) VALUES
  --                                                            He  Kü  So  Tr  Dr  Sp Aus Aut max E1 E2 Abs
  ( 1, 'MAG Heizung 3 bar',                                     -1,  0,  0,  0,  0,  0,  0,  0,  3, 1, 2, 1),
  ( 2, 'MAG feste Membrane 6 bar',                              -1, -1,  0,  0,  0,  0,  0,  0,  6, 2, 3, 1),
  ( 3, 'MAG feste Membrane 10 bar',                             -1, -1, -1,  0,  0,  0,  0,  0, 10, 3, 0, 1),
  ( 4, 'MAG 6 bar\nmit Standfüßen',                             -1, -1,  0,  0,  0,  0,  0,  0,  6, 4, 2, 1),
  ( 6, 'MAG Flachbauweise 6 bar',                                0,  0,  0,  0,  0,  0,  0,  0,  6, 0, 3, 1),
  ( 7, 'MAG Kompaktbauweise 6 bar',                             -1, -1,  0,  0,  0,  0,  0,  0,  6, 7, 2, 1),
  ( 8, 'MAG liegend 6 bar',                                     -1, -1,  0,  0,  0,  0,  0,  0,  6, 8, 0, 1),
  (70, 'MAG 10 bar Heiz- und Kühlwasser',                      -1, -1,  0,  0,  0,  0,  0,  0, 10, 3, 0, 1),
  (72, 'MAG feste Membrane 16 bar',                             -1, -1,  0,  0,  0,  0,  0,  0, 16, 0, 0, 0),
  ( 5, 'MAG Austauschmembrane 10 bar',                          -1, -1, -1,  0,  0,  0, -1,  0, 10, 2, 3, 1),
  (74, 'MAG Austauschmembrane 6 bar',                           -1, -1,  0,  0,  0,  0, -1,  0,  6, 2, 0, 1),
  (60, 'Nachspeisepumpen-Automat 6 bar',                        -1, -1,  0,  0,  0,  0, -1,  0,  6, 2, 3, 1),
  (61, 'Nachspeisepumpen-Automat 10 bar',                       -1, -1,  0,  0,  0,  0, -1,  0, 10, 3, 0, 1),
  ( 9, 'Kompressor-Druckhalteautomat',                          -1, -1,  0,  0,  0,  0, -1, -1, 10, 2, 0, 2),
  (11, 'Pumpen-Druckhalteautomat',                              -1, -1,  0,  0,  0,  0, -1, -1, 10, 2, 3, 2),
  (14, 'Pumpenautomat mit Steuermodul',                         -1, -1,  0,  0,  0,  0, -1, -1, 10, 2, 3, 1),
  (12, 'Druckhalteautomat Sonderbau',                           -1, -1,  0,  0,  0,  0, -1, -1, 10, 0, 0, 1),
  (30, 'Beistellbehälter Kompressorautomat',                     0,  0,  0,  0,  0,  0, -1, -1, 10, 0, 0, 1),
  (31, 'Beistellbehälter Pumpenautomat',                         0,  0,  0,  0,  0,  0, -1, -1, 10, 0, 0, 1),
  (32, 'Beistellbehälter Modulautomat',                          0,  0,  0,  0,  0,  0, -1, -1, 10, 0, 0, 1),
  (33, 'Beistellgefäß\nNachspeiseautomat',                       0,  0,  0,  0,  0,  0, -1, -1, 10, 0, 0, 1),
  (40, 'Vorlagebehälter',                                        0,  0,  0,  0,  0,  0,  0,  0, 10, 0, 0, 0),
  (15, 'MAG Druckerhöhung 16 bar',                               0,  0,  0,  0, -1,  0,  0,  0, 16, 0, 0, 1),
  (16, 'MAG Druckerhöhung 10 bar',                               0,  0,  0,  0,  0,  0,  0,  0, 10, 0, 0, 0),
  (17, 'Trinkwasser-MAG durchströmt 10 bar',                     0,  0,  0, -1,  0,  0,  0,  0, 10, 0, 0, 1),
  (18, 'Trinkwasser-MAG Großbehälter',                           0,  0,  0, -1,  0,  0,  0,  0, 10, 0, 0, 1),
  (19, 'Trinkwasser-MAG 6 bar',                                  0,  0,  0, -1,  0,  0,  0,  0,  6, 0, 0, 1),
  (21, 'Solar-MAG 10 bar\nfür Kollektoren',                      0,  0, -1,  0,  0,  0,  0,  0, 10, 0, 0, 1),
  (22, 'Solar-MAG 6 bar',                                        0,  0, -1,  0,  0,  0,  0,  0,  6, 0, 0, 1),
  (23, 'Solar-MAG Großbehälter 10 bar',                          0,  0, -1,  0,  0,  0,  0,  0, 10, 0, 0, 1),
  (24, 'Solar-MAG 8 bar',                                        0,  0, -1,  0,  0,  0,  0,  0,  8, 0, 0, 1),
  (25, 'Solar-MAG 10 bar weiß',                                  0,  0, -1,  0,  0,  0,  0,  0, 10, 0, 0, 1),
  (26, 'Solar-MAG 6 bar weiß',                                   0,  0, -1,  0,  0,  0,  0,  0,  6, 0, 0, 1),
  (27, 'Solar-MAG 10 bar Standausführung',                       0,  0, -1,  0,  0,  0,  0,  0, 10, 0, 0, 1),
  (50, 'Speicher-Wassererwärmer stehend',                        0,  0,  0,  0,  0, -1,  0,  0, 10, 0, 0, 0),
  (51, 'Speicher liegend\nmit Glattrohr-WT',                     0,  0,  0,  0,  0, -1,  0,  0, 10, 0, 0, 0),
  (52, 'Edelstahl-Speicher stehend',                             0,  0,  0,  0,  0, -1,  0,  0, 10, 0, 0, 0);

-- Per group: texts, long text, price factor of the kind, dimension mask.
CREATE TEMP TABLE art_gruppe (
  gruppe INTEGER PRIMARY KEY,
  kurz TEXT,       -- first short text, content follows
  umschr TEXT,     -- description, content follows
  dxf TEXT,        -- schematic label, content follows
  lt INTEGER,      -- long text
  faktor REAL,     -- price factor of the kind (exchangeable, automat, ...)
  maske INTEGER    -- insertion mask of the dimension line
);
INSERT INTO art_gruppe VALUES
  ( 1, 'Druckausdehnungsgefäß',               'MAG',                                'MAG', 1, 1.0, 1),
  ( 2, 'Druckausdehnungsgefäß',               'MAG',                                'MAG', 1, 1.0, 1),
  ( 3, 'Druckausdehnungsgefäß',               'MAG',                                'MAG', 1, 1.0, 1),
  ( 4, 'Druckausdehnungsgefäß mit Füßen',     'MAG mit Standfüßen',                 'MAG', 2, 1.0, 1),
  ( 5, 'MAG mit Austauschmembrane',           'MAG Austauschmembrane',              'MAG', 6, 1.6, 1),
  ( 6, 'Druckausdehnungsgefäß flach',         'MAG flach',                          'MAG', 3, 1.0, 1),
  ( 7, 'Druckausdehnungsgefäß kompakt',       'MAG kompakt',                        'MAG', 4, 1.0, 1),
  ( 8, 'Druckausdehnungsgefäß liegend',       'MAG liegend',                        'MAG', 5, 1.0, 2),
  ( 9, 'Grundbehälter Kompressorautomat',     'Grundbehälter Kompressorautomat',    'DHA', 8, 1.8, 1),
  (11, 'Grundbehälter Pumpenautomat',         'Grundbehälter Pumpenautomat',        'DHA', 9, 1.8, 1),
  (12, 'Grundbehälter Sonderautomat',         'Grundbehälter Sonderautomat',        'DHA', 11, 1.8, 1),
  (14, 'Grundbehälter Modulautomat',          'Grundbehälter Modulautomat',         'DHA', 10, 1.8, 1),
  (15, 'Druckerhöhungs-Ausdehnungsgefäß',     'MAG Druckerhöhung',                  'MAG', 15, 1.4, 1),
  (16, 'Druckerhöhungs-Ausdehnungsgefäß',     'MAG Druckerhöhung',                  'MAG', 15, 1.4, 1),
  (17, 'Trinkwasser-MAG durchströmt',         'Trinkwasser-MAG durchströmt',        'MAG', 16, 1.4, 1),
  (18, 'Trinkwasser-Ausdehnungsgefäß',        'Trinkwasser-MAG',                    'MAG', 17, 1.4, 1),
  (19, 'Trinkwasser-Ausdehnungsgefäß',        'Trinkwasser-MAG',                    'MAG', 17, 1.4, 1),
  (21, 'Solar-Ausdehnungsgefäß',              'Solar-MAG',                          'MAG', 18, 1.2, 1),
  (22, 'Solar-Ausdehnungsgefäß',              'Solar-MAG',                          'MAG', 18, 1.2, 1),
  (23, 'Solar-Ausdehnungsgefäß',              'Solar-MAG',                          'MAG', 18, 1.2, 1),
  (24, 'Solar-Ausdehnungsgefäß',              'Solar-MAG',                          'MAG', 18, 1.2, 1),
  (25, 'Solar-Ausdehnungsgefäß weiß',         'Solar-MAG weiß',                     'MAG', 18, 1.2, 1),
  (26, 'Solar-Ausdehnungsgefäß weiß',         'Solar-MAG weiß',                     'MAG', 18, 1.2, 1),
  (27, 'Solar-Ausdehnungsgefäß stehend',      'Solar-MAG Standausführung',          'MAG', 18, 1.2, 1),
  (30, 'Beistellbehälter für Kompressor',     'Beistellbehälter Kompressorautomat', 'BB', 13, 1.3, 1),
  (31, 'Beistellbehälter Pumpenautomat',      'Beistellbehälter Pumpenautomat',     'BB', 13, 1.3, 1),
  (32, 'Beistellbehälter Modulautomat',       'Beistellbehälter Modulautomat',      'BB', 13, 1.3, 1),
  (33, 'Beistellbehälter Nachspeiseautomat',  'Beistellbehälter Nachspeiseautomat', 'BB', 13, 1.3, 1),
  (40, 'Vorlagebehälter',                     'Vorlagebehälter',                    'VB', 14, 1.0, 1),
  (60, 'Grundbehälter Nachspeiseautomat',     'Grundbehälter Nachspeiseautomat',    'DHA', 12, 1.8, 1),
  (61, 'Grundbehälter Nachspeiseautomat',     'Grundbehälter Nachspeiseautomat',    'DHA', 12, 1.8, 1),
  (70, 'Druckausdehnungsgefäß',               'MAG',                                'MAG', 1, 1.0, 1),
  (72, 'Druckausdehnungsgefäß',               'MAG',                                'MAG', 1, 1.0, 1),
  (74, 'MAG mit Austauschmembrane',           'MAG Austauschmembrane',              'MAG', 6, 1.6, 1);

-- Dimensions by content: diameter, height, width and height allowances (mm).
CREATE TEMP TABLE mass (inhalt INTEGER PRIMARY KEY, d INTEGER, h INTEGER, mb INTEGER, mh INTEGER);
INSERT INTO mass VALUES
  (0, 300, 100, 0, 0), (8, 206, 300, 0, 0), (12, 280, 320, 0, 0), (18, 280, 390, 0, 0),
  (25, 280, 490, 0, 0), (35, 354, 460, 0, 0), (50, 409, 500, 0, 0), (60, 409, 580, 0, 0),
  (80, 480, 565, 0, 0), (100, 480, 670, 0, 0), (140, 480, 880, 0, 0), (150, 480, 930, 0, 0),
  (200, 634, 760, 20, 50), (250, 634, 870, 20, 50), (300, 634, 970, 20, 50),
  (400, 740, 1070, 20, 50), (500, 740, 1290, 20, 50), (600, 740, 1480, 20, 50),
  (800, 740, 1850, 20, 100), (1000, 980, 1850, 20, 150), (1200, 980, 1800, 20, 200),
  (1500, 1000, 2100, 20, 100), (2000, 1100, 2300, 20, 100), (2800, 1200, 2600, 20, 100),
  (3000, 1200, 2600, 20, 100), (5000, 1500, 3100, 20, 100);

-- The vessels in insertion order: by group, content, pressure, pre-pressure.
-- temp and solar only where they differ from the group's rule.
CREATE TEMP TABLE gef (
  nr INTEGER PRIMARY KEY,
  gruppe INTEGER, inhalt INTEGER, druck REAL, vordruck REAL,
  temp INTEGER, solar INTEGER
);
INSERT INTO gef (gruppe, inhalt, druck, vordruck) VALUES
  (1, 8, 3, 1.0), (1, 12, 3, 1.0), (1, 18, 3, 1.0), (1, 25, 3, 1.0), (1, 35, 3, 1.0), (1, 50, 3, 1.0),
  (2, 35, 6, 1.5), (2, 50, 6, 1.5), (2, 80, 6, 1.5), (2, 100, 6, 1.5), (2, 140, 6, 1.5),
  (2, 200, 6, 1.5), (2, 250, 6, 1.5), (2, 300, 6, 1.5),
  (2, 400, 6, 1.0), (2, 400, 6, 1.5), (2, 400, 6, 2.5), (2, 400, 10, 1.0),
  (2, 500, 6, 1.5), (2, 600, 6, 1.5), (2, 800, 6, 1.5), (2, 1000, 6, 1.5), (2, 1500, 6, 1.5),
  (3, 200, 10, 1.5), (3, 200, 10, 2.5), (3, 300, 10, 1.5), (3, 300, 10, 2.5), (3, 400, 10, 1.5),
  (3, 500, 10, 1.5), (3, 600, 10, 1.5), (3, 800, 10, 1.5), (3, 1000, 10, 1.5),
  (4, 200, 6, 1.5), (4, 300, 6, 1.5), (4, 400, 6, 1.5), (4, 500, 6, 1.5), (4, 600, 6, 1.5),
  (4, 800, 6, 1.5), (4, 1000, 6, 1.5),
  (5, 0, 10, 0), (5, 200, 10, 1.5), (5, 300, 10, 1.5), (5, 400, 10, 1.5), (5, 500, 10, 1.5),
  (5, 600, 10, 1.5), (5, 800, 10, 1.5), (5, 1000, 10, 1.5), (5, 1500, 10, 1.5), (5, 2000, 10, 1.5),
  (5, 3000, 10, 1.5), (5, 5000, 10, 1.5),
  (6, 35, 6, 1.5), (6, 50, 6, 1.5), (6, 80, 6, 1.5),
  (7, 50, 6, 1.5), (7, 80, 6, 1.5), (7, 100, 6, 1.5),
  (8, 200, 6, 1.5), (8, 300, 6, 1.5), (8, 500, 6, 1.5), (8, 800, 6, 1.5),
  (9, 200, 6, 0), (9, 300, 6, 0), (9, 400, 6, 0), (9, 500, 6, 0), (9, 500, 10, 0), (9, 600, 6, 0),
  (9, 800, 6, 0), (9, 1000, 6, 0), (9, 1000, 10, 0), (9, 1200, 6, 0), (9, 1500, 6, 0),
  (9, 2000, 6, 0), (9, 2800, 6, 0),
  (11, 200, 6, 0), (11, 200, 10, 0), (11, 300, 6, 0), (11, 300, 10, 0), (11, 400, 6, 0),
  (11, 400, 10, 0), (11, 500, 6, 0), (11, 500, 10, 0), (11, 600, 6, 0), (11, 600, 10, 0),
  (11, 800, 6, 0), (11, 800, 10, 0), (11, 1000, 6, 0), (11, 1000, 10, 0),
  (12, 500, 10, 0), (12, 1000, 10, 0),
  (14, 200, 10, 0), (14, 300, 10, 0), (14, 400, 10, 0), (14, 500, 10, 0), (14, 600, 10, 0),
  (14, 800, 10, 0), (14, 1000, 10, 0), (14, 1500, 10, 0), (14, 2000, 10, 0), (14, 3000, 10, 0),
  (15, 100, 16, 3.0), (15, 300, 16, 3.0), (15, 500, 16, 3.0), (15, 1000, 16, 3.0),
  (16, 100, 10, 3.0), (16, 200, 10, 3.0), (16, 300, 10, 3.0),
  (17, 8, 10, 4.0), (17, 12, 10, 4.0), (17, 18, 10, 4.0), (17, 25, 10, 4.0), (17, 35, 10, 4.0),
  (17, 60, 10, 4.0), (17, 80, 10, 4.0), (17, 100, 8, 4.0), (17, 150, 10, 4.0), (17, 200, 10, 4.0),
  (18, 300, 10, 4.0), (18, 500, 10, 4.0), (18, 800, 10, 4.0), (18, 1000, 10, 4.0), (18, 2000, 10, 4.0),
  (19, 8, 6, 4.0), (19, 12, 6, 4.0), (19, 18, 6, 4.0), (19, 25, 6, 4.0), (19, 35, 6, 4.0),
  (19, 80, 6, 4.0), (19, 200, 6, 4.0), (19, 300, 6, 4.0), (19, 500, 6, 4.0),
  (21, 18, 10, 1.5), (21, 25, 10, 1.5), (21, 35, 10, 1.5), (21, 50, 10, 1.5), (21, 80, 10, 1.5),
  (21, 100, 10, 1.5), (21, 140, 10, 1.5), (21, 200, 10, 1.5),
  (21, 250, 10, 1.5), (21, 250, 10, 2.5), (21, 250, 10, 3.5), (21, 300, 10, 2.5), (21, 400, 10, 1.5),
  (22, 18, 6, 1.5), (22, 25, 6, 1.5), (22, 35, 6, 1.5), (22, 50, 6, 1.5), (22, 80, 6, 1.5),
  (23, 600, 10, 1.5), (23, 800, 10, 1.5), (23, 1000, 10, 1.5),
  (24, 25, 8, 1.5), (24, 50, 8, 1.5),
  (25, 35, 10, 1.5), (25, 80, 10, 1.5), (25, 80, 16, 1.5),
  (26, 100, 6, 1.5), (26, 200, 6, 1.5),
  (27, 500, 10, 1.5), (27, 500, 16, 1.5),
  (30, 200, 6, 0), (30, 300, 6, 0), (30, 400, 6, 0), (30, 500, 6, 0), (30, 500, 10, 0),
  (30, 600, 6, 0), (30, 800, 6, 0), (30, 1000, 6, 0), (30, 1200, 6, 0), (30, 1500, 6, 0),
  (30, 2000, 6, 0), (30, 2800, 6, 0),
  (31, 200, 6, 0), (31, 200, 10, 0), (31, 300, 6, 0), (31, 300, 10, 0), (31, 400, 6, 0),
  (31, 400, 10, 0), (31, 500, 6, 0), (31, 500, 10, 0), (31, 600, 6, 0), (31, 600, 10, 0),
  (31, 800, 6, 0), (31, 800, 10, 0), (31, 1000, 6, 0), (31, 1000, 10, 0),
  (32, 200, 10, 0), (32, 300, 10, 0), (32, 400, 10, 0), (32, 500, 10, 0), (32, 600, 10, 0),
  (32, 800, 10, 0), (32, 1000, 10, 0), (32, 1500, 10, 0), (32, 2000, 10, 0), (32, 3000, 10, 0),
  (33, 200, 6, 0), (33, 200, 10, 0), (33, 300, 6, 0), (33, 300, 10, 0), (33, 500, 6, 0),
  (33, 500, 10, 0), (33, 800, 6, 0), (33, 800, 10, 0),
  (60, 200, 6, 0), (60, 300, 6, 0), (60, 500, 6, 0), (60, 800, 6, 0),
  (61, 200, 10, 0), (61, 300, 10, 0), (61, 500, 10, 0), (61, 800, 10, 0),
  (70, 100, 10, 1.5), (70, 200, 10, 1.5), (70, 300, 10, 1.5),
  (72, 300, 16, 1.5), (72, 500, 16, 1.5), (72, 1000, 16, 1.5),
  (74, 300, 6, 1.5), (74, 500, 6, 1.5), (74, 800, 6, 1.5), (74, 1000, 6, 1.5);
-- Intermediate vessels (no membrane, no pre-pressure): own temperature rating, some for solar.
INSERT INTO gef (gruppe, inhalt, druck, vordruck, temp, solar) VALUES
  (40, 35, 10, 0, 120, -1), (40, 50, 10, 0, 120, -1), (40, 60, 10, 0, 120, 0),
  (40, 80, 6, 0, 110, -1), (40, 100, 10, 0, 150, 0), (40, 150, 6, 0, 120, 0),
  (40, 150, 10, 0, 150, 0), (40, 200, 6, 0, 150, 0), (40, 300, 10, 0, 150, 0),
  (40, 500, 10, 0, 150, 0), (40, 800, 10, 0, 150, 0), (40, 1000, 10, 0, 150, 0);

-- Article number, and pressures as German number text (1.5 -> '1,5', 6.0 -> '6').
-- The 1000-l vessel with feet takes the number 40499.
CREATE TEMP VIEW gef_text AS
SELECT gef.*,
       CASE WHEN gruppe = 4 AND inhalt = 1000 THEN '40499' ELSE
       '4' || printf('%02d%02d', gruppe,
                     (SELECT count(*) FROM gef g2 WHERE g2.gruppe = gef.gruppe AND g2.nr <= gef.nr)) END AS artnr,
       CASE WHEN druck = CAST(druck AS INTEGER) THEN CAST(CAST(druck AS INTEGER) AS TEXT)
            ELSE replace(printf('%.1f', druck), '.', ',') END AS druck_text,
       replace(printf('%.1f', vordruck), '.', ',') AS vordruck_text
FROM gef;

INSERT INTO [Grunddaten Gefäße]
SELECT v.artnr, v.gruppe, v.inhalt, v.druck,
       coalesce(v.temp, CASE WHEN v.gruppe BETWEEN 15 AND 19 THEN 70 ELSE 120 END),
       v.vordruck, m.d, m.h, m.mb, m.mh,
       CASE WHEN (v.gruppe BETWEEN 2 AND 9 OR v.gruppe IN (11, 12, 14, 30, 31, 32, 33, 60, 61, 70, 72, 74))
                 AND NOT (v.gruppe = 2 AND v.inhalt <= 50) THEN -1 ELSE 0 END,
       coalesce(v.solar,
                CASE WHEN v.gruppe BETWEEN 21 AND 27
                       OR (v.gruppe = 3 AND v.inhalt <= 300)
                       OR (v.gruppe = 5 AND v.inhalt BETWEEN 200 AND 500) THEN -1 ELSE 0 END),
       a.umschr || ' ' || v.inhalt || ' l / ' || v.druck_text || ' bar'
         || CASE WHEN v.gruppe = 40 THEN ', ' || v.temp || ' °C'
                 WHEN v.vordruck > 0 THEN ', Vordruck ' || v.vordruck_text || ' bar'
                 ELSE '' END,
       CASE WHEN v.inhalt <= 80 THEN '24120' WHEN v.inhalt <= 500 THEN '24125'
            WHEN v.inhalt <= 1200 THEN '24132' ELSE '24140' END,
       NULL
FROM gef_text v JOIN art_gruppe a USING (gruppe) JOIN mass m USING (inhalt)
ORDER BY v.gruppe, v.nr;

-- Special vessels ----------------------------------------------------------------

-- Horizontal vessels: the height column holds the length.
UPDATE [Grunddaten Gefäße] SET [MinderHöhe in mm] = 0,
  [Höhe in mm] = CASE [Inhalt in ltr] WHEN 200 THEN 1000 WHEN 300 THEN 1300 WHEN 500 THEN 1500 ELSE 1900 END
  WHERE [Art Gr Berechn Prg] = 8;
-- Slim drinking-water vessel and tall solar vessels (too tall for a 2000-mm room).
UPDATE [Grunddaten Gefäße] SET [Durchmesser in mm] = 410, [Höhe in mm] = 1950, [MinderHöhe in mm] = 100
  WHERE [Art Gr Berechn Prg] = 17 AND [Inhalt in ltr] = 150;
UPDATE [Grunddaten Gefäße] SET [Durchmesser in mm] = 750, [Höhe in mm] = 1900, [MinderHöhe in mm] = 150
  WHERE [Art Gr Berechn Prg] = 21 AND [Inhalt in ltr] = 400;
UPDATE [Grunddaten Gefäße] SET
  [Durchmesser in mm] = CASE [Inhalt in ltr] WHEN 600 THEN 740 WHEN 800 THEN 800 ELSE 980 END,
  [Höhe in mm] = CASE [Inhalt in ltr] WHEN 600 THEN 1950 WHEN 800 THEN 2000 ELSE 2100 END,
  [MinderHöhe in mm] = 100
  WHERE [Art Gr Berechn Prg] = 23;
-- Module automats: connection group for one pump / two pumps; the 3000-l vessel has none for two.
UPDATE [Grunddaten Gefäße] SET [Art Nr Kappenventil] = '24225',
  ArtNr2Kappenventil = CASE WHEN [Inhalt in ltr] = 3000 THEN '' ELSE '24240' END
  WHERE [Art Gr Berechn Prg] = 14;
-- Two 16-bar solar vessels behind the 10-bar ones of the same content (never the automatic
-- choice): one names no cap valve, one the missing cap valve.
UPDATE [Grunddaten Gefäße] SET [Art Nr Kappenventil] = '' WHERE [Art Nr] = '42503';
UPDATE [Grunddaten Gefäße] SET [Art Nr Kappenventil] = '24199' WHERE [Art Nr] = '42702';

-- Articles of the vessels ----------------------------------------------------------

-- Price: (35 + 1.1 x litres) x pressure factor x kind factor.
INSERT INTO ARTIKEL (arArtikelnr, arKurztext1, arKurztext2, arPreis, ltLangtextnr)
SELECT v.artnr, a.kurz || ' ' || v.inhalt || ' l',
       v.druck_text || ' bar'
         || CASE WHEN v.gruppe = 40 THEN ', ' || v.temp || ' °C'
                 WHEN v.vordruck > 0 THEN ', Vordruck ' || v.vordruck_text || ' bar'
                 ELSE '' END,
       round((35 + 1.1 * v.inhalt)
             * CASE v.druck WHEN 3 THEN 0.8 WHEN 6 THEN 1.0 WHEN 8 THEN 1.25 WHEN 10 THEN 1.5 ELSE 2.3 END
             * a.faktor, 2),
       a.lt
FROM gef_text v JOIN art_gruppe a USING (gruppe)
ORDER BY v.gruppe, v.nr;

INSERT INTO Artikel_Zusatz (artikelnr, dxfText, entluefterCode, entluefterSortier, Solaranlage, TitelGruppe)
SELECT g.[Art Nr], a.dxf || ' ' || g.[Inhalt in ltr], NULL, NULL, 0, 1
FROM [Grunddaten Gefäße] g JOIN art_gruppe a ON a.gruppe = g.[Art Gr Berechn Prg]
ORDER BY g.rowid;

INSERT INTO DIMENSIONSTEXTE (arArtikelnr, ltLangtextnr, diTextzeile)
SELECT g.[Art Nr], a.maske, g.[Durchmesser in mm] || '$' || g.[Höhe in mm] || '$'
FROM [Grunddaten Gefäße] g JOIN art_gruppe a ON a.gruppe = g.[Art Gr Berechn Prg]
ORDER BY g.rowid;

-- The spare membrane is a part, not a vessel.
UPDATE [Grunddaten Gefäße] SET Umschreibung = 'Ersatzmembrane für MAG Austauschmembrane'
  WHERE [Art Nr] = '40501';
UPDATE ARTIKEL SET arKurztext1 = 'Ersatzmembrane für Austauschmembran-MAG',
                   arKurztext2 = 'für Gefäße 200 bis 5000 l', ltLangtextnr = 7
  WHERE arArtikelnr = '40501';
UPDATE Artikel_Zusatz SET dxfText = NULL WHERE artikelnr = '40501';

DROP VIEW gef_text;
DROP TABLE gef;
DROP TABLE mass;
DROP TABLE art_gruppe;

-- Cap valves at the vessels and connection groups of the module automats ----------
-- (24199, named by a 16-bar solar vessel, is deliberately missing.)
INSERT INTO ARTIKEL (arArtikelnr, arKurztext1, arKurztext2, arPreis, ltLangtextnr) VALUES
  ('24120', 'Kappenventil R ¾ für Ausdehnungsgefäß', 'mit Entleerung', 12.15, 31),
  ('24125', 'Kappenventil R 1 für Ausdehnungsgefäß', 'mit Entleerung', 21.40, 31),
  ('24132', 'Kappenventil R 1¼ für Ausdehnungsgefäß', 'mit Entleerung', 34.90, 31),
  ('24140', 'Kappenventil R 1½ für Ausdehnungsgefäß', 'mit Entleerung', 52.60, 31),
  ('24225', 'Anschlussgruppe DN 25 für Modulautomat', 'für eine Pumpe', 265.00, 32),
  ('24240', 'Anschlussgruppe DN 40 für Modulautomat', 'für zwei Pumpen', 398.00, 32);
INSERT INTO Artikel_Zusatz (artikelnr, dxfText, entluefterCode, entluefterSortier, Solaranlage, TitelGruppe) VALUES
  ('24120', NULL, NULL, NULL, 0, NULL),
  ('24125', NULL, NULL, NULL, 0, NULL),
  ('24132', NULL, NULL, NULL, 0, NULL),
  ('24140', NULL, NULL, NULL, 0, NULL),
  ('24225', NULL, NULL, NULL, 0, 3),
  ('24240', NULL, NULL, NULL, 0, 3);
INSERT INTO DIMENSIONSTEXTE (arArtikelnr, ltLangtextnr, diTextzeile) VALUES
  ('24120', 6, '20$'), ('24125', 6, '25$'), ('24132', 6, '32$'), ('24140', 6, '40$'),
  ('24225', 6, '25$'), ('24240', 6, '40$');
