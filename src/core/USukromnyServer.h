#pragma once

#include <QString>

#include "UChyba.h"

// The server could not be prepared or started; Text() says why in Slovak and
// carries the server's own message.
class TChybaServera : public TChyba
{
public:
    using TChyba::TChyba;
};

// The program's own MariaDB server for one user: created on first use with
// the installation scripts loaded, listening only on a Unix socket, reused
// when it is already running, stopped by whoever started it.
//
// Its base directory holds the data directory, the server's option file,
// error log and pid file, and the client option file with the password.
class TSukromnyServer
{
public:
    // skriptyDB: the folder of installation scripts, loaded in name order
    // into the new database on first use.
    TSukromnyServer(const QString &zakladnyAdresar, const QString &skriptyDB);

    static QString PredvolenyAdresar();

    // Makes sure the server runs and the database is installed. Throws TChybaServera.
    void Spusti();
    // Stops the server if this object started it.
    void Zastav();
    // Stops the server running in this base directory, whoever started it.
    void ZastavBeziaci();

    QString Socket() const { return m_socket; }
    QString CestaLogu() const;
    bool SpustenyNami() const { return m_spustenyNami; }

    static inline const QString Pouzivatel = QStringLiteral("root");
    static inline const QString Heslo = QStringLiteral("kvet");

private:
    QString Cesta(const QString &meno) const;
    void ZapisNastavenia() const;
    qint64 BeziaciProces() const;
    void Instaluj();
    void NacitajSkripty();
    void CakajNaSocket(qint64 pid, int sekundy);
    QString KoniecLogu() const;

    QString m_zaklad;
    QString m_skripty;
    QString m_socket;
    QString m_mariadbd;
    qint64 m_pid = 0;
    bool m_spustenyNami = false;
};
