#include "UIco.h"

QString DoplnNulyICO(const QString &ico)
{
    const QString orezane = ico.trimmed();
    if (orezane.isEmpty() || orezane.size() >= DlzkaICO)
        return ico;
    return orezane.rightJustified(DlzkaICO, QLatin1Char('0'));
}
