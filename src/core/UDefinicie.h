#pragma once

#include <QDate>
#include <QString>

#include "UFormaty.h"

// One animal as typed by the user, collected before it is checked and written.
// A missing date is NulovyDatum, as everywhere in the program.
struct TZviera
{
    QString ZVStat;
    QString JCNARV;
    QString PovZVStat;
    QString PovJCNARV;
    QString OtStat;
    QString OtJCNARV;
    QString OtLinia;
    qint32 OtRegister = 0;
    QString MaStat;
    QString MaJCNARV;
    QString DonorStat;
    QString DonorJCNARV;
    QString LUC;
    QString PUC;
    QString Pohlavie;
    QDate DatNar = NulovyDatum;
    QDate DatUh = NulovyDatum;
    QString PL1;
    double Pk1 = 0;
    QString PL2;
    double Pk2 = 0;
    QString PL3;
    double Pk3 = 0;
    QString PL4;
    double Pk4 = 0;
    QString PL5;
    QString KodFarby;
    QString KodPKrvi;
    qint32 Vlastnik_ID = 0;
    QString UzitZam = QStringLiteral("0");

    // Empties every field for the next use; the production type becomes "0".
    void Vynuluj();
};

// One arrival of one animal.
struct TPrisun
{
    qint32 Udal_ID = 0;
    QDate DatUdal = NulovyDatum;
    QString POCisFarmy;
    QString POStat;
    TZviera Zviera;

    void Vynuluj();
};

// One departure of one animal.
struct TOdsun
{
    qint32 Udal_ID = 0;
    QDate DatUdal = NulovyDatum;
    QString POCisFarmy;
    QString POStat;
    QString OVlastnik;  // IČO of the new owner on a sale
    QString Skupina;    // group number "0".."9"
    TZviera Zviera;

    void Vynuluj();
};
