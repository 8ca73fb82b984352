CREATE TABLE [Waehrung] ([Waehrungskürzel] TEXT, [MwStSatz in Prozent] REAL);
INSERT INTO [Waehrung] VALUES ('EUR', 19);
