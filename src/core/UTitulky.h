#pragma once

#include <QString>

class TDataModuleHlavny;

// The installation's type from irpar.Typ_Zv; empty when irpar has no row.
// "1" selects the plain titles, anything else the marked ones.
QString TypZvInstalacie(TDataModuleHlavny &dm);

QString TitulUvodu(const QString &typZv);        // title label of the splash window
QString TitulHlavnehoOkna(const QString &typZv); // caption of the main window
