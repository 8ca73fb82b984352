-- Make-up, generator cap valves, collecting line, automat parts and accessories.
-- The compressor and pump units of the automats (21xxx) and their control modules
-- are in 40_pumpen_kompressoren.sql.

-- Cap valves of the heat generators, by the largest output served.
INSERT INTO Kappenventile ([Leistung in kW], [Art Nr]) VALUES
  (350, '24020'), (2100, '24025'), (3600, '24032'), (4800, '24040'), (7500, '24050');

-- Expansion collecting line, by the largest total output.
INSERT INTO Ausdehnungssammelleitung ([Leistung in kW], [Nenndurchmesser DN]) VALUES
  (350, 20), (2100, 25), (3600, 32), (4800, 40), (7500, 50), (14000, 65), (19000, 80);

-- Degassing and make-up automats (working ranges as the message about them prints).
INSERT INTO ENA_Automaten (ArtNr, minAnfangsdruck, maxEnddruck, maxAnlgVolumen) VALUES
  ('23801', 1.3, 3.5, 2000),
  ('23802', 2.0, 4.5, 4000),
  ('23803', 3.0, 8.0, 8000);

-- Insulation of module-automat vessels by content; 1500 l has none.
INSERT INTO [Wärmedämmung Kelvormat] (Inhalt, [Art Nr]) VALUES
  (200, '22502'), (300, '22503'), (400, '22504'), (500, '22505'),
  (600, '22506'), (800, '22508'), (1000, '22510'), (2000, '22520');

INSERT INTO ARTIKEL (arArtikelnr, arKurztext1, arKurztext2, arPreis, ltLangtextnr) VALUES
  ('24020', 'Kappenventil DN 20 für Wärmeerzeuger', '', 24.80, 30),
  ('24025', 'Kappenventil DN 25 für Wärmeerzeuger', '', 33.50, 30),
  ('24032', 'Kappenventil DN 32 für Wärmeerzeuger', '', 48.90, 30),
  ('24040', 'Kappenventil DN 40 für Wärmeerzeuger', '', 69.00, 30),
  ('24050', 'Kappenventil DN 50 für Wärmeerzeuger', '', 112.00, 30),
  ('23801', 'Entgasungs- und Nachspeiseautomat ENA 1', '1,3 bis 3,5 bar, bis 2000 l', 2680.00, 35),
  ('23802', 'Entgasungs- und Nachspeiseautomat ENA 2', '2,0 bis 4,5 bar, bis 4000 l', 3240.00, 35),
  ('23803', 'Entgasungs- und Nachspeiseautomat ENA 3', '3,0 bis 8,0 bar, bis 8000 l', 4190.00, 35),
  ('22502', 'Wärmedämmung für Grundbehälter 200 l', '', 158.00, 40),
  ('22503', 'Wärmedämmung für Grundbehälter 300 l', '', 176.00, 40),
  ('22504', 'Wärmedämmung für Grundbehälter 400 l', '', 194.00, 40),
  ('22505', 'Wärmedämmung für Grundbehälter 500 l', '', 212.00, 40),
  ('22506', 'Wärmedämmung für Grundbehälter 600 l', '', 230.00, 40),
  ('22508', 'Wärmedämmung für Grundbehälter 800 l', '', 266.00, 40),
  ('22510', 'Wärmedämmung für Grundbehälter 1000 l', '', 302.00, 40),
  ('22520', 'Wärmedämmung für Grundbehälter 2000 l', '', 482.00, 40),
  -- Make-up units
  ('23760', 'Nachspeiseeinheit mit Systemtrenner', 'für Ausdehnungsgefäße', 640.00, 33),
  ('23770', 'Nachspeise-Pumpeneinheit', 'für Ausdehnungsgefäße', 1390.00, 34),
  ('23751', 'Nachspeiseeinheit mit Systemtrenner', 'für Kompressorautomat, Steuerung E', 890.00, 33),
  ('23755', 'Nachspeiseeinheit mit Systemtrenner', 'für Druckhalteautomaten', 920.00, 33),
  ('23765', 'Nachspeise-Pumpeneinheit', 'für Automaten', 1480.00, 34),
  ('23752', 'Kompakt-Nachspeiseeinheit', 'mit Systemtrenner und Wasserzähler', 1150.00, 33),
  -- System separators (17096 without long text)
  ('17095', 'Systemtrenner zum Nachspeiseautomaten', '', 245.00, 36),
  ('17096', 'Nachspeiseanschluss ohne Systemtrenner', '', 68.50, NULL),
  ('17736', 'Systemtrenner für Pumpenautomat', 'mit Steuermodul', 189.00, 36),
  -- Automat accessories
  ('17739', 'Impulswasserzähler', 'für Nachspeiseleitung', 156.00, 37),
  ('17790', 'Zeitschaltuhr mit Betriebsstundenzähler', '', 98.50, 37),
  ('17792', 'Analoger Signalausgang', '4 bis 20 mA', 175.00, 37),
  ('17791', 'Membranbruchsensor Kompressorautomat', '', 210.00, 38),
  ('22386', 'Membranbruchsensor', '', 195.00, 38),
  ('17795', 'Feldbus-Koppler', '', 420.00, 37),
  ('17797', 'Fernanzeigegerät', '', 365.00, 37),
  ('17798', 'Modem-Koppler analog', '', 480.00, 37),
  ('22380', 'Anschluss-Set Beistellbehälter', '', 64.90, 39);

INSERT INTO Artikel_Zusatz (artikelnr, dxfText, entluefterCode, entluefterSortier, Solaranlage, TitelGruppe) VALUES
  ('24020', NULL, NULL, NULL, 0, 3),
  ('24025', NULL, NULL, NULL, 0, 3),
  ('24032', NULL, NULL, NULL, 0, 3),
  ('24040', NULL, NULL, NULL, 0, 3),
  ('24050', NULL, NULL, NULL, 0, 3),
  ('23801', 'ENA 1', NULL, NULL, 0, 4),
  ('23802', 'ENA 2', NULL, NULL, 0, 4),
  ('23803', 'ENA 3', NULL, NULL, 0, 4),
  ('22502', NULL, NULL, NULL, 0, 5),
  ('22503', NULL, NULL, NULL, 0, 5),
  ('22504', NULL, NULL, NULL, 0, 5),
  ('22505', NULL, NULL, NULL, 0, 5),
  ('22506', NULL, NULL, NULL, 0, 5),
  ('22508', NULL, NULL, NULL, 0, 5),
  ('22510', NULL, NULL, NULL, 0, 5),
  ('22520', NULL, NULL, NULL, 0, 5),
  ('23760', 'NSE', NULL, NULL, 0, 4),
  ('23770', 'NSP', NULL, NULL, 0, 4),
  ('23751', 'NSE-K', NULL, NULL, 0, 4),
  ('23755', 'NSE-A', NULL, NULL, 0, 4),
  ('23765', 'NSP-A', NULL, NULL, 0, 4),
  ('23752', 'NSE-KP', NULL, NULL, 0, 4),
  ('17095', NULL, NULL, NULL, 0, 4),
  ('17096', NULL, NULL, NULL, 0, 4),
  ('17736', NULL, NULL, NULL, 0, 4),
  ('17739', NULL, NULL, NULL, 0, 4),
  ('17790', NULL, NULL, NULL, 0, 1),
  ('17792', NULL, NULL, NULL, 0, 1),
  ('17791', NULL, NULL, NULL, 0, 1),
  ('22386', NULL, NULL, NULL, 0, 1),
  ('17795', NULL, NULL, NULL, 0, 1),
  ('17797', NULL, NULL, NULL, 0, 1),
  ('17798', NULL, NULL, NULL, 0, 1),
  ('22380', NULL, NULL, NULL, 0, 1);

INSERT INTO DIMENSIONSTEXTE (arArtikelnr, ltLangtextnr, diTextzeile) VALUES
  ('24020', 6, '20$'), ('24025', 6, '25$'), ('24032', 6, '32$'), ('24040', 6, '40$'), ('24050', 6, '50$'),
  ('17095', 6, '20$');
