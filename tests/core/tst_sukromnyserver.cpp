// The program's own database server: first start, restart, reuse, failures.
#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QSqlError>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include "TestDB.h"
#include "USukromnyServer.h"

namespace {

// Connects to the private server as the program does and runs one statement.
QVariant Dotaz(const TSukromnyServer &server, const QString &sql)
{
    QVariant vysledok;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QMARIADB"), QStringLiteral("test"));
        db.setDatabaseName(NazovDatabazy);
        db.setUserName(TSukromnyServer::Pouzivatel);
        db.setPassword(TSukromnyServer::Heslo);
        db.setConnectOptions(QStringLiteral("UNIX_SOCKET=") + server.Socket());
        if (!db.open()) {
            qWarning() << db.lastError().text();
        } else {
            QSqlQuery q(db);
            if (q.exec(sql) && q.next())
                vysledok = q.value(0);
            else if (q.lastError().isValid())
                qWarning() << q.lastError().text();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("test"));
    return vysledok;
}

// Starts the server; a failure fails the test with the server's own text.
// A server started here is stopped however the test ends.
#define SPUSTI(server)                                                                                              \
    const auto zastavPoTeste_##server = qScopeGuard([&] { (server).Zastav(); });                                    \
    do {                                                                                                            \
        try {                                                                                                       \
            (server).Spusti();                                                                                      \
        } catch (const TChybaServera &chyba) {                                                                      \
            QFAIL(qPrintable(chyba.Text()));                                                                        \
        }                                                                                                           \
    } while (false)

} // namespace

class TestSukromnyServer : public QObject
{
    Q_OBJECT

private slots:
    void prvyStartAOpakovanyStart()
    {
        QTemporaryDir adresar;
        const QString zaklad = adresar.filePath("dáta farmy");  // blanks and letters in the path
        {
            TSukromnyServer server(zaklad, QStringLiteral(VURADEDE_DB_SKRIPTY));
            SPUSTI(server);
            QVERIFY(server.SpustenyNami());
            QVERIFY(QFile::exists(zaklad + "/instalacia-dokoncena"));
            QVERIFY(Dotaz(server, "SELECT COUNT(*) FROM kodudal").toInt() > 20);
            QCOMPARE(Dotaz(server, "SELECT @@lower_case_table_names").toInt(), 1);
            QCOMPARE(Dotaz(server, "SELECT @@collation_server").toString(), QStringLiteral("utf8mb4_slovak_ci"));
            QCOMPARE(Dotaz(server, "SELECT @@skip_networking").toInt(), 1);
            QCOMPARE(Dotaz(server, "SELECT @@tmpdir").toString(), zaklad + "/tmp");  // not shared with other servers
            // A new installation has its parameters row: plain titles, no current farm yet.
            QCOMPARE(Dotaz(server, "SELECT CONCAT(COUNT(*), '|', MAX(Typ_Zv), '|', IFNULL(MAX(CisFarmy), '-')) FROM irpar")
                         .toString(),
                     QStringLiteral("1|1|-"));
            Dotaz(server, "INSERT INTO FarlLic (CisFarmy, Nazov) VALUES ('A99999', 'Skúšobná')");

            // A second program finds the running server and leaves it running.
            TSukromnyServer druhy(zaklad, QStringLiteral(VURADEDE_DB_SKRIPTY));
            SPUSTI(druhy);
            QVERIFY(!druhy.SpustenyNami());
            druhy.Zastav();
            QCOMPARE(Dotaz(server, "SELECT Nazov FROM FarlLic WHERE CisFarmy='A99999'").toString(),
                     QStringLiteral("Skúšobná"));

            server.Zastav();
            QVERIFY(!QFile::exists(zaklad + "/mariadb.pid"));
        }
        {
            TSukromnyServer server(zaklad, QStringLiteral(VURADEDE_DB_SKRIPTY));
            SPUSTI(server);
            QVERIFY(server.SpustenyNami());
            QCOMPARE(Dotaz(server, "SELECT Nazov FROM FarlLic WHERE CisFarmy='A99999'").toString(),
                     QStringLiteral("Skúšobná"));  // data kept across the restart
            server.Zastav();
        }
    }

    void zastaralyPidSubor()
    {
        QTemporaryDir adresar;
        TSukromnyServer server(adresar.path(), QStringLiteral(VURADEDE_DB_SKRIPTY));
        SPUSTI(server);
        server.Zastav();
        // A pid file left behind by a crash names a process that is gone.
        QFile pid(adresar.filePath("mariadb.pid"));
        QVERIFY(pid.open(QIODevice::WriteOnly));
        pid.write("999999\n");
        pid.close();
        TSukromnyServer znova(adresar.path(), QStringLiteral(VURADEDE_DB_SKRIPTY));
        SPUSTI(znova);
        QVERIFY(znova.SpustenyNami());
        QVERIFY(Dotaz(znova, "SELECT COUNT(*) FROM kodudal").toInt() > 20);
        znova.Zastav();
    }

    void adresarSaNedaVytvorit()
    {
        QTemporaryDir adresar;
        QFile subor(adresar.filePath("subor"));
        QVERIFY(subor.open(QIODevice::WriteOnly));
        subor.close();
        TSukromnyServer server(adresar.filePath("subor/databaza"), QStringLiteral(VURADEDE_DB_SKRIPTY));
        try {
            server.Spusti();
            QFAIL("started in a folder that cannot exist");
        } catch (const TChybaServera &chyba) {
            QVERIFY2(chyba.Text().startsWith(QStringLiteral("Nepodarilo sa vytvoriť adresár databázy")),
                     qPrintable(chyba.Text()));
        }
    }

    void serverKtorySaNespustiUkazeSvojZaznam()
    {
        QTemporaryDir adresar;
        {
            TSukromnyServer server(adresar.path(), QStringLiteral(VURADEDE_DB_SKRIPTY));
            SPUSTI(server);
            server.Zastav();
        }
        // A damaged system tablespace keeps the server from coming up.
        QFile tablespace(adresar.filePath("data/ibdata1"));
        QVERIFY(tablespace.open(QIODevice::WriteOnly | QIODevice::Truncate));
        tablespace.write(QByteArray(4096, 'x'));
        tablespace.close();
        TSukromnyServer server(adresar.path(), QStringLiteral(VURADEDE_DB_SKRIPTY));
        try {
            server.Spusti();
            server.Zastav();
            QFAIL("a server without its system tables started");
        } catch (const TChybaServera &chyba) {
            QVERIFY2(chyba.Text().startsWith(QStringLiteral("Databázový server sa nespustil")), qPrintable(chyba.Text()));
            QVERIFY2(chyba.Text().contains(QLatin1String("[ERROR]")), qPrintable(chyba.Text()));
        }
    }
};

QTEST_GUILESS_MAIN(TestSukromnyServer)
#include "tst_sukromnyserver.moc"
