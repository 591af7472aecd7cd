#include "BenchDB.h"

#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>
#include <stdexcept>

TBenchServer::TBenchServer()
{
    m_server = std::make_unique<TSukromnyServer>(m_adresar.path(), QStringLiteral(VURADEDE_DB_SKRIPTY));
    m_server->Spusti();
}

TBenchServer::~TBenchServer()
{
    m_server->Zastav();
}

TNastavenia TBenchServer::Nastavenia() const
{
    TNastavenia n;
    n.Pripojenie = TNastavenia::Sposob::Server;
    n.Socket = m_server->Socket();
    n.Pouzivatel = TSukromnyServer::Pouzivatel;
    n.Heslo = TSukromnyServer::Heslo;
    return n;
}

namespace {

void Vykonaj(const QSqlDatabase &db, const QString &sql)
{
    QSqlQuery dotaz(db);
    if (!dotaz.exec(sql))
        throw std::runtime_error((sql + QLatin1Char('\n') + dotaz.lastError().text()).toStdString());
}

} // namespace

void NaplnStado(const QSqlDatabase &db, int farmy, int zvierat, int pohybov)
{
    const int spolu = farmy * zvierat;
    Vykonaj(db, QStringLiteral("INSERT INTO FarlLic (Farma_ID, CisFarmy, Nazov) "
                               "SELECT seq, CONCAT('A', LPAD(seq, 5, '0')), CONCAT('Farma ', seq) FROM seq_1_to_%1")
                    .arg(farmy));
    Vykonaj(db, QStringLiteral("INSERT INTO RegZv (Farma_ID, Vlastnik_ID, ZVStat, JCNARV, DatNar, Pohlavie, PL1, Pk1, "
                               "UzitZam) "
                               "SELECT 1 + (seq - 1) DIV %1, 0, 'SK', LPAD(seq, 12, '0'), "
                               "'2015-01-01' + INTERVAL (seq MOD 3000) DAY, IF(seq MOD 3 = 0, '2', '1'), 'SS', 100, "
                               "IF(seq MOD 3 = 0, '0', '1') FROM seq_1_to_%2")
                    .arg(zvierat)
                    .arg(spolu));
    // Every animal arrives (code 00) and then has further events on its farm.
    Vykonaj(db, QStringLiteral("INSERT INTO pohyby (Farma_ID, Vlastnik_ID, Udal_ID, ZVStat, JCNARV, DatUdal, POCisFarmy, "
                               "Pohlavie, DatNar, DatumEvid) "
                               "SELECT r.Farma_ID, 0, IF(p.seq = 1, 18, 30), r.ZVStat, r.JCNARV, "
                               "r.DatNar + INTERVAL (p.seq * 60) DAY, 'C33333', r.Pohlavie, r.DatNar, "
                               "TIMESTAMP(r.DatNar + INTERVAL (p.seq * 60) DAY) "
                               "FROM RegZv r, seq_1_to_%1 p")
                    .arg(pohybov));
    // The statistics a working database has long settled on.
    Vykonaj(db, QStringLiteral("ANALYZE TABLE FarlLic, RegZv, pohyby"));
}

QString Suhrn(const QString &nazov, QList<double> casy)
{
    std::sort(casy.begin(), casy.end());
    return QStringLiteral("%1: median %2 ms, min %3 ms, max %4 ms (%5 runs)")
        .arg(nazov)
        .arg(casy[casy.size() / 2], 0, 'f', 1)
        .arg(casy.first(), 0, 'f', 1)
        .arg(casy.last(), 0, 'f', 1)
        .arg(casy.size());
}
