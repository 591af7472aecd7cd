#include "UPravidlaPrisunu.h"

#include <QStringList>
#include <cmath>
#include <numeric>

namespace {

QChar DruhyZnak(const QString &kod)
{
    return kod.size() > 1 ? kod.at(1) : QChar();
}

double Sucet(const TPodielyKrvi &p, int pocet)
{
    return std::accumulate(p.Podiely.begin(), p.Podiely.begin() + pocet, 0.0);
}

} // namespace

bool JeKodBitunku(const QString &kod)
{
    return kod == QLatin1String("65") || kod == QLatin1String("66");
}

TStavOvladacov NastavenieOvladacov(const QString &skupina, const QString &kod, bool jeMajitel)
{
    TStavOvladacov stav;
    if (JeSkupina(skupina, "1234")) {
        stav.Pohlavie = false;
        stav.PredvolenePohlavie = PohlaviePodlaKodu(kod);
    }
    if (skupina == QLatin1String("6"))
        stav.Pohlavie = false;
    const bool udalostKravy = skupina == QLatin1String("7") &&
                              QStringList{QStringLiteral("08"), QStringLiteral("09"), QStringLiteral("A1")}.contains(kod);
    if (udalostKravy) {
        stav.UdajeZvierata = false;
        stav.Pohlavie = false;
    }
    stav.FarmaPrisunu = skupina == QLatin1String("0") && kod != QLatin1String("30");
    stav.StatPrisunu = skupina == QLatin1String("3") || skupina == QLatin1String("9");
    stav.PovodnaZnacka = skupina == QLatin1String("3") && !JeKodBitunku(kod);
    if (JeKodBitunku(kod)) {
        stav.UdajeZvierata = false;
        stav.Pohlavie = false;
    }
    stav.Donorka = skupina == QLatin1String("4");
    stav.Majitel = jeMajitel && skupina < QLatin1String("5") && kod != QLatin1String("97");
    stav.UzitZamMatky = skupina == QLatin1String("1") || skupina == QLatin1String("4");
    stav.UzitZam = stav.UzitZamMatky || skupina == QLatin1String("7") || kod == QLatin1String("89");
    return stav;
}

QString PohlaviePodlaKodu(const QString &kod)
{
    return DruhyZnak(kod) == QLatin1Char('1') || kod == QLatin1String("65") ? QStringLiteral("2")
                                                                           : QStringLiteral("1");
}

QString PozadovanePohlavie(const QString &kod)
{
    if (DruhyZnak(kod) == QLatin1Char('1') || kod == QLatin1String("65"))
        return QStringLiteral("2");
    if (DruhyZnak(kod) == QLatin1Char('2') || kod == QLatin1String("66") || kod == QLatin1String("89"))
        return QStringLiteral("1");
    return {};
}

int CeleDni(const QDate &od, const QDate &po)
{
    return static_cast<int>(std::abs(od.daysTo(po)));
}

QString PocitadloDni(const QString &kod, const QDate &dnes, const QDate &datumPrisunu)
{
    static const QStringList kody = {"01", "02", "08", "09", "65", "66", "81", "82", "91", "92", "93"};
    if (!kody.contains(kod))
        return {};
    return TextPocitadlaDni + QString::number(CeleDni(dnes, datumPrisunu));
}

int PorovnajSo100(double sucet)
{
    constexpr double sum = 1e-9;
    if (sucet < 100.0 - sum)
        return -1;
    return sucet > 100.0 + sum ? 1 : 0;
}

TVysledokPodielu PravidloPodielu(int n, const TPodielyKrvi &podiely)
{
    using TFokus = TVysledokPodielu::TFokus;
    TVysledokPodielu vysledok;
    const int i = n - 1;
    const QString &plemeno = podiely.Plemena[i];
    const double podiel = podiely.Podiely[i];
    const double predtym = Sucet(podiely, i);
    double spolu = predtym + podiel;

    if (spolu > 100.1) {
        vysledok.ChybaNad100 = true;
        vysledok.Fokus = TFokus::Podiel;
    }
    if (podiel > 0 && plemeno.isEmpty()) {
        vysledok.ChybaBezPlemena = true;
        vysledok.Fokus = TFokus::Plemeno;
    }
    const bool doplneny = podiel == 0 && !plemeno.isEmpty();
    if (doplneny) {
        if (n == 1)
            vysledok.NovyPodiel = 100.0;
        else if (predtym >= 100)
            vysledok.VyprazdniPlemeno = true;
        else
            vysledok.NovyPodiel = 100.0 - predtym;
        spolu = predtym + vysledok.NovyPodiel.value_or(0);
    }
    if (n < 4 && PorovnajSo100(spolu) == 0) {
        vysledok.VyprazdniOd = n + 1;
        vysledok.Fokus = TFokus::Farba;
    } else if (n == 4 && doplneny) {
        vysledok.Fokus = TFokus::LiniaOtca;
    }
    return vysledok;
}

bool JeKladneCislo(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return false;
    bool nenulove = false;
    for (QChar c : t) {
        if (!c.isDigit() || c.unicode() > 127)
            return false;
        nenulove = nenulove || c != QLatin1Char('0');
    }
    return nenulove;
}

TOznacenieFarmy KontrolaOznaceniaFarmy(const QString &text, const QString &skupina)
{
    const QString farma = text.trimmed();
    if (farma.size() > 0 && farma.size() < 6)
        return TOznacenieFarmy::KratkeOznacenie;
    if (farma.size() != 6 || skupina != QLatin1String("0"))
        return TOznacenieFarmy::Spravne;
    const auto jeCele = [](const QString &t) {
        return !t.isEmpty() && std::all_of(t.begin(), t.end(), [](QChar c) { return c.unicode() < 128 && c.isDigit(); });
    };
    const QString cislo = farma.mid(1, 5);
    const bool tvar = jeCele(cislo) || (jeCele(farma.mid(3, 3)) && farma.startsWith(QLatin1String("VZP")));
    return tvar && cislo.trimmed().size() >= 5 ? TOznacenieFarmy::Spravne : TOznacenieFarmy::Nekorektne;
}

std::pair<QString, QString> RozsahSkladby(const QString &plemeno2, const QString &plemeno3, const QString &plemeno4)
{
    if (plemeno4 > QLatin1String("0"))
        return {QStringLiteral("10"), QStringLiteral("14")};
    if (plemeno3 > QLatin1String("0"))
        return {QStringLiteral("05"), QStringLiteral("09")};
    if (plemeno2 > QLatin1String("0"))
        return {QStringLiteral("01"), QStringLiteral("04")};
    return {QStringLiteral("00"), QStringLiteral("00")};
}

bool JeUzitZam(const QString &uzitZam)
{
    return uzitZam == QLatin1String("1") || uzitZam == QLatin1String("2");
}

bool JeSkupina(const QString &skupina, const char *skupiny)
{
    return skupina.size() == 1 && QByteArray(skupiny).contains(skupina.at(0).toLatin1());
}
