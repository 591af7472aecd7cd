// Starts ("start") or stops ("stop") the throwaway database server of a test
// run. The start makes a new server from the installation scripts and writes
// the settings file through which every test program reaches it.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSettings>
#include <cstdio>

#include "TestDB.h"
#include "USukromnyServer.h"

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    TestDB::PripravAplikaciu();
    const QString prikaz = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    TSukromnyServer server(TestDB::AdresarServera(), QStringLiteral(VURADEDE_DB_SKRIPTY));
    try {
        server.ZastavBeziaci();
        if (prikaz == QLatin1String("stop"))
            return 0;
        if (prikaz != QLatin1String("start")) {
            std::fprintf(stderr, "usage: vuradede_testserver start|stop\n");
            return 2;
        }
        QDir(TestDB::AdresarServera()).removeRecursively();
        QElapsedTimer cas;
        cas.start();
        server.Spusti();
        QSettings nastavenia(TestDB::SuborNastaveni(), QSettings::IniFormat);
        nastavenia.clear();
        nastavenia.setValue(QStringLiteral("databaza/socket"), server.Socket());
        nastavenia.setValue(QStringLiteral("databaza/pouzivatel"), TSukromnyServer::Pouzivatel);
        nastavenia.setValue(QStringLiteral("databaza/heslo"), TSukromnyServer::Heslo);
        nastavenia.setValue(QStringLiteral("instalacia/koren"), QStringLiteral(VURADEDE_TEST_HOME "/koren"));
        nastavenia.sync();
        std::printf("test database server ready in %lld ms on %s\n", static_cast<long long>(cas.elapsed()),
                    qPrintable(server.Socket()));
        return 0;
    } catch (const TChybaServera &chyba) {
        std::fprintf(stderr, "%s\n", qPrintable(chyba.Text()));
        return 1;
    }
}
