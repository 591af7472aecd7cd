// The new-arrival window against the test database: the control states of
// each kind of event and the checks as fields are left.
#include "OknoNovehoPrisunu.h"

class TestNovyPrisun : public TTestOknaNovehoPrisunu
{
    Q_OBJECT

private slots:
    void initTestCase() { PripravOkno(); }
    void init() { ZacniTestOkna(); }
    void cleanup() { SkonciTest(); }
    void cleanupTestCase() { ZrusOkno(); }

    void oknoPoZobrazeni()
    {
        QCOMPARE(okno->windowTitle(), QStringLiteral("Nový prísun (vrátane opravných kódov) na farmu A10001 PD Dolný Háj"));
        QCOMPARE(okno->StatusBarPrisuny->currentMessage(), QStringLiteral("Počet prísunov: 4"));
        QCOMPARE(okno->ADOQueryPrisuny->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Kód"));
        QCOMPARE(okno->ADOQueryPrisuny->index(0, 3).data().toString(), QStringLiteral("02"));  // newest first
        QVERIFY(okno->DBLookupComboBoxUdalost->hasFocus());
        QCOMPARE(okno->DateTimePickerDatumPrisunu->maximumDate(), QDate::currentDate());
        QCOMPARE(okno->DBRadioGroupUzitZam->Hodnota(), QStringLiteral("0"));
        QVERIFY(okno->DBEditFarmaPrisunu->isEnabled() && okno->DBRadioGroupPohlavie->isEnabled());
        QVERIFY(!okno->GroupBoxPrisuny->isEnabled());
        QVERIFY(okno->DBLookupComboBoxMajitel->isEnabled());
        QStringList kody;
        for (int i = 0; i < okno->DBLookupComboBoxUdalost->count(); ++i)
            kody << okno->DBLookupComboBoxUdalost->itemText(i).left(2);
        QVERIFY(!kody.contains("21") && !kody.contains("22") && kody.contains("00") && !kody.contains("40"));
    }

    void zatvorenieObnoviStrom()
    {
        hlavny.Volania.clear();
        okno->finished(QDialog::Rejected);  // what closing the modal window emits
        QCOMPARE(hlavny.Volania, QStringList{"NacitajStrom"});
    }

    void ovladacePodlaUdalosti_data()
    {
        QTest::addColumn<QString>("kod");
        // farm, sex, birth date, state of origin, former ear tag, donor, owner, production type
        QTest::addColumn<QString>("stav");
        QTest::addColumn<QString>("pohlavie");
        QTest::addColumn<QString>("titulok");
        QTest::addColumn<QString>("pocitadlo");
        QTest::addColumn<QStringList>("texty");
        // A disabled production-type radio keeps the caption it had before.
        const QString kravy = "Úžitkové zameranie kravy", matky = "Úžitkové zameranie matky", nezmeneny;
        QTest::newRow("00") << "00" << "EEEDDDED" << "" << nezmeneny << "" << QStringList{};
        QTest::newRow("30") << "30" << "DEEDDDED" << "" << nezmeneny << "" << QStringList{};
        QTest::newRow("97") << "97" << "EEEDDDDD" << "" << nezmeneny << "" << QStringList{};
        QTest::newRow("01") << "01" << "DDEDDDEE" << "2" << matky << "Počet uplynutých dní : 0" << QStringList{};
        QTest::newRow("02") << "02" << "DDEDDDEE" << "1" << matky << "Počet uplynutých dní : 0" << QStringList{};
        QTest::newRow("92") << "92" << "DDEEEDED" << "1" << nezmeneny << "Počet uplynutých dní : 0" << QStringList{};
        QTest::newRow("11") << "11" << "DDEDDEEE" << "2" << matky << "" << QStringList{};
        QTest::newRow("89") << "89" << "DDEDDDEE" << "1" << kravy << "" << QStringList{};
        QTest::newRow("94") << "94" << "DEEDDDDD" << "" << nezmeneny << "" << QStringList{};
        QTest::newRow("31") << "31" << "DDEDDDDD" << "" << nezmeneny << "" << QStringList{};
        QTest::newRow("08") << "08" << "DDDDDDDE" << "" << kravy << "Počet uplynutých dní : 0"
                            << QStringList{"Nezabudni, že pohyb 08-zmetanie musí byť v hlásení potvrdený veterinárom."};
        QTest::newRow("98") << "98" << "DEEEDDDD" << "" << nezmeneny << "" << QStringList{};
        QTest::newRow("65 mimo bitúnku") << "65" << "DDDEDDED" << "2" << nezmeneny << "Počet uplynutých dní : 0"
                                         << QStringList{"Kód udalosti 65 a 66 sa môže použiť len pre bitúnok!"};
    }
    void ovladacePodlaUdalosti()
    {
        QFETCH(QString, kod);
        QFETCH(QString, stav);
        QFETCH(QString, pohlavie);
        QFETCH(QString, titulok);
        QFETCH(QString, pocitadlo);
        QFETCH(QStringList, texty);
        Vypln({{"farma", "C33333"}, {"pstat", "AT"}});
        const QString titulokPredtym = okno->DBRadioGroupUzitZam->title();
        Zvol(kod);
        QString skutocny;
        for (QWidget *w : std::initializer_list<QWidget *>{
                 okno->DBEditFarmaPrisunu, okno->DBRadioGroupPohlavie, okno->DateTimePickerDatumNarodenia,
                 okno->DBLookupComboBoxStatPrisunu, okno->DBEditPovodneCislo, okno->DBEditDonorkaCislo,
                 okno->DBLookupComboBoxMajitel, okno->DBRadioGroupUzitZam})
            skutocny += w->isEnabled() ? "E" : "D";
        QCOMPARE(skutocny, stav);
        QCOMPARE(okno->DBRadioGroupPohlavie->Hodnota(), pohlavie);
        QCOMPARE(okno->DBRadioGroupUzitZam->title(), titulok.isEmpty() ? titulokPredtym : titulok);
        QCOMPARE(okno->LabelPocDni->text(), pocitadlo);
        QCOMPARE(spravy->Texty(), texty);
        QCOMPARE(okno->DBEditFarmaPrisunu->text(), QString(stav[0] == 'E' ? "C33333" : ""));
        QCOMPARE(okno->DBLookupComboBoxStatPrisunu->Kluc(), QString(kod == "92" || kod == "65" ? "AT" : ""));  // import only
        QCOMPARE(okno->SpeedButtonNajdiFarmu->isEnabled(), stav[0] == 'E');
        QVERIFY(okno->DateTimePickerDatumPrisunu->hasFocus());  // also after a reminder or a refusal
    }

    void bezMajitelovJeMajitelVypnuty()
    {
        TestDB::Vykonaj(db(), "DELETE FROM vlastnik");
        okno->FormShow();
        Zvol("00");
        QVERIFY(!okno->DBLookupComboBoxMajitel->isEnabled());
    }

    void stavZvierata_data()
    {
        QTest::addColumn<QString>("kod");
        QTest::addColumn<QString>("cislo");
        QTest::addColumn<QList<TOdpoved>>("odpovede");
        QTest::addColumn<QStringList>("texty");
        QTest::addColumn<QString>("pole");   // number field after leaving
        QTest::addColumn<QString>("pohlavie");
        QTest::addColumn<QString>("plemeno");
        const QList<TOdpoved> nic;
        QTest::newRow("nové zviera") << "00" << "123" << nic << QStringList{} << "000000000123" << "1" << "";
        QTest::newRow("číslo 0") << "00" << "0" << nic << QStringList{"Nekorektne uvedené číslo NARV !"} << "0" << "" << "";
        QTest::newRow("číslo 12A") << "00" << "12A" << nic << QStringList{"Nekorektne uvedené číslo NARV !"} << "12A" << "" << "";
        QTest::newRow("stav 2 pri kúpe") << "00" << "101" << nic
                                         << QStringList{"Dané zviera je už prisunuté na farme A10001. Nemôžem ho prisunuť!"}
                                         << "000000000101" << "" << "";
        QTest::newRow("stav 3 pri kúpe") << "00" << "201" << nic
                                         << QStringList{"Dané zviera je už prisunuté na farme B20002. Nemôžem ho prisunuť!"}
                                         << "000000000201" << "" << "";
        QTest::newRow("farma neznáma") << "01" << "401" << nic
                                       << QStringList{"Dané zviera je už prisunuté na farme . Nemôžem ho prisunuť!"}
                                       << "000000000401" << "2" << "";
        QTest::newRow("32 samici") << "32" << "101" << nic
                                   << QStringList{"Zviera má požadované pohlavie. Netreba robiť opravu"} << "000000000101" << "" << "";
        QTest::newRow("31 samici") << "31" << "101" << nic << QStringList{} << "000000000101" << "2" << "";
        QTest::newRow("08 býkovi") << "08" << "102" << nic
                                   << QStringList{"Nezabudni, že pohyb 08-zmetanie musí byť v hlásení potvrdený veterinárom.",
                                                  "Zmetanie/narodenie mŕtveho teľaťa/zmena úžit.zamerania hlásené býkovi"}
                                   << "000000000102" << "" << "";
        QTest::newRow("08 na inej farme") << "08" << "201" << nic
                                          << QStringList{"Nezabudni, že pohyb 08-zmetanie musí byť v hlásení potvrdený veterinárom.",
                                                         "Dané zviera je prisunuté na farme B20002 !"}
                                          << "000000000201" << "" << "";
        QTest::newRow("31 mimo fariem") << "31" << "301" << nic << QStringList{"Dané zviera už nie je na farme !"}
                                        << "000000000301" << "" << "";
        QTest::newRow("A1 neznámej") << "A1" << "999" << nic
                                     << QStringList{"Dané zviera nie je na farme. Nemôžete mu hlásiť zmetanie/narod.mŕtv.teľaťa/zmenu úžit.zamer.!"}
                                     << "000000000999" << "" << "";
        QTest::newRow("94 bez odsunu") << "94" << "301" << nic
                                       << QStringList{"Neexistuje rušený odsun pre dané zviera. Nemôže byť vykonaný pohyb ZRUŠENIE OMYLOM...!"}
                                       << "000000000301" << "2" << "SS";
        QTest::newRow("prevzatie pri kúpe") << "00" << "301" << nic << QStringList{} << "000000000301" << "2" << "SS";
        QTest::newRow("prevzatie, oprava pohlavia") << "02" << "301" << QList<TOdpoved>{TOdpoved::Ano}
                                                    << QStringList{"Pohlavie zvieraťa neodpovedá kódu prísunu. Opraviť pohlavie ? "}
                                                    << "000000000301" << "1" << "SS";
        QTest::newRow("prevzatie, bez opravy") << "02" << "301" << QList<TOdpoved>{TOdpoved::Nie}
                                               << QStringList{"Pohlavie zvieraťa neodpovedá kódu prísunu. Opraviť pohlavie ? ",
                                                              "Nesprávne pohlavie zvieraťa !"}
                                               << "000000000301" << "2" << "SS";
    }
    void stavZvierata()
    {
        QFETCH(QString, kod);
        QFETCH(QString, cislo);
        QFETCH(QList<TOdpoved>, odpovede);
        QFETCH(QStringList, texty);
        QFETCH(QString, pole);
        QFETCH(QString, pohlavie);
        QFETCH(QString, plemeno);
        Zvol(kod);
        spravy->Odpovede = odpovede;
        Zadaj(okno->DBEditZvieraCislo, cislo);
        QCOMPARE(spravy->Texty(), texty);
        QCOMPARE(okno->DBEditZvieraCislo->text(), pole);
        QCOMPARE(okno->DBRadioGroupPohlavie->Hodnota(), pohlavie);
        QCOMPARE(okno->DBLookupComboBoxPlemeno1->Kluc(), plemeno);
    }

    void rusenyOdsunMusiByt()
    {
        TestDB::Vykonaj(db(), "INSERT INTO pohyby (Farma_ID, Udal_ID, ZVStat, JCNARV, DatUdal) "
                              "VALUES (1, 20, 'SK', '000000000301', CURDATE() - INTERVAL 3 DAY)");
        Zvol("94");
        Vypln({{"datum", "2"}});
        Zadaj(okno->DBEditZvieraCislo, "301");  // a departure on another date does not count
        QCOMPARE(spravy->Texty().size(), 1);
        spravy->Vymaz();
        Vypln({{"datum", "3"}});
        Zadaj(okno->DBEditZvieraCislo, "301");
        QCOMPARE(spravy->Texty(), QStringList{});
    }

    // A bull given as the dam or as the donor is refused as the field is left;
    // the donor only when she is on a farm.
    void samecAkoMatkaAleboDonorka_data()
    {
        QTest::addColumn<QString>("kod");
        QTest::addColumn<bool>("donorka");  // the donor's number, else the dam's
        QTest::addColumn<QString>("cislo");
        QTest::addColumn<QList<TOdpoved>>("odpovede");
        QTest::addColumn<QStringList>("texty");
        const QString matkaSamec = "Zviera uvedené ako matka je samec !";
        const QString donorkaSamec = "Zviera uvedené ako donorka je samec !";
        const QList<TOdpoved> nic;
        QTest::newRow("býk na farme ako matka") << "02" << false << "102" << nic << QStringList{matkaSamec};
        QTest::newRow("býk mimo fariem ako matka") << "02" << false << "301" << QList<TOdpoved>{TOdpoved::Ano}
                                                   << QStringList{"Matka nie je na farme. Je to správne  ? ", matkaSamec};
        QTest::newRow("krava ako matka") << "02" << false << "101" << nic << QStringList{};
        QTest::newRow("býk na farme ako donorka") << "11" << true << "102" << nic << QStringList{donorkaSamec};
        QTest::newRow("býk mimo fariem ako donorka") << "11" << true << "301" << nic << QStringList{};
        QTest::newRow("krava na inej farme ako donorka") << "11" << true << "201" << nic << QStringList{};
    }
    void samecAkoMatkaAleboDonorka()
    {
        QFETCH(QString, kod);
        QFETCH(bool, donorka);
        QFETCH(QString, cislo);
        QFETCH(QList<TOdpoved>, odpovede);
        QFETCH(QStringList, texty);
        Zvol(kod);
        spravy->Vymaz();
        spravy->Odpovede = odpovede;
        QLineEdit *pole = donorka ? okno->DBEditDonorkaCislo : okno->DBEditMatkaCislo;
        Zadaj(pole, cislo);
        QCOMPARE(spravy->Texty(), texty);
        QCOMPARE(pole->text(), QStringLiteral("000000000") + cislo);
        const bool samec = !texty.isEmpty() && texty.last().endsWith("je samec !");
        QCOMPARE(okno->focusWidget() == pole, samec);  // the focus goes back to the bull's number
        if (samec)
            QVERIFY(spravy->Zaznam.last().Titulok == "Prísun" && spravy->Zaznam.last().Ikona == TIkona::Chyba);
    }

    void podielyKrvi()
    {
        Zvol("00");
        Vypln({{"pl1", "SS"}, {"pk1", "60"}});
        okno->DBEditkrv1->setFocus();
        Opusti();
        Vypln({{"pl2", "HO"}});
        okno->DBLookupComboBoxPlemeno3->NastavKluc("CH");
        okno->DBEditkrv2->setFocus();
        Opusti();
        QCOMPARE(okno->DBEditkrv2->text(), QStringLiteral("40"));
        QCOMPARE(okno->DBLookupComboBoxPlemeno3->Kluc(), QString());
        QVERIFY(okno->DBLookupComboBoxFarba->hasFocus());
        Vypln({{"pk2", "50"}});
        okno->DBEditkrv2->setFocus();
        Opusti();
        QCOMPARE(spravy->Texty(), QStringList{"Chyba: Podiel krvi > 100"});
        QVERIFY(okno->DBEditkrv2->hasFocus());
    }

    void farmaARegisterOtca()
    {
        Zvol("00");
        Zadaj(okno->DBEditFarmaPrisunu, "B1234");
        QVERIFY(okno->DBEditFarmaPrisunu->hasFocus());
        Zadaj(okno->DBEditFarmaPrisunu, "VZPABC");
        Zadaj(okno->DBEditFarmaPrisunu, "VZP123");
        Zadaj(okno->EditOtecRegister, "7");
        QCOMPARE(okno->EditOtecRegister->text(), QStringLiteral("007"));
        Zadaj(okno->EditOtecRegister, "");
        Zadaj(okno->EditOtecRegister, "32767");
        Zadaj(okno->EditOtecRegister, "32768");  // beyond what the register holds
        QCOMPARE(okno->EditOtecRegister->text(), QStringLiteral("32768"));
        QCOMPARE(spravy->Texty(), (QStringList{"Nesprávne označenie farmy. Má mať 6 znakov !",
                                               "Nekorektne uvedené označenie farmy !", "Nekorektne uvedené číslo NARV !",
                                               "Nekorektne uvedené číslo NARV !"}));
        QVERIFY(spravy->Zaznam[0].Titulok == "Prísun" && spravy->Zaznam[0].Ikona == TIkona::Chyba);
    }

    // An import needs a foreign state of origin, which becomes the animal's
    // state; checked on leaving the state of origin and on entering the
    // animal's state.
    void statPrisunuPriImporte_data()
    {
        QTest::addColumn<QString>("kod");
        QTest::addColumn<QString>("stat");
        QTest::addColumn<bool>("vstupDoStatuZvierata");  // else the state of origin is left
        QTest::addColumn<bool>("chyba");
        QTest::addColumn<QString>("statZvierata");
        QTest::newRow("import bez štátu") << "92" << "" << false << true << "";
        QTest::newRow("import zo Slovenska") << "92" << "SK" << false << true << "";
        QTest::newRow("import z Rakúska") << "92" << "AT" << false << false << "AT";
        QTest::newRow("import bez štátu, štát zvieraťa") << "91" << "" << true << true << "";
        QTest::newRow("import z Rakúska, štát zvieraťa") << "91" << "AT" << true << false << "AT";
        QTest::newRow("rušenie exportu zo Slovenska") << "98" << "SK" << false << false << "";
    }
    void statPrisunuPriImporte()
    {
        QFETCH(QString, kod);
        QFETCH(QString, stat);
        QFETCH(bool, vstupDoStatuZvierata);
        QFETCH(bool, chyba);
        QFETCH(QString, statZvierata);
        Zvol(kod);
        okno->DBLookupComboBoxStatPrisunu->NastavKluc(stat);
        spravy->Vymaz();
        if (vstupDoStatuZvierata) {
            okno->DBLookupComboBoxZvieraStat->setFocus();
        } else {
            okno->DBLookupComboBoxStatPrisunu->setFocus();
            Opusti();
        }
        QCOMPARE(spravy->Texty(), chyba ? QStringList{"Nie je zadaný štát prísunu pri importe alebo je nesprávny !"}
                                        : QStringList{});
        if (chyba)
            QVERIFY(spravy->Zaznam[0].Titulok == "Prísun" && spravy->Zaznam[0].Ikona == TIkona::Chyba);
        QCOMPARE(okno->DBLookupComboBoxZvieraStat->Kluc(), statZvierata);
        QCOMPARE(okno->focusWidget() == okno->DBLookupComboBoxStatPrisunu, chyba);
    }

    void medziobdobie_data()
    {
        QTest::addColumn<QString>("kod");
        QTest::addColumn<int>("udalost");   // the earlier event: 1 birth of her calf, 33 her abortion
        QTest::addColumn<int>("dniPredtym");
        QTest::addColumn<bool>("zrusene");  // the earlier event cancelled on its date
        QTest::addColumn<QString>("text");
        const QString t270 = "Obdobie, ktoré uplynulo medzi práve hláseným a iným otelením u zvolenej matky, je menej ako 270 dní ! (Uplynulo %1 dní.)";
        QTest::newRow("pôrod po 30 dňoch") << "02" << 1 << 30 << false << t270.arg(30);
        QTest::newRow("dvojčatá") << "02" << 1 << 0 << false << "";
        QTest::newRow("pôrod po 300 dňoch") << "02" << 1 << 300 << false << "";
        QTest::newRow("zrušený pôrod") << "02" << 1 << 30 << true << "";
        QTest::newRow("zmetanie po 100 dňoch") << "08" << 1 << 100 << false
            << "Obdobie, ktoré uplynulo medzi práve hláseným zmetaním a iným otelením u zvolenej matky, je menej ako 210 dní ! (Uplynulo 100 dní.)";
        QTest::newRow("zmetanie po 250 dňoch") << "08" << 33 << 250 << false << "";
        QTest::newRow("mŕtve teľa po 250 dňoch") << "09" << 33 << 250 << false << t270.arg(250);
    }
    void medziobdobie()
    {
        QFETCH(QString, kod);
        QFETCH(int, udalost);
        QFETCH(int, dniPredtym);
        QFETCH(bool, zrusene);
        QFETCH(QString, text);
        const QString datum = QString("CURDATE() - INTERVAL %1 DAY").arg(dniPredtym);
        if (udalost == 1)
            TestDB::Vykonaj(db(), "INSERT INTO pohyby (Farma_ID, Udal_ID, ZVStat, JCNARV, MaStat, MaJCNARV, DatUdal) "
                                  "VALUES (1, 1, 'SK', '000000000104', 'SK', '000000000101', " + datum + ")");
        else
            TestDB::Vykonaj(db(), "INSERT INTO pohyby (Farma_ID, Udal_ID, ZVStat, JCNARV, DatUdal) "
                                  "VALUES (1, 33, 'SK', '000000000101', " + datum + ")");
        if (zrusene)
            TestDB::Vykonaj(db(), "INSERT INTO pohyby (Farma_ID, Udal_ID, ZVStat, JCNARV, DatUdal) "
                                  "VALUES (1, 26, 'SK', '000000000104', " + datum + ")");
        Zvol(kod);
        spravy->Vymaz();
        if (kod == "02") {
            Zadaj(okno->DBEditMatkaCislo, "101");
        } else {
            Zadaj(okno->DBEditZvieraCislo, "101");
        }
        QCOMPARE(spravy->Texty(), text.isEmpty() ? QStringList{} : QStringList{text});
        if (!text.isEmpty())
            QCOMPARE(spravy->Zaznam[0].Ikona, TIkona::Informacia);
    }

    void vekMatky()
    {
        Zvol("89");
        Vypln({{"datum", "0"}});
        okno->DateTimePickerDatumPrisunu->setFocus();
        Opusti();
        okno->DateTimePickerDatumNarodenia->setDate(QDate::currentDate().addDays(-400));
        okno->DateTimePickerDatumNarodenia->setFocus();
        Opusti();
        okno->DateTimePickerDatumNarodenia->setDate(QDate::currentDate().addDays(-600));
        okno->DateTimePickerDatumNarodenia->setFocus();
        Opusti();
        QCOMPARE(spravy->Texty(), QStringList{"Vek matky je menší ako 18 mesiacov.)"});
    }

    // A birth's production type belongs to a dam in the register: a click
    // without one is taken back, and with one the save wants the type given.
    void zameranieMatky_data()
    {
        QTest::addColumn<QString>("kod");
        QTest::addColumn<QString>("matka");
        QTest::addColumn<QList<TOdpoved>>("odpovede");
        QTest::addColumn<QString>("klik");
        QTest::addColumn<QStringList>("texty");
        QTest::addColumn<QString>("hodnota");
        QTest::addColumn<QString>("ulozenie");  // the save's refusal; empty: not saved
        const QString nieJeMatka = "Nie je matka. Zmením úžitkové zameranie na nezadané !";
        const QList<TOdpoved> nic;
        QTest::newRow("bez matky") << "02" << "" << nic << "1" << QStringList{nieJeMatka} << "0" << "";
        QTest::newRow("matka mimo registra") << "02" << "999" << QList<TOdpoved>{TOdpoved::Ano} << "2"
                                             << QStringList{"Matka nie je na farme. Je to správne  ? ", nieJeMatka} << "0" << "";
        QTest::newRow("embryotransfer bez matky") << "11" << "" << nic << "2" << QStringList{nieJeMatka} << "0" << "";
        QTest::newRow("matka v registri") << "02" << "101" << nic << "2" << QStringList{} << "2" << "";
        QTest::newRow("zmena zamerania kravy") << "A1" << "" << nic << "2" << QStringList{} << "2" << "";
        QTest::newRow("matka v registri, nezadané") << "02" << "101" << nic << "0" << QStringList{} << "0"
                                                    << "Nezadané úžitkové zameranie matky !";
    }
    void zameranieMatky()
    {
        QFETCH(QString, kod);
        QFETCH(QString, matka);
        QFETCH(QList<TOdpoved>, odpovede);
        QFETCH(QString, klik);
        QFETCH(QStringList, texty);
        QFETCH(QString, hodnota);
        QFETCH(QString, ulozenie);
        Zvol(kod);
        spravy->Vymaz();
        spravy->Odpovede = odpovede;
        if (!matka.isEmpty())
            Zadaj(okno->DBEditMatkaCislo, matka);
        QRadioButton *polozka = okno->DBRadioGroupUzitZam->Polozka(klik);
        QTest::mouseClick(polozka, Qt::LeftButton, {}, QPoint(polozka->height() / 2, polozka->height() / 2));
        QCOMPARE(spravy->Texty(), texty);
        if (!texty.isEmpty())
            QVERIFY(spravy->Zaznam.last().Titulok == "Prísun" && spravy->Zaznam.last().Ikona == TIkona::Chyba);
        QCOMPARE(okno->DBRadioGroupUzitZam->Hodnota(), hodnota);
        if (ulozenie.isEmpty())
            return;
        Vypln({{"cislo", "000000000555"}, {"pl1", "SS"}, {"pk1", "100"}, {"farba", "01"}});
        spravy->Vymaz();
        const int pohyby = PocetPohybov();
        Uloz();
        QCOMPARE(spravy->Texty(), QStringList{ulozenie});
        QCOMPARE(PocetPohybov(), pohyby);
        QVERIFY(okno->DBRadioGroupUzitZam->isAncestorOf(okno->focusWidget()) ||
                okno->focusWidget() == okno->DBRadioGroupUzitZam);
    }

    // Last: the modal picker leaves the offscreen window without focus events.
    void vyberFarmySlovenska()
    {
        Zvol("00");
        QString vybrana;
        QTimer::singleShot(0, this, [&] {
            auto *vyber = qobject_cast<TFormSFarmy *>(QApplication::activeModalWidget());
            QVERIFY(vyber);
            vyber->DBGridSFarmy->selectRow(0);
            vyber->BitBtnVyberClick();
            vybrana = vyber->VybraneCislo();
        });
        QTest::mouseClick(okno->SpeedButtonNajdiFarmu, Qt::LeftButton);
        QVERIFY(!vybrana.isEmpty());
        QCOMPARE(okno->DBEditFarmaPrisunu->text(), vybrana);
        QCOMPARE(okno->focusWidget(), okno->DBEditFarmaPrisunu);  // the offscreen window is not reactivated
    }
};

QTEST_MAIN(TestNovyPrisun)
#include "tst_novyPrisun.moc"
