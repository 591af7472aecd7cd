// The pure rules of the arrival window: control states by event, sex by code,
// day counter, blood shares, farm-number form and composition range.
#include <QTest>

#include "UPravidlaPrisunu.h"

namespace {

// The control states as one line: sex, animal data, former ear tag, farm,
// state of origin, donor, owner, production type ("E"/"D"), preset sex, "m" for the dam's caption.
QString Stav(const TStavOvladacov &s)
{
    const auto e = [](bool b) { return b ? QStringLiteral("E") : QStringLiteral("D"); };
    return e(s.Pohlavie) + e(s.UdajeZvierata) + e(s.PovodnaZnacka) + e(s.FarmaPrisunu) + e(s.StatPrisunu) +
           e(s.Donorka) + e(s.Majitel) + e(s.UzitZam) + QLatin1Char(' ') + s.PredvolenePohlavie +
           (s.UzitZamMatky ? QStringLiteral("m") : QString());
}

} // namespace

class TestPravidlaPrisunu : public QObject
{
    Q_OBJECT

private slots:
    void stavOvladacov_data()
    {
        QTest::addColumn<QString>("skupina");
        QTest::addColumn<QString>("kod");
        QTest::addColumn<bool>("majitel");
        QTest::addColumn<QString>("stav");
        QTest::newRow("00 kúpa") << "0" << "00" << true << "EEDEDDED ";
        QTest::newRow("97 rušenie odsunu") << "0" << "97" << true << "EEDEDDDD ";
        QTest::newRow("30 bez farmy") << "0" << "30" << true << "EEDDDDED ";
        QTest::newRow("01 narodenie samca") << "1" << "01" << true << "DEDDDDEE 2m";
        QTest::newRow("02 narodenie samice") << "1" << "02" << true << "DEDDDDEE 1m";
        QTest::newRow("81 zaradenie") << "2" << "81" << true << "DEDDDDED 2";
        QTest::newRow("89 otelená krava") << "2" << "89" << true << "DEDDDDEE 1";
        QTest::newRow("91 import") << "3" << "91" << true << "DEEDEDED 2";
        QTest::newRow("12 embryotransfer") << "4" << "12" << true << "DEDDDEEE 1m";
        QTest::newRow("65 bitúnok") << "3" << "65" << true << "DDDDEDED 2";
        QTest::newRow("66 bitúnok") << "3" << "66" << true << "DDDDEDED 1";
        QTest::newRow("94 rušenie straty") << "5" << "94" << true << "EEDDDDDD ";
        QTest::newRow("31 oprava pohlavia") << "6" << "31" << true << "DEDDDDDD ";
        QTest::newRow("08 zmetanie") << "7" << "08" << true << "DDDDDDDE ";
        QTest::newRow("A1 zmena zamerania") << "7" << "A1" << true << "DDDDDDDE ";
        QTest::newRow("39 iná udalosť kravy") << "7" << "39" << true << "EEDDDDDE ";
        QTest::newRow("95 rušenie porážky") << "8" << "95" << true << "EEDDDDDD ";
        QTest::newRow("98 rušenie vývozu") << "9" << "98" << true << "EEDDEDDD ";
        QTest::newRow("bez majiteľov") << "0" << "00" << false << "EEDEDDDD ";
    }
    void stavOvladacov()
    {
        QFETCH(QString, skupina);
        QFETCH(QString, kod);
        QFETCH(bool, majitel);
        QFETCH(QString, stav);
        QCOMPARE(Stav(NastavenieOvladacov(skupina, kod, majitel)), stav);
    }

    void pohlaviePodlaKodu_data()
    {
        QTest::addColumn<QString>("kod");
        QTest::addColumn<QString>("predvolene");
        QTest::addColumn<QString>("pozadovane");
        QTest::newRow("01") << "01" << "2" << "2";
        QTest::newRow("02") << "02" << "1" << "1";
        QTest::newRow("65") << "65" << "2" << "2";
        QTest::newRow("66") << "66" << "1" << "1";
        QTest::newRow("89") << "89" << "1" << "1";
        QTest::newRow("00") << "00" << "1" << "";
        QTest::newRow("A1") << "A1" << "2" << "2";
    }
    void pohlaviePodlaKodu()
    {
        QFETCH(QString, kod);
        QFETCH(QString, predvolene);
        QFETCH(QString, pozadovane);
        QCOMPARE(PohlaviePodlaKodu(kod), predvolene);
        QCOMPARE(PozadovanePohlavie(kod), pozadovane);
    }

    void pocitadloDni_data()
    {
        QTest::addColumn<QString>("kod");
        QTest::addColumn<int>("dniSpat");
        QTest::addColumn<QString>("text");
        QTest::newRow("01, 10 dní") << "01" << 10 << "Počet uplynutých dní : 10";
        QTest::newRow("93, dnes") << "93" << 0 << "Počet uplynutých dní : 0";
        QTest::newRow("08, rok") << "08" << 365 << "Počet uplynutých dní : 365";
        QTest::newRow("00 bez počítadla") << "00" << 10 << "";
        QTest::newRow("bez udalosti") << "" << 3 << "";
    }
    void pocitadloDni()
    {
        QFETCH(QString, kod);
        QFETCH(int, dniSpat);
        QFETCH(QString, text);
        const QDate dnes(2024, 3, 1);
        QCOMPARE(PocitadloDni(kod, dnes, dnes.addDays(-dniSpat)), text);
        QCOMPARE(CeleDni(dnes.addDays(-dniSpat), dnes), dniSpat);
    }

    void podielKrvi_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QStringList>("plemena");
        QTest::addColumn<QList<double>>("podiely");
        // errors ">100", "bez plemena", completed share (-1 none), breed emptied, emptied from, focus
        QTest::addColumn<QString>("vysledok");
        const QList<double> nic{0, 0, 0, 0};
        QTest::newRow("1: plemeno bez podielu -> 100") << 1 << QStringList{"SS", "", "", ""} << nic << "-- 100 - 2 F";
        QTest::newRow("2: 60 + doplnenie 40") << 2 << QStringList{"SS", "HO", "", ""} << QList<double>{60, 0, 0, 0}
                                             << "-- 40 - 3 F";
        QTest::newRow("2: už 100 -> plemeno preč") << 2 << QStringList{"SS", "HO", "", ""}
                                                  << QList<double>{100, 0, 0, 0} << "-- -1 X 3 F";
        QTest::newRow("1: 100,05 prejde") << 1 << QStringList{"SS", "", "", ""} << QList<double>{100.05, 0, 0, 0}
                                          << "-- -1 - 0 -";
        QTest::newRow("2: súčet nad 100,1") << 2 << QStringList{"SS", "HO", "", ""} << QList<double>{60, 50.2, 0, 0}
                                            << ">- -1 - 0 P";
        QTest::newRow("3: podiel bez plemena") << 3 << QStringList{"SS", "HO", "", ""}
                                               << QList<double>{50, 25, 10, 0} << "-B -1 - 0 B";
        QTest::newRow("3: obe chyby, fokus na plemeno") << 3 << QStringList{"SS", "HO", "", ""}
                                                        << QList<double>{60, 40, 10, 0} << ">B -1 - 0 B";
        QTest::newRow("3: presne 100 vyprázdni 4") << 3 << QStringList{"SS", "HO", "CH", "PC"}
                                                   << QList<double>{50, 25, 25, 10} << "-- -1 - 4 F";
        QTest::newRow("4: doplnenie -> línia otca") << 4 << QStringList{"SS", "HO", "CH", "PC"}
                                                   << QList<double>{50, 25, 12.5, 0} << "-- 12.5 - 0 L";
        QTest::newRow("4: bez zmeny") << 4 << QStringList{"SS", "HO", "CH", "PC"}
                                      << QList<double>{50, 25, 12.5, 12.5} << "-- -1 - 0 -";
    }
    void podielKrvi()
    {
        QFETCH(int, n);
        QFETCH(QStringList, plemena);
        QFETCH(QList<double>, podiely);
        QFETCH(QString, vysledok);
        TPodielyKrvi p;
        for (int i = 0; i < 4; ++i) {
            p.Plemena[i] = plemena[i];
            p.Podiely[i] = podiely[i];
        }
        const TVysledokPodielu v = PravidloPodielu(n, p);
        const QString fokus = QStringLiteral("-PBFL").at(static_cast<int>(v.Fokus));
        const QString text = QString(v.ChybaNad100 ? ">" : "-") + (v.ChybaBezPlemena ? "B" : "-") + " " +
                             QString::number(v.NovyPodiel.value_or(-1)) + " " + (v.VyprazdniPlemeno ? "X" : "-") +
                             " " + QString::number(v.VyprazdniOd) + " " + fokus;
        QCOMPARE(text, vysledok);
    }

    void porovnanieSo100()
    {
        QCOMPARE(PorovnajSo100(33.3 + 33.3 + 33.4), 0);
        QCOMPARE(PorovnajSo100(12.5 + 87.5), 0);
        QCOMPARE(PorovnajSo100(100.05), 1);
        QCOMPARE(PorovnajSo100(99.9), -1);
    }

    void oznacenieFarmy_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("skupina");
        QTest::addColumn<int>("vysledok");
        const int ok = int(TOznacenieFarmy::Spravne), kratke = int(TOznacenieFarmy::KratkeOznacenie),
                  zle = int(TOznacenieFarmy::Nekorektne);
        QTest::newRow("A12345") << "A12345" << "0" << ok;
        QTest::newRow("VZP123") << "VZP123" << "0" << ok;
        QTest::newRow("VZPABC") << "VZPABC" << "0" << zle;
        QTest::newRow("A12B45") << "A12B45" << "0" << zle;
        QTest::newRow("XZP123 bez VZP") << "XZP123" << "0" << zle;
        QTest::newRow("B1234 krátke") << "B1234" << "0" << kratke;
        QTest::newRow("krátke aj mimo skupiny 0") << "B1" << "5" << kratke;
        QTest::newRow("tvar sa mimo skupiny 0 nekontroluje") << "A12B45" << "5" << ok;
        QTest::newRow("prázdne") << "  " << "0" << ok;
        QTest::newRow("dlhé ostane") << "A123456" << "0" << ok;
    }
    void oznacenieFarmy()
    {
        QFETCH(QString, text);
        QFETCH(QString, skupina);
        QFETCH(int, vysledok);
        QCOMPARE(int(KontrolaOznaceniaFarmy(text, skupina)), vysledok);
    }

    void rozsahSkladby_data()
    {
        QTest::addColumn<QStringList>("plemena");
        QTest::addColumn<QString>("od");
        QTest::addColumn<QString>("po");
        QTest::newRow("jedno plemeno") << QStringList{"", "", ""} << "00" << "00";
        QTest::newRow("dve") << QStringList{"HO", "", ""} << "01" << "04";
        QTest::newRow("tri") << QStringList{"HO", "CH", ""} << "05" << "09";
        QTest::newRow("štyri") << QStringList{"HO", "CH", "PC"} << "10" << "14";
    }
    void rozsahSkladby()
    {
        QFETCH(QStringList, plemena);
        QFETCH(QString, od);
        QFETCH(QString, po);
        QCOMPARE(RozsahSkladby(plemena[0], plemena[1], plemena[2]), std::make_pair(od, po));
    }

    void kladneCislo_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("platne");
        QTest::newRow("123") << "123" << true;
        QTest::newRow("s medzerami") << " 7 " << true;
        QTest::newRow("0") << "0" << false;
        QTest::newRow("000") << "000" << false;
        QTest::newRow("12A") << "12A" << false;
        QTest::newRow("záporné") << "-5" << false;
        QTest::newRow("prázdne") << "" << false;
    }
    void kladneCislo()
    {
        QFETCH(QString, text);
        QFETCH(bool, platne);
        QCOMPARE(JeKladneCislo(text), platne);
    }
};

QTEST_APPLESS_MAIN(TestPravidlaPrisunu)
#include "tst_pravidlaPrisunu.moc"
