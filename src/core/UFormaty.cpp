#include "UFormaty.h"

#include <QStringList>

QString FormatujDatum(const QDate &datum, const TFormatProfil &profil)
{
    const QString vzor = profil.KratkyDatum.section(QLatin1Char(' '), 0, 0);
    return datum.toString(vzor);
}

QString FormatujDatumCas(const QDateTime &cas, const TFormatProfil &profil)
{
    return cas.toString(profil.KratkyDatum);
}

std::optional<QDate> CitajDatum(const QString &text, const TFormatProfil &profil)
{
    const QStringList casti = text.trimmed().split(profil.OddelovacDatumu);
    if (casti.size() != 3)
        return std::nullopt;
    const QString vzor = profil.KratkyDatum.section(QLatin1Char(' '), 0, 0);
    const QStringList poradie = vzor.split(profil.OddelovacDatumu);
    int den = 0, mesiac = 0, rok = 0;
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        const QString cast = casti[i].trimmed();
        const int hodnota = cast.toInt(&ok);
        if (!ok || cast.isEmpty() || cast.startsWith(QLatin1Char('-')) || cast.startsWith(QLatin1Char('+')))
            return std::nullopt;
        const QChar druh = poradie.value(i).isEmpty() ? QChar() : poradie.value(i).at(0);
        if (druh == QLatin1Char('d'))
            den = hodnota;
        else if (druh == QLatin1Char('M'))
            mesiac = hodnota;
        else if (cast.size() <= 2) {
            const int dnesRok = QDate::currentDate().year();
            rok = dnesRok / 100 * 100 + hodnota;
            if (rok > dnesRok + 50)
                rok -= 100;
            else if (rok <= dnesRok - 50)
                rok += 100;
        } else
            rok = hodnota;
    }
    const QDate datum(rok, mesiac, den);
    if (!datum.isValid())
        return std::nullopt;
    return datum;
}

QString FormatujCislo(double cislo, const TFormatProfil &profil)
{
    QString text = QString::number(cislo, 'g', 15);
    if (!profil.DesatinnyOddelovac.isNull())
        text.replace(QLatin1Char('.'), profil.DesatinnyOddelovac);
    return text;
}

std::optional<double> CitajCislo(const QString &text, const TFormatProfil &profil)
{
    QString cislo = text.trimmed();
    if (cislo.isEmpty() || cislo.contains(QLatin1Char('.')) && profil.DesatinnyOddelovac != QLatin1Char('.'))
        return std::nullopt;
    if (!profil.DesatinnyOddelovac.isNull())
        cislo.replace(profil.DesatinnyOddelovac, QLatin1Char('.'));
    bool ok = false;
    const double hodnota = cislo.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return hodnota;
}
