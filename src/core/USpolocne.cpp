#include "USpolocne.h"

QString DoplnNuly(const QString &cislo, int dlzka)
{
    const QString orezane = cislo.trimmed();
    if (orezane.isEmpty() || orezane.size() >= dlzka)
        return cislo;
    return orezane.rightJustified(dlzka, QLatin1Char('0'));
}
