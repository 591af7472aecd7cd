// Pure helpers shared by every window: ear-tag padding, SQL text escaping,
// the formatting profiles, record resets and the titles by installation type.
#include <QTest>

#include "UDefinicie.h"
#include "UFormaty.h"
#include "USpolocne.h"
#include "USql.h"
#include "UTitulky.h"

class TestPomocnici : public QObject
{
    Q_OBJECT

private slots:
    void doplnNuly_data()
    {
        QTest::addColumn<QString>("vstup");
        QTest::addColumn<QString>("vysledok");
        QTest::newRow("kratke") << "123" << "000000000123";
        QTest::newRow("medzery okolo") << "  123 " << "000000000123";
        QTest::newRow("jeden znak") << "7" << "000000000007";
        QTest::newRow("jedenast znakov") << "12345678901" << "012345678901";
        QTest::newRow("prazdne") << "" << "";
        QTest::newRow("len medzery") << "   " << "   ";
        QTest::newRow("dvanast znakov") << "123456789012" << "123456789012";
        QTest::newRow("trinast znakov ostava") << "1234567890123" << "1234567890123";
        QTest::newRow("dlhe s medzerami ostava netknute") << " 1234567890123 " << " 1234567890123 ";
    }
    void doplnNuly()
    {
        QFETCH(QString, vstup);
        QFETCH(QString, vysledok);
        QCOMPARE(DoplnNuly(vstup), vysledok);
    }

    void sqlEsc_data()
    {
        QTest::addColumn<QString>("hodnota");
        QTest::addColumn<QString>("text");
        QTest::newRow("obycajny") << "Dolný Háj" << "Dolný Háj";
        QTest::newRow("apostrof") << "O'Brien" << "O''Brien";
        QTest::newRow("spatna lomka") << "C:\\farma\\" << "C:\\\\farma\\\\";
        QTest::newRow("lomka pred apostrofom") << "\\'" << "\\\\''";
        QTest::newRow("pokus o prikaz") << "x'); DROP TABLE RegZv; --" << "x''); DROP TABLE RegZv; --";
        QTest::newRow("nulovy znak") << QString(QChar(0)) << "\\0";
    }
    void sqlEsc()
    {
        QFETCH(QString, hodnota);
        QFETCH(QString, text);
        QCOMPARE(SqlEsc(hodnota), text);
    }

    void formatovanieDatumu()
    {
        const QDate datum(2008, 3, 5);
        QCOMPARE(FormatujDatum(datum, FormatSQL), QStringLiteral("2008-03-05"));
        QCOMPARE(FormatujDatum(datum, FormatZobraz), QStringLiteral("05.03.2008"));
        QCOMPARE(FormatujDatum(NulovyDatum, FormatSQL), QStringLiteral("1899-12-30"));
        QCOMPARE(FormatujDatumCas(QDateTime(datum, QTime(7, 8, 9)), FormatSQLCas),
                 QStringLiteral("2008-03-05 07:08:09"));
    }

    void citanieDatumu_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("profil");  // 0 FormatZobraz, 1 FormatSQL
        QTest::addColumn<QDate>("datum");
        QTest::newRow("zobrazenie") << "05.03.2008" << 0 << QDate(2008, 3, 5);
        QTest::newRow("bez nul") << "5.3.2008" << 0 << QDate(2008, 3, 5);
        QTest::newRow("sql") << "2008-03-05" << 1 << QDate(2008, 3, 5);
        QTest::newRow("zly oddelovac") << "2008.03.05" << 1 << QDate();
        QTest::newRow("31. februar") << "31.02.2008" << 0 << QDate();
        QTest::newRow("pismena") << "aa.bb.cccc" << 0 << QDate();
        QTest::newRow("prazdny") << "" << 0 << QDate();
    }
    void citanieDatumu()
    {
        QFETCH(QString, text);
        QFETCH(int, profil);
        QFETCH(QDate, datum);
        const auto precitany = CitajDatum(text, profil == 0 ? FormatZobraz : FormatSQL);
        QCOMPARE(precitany.value_or(QDate()), datum);
    }

    void cisla()
    {
        QCOMPARE(FormatujCislo(12.5, FormatBodka), QStringLiteral("12.5"));
        QCOMPARE(FormatujCislo(50, FormatBodka), QStringLiteral("50"));
        QCOMPARE(CitajCislo(QStringLiteral("12,5"), FormatSQL).value_or(-1), 12.5);
        QVERIFY(!CitajCislo(QStringLiteral("12.5"), FormatSQL));
        QVERIFY(!CitajCislo(QStringLiteral("dvanast"), FormatSQL));
        QCOMPARE(CitajCislo(QStringLiteral("87.5"), FormatBodka).value_or(-1), 87.5);
    }

    void vynulujZviera()
    {
        TZviera z;
        z.ZVStat = "SK";
        z.JCNARV = "000000000101";
        z.OtRegister = 5;
        z.Pk1 = 50;
        z.DatNar = QDate(2020, 1, 1);
        z.Vlastnik_ID = 3;
        z.UzitZam = "1";
        z.Vynuluj();
        QVERIFY(z.ZVStat.isEmpty());
        QVERIFY(z.JCNARV.isEmpty());
        QCOMPARE(z.OtRegister, 0);
        QCOMPARE(z.Pk1, 0.0);
        QCOMPARE(z.DatNar, NulovyDatum);
        QCOMPARE(z.Vlastnik_ID, 0);
        QCOMPARE(z.UzitZam, QStringLiteral("0"));
    }

    void vynulujPrisunAOdsun()
    {
        TPrisun p;
        p.Udal_ID = 18;
        p.DatUdal = QDate(2024, 5, 1);
        p.POCisFarmy = "A10001";
        p.Zviera.JCNARV = "1";
        p.Zviera.UzitZam = "2";
        p.Vynuluj();
        QCOMPARE(p.Udal_ID, 0);
        QCOMPARE(p.DatUdal, NulovyDatum);
        QVERIFY(p.POCisFarmy.isEmpty());
        QVERIFY(p.Zviera.JCNARV.isEmpty());
        QCOMPARE(p.Zviera.UzitZam, QStringLiteral("0"));

        TOdsun o;
        o.OVlastnik = "31234567";
        o.Skupina = "3";
        o.Zviera.DatUh = QDate(2024, 1, 1);
        o.Vynuluj();
        QVERIFY(o.OVlastnik.isEmpty());
        QVERIFY(o.Skupina.isEmpty());
        QCOMPARE(o.Zviera.DatUh, NulovyDatum);
        QCOMPARE(o.Zviera.UzitZam, QStringLiteral("0"));
    }

    void titulkyPodlaTypu_data()
    {
        QTest::addColumn<QString>("typ");
        QTest::addColumn<QString>("uvod");
        QTest::addColumn<QString>("hlavne");
        QTest::newRow("1") << "1" << "Register HD na farme" << "Individuálny register HD";
        QTest::newRow("0") << "0" << "Register *HD* na farme" << "Individuálny register *HD*";
        QTest::newRow("prazdny") << "" << "Register *HD* na farme" << "Individuálny register *HD*";
    }
    void titulkyPodlaTypu()
    {
        QFETCH(QString, typ);
        QFETCH(QString, uvod);
        QFETCH(QString, hlavne);
        QCOMPARE(TitulUvodu(typ), uvod);
        QCOMPARE(TitulHlavnehoOkna(typ), hlavne);
    }
};

QTEST_GUILESS_MAIN(TestPomocnici)
#include "tst_pomocnici.moc"
