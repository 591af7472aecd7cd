// Start-up, the restored current farm, the first own farm and the end of the program.
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "DMHlavny.h"
#include "FHlavny.h"
#include "FPrvaFarma.h"
#include "FUvodny.h"
#include "SkriptovaneSpravy.h"
#include "TestDB.h"
#include "USql.h"
#include "TestSDatabazou.h"
#include "UStart.h"

class TestStart : public TTestSDatabazou
{
    Q_OBJECT

private:
    QTemporaryDir docasny;

    QString ZapisIni(const QByteArray &obsah)
    {
        const QString cesta = docasny.filePath("vuradede.ini");
        QFile subor(cesta);
        if (subor.open(QIODevice::WriteOnly | QIODevice::Truncate))
            subor.write(obsah);
        return cesta;
    }

    // The main window as the program shows it at start.
    std::unique_ptr<TFormHlavny> ZobrazHlavne()
    {
        auto hlavny = std::make_unique<TFormHlavny>(*dm);
        hlavny->show();
        return hlavny;
    }

    // Closes the main window answering No to the backup question.
    void ZatvorBezZalohy(TFormHlavny &hlavny)
    {
        spravy->Odpovede << TOdpoved::Nie;
        hlavny.close();
    }

private slots:
    void initTestCase() { PripravDatabazu(); }
    void init()
    {
        ZacniTest();
        TFormHlavny::KoniecBezZalohy = false;
    }
    void cleanup() { SkonciTest(); }

    void titulkyPodlaTypu_data()
    {
        QTest::addColumn<QString>("irpar");
        QTest::addColumn<QString>("uvod");
        QTest::addColumn<QString>("hlavne");
        QTest::newRow("1") << "INSERT INTO irpar (IRPar_ID, CisFarmy, Typ_Zv) VALUES (1, 'A10001', '1')"
                           << "Register HD na farme" << "Individuálny register HD";
        QTest::newRow("0") << "INSERT INTO irpar (IRPar_ID, CisFarmy, Typ_Zv) VALUES (1, 'A10001', '0')"
                           << "Register *HD* na farme" << "Individuálny register *HD*";
        QTest::newRow("prázdny") << "INSERT INTO irpar (IRPar_ID, CisFarmy, Typ_Zv) VALUES (1, 'A10001', '')"
                                 << "Register *HD* na farme" << "Individuálny register *HD*";
        QTest::newRow("bez riadku") << "" << "Register *HD* na farme" << "Individuálny register *HD*";
    }
    void titulkyPodlaTypu()
    {
        QFETCH(QString, irpar);
        QFETCH(QString, uvod);
        QFETCH(QString, hlavne);
        TestDB::Vykonaj(db(), "DELETE FROM irpar");
        if (!irpar.isEmpty())
            TestDB::Vykonaj(db(), irpar);
        TFormUvodny uvodne(*dm, ZapisIni({}));
        uvodne.show();
        QCOMPARE(uvodne.LabelTitul->text(), uvod);
        QCOMPARE(uvodne.LabelNazov->text(), QStringLiteral("VuradeDE"));
        QVERIFY(!uvodne.ImageUvod->pixmap().isNull());
        auto hlavny = ZobrazHlavne();
        QCOMPARE(hlavny->windowTitle(), hlavne);
        if (irpar.isEmpty())  // no stored farm either
            QCOMPARE(spravy->Texty(), QStringList{" Vyber aktuálnu farmu !"});
        ZatvorBezZalohy(*hlavny);
    }

    // The splash and the main window both read the installation's parameters;
    // a failed read is reported and leaves the marked titles.
    void chybaParametrovInstalacie()
    {
        TestDB::Vykonaj(db(), "ALTER TABLE irpar RENAME TO irparOdlozene");
        {
            TFormUvodny uvodne(*dm, ZapisIni({}));
            uvodne.show();
            QCOMPARE(uvodne.LabelTitul->text(), QStringLiteral("Register *HD* na farme"));
        }
        auto hlavny = ZobrazHlavne();
        TestDB::Vykonaj(db(), "ALTER TABLE irparOdlozene RENAME TO irpar");
        QCOMPARE(spravy->Zaznam.size(), 2);
        for (const TSprava &sprava : spravy->Zaznam)
            QVERIFY2(sprava.Text.startsWith("Chyba: ") && sprava.Text.contains("irpar", Qt::CaseInsensitive),
                     qPrintable(sprava.Text));
        ZatvorBezZalohy(*hlavny);
    }

    void verziaZIni_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QString>("uvod");
        QTest::addColumn<QString>("stav");
        QTest::newRow("úplný") << QByteArray("[verzia programu]\nverzia=1.0\n[datum verzie]\ndatumverzie=11.12.2026\n")
                               << "verzia 1.0,  11.12.2026" << "Verzia programu: 1.0,  11.12.2026";
        QTest::newRow("len verzia") << QByteArray("[verzia programu]\nverzia=1.0\n") << "verzia 1.0,  "
                                    << "Verzia programu: 1.0,  ";
        QTest::newRow("prázdny") << QByteArray() << "verzia ,  " << "Verzia programu: ,  ";
    }
    void verziaZIni()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QString, uvod);
        QFETCH(QString, stav);
        const QString cesta = ZapisIni(ini);
        dm->DataModuleCreate(cesta);
        TFormUvodny uvodne(*dm, cesta);
        uvodne.show();
        QCOMPARE(uvodne.LabelVerzia->text(), uvod);
        auto hlavny = ZobrazHlavne();
        QCOMPARE(hlavny->PanelStavu1->text(), stav);
        ZatvorBezZalohy(*hlavny);
    }

    void obnovenaAktualnaFarma_data()
    {
        QTest::addColumn<QString>("cisFarmy");
        QTest::addColumn<int>("farmaId");
        QTest::addColumn<QString>("nazov");
        QTest::addColumn<QString>("vyber");
        QTest::newRow("prvá") << "A10001" << 1 << "PD Dolný Háj" << "Aktuálna farma A10001 PD Dolný Háj";
        QTest::newRow("druhá") << "B20002" << 2 << "Agrofarma Horné Lúky" << "Aktuálna farma B20002 Agrofarma Horné Lúky";
        QTest::newRow("už nejestvuje") << "Z99999" << 0 << "" << "Aktuálna farma Z99999 ";
    }
    void obnovenaAktualnaFarma()
    {
        QFETCH(QString, cisFarmy);
        QFETCH(int, farmaId);
        QFETCH(QString, nazov);
        QFETCH(QString, vyber);
        TestDB::Vykonaj(db(), QStringLiteral("UPDATE irpar SET CisFarmy='%1'").arg(cisFarmy));
        auto hlavny = ZobrazHlavne();
        QCOMPARE(hlavny->AktCisFarmy, cisFarmy);
        QCOMPARE(hlavny->AktFarmaID, farmaId);
        QCOMPARE(hlavny->AktNazovFarmy, nazov);
        QCOMPARE(hlavny->LabelVyber->text(), vyber);
        QCOMPARE(hlavny->LabelDatum->text(), "Dátum : " + QDate::currentDate().toString("dd.MM.yyyy"));
        QVERIFY(spravy->Zaznam.isEmpty());
        ZatvorBezZalohy(*hlavny);
    }

    void bezUlozenejFarmy()
    {
        TestDB::Vykonaj(db(), "UPDATE irpar SET CisFarmy='   '");
        auto hlavny = ZobrazHlavne();
        QCOMPARE(spravy->Zaznam.size(), 1);
        QCOMPARE(spravy->Zaznam[0].Text, QStringLiteral(" Vyber aktuálnu farmu !"));
        QCOMPARE(spravy->Zaznam[0].Titulok, QStringLiteral(" Počiatočné parametre aplikácie RuvENA-ov "));
        QCOMPARE(spravy->Zaznam[0].Ikona, TIkona::Informacia);
        QCOMPARE(hlavny->AktFarmaID, 0);
        QVERIFY(hlavny->LabelVyber->text().isEmpty());
        ZatvorBezZalohy(*hlavny);
    }

    void ulozAktFarmuPrepisujeAleboVklada()
    {
        auto hlavny = ZobrazHlavne();
        // Update: every row of irpar takes the farm (there should only ever be one).
        TestDB::Vykonaj(db(), "INSERT INTO irpar (IRPar_ID, CisFarmy, Typ_Zv) VALUES (7, 'A10001', '1')");
        hlavny->AktFarmaID = 2;
        hlavny->AktCisFarmy = "B20002";
        hlavny->UlozAktFarmu();
        QCOMPARE(TestDB::Hodnota(db(), "SELECT COUNT(*) FROM irpar WHERE IRPar_ID=2 AND CisFarmy='B20002'").toInt(), 2);
        QCOMPARE(TestDB::Hodnota(db(), "SELECT COUNT(*) FROM irpar").toInt(), 2);
        QCOMPARE(TestDB::Hodnota(db(), "SELECT COUNT(*) FROM irpar WHERE Typ_Zv='1'").toInt(), 2);

        // Insert into an empty table.
        TestDB::Vykonaj(db(), "DELETE FROM irpar");
        hlavny->UlozAktFarmu();
        QCOMPARE(TestDB::Hodnota(db(), "SELECT CONCAT(IRPar_ID, '/', CisFarmy) FROM irpar").toString(),
                 QStringLiteral("2/B20002"));
        QCOMPARE(TestDB::Hodnota(db(), "SELECT COUNT(*) FROM irpar").toInt(), 1);
        ZatvorBezZalohy(*hlavny);
    }

    void koniecBezAktualnejFarmy()
    {
        TestDB::Vykonaj(db(), "UPDATE irpar SET CisFarmy=''");
        auto hlavny = ZobrazHlavne();
        spravy->Vymaz();
        spravy->Odpovede << TOdpoved::Nie;
        hlavny->Koniec1->trigger();
        QVERIFY(!hlavny->isVisible());
        QCOMPARE(TestDB::Hodnota(db(), "SELECT CONCAT(IRPar_ID, '/', CisFarmy, '/') FROM irpar").toString(),
                 QStringLiteral("0//"));
        QCOMPARE(spravy->Texty(), QStringList{"Chceš zálohovať databázu ? "});
        QCOMPARE(spravy->Zaznam[0].Titulok, QStringLiteral("Záloha databázy"));
        QCOMPARE(spravy->Zaznam[0].Predvolena, TOdpoved::Nie);
        QVERIFY(spravy->Dialogy.isEmpty());
    }

    void ukonciBezZalohyNepyta()
    {
        auto hlavny = ZobrazHlavne();
        hlavny->UkonciBezZalohy();
        QVERIFY(!hlavny->isVisible());
        QVERIFY(spravy->Zaznam.isEmpty());
        QVERIFY(TFormHlavny::KoniecBezZalohy);
    }

    void zalohaPriZatvoreni_data()
    {
        QTest::addColumn<QString>("subor");
        QTest::addColumn<QString>("ulozeny");
        QTest::addColumn<QString>("sprava");
        QTest::newRow("bez prípony") << "zaloha 1" << "zaloha 1.sql" << "Záloha databázy prebehla úspešne.";
        QTest::newRow("veľké SQL") << "zaloha.SQL" << "zaloha.SQL" << "Záloha databázy prebehla úspešne.";
        QTest::newRow("sql.bak") << "zaloha.sql.bak" << "zaloha.sql.bak" << "Záloha databázy prebehla úspešne.";
        QTest::newRow("chýbajúci priečinok") << "nie je/zaloha.sql" << ""
                                             << "Záloha databázy zlyhala: Chyba počas behu zálohy databázy !";
    }
    void zalohaPriZatvoreni()
    {
        QFETCH(QString, subor);
        QFETCH(QString, ulozeny);
        QFETCH(QString, sprava);
        auto hlavny = ZobrazHlavne();
        TestDB::Vykonaj(db(), "UPDATE vlastnik SET PNazov='Záloha ''test''' WHERE Vlastnik_ID=1");
        spravy->Odpovede << TOdpoved::Ano;
        spravy->Subory << docasny.filePath(subor);
        hlavny->close();
        QCOMPARE(spravy->Dialogy.size(), 1);
        QCOMPARE(spravy->Dialogy[0].Titulok, QStringLiteral("Záloha databázy programu VuradeDE"));
        QVERIFY(spravy->Dialogy[0].Ulozit);
        QCOMPARE(spravy->Texty().last(), sprava);
        if (!ulozeny.isEmpty()) {
            QFile zaloha(docasny.filePath(ulozeny));
            QVERIFY2(zaloha.open(QIODevice::ReadOnly), qPrintable(zaloha.fileName()));
            const QString obsah = QString::fromUtf8(zaloha.readAll());
            QVERIFY(obsah.contains(QLatin1String("CREATE TABLE `regzv`")));
            QVERIFY(obsah.contains(QStringLiteral("Záloha \\'test\\'")));
        }
    }

    // The backup tool gets the program's user and password through an option
    // file: quotes, backslashes and '#' in them must reach it as they are.
    void zalohaSHeslomSoZnakmi()
    {
        const QString heslo = QStringLiteral("a\"b\\c #d'e");
        TestDB::Vykonaj(db(), "CREATE USER IF NOT EXISTS 'zaloha'@'localhost' IDENTIFIED BY '" + SqlEsc(heslo) + "'");
        TestDB::Vykonaj(db(), "GRANT ALL ON *.* TO 'zaloha'@'localhost'");
        const auto spojenieTestu = BezSpojeniaTestu();
        TNastavenia nastavenia = TestDB::Nastavenia();
        nastavenia.Pouzivatel = QStringLiteral("zaloha");
        nastavenia.Heslo = heslo;
        TDataModuleHlavny dmZalohy(nastavenia);
        {
            TFormHlavny hlavny(dmZalohy);
            hlavny.show();
            spravy->Odpovede << TOdpoved::Ano;
            spravy->Subory << docasny.filePath("zaloha-heslo.sql");
            hlavny.close();
        }
        QCOMPARE(spravy->Texty().last(), QStringLiteral("Záloha databázy prebehla úspešne."));
        QFile zaloha(docasny.filePath("zaloha-heslo.sql"));
        QVERIFY(zaloha.open(QIODevice::ReadOnly));
        QVERIFY(zaloha.readAll().contains("CREATE TABLE `regzv`"));
    }

    void prvaVlastnaFarma()
    {
        // A new installation: no own farm, the parameters row without a farm.
        TestDB::Vykonaj(db(), "DELETE FROM FarlLic");
        TestDB::Vykonaj(db(), "UPDATE irpar SET IRPar_ID = 0, CisFarmy = NULL");
        QStringList dialog;
        QTimer::singleShot(0, this, [&dialog] {
            auto *okno = qobject_cast<TFormPrvaFarma *>(QApplication::activeModalWidget());
            if (!okno)
                return;
            dialog << okno->windowTitle();
            QTest::keyClicks(okno->EditCisFarmy, "c123");  // typed in lower case, short
            okno->EditNazov->setText("Farma pod 'Hájom'");
            okno->BitBtnUloz->click();
            dialog << okno->EditCisFarmy->text();
            QTest::keyClicks(okno->EditCisFarmy, "45");
            okno->BitBtnUloz->click();
        });
        auto hlavny = ZobrazHlavne();
        QCOMPARE(dialog, (QStringList{"Prvá vlastná farma", "C123"}));
        QCOMPARE(spravy->Texty(), QStringList{"Nesprávne označenie farmy. Má mať 6 znakov !"});
        const int id = TestDB::Hodnota(db(), "SELECT Farma_ID FROM FarlLic WHERE CisFarmy='C12345'").toInt();
        QVERIFY(id > 0);
        QCOMPARE(TestDB::Hodnota(db(), "SELECT Nazov FROM FarlLic WHERE Farma_ID=" + QString::number(id)).toString(),
                 QStringLiteral("Farma pod 'Hájom'"));
        QCOMPARE(hlavny->AktFarmaID, id);
        QCOMPARE(hlavny->LabelVyber->text(), QStringLiteral("Aktuálna farma C12345 Farma pod 'Hájom'"));
        QCOMPARE(TestDB::Hodnota(db(), "SELECT CONCAT(COUNT(*), '|', MAX(CisFarmy)) FROM irpar").toString(),
                 QStringLiteral("1|C12345"));
        QCOMPARE(hlavny->windowTitle(), QStringLiteral("Individuálny register HD"));
        ZatvorBezZalohy(*hlavny);

        // Cancelled: no farm is stored and the program runs without a current farm.
        TestDB::Vykonaj(db(), "DELETE FROM FarlLic");
        TestDB::Vykonaj(db(), "DELETE FROM irpar");
        spravy->Vymaz();
        QTimer::singleShot(0, this, [] {
            if (auto *okno = qobject_cast<TFormPrvaFarma *>(QApplication::activeModalWidget()))
                okno->BitBtnZrus->click();
        });
        auto druhe = ZobrazHlavne();
        QCOMPARE(TestDB::Hodnota(db(), "SELECT COUNT(*) FROM FarlLic").toInt(), 0);
        QCOMPARE(spravy->Texty(), QStringList{" Vyber aktuálnu farmu !"});
        ZatvorBezZalohy(*druhe);
    }

    void celySpustenieAKoniec()
    {
        const auto spojenieTestu = BezSpojeniaTestu();  // the program opens its own connection
        QString titulok;
        QTimer hladanie;  // waits for the main window, then ends the program as after a restore
        connect(&hladanie, &QTimer::timeout, this, [&titulok] {
            for (QWidget *okno : QApplication::topLevelWidgets())
                // Once the window has built its tree, as a user would wait for it.
                if (auto *hlavny = qobject_cast<TFormHlavny *>(okno);
                    hlavny && hlavny->isVisible() && hlavny->PanelStavu0->text().startsWith("Počet zvierat")) {
                    titulok = hlavny->windowTitle() + " | " + hlavny->LabelVyber->text();
                    hlavny->UkonciBezZalohy();
                }
        });
        hladanie.start(20);
        const int kod = SpustiVuradeDE(TestDB::Nastavenia(), ZapisIni("[verzia programu]\nverzia=1.0\n"), 0);
        QCOMPARE(kod, 0);
        QCOMPARE(titulok, QStringLiteral("Individuálny register HD | Aktuálna farma A10001 PD Dolný Háj"));
    }

    void nedostupnaDatabazaUkonciProgram()
    {
        const auto spojenieTestu = BezSpojeniaTestu();
        TNastavenia nastavenia;
        nastavenia.Pripojenie = TNastavenia::Sposob::Server;
        nastavenia.Socket = docasny.filePath("ziadny.sock");
        const int kod = SpustiVuradeDE(nastavenia, ZapisIni({}), 0);
        QCOMPARE(kod, 1);
        QCOMPARE(spravy->Zaznam.size(), 1);
        QCOMPARE(spravy->Zaznam[0].Ikona, TIkona::Chyba);
        QVERIFY(spravy->Zaznam[0].Text.startsWith("Databáza programu VuradeDE nie je dostupná"));
        QVERIFY2(spravy->Zaznam[0].Text.contains("ziadny.sock"), qPrintable(spravy->Zaznam[0].Text));
        QVERIFY(QApplication::topLevelWidgets().isEmpty() ||
                std::none_of(QApplication::topLevelWidgets().begin(), QApplication::topLevelWidgets().end(),
                             [](QWidget *w) { return qobject_cast<TFormHlavny *>(w) != nullptr; }));
    }
};

QTEST_MAIN(TestStart)
#include "tst_start.moc"
