#pragma once

#include <QObject>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>
#include <memory>

#include "UNastavenia.h"
#include "USql.h"

class TSukromnyServer;
class TSpolocneUdaje;

// The database could not be reached at start; Text() carries the driver's or
// the server's own message.
class TChybaPripojenia : public TChyba
{
public:
    using TChyba::TChyba;
};

// The main data module: the one database connection, the shared queries and
// command objects, the animal look-ups and the program's version.
class TDataModuleHlavny : public QObject
{
    Q_OBJECT

public:
    // Opens the connection named by the settings (starting the private server
    // when they name none) and the queries that every window relies on.
    // Throws TChybaPripojenia.
    explicit TDataModuleHlavny(const TNastavenia &nastavenia, QObject *parent = nullptr);
    ~TDataModuleHlavny() override;

    // Reads the version from the ini file (a failure shows its message box).
    void DataModuleCreate(const QString &cestaIni);

    // The main window's shared state; NajdiZviera2 compares with its current farm.
    void NastavSpolocne(const TSpolocneUdaje *spolocne) { m_spolocne = spolocne; }

    QSqlDatabase ADOConnectionVuradeDE() const;
    const TNastavenia &Nastavenia() const { return m_nastavenia; }

    // Whether the installation keeps at least one own farm.
    bool JeVlastnaFarma();

    // Whether the animal is in the register on an own farm; ADOQueryZviera
    // stays on its row.
    bool NajdiZviera(const QString &stat, const QString &cislo);
    // "0" not in the register, "1" on no own farm, "2" on the current farm,
    // "3" on another own farm (also when its farm is not recorded at all).
    QString NajdiZviera2(const QString &stat, const QString &cislo);
    // A column of the animal found by the last look-up.
    QVariant Zviera(const QString &stlpec) const;

    QString Verzia;
    QString DatumVerzie;

    QSqlQuery ADOQueryZviera;
    QSqlQuery ADOQueryZvierata;
    QSqlQuery ADOQueryMajitel;
    QSqlQuery ADOQueryFarLic;
    QSqlQuery ADOTableIRPar;

    TPrikaz ADOCommandPom{NazovSpojenia};
    TPrikaz ADOCommandPrisun{NazovSpojenia};
    TPrikaz ADOCommandOdsun{NazovSpojenia};
    TPrikaz ADOCommandRegZv{NazovSpojenia};
    TPrikaz ADOCommandPom2{NazovSpojenia};
    TPrikaz ADOCommandPohybyMax{NazovSpojenia};

    static inline const QString SqlMajitel = QStringLiteral(
        "SELECT *, CONCAT_WS(' ',CONCAT_WS(' - ',pnazov,titulpred),CONCAT_WS(' ',priezvisko,meno,rtrim(titulza),',',obec)) AS menovlastnika\n"
        "FROM vlastnik");

private:
    void Pripoj();
    void Uvolni();
    void OtvorZdielaneDotazy();
    void HladajZviera(const QString &stat, const QString &cislo);

    TNastavenia m_nastavenia;
    std::unique_ptr<TSukromnyServer> m_server;
    const TSpolocneUdaje *m_spolocne = nullptr;
};
