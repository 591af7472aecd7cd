#pragma once

#include <QString>

// The version written in the ini file beside the program.
struct TVerziaProgramu
{
    QString Verzia;       // [verzia programu] verzia
    QString DatumVerzie;  // [datum verzie] datumverzie
};

// Thrown when the ini file exists but cannot be read.
class TChybaIni
{
};

// The ini file beside a program file: its path with the extension replaced
// by ".ini" (a program without an extension gets ".ini" appended).
QString CestaIni(const QString &cestaProgramu);

// Reads the two version values; a missing file, section or key gives empty
// values. Section and key names are compared without regard to case.
TVerziaProgramu NacitajVerziu(const QString &cestaIni);

// As NacitajVerziu, but a failure shows "Chyba pri nacitani konfiguracie."
// and gives empty values.
TVerziaProgramu NacitajVerziuSHlasenim(const QString &cestaIni);
