-- Service partners and sales offices with their postal-code areas.
-- Phone numbers lie in the 555 block.

INSERT INTO GebieteService (GebietsNr, Firma, Straße, PlzOrt, Telefon, Fax) VALUES
  (0, 'Wärmeservice Mitte GmbH',             'Hafenweg 7',          '06112 Halle (Saale)',      '0345 555-0100', '0345 555-0199'),
  (1, 'Wärmeservice Ost GmbH',               'Industriestraße 24',  '12347 Berlin',             '030 555-1100',  '030 555-1199'),
  (2, 'Wärmeservice Nord GmbH',              'Am Kanal 3',          '22113 Hamburg',            '040 555-2100',  '040 555-2199'),
  (3, 'Wärmeservice West GmbH',              'Gewerbering 15',      '45141 Essen',              '0201 555-3100', '0201 555-3199'),
  (4, 'Heizungsdienst Niedersachsen GmbH',   'Lindenallee 40',      '30179 Hannover',           '0511 555-4100', '0511 555-4199'),
  (5, 'Anlagenservice Elbtal GmbH',          'Mühlenweg 9',         '01159 Dresden',            '0351 555-5100', '0351 555-5199'),
  (6, 'Wärmeservice Bayern GmbH',            'Am Wasserturm 2',     '81379 München',            '089 555-6100',  '089 555-6199'),
  (7, 'Heiztechnik-Service Rhein-Main GmbH', 'Ringstraße 61',       '60386 Frankfurt am Main',  '069 555-7100',  '069 555-7199'),
  (8, 'Wärmeservice Südwest GmbH',           'Kanalstraße 18',      '70469 Stuttgart',          '0711 555-8100', '0711 555-8199');

INSERT INTO GebieteVertreter (GebietsNr, Name, Straße, PlzOrt, Telefon, Fax) VALUES
  (1,  'Vertriebsbüro Hamburg',              'Bahnhofstraße 5',     '22041 Hamburg',            '040 555-2200',  '040 555-2299'),
  (2,  'Vertriebsbüro Weser-Ems',            'Am Hafen 12',         '26135 Oldenburg',          '0441 555-2300', '0441 555-2399'),
  (3,  'Vertriebsbüro Berlin-Brandenburg',   'Gewerbehof 4',        '10785 Berlin',             '030 555-1200',  '030 555-1299'),
  (4,  'Vertriebsbüro Sachsen-Anhalt',       'Elbuferweg 8',        '39104 Magdeburg',          '0391 555-0200', '0391 555-0299'),
  (5,  'Vertriebsbüro Niedersachsen',        'Messeweg 21',         '30519 Hannover',           '0511 555-4200', '0511 555-4299'),
  (6,  'Vertriebsbüro Westfalen',            'Industriestraße 77',  '33609 Bielefeld',          '0521 555-3300', '0521 555-3399'),
  (7,  'Vertriebsbüro Sachsen-Thüringen',    'Am Gleisdreieck 1',   '04109 Leipzig',            '0341 555-5200', '0341 555-5299'),
  (8,  'Vertriebsbüro Rhein-Ruhr',           'Rheinallee 30',       '40221 Düsseldorf',         '0211 555-3200', '0211 555-3299'),
  (9,  'Vertriebsbüro Rheinland-Pfalz-Saar', 'Weinbergstraße 6',    '55130 Mainz',              '06131 555-7300', '06131 555-7399'),
  (10, 'Vertriebsbüro Hessen',               'Ringstraße 100',      '60486 Frankfurt am Main',  '069 555-7200',  '069 555-7299'),
  (11, 'Vertriebsbüro Franken',              'Hafenstraße 11',      '90441 Nürnberg',           '0911 555-6200', '0911 555-6299'),
  (12, 'Vertriebsbüro Baden-Württemberg',    'Neckarweg 3',         '70565 Stuttgart',          '0711 555-8200', '0711 555-8299'),
  (13, 'Vertriebsbüro Südbayern',            'Landsberger Straße 9', '80687 München',           '089 555-6300',  '089 555-6399');

-- Ranges by the first two digits of the postal code, inclusive, covering 01000-99999.
INSERT INTO GebietsaufteilungService (vonPLZ, bisPLZ, GebietsNr) VALUES
  ('01000', '04999', 5), ('05000', '06999', 0), ('07000', '09999', 5), ('10000', '19999', 1),
  ('20000', '29999', 2), ('30000', '34999', 4), ('35000', '36999', 7), ('37000', '38999', 4),
  ('39000', '39999', 0), ('40000', '48999', 3), ('49000', '49999', 4), ('50000', '53999', 3),
  ('54000', '56999', 7), ('57000', '59999', 3), ('60000', '67999', 7), ('68000', '79999', 8),
  ('80000', '87999', 6), ('88000', '89999', 8), ('90000', '97999', 6), ('98000', '99999', 5);

INSERT INTO GebietsaufteilungVertreter (vonPLZ, bisPLZ, GebietsNr) VALUES
  ('01000', '05999', 7), ('06000', '06999', 4), ('07000', '09999', 7), ('10000', '19999', 3),
  ('20000', '25999', 1), ('26000', '29999', 2), ('30000', '31999', 5), ('32000', '33999', 6),
  ('34000', '34999', 5), ('35000', '36999', 10), ('37000', '38999', 5), ('39000', '39999', 4),
  ('40000', '43999', 8), ('44000', '48999', 6), ('49000', '49999', 2), ('50000', '53999', 8),
  ('54000', '56999', 9), ('57000', '59999', 6), ('60000', '65999', 10), ('66000', '67999', 9),
  ('68000', '79999', 12), ('80000', '87999', 13), ('88000', '89999', 12), ('90000', '97999', 11),
  ('98000', '99999', 7);
