// The version read from the ini file beside the program, and the settings
// file that tells where the database is.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "SkriptovaneSpravy.h"
#include "UIni.h"
#include "UNastavenia.h"

class TestIni : public QObject
{
    Q_OBJECT

private slots:
    void cestaIni()
    {
        QCOMPARE(CestaIni("/opt/vuradede/vuradede"), QStringLiteral("/opt/vuradede/vuradede.ini"));
        QCOMPARE(CestaIni("/opt/vuradede/VuradeDE.exe"), QStringLiteral("/opt/vuradede/VuradeDE.ini"));
        QCOMPARE(CestaIni("/opt/v d/vuradede"), QStringLiteral("/opt/v d/vuradede.ini"));
    }

    void nacitanie_data()
    {
        QTest::addColumn<QByteArray>("obsah");
        QTest::addColumn<QString>("verzia");
        QTest::addColumn<QString>("datum");
        QTest::newRow("uplny") << QByteArray("[verzia programu]\nverzia=1.0\n[datum verzie]\ndatumverzie=11.12.2026\n")
                               << "1.0" << "11.12.2026";
        QTest::newRow("len verzia") << QByteArray("[verzia programu]\nverzia=1.0\n") << "1.0" << "";
        QTest::newRow("windows konce a velke pismena")
            << QByteArray("[Verzia Programu]\r\nVerzia = 2.3 \r\n[DATUM VERZIE]\r\nDatumVerzie=marec 2008\r\n")
            << "2.3" << "marec 2008";
        QTest::newRow("kluc v inej sekcii") << QByteArray("[datum verzie]\nverzia=9.9\n") << "" << "";
        QTest::newRow("stredoeuropska kodova stranka")
            << QByteArray("[datum verzie]\ndatumverzie=j\xfal 2008\n") << "" << "júl 2008";
        QTest::newRow("prazdny subor") << QByteArray() << "" << "";
    }
    void nacitanie()
    {
        QFETCH(QByteArray, obsah);
        QFETCH(QString, verzia);
        QFETCH(QString, datum);
        QTemporaryDir adresar;
        const QString cesta = adresar.filePath("vuradede.ini");
        QFile subor(cesta);
        QVERIFY(subor.open(QIODevice::WriteOnly));
        subor.write(obsah);
        subor.close();
        TSkriptovaneSpravy spravy;
        const TVerziaProgramu v = NacitajVerziuSHlasenim(cesta);
        QCOMPARE(v.Verzia, verzia);
        QCOMPARE(v.DatumVerzie, datum);
        QVERIFY(spravy.Zaznam.isEmpty());
    }

    void chybajuciSuborNieJeChyba()
    {
        TSkriptovaneSpravy spravy;
        const TVerziaProgramu v = NacitajVerziuSHlasenim(QDir::temp().filePath("neexistuje-vuradede.ini"));
        QVERIFY(v.Verzia.isEmpty());
        QVERIFY(v.DatumVerzie.isEmpty());
        QVERIFY(spravy.Zaznam.isEmpty());
    }

    void necitatelnySuborHlasiChybu()
    {
        // A folder in place of the file cannot be read as one.
        QTemporaryDir adresar;
        QVERIFY(QDir(adresar.path()).mkdir("vuradede.ini"));
        TSkriptovaneSpravy spravy;
        const TVerziaProgramu v = NacitajVerziuSHlasenim(adresar.filePath("vuradede.ini"));
        QVERIFY(v.Verzia.isEmpty());
        QCOMPARE(spravy.Texty(), QStringList{"Chyba pri nacitani konfiguracie."});
        QCOMPARE(spravy.Zaznam.first().Tlacidla, TTlacidla::OK);
    }

    // Connection, server, port, socket, user, password, installation root.
    void nastavenia_data()
    {
        QTest::addColumn<QByteArray>("obsah");
        QTest::addColumn<QString>("ocakavane");
        const QString koren = QDir::home().filePath("TOLVA/VuradeDE");
        QTest::newRow("prázdny: vlastný server") << QByteArray() << "S|||3306|root|kvet|" + koren;
        QTest::newRow("odbc má prednosť") << QByteArray("[databaza]\nodbc=Farma\nserver=db.sk\n")
                                          << "O:Farma|db.sk||3306|root|kvet|" + koren;
        QTest::newRow("server a port") << QByteArray("[databaza]\nserver= db.farma.sk \nport=3307\npouzivatel=jano\nheslo=x y\n"
                                                     "[instalacia]\nkoren=/srv/farma\n")
                                       << "H|db.farma.sk||3307|jano|x y|/srv/farma";
        QTest::newRow("socket") << QByteArray("[databaza]\nsocket=/run/mysqld/mysqld.sock\n")
                                << "H||/run/mysqld/mysqld.sock|3306|root|kvet|" + koren;
    }
    void nastavenia()
    {
        QFETCH(QByteArray, obsah);
        QFETCH(QString, ocakavane);
        QTemporaryDir adresar;
        QFile subor(adresar.filePath("nastavenia.ini"));
        QVERIFY(subor.open(QIODevice::WriteOnly));
        subor.write(obsah);
        subor.close();
        const TNastavenia n = TNastavenia::Nacitaj(subor.fileName());
        const QString sposob = n.Pripojenie == TNastavenia::Sposob::Odbc     ? "O:" + n.OdbcZdroj
                               : n.Pripojenie == TNastavenia::Sposob::Server ? QStringLiteral("H")
                                                                             : QStringLiteral("S");
        QCOMPARE(QStringList({sposob, n.Server, n.Socket, QString::number(n.Port), n.Pouzivatel, n.Heslo, n.Koren})
                     .join('|'),
                 ocakavane);
    }
};

QTEST_GUILESS_MAIN(TestIni)
#include "tst_ini.moc"
