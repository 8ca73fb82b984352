#pragma once

struct Programmzustand;

// Reads the currency symbol and the VAT rate from the first row of the article table [Waehrung]
// into Währungskürzel and Mehrwertsteuersatz (a Single). When the database cannot be opened the
// database message is shown and both values stay as they are; an empty table changes nothing.
// Returns true when a row was read.
bool LeseWaehrung(Programmzustand& z);
