#include "UTitulky.h"


#include "DMHlavny.h"

QString TypZvInstalacie(TDataModuleHlavny &dm)
{
    Otvor(dm.ADOTableIRPar, QStringLiteral("SELECT * FROM irpar"));
    return dm.ADOTableIRPar.first() ? dm.ADOTableIRPar.value(QStringLiteral("Typ_Zv")).toString() : QString();
}

QString TitulUvodu(const QString &typZv)
{
    return typZv == QLatin1String("1") ? QStringLiteral("Register HD na farme")
                                       : QStringLiteral("Register *HD* na farme");
}

QString TitulHlavnehoOkna(const QString &typZv)
{
    return typZv == QLatin1String("1") ? QStringLiteral("Individuálny register HD")
                                       : QStringLiteral("Individuálny register *HD*");
}
