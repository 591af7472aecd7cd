#pragma once

#include <QDate>
#include <QString>

#include "UFormaty.h"

// The state that the main window keeps for every other window: the current
// farm and the program-wide constants. The main window is one of these; the
// dialogs and the data module read it through this base, so they need not
// know the main window itself.
class TSpolocneUdaje
{
public:
    virtual ~TSpolocneUdaje() = default;

    int AktFarmaID = 0;
    QString AktCisFarmy;
    QString AktNazovFarmy;

    int DlzkaCisla = 12;
    QString DomaciStat = QStringLiteral("SK");
    QString KodSamica = QStringLiteral("1");
    QString KodSamec = QStringLiteral("2");

    QString HladaneZviera;
    int PocetZvierat = 0;
    int VlastnikZvierata = 0;
    bool ZmenitUzitZam = false;
};

// Length of an ear-tag number.
inline constexpr int DlzkaCislaZvierata = 12;

// An ear-tag number as typed, padded with leading zeros to 12 characters when
// its trimmed text has 1 to 11 characters; any other text is returned unchanged.
QString DoplnNuly(const QString &cislo);
