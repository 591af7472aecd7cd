#include "UIco.h"

#include "USpolocne.h"

QString DoplnNulyICO(const QString &ico)
{
    return DoplnNuly(ico, DlzkaICO);
}
