#pragma once

#include <QString>

// Where the database is and where the installation keeps its files, read
// from the settings file in the user's configuration directory:
//
//   [databaza]
//   odbc=MyVuradeDE          ; an ODBC data source, or
//   server=db.farma.sk       ; a MariaDB server by host (with port) or
//   socket=/run/mysqld/mysqld.sock ; by Unix socket
//   port=3306
//   pouzivatel=root
//   heslo=kvet
//   [instalacia]
//   koren=/home/jano/TOLVA/VuradeDE
//
// With neither odbc nor server nor socket set, the program runs its own
// private database server.
struct TNastavenia
{
    enum class Sposob { SukromnyServer, Odbc, Server };

    Sposob Pripojenie = Sposob::SukromnyServer;
    QString OdbcZdroj = QStringLiteral("MyVuradeDE");
    QString Server;
    QString Socket;
    int Port = 3306;
    QString Pouzivatel = QStringLiteral("root");
    QString Heslo = QStringLiteral("kvet");
    QString Koren;  // installation root: Vystup/, vstup/, zalohaDB/

    static QString CestaSuboru();
    static TNastavenia Nacitaj(const QString &cestaSuboru = CestaSuboru());
};

// Name of the one database connection of the program.
inline const QString NazovSpojenia = QStringLiteral("ADOConnectionVuradeDE");
// Name of the database on every server.
inline const QString NazovDatabazy = QStringLiteral("VuradeDE");
