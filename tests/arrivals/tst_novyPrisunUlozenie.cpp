// The new-arrival window's save against the test database: the save checks,
// what a save writes into pohyby and RegZv, and the form left for the next animal.
#include "OknoNovehoPrisunu.h"

class TestNovyPrisunUlozenie : public TTestOknaNovehoPrisunu
{
    Q_OBJECT

private slots:
    void initTestCase() { PripravOkno(); }
    void init() { ZacniTestOkna(); }
    void cleanup() { SkonciTest(); }
    void cleanupTestCase() { ZrusOkno(); }

    void kontrolyUlozenia_data()
    {
        QTest::addColumn<QString>("kod");
        QTest::addColumn<TPolia>("polia");
        QTest::addColumn<QList<TOdpoved>>("odpovede");
        QTest::addColumn<QString>("sprava");
        const TPolia narodenie{{"cislo", "000000000555"}, {"pl1", "SS"}, {"pk1", "100"}, {"farba", "01"},
                               {"matka", "000000000101"}};
        const TPolia kupa{{"cislo", "000000000555"}, {"farma", "C33333"}, {"pohlavie", "1"}, {"pl1", "SS"}, {"pk1", "100"}};
        const auto s = [](TPolia p, const TPolia &zmeny) { p.insert(zmeny); return p; };
        const QList<TOdpoved> nic;
        QTest::newRow("bez udalosti") << "" << kupa << nic << "Nekorektne uvedený kód udalosti !";
        QTest::newRow("65 mimo bitúnku") << "65" << TPolia{{"cislo", "555"}, {"pstat", "AT"}} << nic
                                         << "Kód udalosti 65 a 66 sa môže použiť len pre bitúnok!";
        QTest::newRow("zviera na farme") << "00" << s(kupa, {{"cislo", "000000000101"}}) << nic
                                         << "Dané zviera je už prisunuté na farme A10001. Nemôžem ho prisunuť!";
        QTest::newRow("farma pri narodení") << "02" << s(narodenie, {{"farma", "C33333"}}) << nic
            << "Farma prísunu môže byť zadaná len pri prísune od reg.držiteľa /rušení odsunu reg.držiteľovi !";
        QTest::newRow("kúpa bez farmy") << "00" << s(kupa, {{"farma", ""}}) << nic << "Nie je zadaná farma prísunu !";
        QTest::newRow("štát pri kúpe") << "00" << s(kupa, {{"pstat", "AT"}}) << nic
                                       << "Štát prísunu môže byť zadaný len pri importe zvierat !";
        QTest::newRow("import bez štátu") << "92" << s(kupa, {{"farma", ""}}) << nic
                                          << "Nie je zadaný štát prísunu pri importe / rušení exportu !";
        QTest::newRow("ET bez donorky") << "12" << s(narodenie, {{"matka", ""}}) << nic
                                        << "Nie je/nesprávne zadaná ušná značka donorky pri embryotransfére!";
        // an animal back from no farm keeps the sex typed: a bull under a female birth code
        QTest::newRow("pohlavie neopravené") << "02" << s(narodenie, {{"cislo", "000000000301"}, {"pohlavie", "2"}})
                                             << QList<TOdpoved>{TOdpoved::Nie}
                                             << "Nesprávne pohlavie zvieraťa !";
        QTest::newRow("narodenie po prísune") << "00" << s(kupa, {{"datum", "5"}, {"datnar", "1"}}) << nic
                                              << "Dátum narodenia je väčší ako dátum prísunu!";
        QTest::newRow("bez čísla") << "00" << s(kupa, {{"cislo", ""}}) << nic << "Nesprávne zadané zviera !";
        QTest::newRow("bez pohlavia") << "00" << s(kupa, {{"cislo", "000000000301"}, {"pohlavie", ""}}) << nic
                                      << "Nesprávne zadané pohlavie !";
        QTest::newRow("bez plemena") << "00" << s(kupa, {{"pl1", ""}, {"pk1", ""}}) << nic << "Nesprávne plemeno zvieraťa !";
        QTest::newRow("plemeno pri oprave pohlavia") << "31" << TPolia{{"cislo", "000000000103"}, {"pl1", "SS"}} << nic
                                                     << "Pri pohybe Oprava pohlavia sa neudáva plemeno zvieraťa !";
        QTest::newRow("súčet pod 100") << "00" << s(kupa, {{"pk1", "50"}}) << nic << "Súčet podielu krvi je menší ako 100%!";
        QTest::newRow("súčet nad 100") << "00" << s(kupa, {{"pl2", "HO"}, {"pk2", "0,1"}}) << nic
                                       << "Súčet podielu krvi je väčší ako 100%!";
        QTest::newRow("plemeno bez podielu") << "00" << s(kupa, {{"pk1", "99,9"}, {"pk2", "0,1"}}) << nic
                                             << "Je zadané plemeno a nie je zadaný podiel krvi alebo naopak !";
        QTest::newRow("narodenie bez matky") << "02" << s(narodenie, {{"matka", ""}}) << nic << "Nezadaná matka zvieraťa !";
        QTest::newRow("bez farby") << "82" << s(narodenie, {{"matka", ""}, {"farba", ""}}) << nic << "Nezadaná farba zvieraťa !";
        QTest::newRow("A1 bez zamerania") << "A1" << TPolia{{"cislo", "000000000103"}} << nic
                                          << "Nezadané úžitkové zameranie kravy !";
        QTest::newRow("zameranie bez matky v registri") << "02" << s(narodenie, {{"matka", "000000000999"}, {"uzit", "1"}})
            << nic << "Nemôže byť zadané úžit.zam. matky ak nie je zadaná alebo nie je na farme !";
        QTest::newRow("iné údaje pri oprave pohlavia") << "31" << TPolia{{"cislo", "000000000103"}, {"matka", "000000000101"}}
            << nic << "Pri pohybe Oprava pohlavia... sa nezadávajú iné údaje okrem udalosti a ušnej značky NARV !";
    }
    void kontrolyUlozenia()
    {
        QFETCH(QString, kod);
        QFETCH(TPolia, polia);
        QFETCH(QList<TOdpoved>, odpovede);
        QFETCH(QString, sprava);
        if (!kod.isEmpty())
            Zvol(kod);
        const int pohyby = VyplnAUloz(polia, odpovede);
        QVERIFY2(!spravy->Texty().isEmpty(), "no message");
        QCOMPARE(spravy->Texty().last(), sprava);
        QCOMPARE(PocetPohybov(), pohyby);
    }

    void ulozenie_data()
    {
        QTest::addColumn<QString>("kod");
        QTest::addColumn<TPolia>("polia");
        QTest::addColumn<QString>("cislo");
        QTest::addColumn<QString>("pohyb");   // Udal_ID|POCisFarmy|PoStat|Pohlavie|PL1|Pk1|PL2|Pk2|UzitZam|Rusenie|PovNARV
        QTest::addColumn<QString>("zviera");  // Farma_ID|Pohlavie|PL1|Pk1|UzitZam|ET|Import|DatUh|PovJCNARV
        QTest::newRow("narodenie, nové zviera")
            << "02" << TPolia{{"cislo", "000000000555"}, {"pl1", "SS"}, {"pk1", "12,5"}, {"pl2", "HO"}, {"pk2", "87,5"}, {"farba", "01"},
                              {"matka", "000000000201"}, {"uzit", "1"}}
            << "000000000555" << "2|||1|SS|12.5|HO|87.5|1||" << "1|1|SS|12.5||0|0|-|";
        QTest::newRow("kúpa, zviera bez farmy")
            << "00" << TPolia{{"cislo", "000000000301"}, {"farma", "C33333"}, {"pohlavie", "2"}, {"pl1", "SS"}, {"pk1", "100"}}
            << "000000000301" << "18|C33333||2|SS|100.0||0.0|||" << "1|2|SS|100.0|0|0|0|-|";
        QTest::newRow("import s apostrofom")
            << "92" << TPolia{{"cislo", "000000000777"}, {"zstat", "AT"}, {"pstat", "AT"}, {"pl1", "HO"}, {"pk1", "100"}, {"farba", "03"},
                              {"povcislo", "O'B\\1"}}
            << "000000000777" << "35||AT|1|HO|100.0||0.0|||O'B\\1" << "1|1|HO|100.0||0|1|-|O'B\\1";
        QTest::newRow("embryotransfer")
            << "11" << TPolia{{"cislo", "000000000778"}, {"pl1", "HO"}, {"pk1", "100"}, {"farba", "02"}, {"donor", "000000000201"},
                              {"matka", "000000000101"}, {"uzit", "1"}}
            << "000000000778" << "27|||2|HO|100.0||0.0|1||" << "1|2|HO|100.0||1|0|-|";
        QTest::newRow("zmena zamerania kravy")
            << "A1" << TPolia{{"cislo", "000000000101"}, {"uzit", "2"}}
            << "000000000101" << "37|||1||0.0||0.0|2||" << "1|1|SS|100.0|2|0|0|-|";
        QTest::newRow("oprava pohlavia")
            << "31" << TPolia{{"cislo", "000000000103"}} << "000000000103" << "8|||2||0.0||0.0|||" << "1|1|SS|100.0|0|0|0|-|";
    }
    void ulozenie()
    {
        QFETCH(QString, kod);
        QFETCH(TPolia, polia);
        QFETCH(QString, cislo);
        QFETCH(QString, pohyb);
        QFETCH(QString, zviera);
        Zvol(kod);
        Opusti();
        Vypln(polia);
        if (polia.contains("matka")) {
            okno->DBEditMatkaCislo->setFocus();
            spravy->Odpovede = {TOdpoved::Ano};  // the dam on another farm is right
            Opusti();
            okno->DBRadioGroupUzitZam->NastavHodnotu(polia.value("uzit", "0"));
        }
        if (kod == "A1" || kod == "31") {  // leaving the number reads the cow's state
            okno->DBEditZvieraCislo->setFocus();
            Opusti();
            okno->DBRadioGroupUzitZam->NastavHodnotu(polia.value("uzit", "0"));
        }
        spravy->Vymaz();
        spravy->Odpovede.clear();
        const int pohyby = PocetPohybov();
        Uloz();
        QCOMPARE(spravy->Texty(), QStringList{"Prísun bol vložený."});
        QCOMPARE(PocetPohybov(), pohyby + 1);
        QCOMPARE(PoslednyPohyb("Udal_ID, POCisFarmy, PoStat, Pohlavie, PL1, Pk1, PL2, Pk2, IFNULL(UzitZam,''), "
                               "Rusenie, PovNARV"),
                 pohyb);
        QCOMPARE(PoslednyPohyb("JCNARV, Farma_ID, date(DatumEvid) = CURDATE()"), cislo + "|1|1");
        QCOMPARE(Zviera(cislo, "Farma_ID, Pohlavie, IFNULL(PL1,''), IFNULL(Pk1,''), IFNULL(UzitZam,''), ET, Import, "
                               "IFNULL(DatUh,'-'), PovJCNARV"),
                 zviera);
        if (polia.value("matka") == "000000000201")  // a birth gives the dam in the register its production type
            QCOMPARE(Zviera("000000000201", "UzitZam"), QStringLiteral("1"));
        QVERIFY(okno->DBLookupComboBoxZvieraStat->hasFocus());  // ready for the next animal's ear tag
    }

    // Saves that need data of their own: cancelled departures, which must
    // exist on the arrival date; the slaughterhouse codes on a slaughterhouse
    // farm; code 89, which keeps the cow's production type; a sex put right
    // at the save. A refusal writes nothing and leaves the register row as it was.
    void ulozeniePripady_data()
    {
        QTest::addColumn<int>("farma");  // the current farm: 1 A10001, 2 the slaughterhouse B20002
        QTest::addColumn<QString>("kod");
        QTest::addColumn<QStringList>("priprava");
        QTest::addColumn<TPolia>("polia");
        QTest::addColumn<QList<TOdpoved>>("odpovede");
        QTest::addColumn<QStringList>("texty");
        QTest::addColumn<QString>("cislo");
        // Udal_ID|Farma_ID|POCisFarmy|PoStat|Pohlavie|DatNar|UzitZam|Rusenie|Vlastnik_ID|Otregister; empty: none written
        QTest::addColumn<QString>("pohyb");
        // Farma_ID|Pohlavie|DatNar|DatUh|UzitZam|ET|Import|Vlastnik_ID|Otregister
        QTest::addColumn<QString>("zviera");
        const auto den = [](int dniSpat) { return QDate::currentDate().addDays(-dniSpat).toString(Qt::ISODate); };
        const QString z301 = "000000000301";
        // SK000000000301 left with a death date and both flags set; a departure of it two days back.
        const QString zmen301 = "UPDATE RegZv SET DatUh = '2023-09-30', ET = 1, Import = 1 WHERE JCNARV = '" + z301 + "'";
        const auto odsun = [&](int udalost, const QString &farma, const QString &stat) {
            return QStringList{zmen301, QString("INSERT INTO pohyby (Farma_ID, Udal_ID, ZVStat, JCNARV, POCisFarmy, PoStat, "
                                                "DatUdal) VALUES (1, %1, 'SK', '%2', '%3', '%4', CURDATE() - INTERVAL 2 DAY)")
                                            .arg(udalost).arg(z301, farma, stat)};
        };
        const TPolia zruseny{{"cislo", z301}, {"datum", "2"}, {"datnar", "1000"}, {"pohlavie", "2"}, {"pl1", "SS"}, {"pk1", "100"}};
        const auto s = [](TPolia p, const TPolia &zmeny) { p.insert(zmeny); return p; };
        const QList<TOdpoved> nic;
        const QStringList ulozeny{"Prísun bol vložený."};
        const QStringList bezOdsunu{"Neexistuje rušený odsun pre dané zviera. Nemôže byť vykonaný pohyb ZRUŠENIE OMYLOM...!"};
        const QString nezmeneny301 = "0|2|2020-01-10|2023-09-30|0|1|1|1|-";
        const QString vrateny301 = "1|2|" + den(1000) + "|2023-09-30|0|0|0|0|0";

        // 97 cancels a departure 00 to the farm of origin; from a K farm the animal lives again.
        QTest::newRow("97 z farmy K") << 1 << "97" << odsun(19, "K55555", "") << s(zruseny, {{"farma", "K55555"}}) << nic
                                      << ulozeny << z301 << "15|1|K55555||2|" + den(1000) + "||X|0|0"
                                      << "1|2|" + den(1000) + "|1899-12-30|0|0|0|0|0";
        QTest::newRow("97 z inej farmy") << 1 << "97" << odsun(19, "C33333", "") << s(zruseny, {{"farma", "C33333"}}) << nic
                                         << ulozeny << z301 << "15|1|C33333||2|" + den(1000) + "||X|0|0" << vrateny301;
        QTest::newRow("97, odsun na inú farmu") << 1 << "97" << odsun(19, "C33333", "") << s(zruseny, {{"farma", "K55555"}})
                                                << nic << bezOdsunu << z301 << "" << nezmeneny301;
        QTest::newRow("97, porážka") << 1 << "97" << odsun(22, "K55555", "") << s(zruseny, {{"farma", "K55555"}}) << nic
                                     << bezOdsunu << z301 << "" << nezmeneny301;
        // group 8 cancels a slaughter, 51 or 61
        QTest::newRow("95 po porážke") << 1 << "95" << odsun(22, "", "") << zruseny << nic << ulozeny << z301
                                       << "14|1|||2|" + den(1000) + "|||0|0" << vrateny301;
        QTest::newRow("95 po nútenej porážke") << 1 << "95" << odsun(23, "", "") << zruseny << nic << ulozeny << z301
                                               << "14|1|||2|" + den(1000) + "|||0|0" << vrateny301;
        QTest::newRow("95 po predaji") << 1 << "95" << odsun(19, "C33333", "") << zruseny << nic << bezOdsunu << z301 << ""
                                       << nezmeneny301;
        // group 9 cancels an export 80 to the state of origin
        QTest::newRow("98 po vývoze") << 1 << "98" << odsun(24, "", "AT") << s(zruseny, {{"pstat", "AT"}}) << nic << ulozeny
                                      << z301 << "16|1||AT|2|" + den(1000) + "|||0|0" << vrateny301;
        QTest::newRow("98, vývoz do iného štátu") << 1 << "98" << odsun(24, "", "DE") << s(zruseny, {{"pstat", "AT"}}) << nic
                                                  << bezOdsunu << z301 << "" << nezmeneny301;
        QTest::newRow("98, porážka v štáte") << 1 << "98" << odsun(22, "", "AT") << s(zruseny, {{"pstat", "AT"}}) << nic
                                             << bezOdsunu << z301 << "" << nezmeneny301;

        // 65/66 on a slaughterhouse: no birth date written; an animal back from
        // no farm keeps the one it has.
        const TPolia dovoz{{"cislo", "000000000888"}, {"zstat", "AT"}, {"pstat", "AT"}};
        QTest::newRow("65 nové zviera") << 2 << "65" << QStringList{} << dovoz << nic << ulozeny << "000000000888"
                                        << "11|2||AT|2|-|||0|0" << "2|2|-|-||0|1|0|0";
        QTest::newRow("66 nové zviera") << 2 << "66" << QStringList{} << dovoz << nic << ulozeny << "000000000888"
                                        << "12|2||AT|1|-|||0|0" << "2|1|-|-||0|1|0|0";
        QTest::newRow("65 zviera bez farmy") << 2 << "65" << QStringList{} << TPolia{{"cislo", z301}, {"pstat", "AT"}} << nic
                                             << ulozeny << z301 << "11|2||AT|2|-|||0|0" << "2|2|2020-01-10|-|0|0|1|0|0";

        // 89 writes the cow's production type into her register row, new or updated.
        const TPolia krava{{"pl1", "SS"}, {"pk1", "100"}, {"farba", "01"}, {"uzit", "2"}};
        QTest::newRow("89 nové zviera") << 1 << "89" << QStringList{}
                                        << s(krava, {{"cislo", "000000000556"}, {"majitel", "2"}, {"register", "12"}}) << nic
                                        << ulozeny << "000000000556" << "32|1|||1|" + den(0) + "|2||2|12"
                                        << "1|1|" + den(0) + "|-|2|0|0|2|12";
        // the save's sex question answered Yes: the sex follows the code and the save goes on
        QTest::newRow("89 zviera bez farmy, pohlavie opravené")
            << 1 << "89" << QStringList{} << s(krava, {{"cislo", z301}, {"pohlavie", "2"}, {"datnar", "1000"}})
            << QList<TOdpoved>{TOdpoved::Ano}
            << QStringList{"Pohlavie zvieraťa neodpovedá kódu prísunu. Opraviť pohlavie ? ", "Prísun bol vložený."} << z301
            << "32|1|||1|" + den(1000) + "|2||0|0" << "1|1|" + den(1000) + "|-|2|0|0|0|0";
    }
    void ulozeniePripady()
    {
        QFETCH(int, farma);
        QFETCH(QString, kod);
        QFETCH(QStringList, priprava);
        QFETCH(TPolia, polia);
        QFETCH(QList<TOdpoved>, odpovede);
        QFETCH(QStringList, texty);
        QFETCH(QString, cislo);
        QFETCH(QString, pohyb);
        QFETCH(QString, zviera);
        const auto obnov = qScopeGuard([this] { AktualnaFarmaA(); });
        if (farma == 2) {
            hlavny.AktFarmaID = 2;
            hlavny.AktCisFarmy = QStringLiteral("B20002");
            okno->FarmaID = 2;
        }
        for (const QString &sql : priprava)
            TestDB::Vykonaj(db(), sql);
        Zvol(kod);
        const int pohyby = VyplnAUloz(polia, odpovede);
        QCOMPARE(spravy->Texty(), texty);
        if (pohyb.isEmpty()) {
            QCOMPARE(PocetPohybov(), pohyby);
            QVERIFY(okno->DBEditZvieraCislo->hasFocus());
        } else {
            QCOMPARE(PocetPohybov(), pohyby + 1);
            QCOMPARE(PoslednyPohyb("JCNARV"), cislo);
            QCOMPARE(PoslednyPohyb("Udal_ID, Farma_ID, POCisFarmy, PoStat, Pohlavie, IFNULL(DatNar,'-'), IFNULL(UzitZam,''), "
                                   "IFNULL(Rusenie,'-'), Vlastnik_ID, Otregister"),
                     pohyb);
            QVERIFY(okno->DBLookupComboBoxZvieraStat->hasFocus());
        }
        QCOMPARE(Zviera(cislo, "Farma_ID, Pohlavie, IFNULL(DatNar,'-'), IFNULL(DatUh,'-'), IFNULL(UzitZam,''), ET, Import, "
                               "Vlastnik_ID, IFNULL(Otregister,'-')"),
                 zviera);
    }

    void dalsieZvieraPredvyplnene()
    {
        Zvol("00");
        Vypln(TPolia{{"cislo", "000000000555"}, {"farma", "C33333"}, {"pohlavie", "2"}, {"pl1", "SS"}, {"pk1", "100"}});
        Uloz();
        QCOMPARE(spravy->Texty(), QStringList{"Prísun bol vložený."});
        QCOMPARE(Zviera("000000000555", "Pohlavie"), QStringLiteral("2"));  // the bull bought stays a bull
        QCOMPARE(okno->DBEditZvieraCislo->text(), QStringLiteral("000000000556"));
        QCOMPARE(okno->DBLookupComboBoxUdalost->currentText().left(2), QStringLiteral("00"));
        QCOMPARE(okno->DBEditFarmaPrisunu->text(), QStringLiteral("C33333"));
        QCOMPARE(okno->DBLookupComboBoxPlemeno1->Kluc(), QStringLiteral("SS"));
        QCOMPARE(okno->DBRadioGroupPohlavie->Hodnota(), QStringLiteral("2"));
        // The proposal saves as it stands.
        spravy->Vymaz();
        Uloz();
        QCOMPARE(spravy->Texty(), QStringList{"Prísun bol vložený."});
        QCOMPARE(Zviera("000000000556", "Farma_ID, Pohlavie, PL1"), QStringLiteral("1|2|SS"));
    }

    void poslednemuCisluSaDalsieNenavrhuje()
    {
        Zvol("00");
        Vypln(TPolia{{"cislo", "999999999999"}, {"farma", "C33333"}, {"pohlavie", "2"}, {"pl1", "SS"}, {"pk1", "100"}});
        Uloz();
        QCOMPARE(spravy->Texty(), QStringList{"Prísun bol vložený."});
        QCOMPARE(okno->DBEditZvieraCislo->text(), QString());
    }

    void chybaRegistraNenechaPohyb()
    {
        TestDB::Vykonaj(db(), "CREATE TRIGGER test_regzv_zamknuty BEFORE INSERT ON RegZv FOR EACH ROW "
                              "SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'register je zamknuty'");
        Zvol("00");
        Vypln(TPolia{{"cislo", "000000000555"}, {"farma", "C33333"}, {"pohlavie", "2"}, {"pl1", "SS"}, {"pk1", "100"}});
        const int pohyby = PocetPohybov();
        Uloz();
        TestDB::Vykonaj(db(), "DROP TRIGGER test_regzv_zamknuty");
        QCOMPARE(spravy->Texty(), QStringList{"Chyba: register je zamknuty"});
        QCOMPARE(PocetPohybov(), pohyby);  // the movement went back with the register row
        QVERIFY(Zviera("000000000555", "Farma_ID").isEmpty());
    }
};

QTEST_MAIN(TestNovyPrisunUlozenie)
#include "tst_novyPrisunUlozenie.moc"
