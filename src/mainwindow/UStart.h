#pragma once

#include <QString>

struct TNastavenia;

// The start-up of the program: the data module and its connection, the
// version from the ini file, the splash for a while, then the main window.
// Returns the program's exit code. A database that cannot be reached ends
// the program with an error box carrying the driver's or server's message.
int SpustiVuradeDE(const TNastavenia &nastavenia, const QString &cestaIni, int pauzaUvodu = 3000);
