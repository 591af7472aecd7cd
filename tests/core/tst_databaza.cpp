// The database as the program sees it: the ways in, the installed schema
// and code list, the animal look-ups, SQL text and transactions.
#include <QFile>
#include <QScopeGuard>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

#include "DMHlavny.h"
#include "OcakavanaSchema.h"
#include "SkriptovaneSpravy.h"
#include "TestDB.h"
#include "ZaznamHlavneho.h"

class TestDatabaza : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TDataModuleHlavny> dm;
    TZaznamHlavneho spolocne;
    QSqlDatabase db() const { return dm->ADOConnectionVuradeDE(); }

    // Closes the test's connection for a test that opens its own (the program
    // keeps one connection under one name); it is back however the test ends.
    auto BezSpojeniaTestu()
    {
        dm.reset();
        return qScopeGuard([this] {
            dm = std::make_unique<TDataModuleHlavny>(TestDB::Nastavenia());
            dm->NastavSpolocne(&spolocne);
        });
    }

    // A table's column names in lower case, in their order; empty when the table is missing.
    QStringList MenaStlpcov(const char *tabulka) const
    {
        QSqlQuery dotaz(db());
        dotaz.exec(QStringLiteral("SELECT * FROM %1 LIMIT 0").arg(QLatin1String(tabulka)));
        const QSqlRecord zaznam = dotaz.record();
        QStringList mena;
        for (int i = 0; i < zaznam.count(); ++i)
            mena << zaznam.fieldName(i).toLower();
        return mena;
    }

private slots:
    void initTestCase()
    {
        TestDB::PripravAplikaciu();
        dm = std::make_unique<TDataModuleHlavny>(TestDB::Nastavenia());
        dm->NastavSpolocne(&spolocne);
    }
    void init()
    {
        TestDB::Obnov(db());
        spolocne.AktFarmaID = 1;
    }
    void cleanupTestCase() { dm.reset(); }

    void schemaMaVsetkyTabulkyAStlpce()
    {
        for (const OcakavanaTabulka &tabulka : ocakavaneTabulky) {
            const QStringList mena = MenaStlpcov(tabulka.nazov);
            QVERIFY2(!mena.isEmpty(), tabulka.nazov);
            for (const QString &stlpec : tabulka.stlpce)
                QVERIFY2(mena.contains(stlpec.toLower()),
                         qPrintable(QStringLiteral("%1.%2 chýba").arg(QLatin1String(tabulka.nazov), stlpec)));
        }
    }

    // Movements are copied with INSERT INTO pohybypom SELECT * FROM pohyby.
    void pohybypomMaStlpcePohybovVPoradi()
    {
        QVERIFY(!MenaStlpcov("pohyby").isEmpty());
        QCOMPARE(MenaStlpcov("pohybypom"), MenaStlpcov("pohyby"));
        TestDB::Vykonaj(db(), "DELETE FROM pohybypom");
        TestDB::Vykonaj(db(), "INSERT INTO pohybypom SELECT * FROM pohyby");
        TestDB::Vykonaj(db(), "INSERT INTO pohybypom SELECT * FROM pohyby");  // ids may repeat there
        QCOMPARE(TestDB::Hodnota(db(), "SELECT COUNT(*) FROM pohybypom").toInt(),
                 2 * TestDB::Hodnota(db(), "SELECT COUNT(*) FROM pohyby").toInt());
        TestDB::Vykonaj(db(), "DELETE FROM pohybypom");
    }

    void tabulkyBezOhladuNaVelkostPismen()
    {
        for (const char *meno : {"REgZv", "regzv", "farlLic", "KodUdal", "Pohyby", "TABSTAT"})
            QVERIFY2(TestDB::Hodnota(db(), QStringLiteral("SELECT COUNT(*) FROM %1").arg(QLatin1String(meno))).isValid(),
                     meno);
        QVERIFY(TestDB::Hodnota(db(), "SELECT COUNT(*) FROM VUradeDE.RegZV").isValid());
        QVERIFY(TestDB::Hodnota(db(), "SELECT COUNT(*) FROM `vuradede`.`pohybymax`").isValid());
    }

    void pevneIdentityUdalosti()
    {
        for (const PevnaUdalost &u : pevneUdalosti) {
            QSqlQuery dotaz(db());
            QVERIFY(dotaz.exec(QStringLiteral("SELECT Kod, Typ, PreEdit FROM kodudal WHERE Udal_ID=%1").arg(u.udalId)));
            QVERIFY2(dotaz.next(), qPrintable(QStringLiteral("Udal_ID %1 chýba").arg(u.udalId)));
            QCOMPARE(dotaz.value(0).toString(), QLatin1String(u.kod));
            QCOMPARE(dotaz.value(1).toString(), QString(QLatin1Char(u.typ)));
            QCOMPARE(dotaz.value(2).toString(), QLatin1String(u.preEdit));
        }
        for (const MenovanyKod &k : menovaneKody)
            QCOMPARE(TestDB::Hodnota(db(), QStringLiteral("SELECT GROUP_CONCAT(PreEdit) FROM kodudal WHERE Kod='%1' AND Typ='%2'")
                                               .arg(QLatin1String(k.kod), QString(QLatin1Char(k.typ))))
                         .toString(),
                     QLatin1String(k.preEdit));
        // Groups 0, 6 and 7 hold exactly these arrival codes (production type and sex rules).
        QCOMPARE(TestDB::Hodnota(db(), "SELECT GROUP_CONCAT(Kod ORDER BY Kod) FROM kodudal WHERE Typ='P' AND PreEdit IN ('0','6')")
                     .toString(),
                 QStringLiteral("00,30,31,32,97"));
        // Every code's description starts with the code itself.
        QCOMPARE(TestDB::Hodnota(db(), "SELECT COUNT(*) FROM kodudal WHERE LEFT(Popis,2) <> Kod").toInt(), 0);
        QVERIFY(TestDB::Hodnota(db(), "SELECT COUNT(*) FROM Farmy").toInt() >= 200);
    }

    void stavZvierata_data()
    {
        QTest::addColumn<QString>("cislo");
        QTest::addColumn<int>("aktFarma");
        QTest::addColumn<QString>("stav");
        QTest::addColumn<bool>("naFarme");
        QTest::newRow("neznáme") << "000000000999" << 1 << "0" << false;
        QTest::newRow("len v pohyboch") << "000000000777" << 1 << "0" << false;
        QTest::newRow("mimo vlastných fariem") << "000000000301" << 1 << "1" << false;
        QTest::newRow("na aktuálnej farme") << "000000000101" << 1 << "2" << true;
        QTest::newRow("na inej farme") << "000000000201" << 1 << "3" << true;
        QTest::newRow("farma nezapísaná") << "000000000401" << 1 << "3" << true;
        QTest::newRow("farma nezapísaná, žiadna aktuálna") << "000000000401" << 0 << "3" << true;
    }
    void stavZvierata()
    {
        QFETCH(QString, cislo);
        QFETCH(int, aktFarma);
        QFETCH(QString, stav);
        QFETCH(bool, naFarme);
        TestDB::Vykonaj(db(), "INSERT INTO pohyby (Farma_ID, Udal_ID, ZVStat, JCNARV, DatUdal) "
                              "VALUES (1, 18, 'SK', '000000000777', '2024-01-01')");
        spolocne.AktFarmaID = aktFarma;
        QCOMPARE(dm->NajdiZviera2(QStringLiteral("SK"), cislo), stav);
        QCOMPARE(dm->NajdiZviera(QStringLiteral("SK"), cislo), naFarme);
        if (stav != QLatin1String("0"))  // the look-up stays on the found animal
            QCOMPARE(dm->Zviera(QStringLiteral("JCNARV")).toString(), cislo);
    }

    void hodnotyUlozeneTakAkoBoliNapisane_data()
    {
        QTest::addColumn<QString>("hodnota");
        QTest::newRow("apostrof") << "O'Brien";
        QTest::newRow("spätná lomka") << "C:\\farma\\";
        QTest::newRow("lomka a apostrof") << "\\'";
        QTest::newRow("pokus o príkaz") << "x'); DELETE FROM RegZv; --";
        QTest::newRow("slovenské písmená") << "Ľubica Šťastná, Žitný ostrov";
    }
    void hodnotyUlozeneTakAkoBoliNapisane()
    {
        QFETCH(QString, hodnota);
        dm->ADOCommandPom.CommandText = QStringLiteral("UPDATE vlastnik SET PNazov='") + SqlEsc(hodnota) +
                                        QStringLiteral("' WHERE Vlastnik_ID=1");
        QCOMPARE(dm->ADOCommandPom.Execute(), 1);
        QCOMPARE(TestDB::Hodnota(db(), "SELECT PNazov FROM vlastnik WHERE Vlastnik_ID=1").toString(), hodnota);
        QCOMPARE(TestDB::Hodnota(db(), "SELECT COUNT(*) FROM RegZv").toInt(), 6);
    }

    void chybaPrikazuNesieTextServera()
    {
        dm->ADOCommandPom.CommandText = QStringLiteral("INSERT INTO RegZv (ZVStat, JCNARV) VALUES ('SK', '000000000101')");
        try {
            dm->ADOCommandPom.Execute();
            QFAIL("duplicate key accepted");
        } catch (const TChybaSql &chyba) {
            QVERIFY2(chyba.Text().contains(QLatin1String("Duplicate entry")), qPrintable(chyba.Text()));
        }
        // Strict mode: an over-long value is an error, never a silent truncation.
        dm->ADOCommandPom.CommandText = QStringLiteral("UPDATE RegZv SET ZVStat='SKX' WHERE JCNARV='000000000101'");
        QVERIFY_THROWS_EXCEPTION(TChybaSql, dm->ADOCommandPom.Execute());
    }

    void transakciaBezPotvrdeniaSaVrati()
    {
        try {
            TTransakcia transakcia(db());
            dm->ADOCommandPrisun.CommandText = QStringLiteral("DELETE FROM pohyby WHERE JCNARV='000000000101'");
            dm->ADOCommandPrisun.Execute();
            dm->ADOCommandRegZv.CommandText = QStringLiteral("UPDATE RegZv SET nejestvuje=1");
            dm->ADOCommandRegZv.Execute();
            transakcia.Commit();
        } catch (const TChybaSql &) {
        }
        QCOMPARE(TestDB::Hodnota(db(), "SELECT COUNT(*) FROM pohyby WHERE JCNARV='000000000101'").toInt(), 1);

        {
            TTransakcia transakcia(db());
            dm->ADOCommandPrisun.CommandText = QStringLiteral("DELETE FROM pohyby WHERE JCNARV='000000000101'");
            dm->ADOCommandPrisun.Execute();
            transakcia.Commit();
        }
        QCOMPARE(TestDB::Hodnota(db(), "SELECT COUNT(*) FROM pohyby WHERE JCNARV='000000000101'").toInt(), 0);
    }

    void odbcZdrojVediDoTejIstejDatabazy()
    {
        QTemporaryDir adresar;
        const QString socket = TestDB::Nastavenia().Socket;
        QFile odbcIni(adresar.filePath("odbc.ini"));
        QVERIFY(odbcIni.open(QIODevice::WriteOnly));
        odbcIni.write("[MyVuradeDE]\nDriver=MariaDB Unicode\nDatabase=VuradeDE\nSocket=" + socket.toUtf8() +
                      "\nServer=localhost\n");
        odbcIni.close();
        qputenv("ODBCINI", QFile::encodeName(odbcIni.fileName()));

        TNastavenia nastavenia;
        nastavenia.Pripojenie = TNastavenia::Sposob::Odbc;
        {
            const auto spojenieTestu = BezSpojeniaTestu();
            TDataModuleHlavny odbc(nastavenia);
            QCOMPARE(odbc.ADOConnectionVuradeDE().driverName(), QStringLiteral("QODBC"));
            odbc.NastavSpolocne(&spolocne);
            QCOMPARE(odbc.NajdiZviera2(QStringLiteral("SK"), QStringLiteral("000000000201")), QStringLiteral("3"));
            QCOMPARE(odbc.Zviera(QStringLiteral("Pohlavie")).toString(), QStringLiteral("1"));
        }
        qunsetenv("ODBCINI");
        QCOMPARE(db().driverName(), QStringLiteral("QMARIADB"));
    }

    void nedostupnyServerNesieSpravuOvladaca()
    {
        TNastavenia nastavenia;
        nastavenia.Pripojenie = TNastavenia::Sposob::Server;
        nastavenia.Socket = QStringLiteral("/nonexistent/vuradede.sock");
        const auto spojenieTestu = BezSpojeniaTestu();
        try {
            TDataModuleHlavny nedostupny(nastavenia);
            QFAIL("connected to a server that does not exist");
        } catch (const TChybaPripojenia &chyba) {
            QVERIFY2(chyba.Text().contains(QLatin1String("/nonexistent/vuradede.sock")), qPrintable(chyba.Text()));
        }
        nastavenia.Socket = TestDB::Nastavenia().Socket;
        nastavenia.Heslo = QStringLiteral("zle");
        try {
            TDataModuleHlavny zleHeslo(nastavenia);
            QFAIL("connected with a wrong password");
        } catch (const TChybaPripojenia &chyba) {
            QVERIFY2(chyba.Text().contains(QLatin1String("Access denied")), qPrintable(chyba.Text()));
        }
    }
};

QTEST_GUILESS_MAIN(TestDatabaza)
#include "tst_databaza.moc"
