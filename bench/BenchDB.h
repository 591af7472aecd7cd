#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QTemporaryDir>
#include <memory>

#include "UNastavenia.h"
#include "USukromnyServer.h"

// A private database server in a temporary folder, installed from the
// program's scripts, for one benchmark run.
class TBenchServer
{
public:
    TBenchServer();
    ~TBenchServer();
    TNastavenia Nastavenia() const;

private:
    QTemporaryDir m_adresar;
    std::unique_ptr<TSukromnyServer> m_server;
};

// Fills a database with `farmy` own farms of `zvierat` animals each, every
// animal with `pohybov` movements (its arrival first), in a few statements.
void NaplnStado(const QSqlDatabase &db, int farmy, int zvierat, int pohybov);

// Median and extremes of a series of times in milliseconds, one line.
QString Suhrn(const QString &nazov, QList<double> casy);
