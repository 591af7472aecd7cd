#include "UNastavenia.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

QString TNastavenia::CestaSuboru()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
        .filePath(QStringLiteral("nastavenia.ini"));
}

TNastavenia TNastavenia::Nacitaj(const QString &cestaSuboru)
{
    TNastavenia n;
    const QSettings s(cestaSuboru, QSettings::IniFormat);
    const QString odbc = s.value(QStringLiteral("databaza/odbc")).toString().trimmed();
    n.Server = s.value(QStringLiteral("databaza/server")).toString().trimmed();
    n.Socket = s.value(QStringLiteral("databaza/socket")).toString().trimmed();
    if (!odbc.isEmpty()) {
        n.Pripojenie = Sposob::Odbc;
        n.OdbcZdroj = odbc;
    } else if (!n.Server.isEmpty() || !n.Socket.isEmpty()) {
        n.Pripojenie = Sposob::Server;
    }
    n.Port = s.value(QStringLiteral("databaza/port"), n.Port).toInt();
    n.Pouzivatel = s.value(QStringLiteral("databaza/pouzivatel"), n.Pouzivatel).toString();
    n.Heslo = s.value(QStringLiteral("databaza/heslo"), n.Heslo).toString();
    n.Koren = s.value(QStringLiteral("instalacia/koren"),
                      QDir::home().filePath(QStringLiteral("TOLVA/VuradeDE")))
                  .toString();
    return n;
}
