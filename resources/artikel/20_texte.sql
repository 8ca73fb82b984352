-- Currency, insertion masks and long texts.

INSERT INTO Waehrung VALUES ('EUR', 19);

-- Masks: each run of $ takes the next value of a dimension line, right-aligned.
INSERT INTO EINFUEGETEXTE (etEinfuegetextnr, etText) VALUES
  (1, 'Durchmesser $$$$ mm, Höhe $$$$ mm'),
  (2, 'Durchmesser $$$$ mm, Länge $$$$ mm'),
  (3, 'Anschluss DN $$$, Ansprechdruck $$,$ bar'),
  (4, 'Leistung bis $$$ kW, max. $$ bar'),
  (5, 'Inhalt $$$$ l, D $$$$ mm, H $$$$ mm'),
  (6, 'Anschluss DN $$$');

-- One long text per product family, shared by its articles.
--   1-18 vessels, 20-28 safety equipment, 30-45 accessories, 50-52 tanks.
INSERT INTO LANGTEXTE (ltLangtextnr, ltText) VALUES
  (1, 'Membran-Druckausdehnungsgefäß mit fester Membrane für geschlossene Heiz- und Kühlwasseranlagen.'
      || char(13, 10)
      || 'Mit Stickstoff vorgefüllt, Vordruck auf der Baustelle einstellbar.'),
  (2, 'Membran-Druckausdehnungsgefäß auf drei Standfüßen, mit fester Membrane, Anschluss unten.'),
  (3, 'Membran-Druckausdehnungsgefäß in Flachbauweise für die Wandmontage in engen Heizräumen.'),
  (4, 'Membran-Druckausdehnungsgefäß in Kompaktbauweise mit angebautem Anschlussstück.'),
  (5, 'Liegendes Membran-Druckausdehnungsgefäß mit Sattelfüßen für niedrige Aufstellräume.'),
  (6, 'Druckausdehnungsgefäß mit austauschbarer Blasenmembrane aus Butyl, wasserseitig korrosionsfrei, mit Prüfflansch.'),
  (7, 'Ersatzmembrane aus Butyl für Ausdehnungsgefäße mit austauschbarer Membrane, mit Dichtung und Befestigungssatz.'),
  (8, 'Grundbehälter eines kompressorgesteuerten Druckhalteautomaten mit austauschbarer Membrane und Füllstandsmessung.'),
  (9, 'Grundbehälter eines pumpengesteuerten Druckhalteautomaten, drucklos, mit austauschbarer Membrane und Füllstandsmessung.'),
  (10, 'Grundbehälter eines Pumpenautomaten mit Steuermodul, drucklos, mit Wägezelle und Anschlussgruppe.'),
  (11, 'Grundbehälter eines Druckhalteautomaten in Sonderbauweise nach Anlagenvorgabe.'),
  (12, 'Grundbehälter eines Nachspeisepumpen-Automaten mit Gaspolster und Füllstandsschalter.'),
  (13, 'Beistellbehälter zur Vergrößerung des Nutzvolumens eines Automaten, mit Verbindungsleitung.'),
  (14, 'Vorlagebehälter ohne Membrane zum Schutz des Ausdehnungsgefäßes vor unzulässig hohen Temperaturen im Rücklauf.'),
  (15, 'Membran-Druckausdehnungsgefäß für Druckerhöhungsanlagen, Membrane und Innenbeschichtung für Trinkwasser geeignet.'),
  (16, 'Durchströmtes Membran-Ausdehnungsgefäß für Trinkwasser-Erwärmungsanlagen, mit Durchströmungsarmatur.'),
  (17, 'Membran-Ausdehnungsgefäß für Trinkwasser-Erwärmungsanlagen, wasserberührte Teile korrosionsgeschützt.'),
  (18, 'Membran-Ausdehnungsgefäß für Solaranlagen, Membrane beständig gegen Wasser-Glykol-Gemische.'),
  (20, 'Vollhub-Sicherheitsventil für Wärmeerzeuger mit Federbelastung, Anlüftvorrichtung und Ausblaseleitung, '
      || 'Ansprechdruck werkseitig fest eingestellt und plombiert, bauteilgeprüft für Wasser und Dampf.'),
  (21, 'Membran-Sicherheitsventil für geschlossene Heizungsanlagen, Ansprechdruck fest eingestellt.'),
  (22, 'Membran-Sicherheitsventil für Solaranlagen, temperaturbeständig bis 160 °C, für Wasser-Glykol-Gemische.'),
  (23, 'Membran-Sicherheitsventil für Trinkwasser-Erwärmer, Ansprechdruck fest eingestellt.'),
  (24, 'Membran-Sicherheitsventil für Kaltwasser- und Kühlanlagen, Ansprechdruck fest eingestellt.'),
  (25, 'Entspannungstopf zur Trennung von Dampf und Wasser hinter dem Sicherheitsventil, mit Ablauf- und Brüdenstutzen.'),
  (26, 'Sicherheitstemperaturbegrenzer als Ersatz für den Entspannungstopf bei Vorlauftemperaturen bis 100 °C.'),
  (27, 'Wassermangelsicherung zum Abschalten des Wärmeerzeugers bei zu niedrigem Wasserstand.'),
  (28, 'Druckbegrenzer mit Verriegelung zum Abschalten des Wärmeerzeugers bei Über- oder Unterschreiten des Grenzdrucks.'),
  (30, 'Kappenventil für den Vorlauf des Wärmeerzeugers, gegen unbeabsichtigtes Schließen gesichert.'),
  (31, 'Kappenventil mit Entleerung zum Absperren des Ausdehnungsgefäßes bei Wartungsarbeiten.'),
  (32, 'Anschlussgruppe für Pumpenautomaten mit Steuermodul, mit Kappenventil, Schmutzfänger und Rückflussverhinderer.'),
  (33, 'Nachspeiseeinheit mit Systemtrenner, Druckminderer und Magnetventil für die druckabhängige Nachspeisung.'),
  (34, 'Nachspeise-Pumpeneinheit mit Pumpe, Systemtrenner und Vorlagebehälter für Anlagen mit hohem Fülldruck.'),
  (35, 'Entgasungs- und Nachspeiseautomat mit Vakuumentgasung und Nachspeisung über Systemtrenner.'),
  (36, 'Systemtrenner zur Absicherung des Trinkwassernetzes gegen Rückfließen von Heizungswasser.'),
  (37, 'Zubehör zur Nachrüstung an Druckhalteautomaten, anschlussfertig mit Kabel.'),
  (38, 'Membranbruchsensor zur Überwachung der Membrane mit Meldung an die Steuerung.'),
  (39, 'Membranausdehnungsgefäßanschlussverschraubungssatz für den Anschluss eines Beistellbehälters an den Grundbehälter.'),
  (40, 'Wärmedämmung für Grundbehälter von Pumpenautomaten mit Steuermodul, Weichschaum mit Folienmantel.'),
  (41, 'Schlammabscheider mit Magnetstab zum Abscheiden von Schmutz und Magnetit aus dem Heizungswasser, mit Entleerungshahn.'),
  (42, 'Wärmedämmschale für Schlammabscheider, geeignet bis 80 °C.'),
  (43, 'Mikroblasenabscheider zur Entfernung freier Gase und Mikroblasen aus dem Umlaufwasser, mit Schnellentlüfter.'),
  (44, 'Zentrifugalabscheider für Luft und Schmutz in einem Gehäuse, mit Schnellentlüfter und Entleerung.'),
  (45, 'Lufttopf beziehungsweise Schnellentlüfter für die Entlüftung an Hochpunkten der Anlage.'),
  (50, 'Stehender Speicher-Wassererwärmer aus emailliertem Stahl mit Glattrohr-Wärmetauscher und Schutzanode.'),
  (51, 'Liegender Speicher-Wassererwärmer mit Glattrohr-Wärmetauscher für niedrige Aufstellräume.'),
  (52, 'Stehender Speicher-Wassererwärmer aus Edelstahl mit Glattrohr-Wärmetauscher.');
