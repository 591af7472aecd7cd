#pragma once

#include <QDate>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>

#include "UChyba.h"

// A failed statement: carries the server's (or driver's) own text, which the
// windows show as "Chyba: " + Text().
class TChybaSql : public TChyba
{
public:
    using TChyba::TChyba;
    explicit TChybaSql(const QSqlError &chyba);
};

// The most telling text of a driver error: the server's message when there is one.
QString TextChyby(const QSqlError &chyba);

// Escapes a typed value for use between the single quotes of a concatenated
// statement, so that any text is stored exactly as typed and can never end
// the literal early. The quotes themselves stay in the statement text.
QString SqlEsc(const QString &hodnota);

// A data-changing statement on the shared connection: the caller sets the
// whole SQL text and executes it.
class TPrikaz
{
public:
    TPrikaz() = default;
    explicit TPrikaz(const QString &nazovSpojenia);

    QString CommandText;

    // Runs CommandText; returns the number of rows it changed. Throws TChybaSql.
    int Execute();

private:
    QString m_spojenie;
};

// Runs a prepared or plain query that is already set up; throws TChybaSql.
void Otvor(QSqlQuery &dotaz);
void Otvor(QSqlQuery &dotaz, const QString &sql);

// One transaction on a connection: begun at construction, rolled back at
// destruction unless Commit() was called. Never nest two guards: the server
// would commit the first implicitly when the second begins.
class TTransakcia
{
public:
    explicit TTransakcia(const QSqlDatabase &db);
    ~TTransakcia();
    TTransakcia(const TTransakcia &) = delete;
    TTransakcia &operator=(const TTransakcia &) = delete;

    void Commit();

private:
    QSqlDatabase m_db;
    bool m_ukoncena = false;
};
