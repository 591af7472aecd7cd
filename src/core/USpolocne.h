#pragma once

#include <QDate>
#include <QString>

#include "UFormaty.h"

// Length of an ear-tag number.
inline constexpr int DlzkaCislaZvierata = 12;

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

    int DlzkaCisla = DlzkaCislaZvierata;
    QString DomaciStat = QStringLiteral("SK");
    QString KodSamica = QStringLiteral("1");
    QString KodSamec = QStringLiteral("2");

    QString HladaneZviera;
    int PocetZvierat = 0;
    int VlastnikZvierata = 0;
    bool ZmenitUzitZam = false;

    // What the dialogs ask of the main window.
    // Stores the current farm in irpar, so that the next start restores it.
    virtual void UlozAktFarmu() = 0;
    // Shows the current farm (AktCisFarmy, AktNazovFarmy) in the title bar label.
    virtual void ZobrazAktFarmu() = 0;
    // Hides the farm view and the animal view, so the background shows.
    virtual void SkryPohlady() = 0;
    // Enables the owner assignment exactly when at least one owner exists.
    virtual void NastavPriradenieMajitela() = 0;
    // Builds the tree of farms and animals again (after arrivals and departures).
    virtual void NacitajStrom() = 0;
};

// A number as typed, padded with leading zeros to its full length (12 for an
// ear-tag number) when its trimmed text is shorter and not empty; any other
// text is returned unchanged.
QString DoplnNuly(const QString &cislo, int dlzka = DlzkaCislaZvierata);
