#include "USpolocne.h"

QString DoplnNuly(const QString &cislo)
{
    const QString orezane = cislo.trimmed();
    if (orezane.isEmpty() || orezane.size() >= DlzkaCislaZvierata)
        return cislo;
    return orezane.rightJustified(DlzkaCislaZvierata, QLatin1Char('0'));
}
