#include "USukromnyServer.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <cstring>
#include <sys/socket.h>
#include <sys/types.h>
#include <sys/un.h>
#include <unistd.h>

#include "UNastavenia.h"
#include "UNastrojeDB.h"

Q_LOGGING_CATEGORY(logServer, "vuradede.server")

namespace {

QString PotrebnyProgram(const QStringList &mena, const QString &balik)
{
    const QString cesta = NajdiProgram(mena);
    if (cesta.isEmpty())
        throw TChybaServera(QStringLiteral("Nenašiel som program %1 databázového servera MariaDB. "
                                           "Nainštalujte balík %2.")
                                .arg(mena.first(), balik));
    return cesta;
}

// Whether a server accepts connections on the Unix socket.
bool SocketPrijima(const QString &cesta)
{
    const QByteArray cestaBajty = QFile::encodeName(cesta);
    sockaddr_un adresa{};
    if (cestaBajty.size() >= static_cast<qsizetype>(sizeof adresa.sun_path))
        return false;
    adresa.sun_family = AF_UNIX;
    std::memcpy(adresa.sun_path, cestaBajty.constData(), cestaBajty.size());
    const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (s < 0)
        return false;
    const bool spojene = ::connect(s, reinterpret_cast<const sockaddr *>(&adresa), sizeof adresa) == 0;
    ::close(s);
    return spojene;
}

bool ProcesZije(qint64 pid)
{
    return pid > 0 && ::kill(static_cast<pid_t>(pid), 0) == 0;
}

void ZapisSubor(const QString &cesta, const QByteArray &obsah, QFileDevice::Permissions prava)
{
    QFile f(cesta);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(obsah) != obsah.size())
        throw TChybaServera(QStringLiteral("Nepodarilo sa zapísať súbor %1: %2").arg(cesta, f.errorString()));
    f.setPermissions(prava);
}

// What a tool said; its processes run with merged output channels.
QString VystupProcesu(QProcess &proces)
{
    return QString::fromLocal8Bit(proces.readAllStandardOutput()).trimmed();
}

// Runs a tool of the server to its end; what it printed is the detail of the
// error when it fails.
void SpustiNastroj(QProcess &proces, const QString &program, const QStringList &argumenty, int ms,
                   const QString &chyba)
{
    proces.setProcessChannelMode(QProcess::MergedChannels);
    proces.start(program, argumenty);
    if (!proces.waitForFinished(ms) || proces.exitStatus() != QProcess::NormalExit || proces.exitCode() != 0)
        throw TChybaServera(chyba + QLatin1Char('\n') + VystupProcesu(proces));
}

} // namespace

TSukromnyServer::TSukromnyServer(const QString &zakladnyAdresar, const QString &skriptyDB)
    : m_zaklad(QDir(zakladnyAdresar).absolutePath()), m_skripty(skriptyDB)
{
    // A Unix socket path must stay under about 100 characters; a deep home
    // directory puts the socket into the temporary folder instead.
    m_socket = Cesta(QStringLiteral("mariadb.sock"));
    if (m_socket.toLocal8Bit().size() > 100) {
        const QByteArray odtlacok =
            QCryptographicHash::hash(m_zaklad.toUtf8(), QCryptographicHash::Sha1).toHex().left(10);
        m_socket = QDir(QDir::tempPath())
                       .filePath(QStringLiteral("vuradede-%1-%2.sock").arg(::getuid()).arg(QString::fromLatin1(odtlacok)));
    }
}

QString TSukromnyServer::PredvolenyAdresar()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("databaza"));
}

QString TSukromnyServer::Cesta(const QString &meno) const
{
    return QDir(m_zaklad).filePath(meno);
}

QString TSukromnyServer::CestaLogu() const
{
    return Cesta(QStringLiteral("mariadb.err"));
}

void TSukromnyServer::ZapisNastavenia() const
{
    QByteArray server = "[mysqld]\n";
    const auto volba = [&server](const char *meno, const QString &hodnota) {
        server += meno + QByteArray("=") + HodnotaVolby(hodnota).toUtf8() + '\n';
    };
    volba("datadir", Cesta(QStringLiteral("data")));
    volba("socket", m_socket);
    volba("pid-file", Cesta(QStringLiteral("mariadb.pid")));
    volba("log-error", CestaLogu());
    // Temporary tables stay in the server's own folder: a server starting up
    // clears the leftovers of its temporary folder, so a shared /tmp would let
    // another server delete the files of a running query.
    volba("tmpdir", Cesta(QStringLiteral("tmp")));
    server += "skip-networking\n"
              "skip-name-resolve\n"
              "lower_case_table_names=1\n"
              "character-set-server=utf8mb4\n"
              "collation-server=utf8mb4_slovak_ci\n"
              "default-storage-engine=InnoDB\n"
              "sql_mode=" + QByteArray(RezimSql) + '\n';
    if (::geteuid() == 0)
        server += "user=root\n";
    ZapisSubor(Cesta(QStringLiteral("my.cnf")), server, QFileDevice::ReadOwner | QFileDevice::WriteOwner);

    // The password travels in this file, never on a command line.
    QByteArray klient = "[client]\n";
    klient += "user=" + Pouzivatel.toUtf8() + "\npassword=" + Heslo.toUtf8() + "\nsocket=" +
              HodnotaVolby(m_socket).toUtf8() + '\n';
    ZapisSubor(Cesta(QStringLiteral("klient.cnf")), klient, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

qint64 TSukromnyServer::BeziaciProces() const
{
    QFile pidSubor(Cesta(QStringLiteral("mariadb.pid")));
    if (!pidSubor.open(QIODevice::ReadOnly))
        return 0;
    const qint64 pid = pidSubor.readAll().trimmed().toLongLong();
    if (!ProcesZije(pid))
        return 0;
    // A pid left by a crash may since belong to another program.
    QFile prikaz(QStringLiteral("/proc/%1/cmdline").arg(pid));
    if (prikaz.open(QIODevice::ReadOnly) && !prikaz.readAll().contains(Cesta(QStringLiteral("my.cnf")).toLocal8Bit()))
        return 0;
    return pid;
}

void TSukromnyServer::Spusti()
{
    m_mariadbd = PotrebnyProgram({QStringLiteral("mariadbd"), QStringLiteral("mysqld")},
                                 QStringLiteral("mariadb-server"));
    if (!QDir().mkpath(m_zaklad) || !QDir().mkpath(Cesta(QStringLiteral("tmp"))))
        throw TChybaServera(QStringLiteral("Nepodarilo sa vytvoriť adresár databázy %1.").arg(m_zaklad));
    ZapisNastavenia();

    if (const qint64 pid = BeziaciProces()) {
        qCInfo(logServer) << "using the running server" << pid;
        m_pid = pid;
        CakajNaSocket(pid, 15);
        return;
    }
    QFile::remove(Cesta(QStringLiteral("mariadb.pid")));
    QFile::remove(m_socket);

    const bool novaInstalacia = !QFile::exists(Cesta(QStringLiteral("instalacia-dokoncena")));
    if (novaInstalacia)
        Instaluj();

    QStringList argumenty{QStringLiteral("--defaults-file=") + Cesta(QStringLiteral("my.cnf"))};
    if (novaInstalacia)
        argumenty << QStringLiteral("--init-file=") + Cesta(QStringLiteral("prvy-start.sql"));
    qint64 pid = 0;
    if (!QProcess::startDetached(m_mariadbd, argumenty, m_zaklad, &pid))
        throw TChybaServera(QStringLiteral("Databázový server %1 sa nepodarilo spustiť.").arg(m_mariadbd));
    m_pid = pid;
    m_spustenyNami = true;
    CakajNaSocket(pid, novaInstalacia ? 60 : 30);

    if (novaInstalacia) {
        NacitajSkripty();
        ZapisSubor(Cesta(QStringLiteral("instalacia-dokoncena")), QByteArray(),
                   QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QFile::remove(Cesta(QStringLiteral("prvy-start.sql")));
    }
}

void TSukromnyServer::Instaluj()
{
    // A data directory without the completion mark is what an interrupted
    // first start left behind; it holds no user data yet.
    QDir data(Cesta(QStringLiteral("data")));
    if (data.exists() && !data.removeRecursively())
        throw TChybaServera(QStringLiteral("Nepodarilo sa vyčistiť adresár databázy %1.").arg(data.path()));
    if (!QDir().mkpath(data.path()))
        throw TChybaServera(QStringLiteral("Nepodarilo sa vytvoriť adresár databázy %1.").arg(data.path()));

    const QString instalator = PotrebnyProgram(
        {QStringLiteral("mariadb-install-db"), QStringLiteral("mysql_install_db")}, QStringLiteral("mariadb-server"));
    // The installer is a shell script that breaks paths with blanks apart: it
    // gets the settings it needs as arguments instead of the option file, and
    // reaches the data directory through a link whose path has no blanks.
    QTemporaryDir odkazy(QDir::temp().filePath(QStringLiteral("vuradede-instalacia-XXXXXX")));
    const QString odkazNaData = odkazy.filePath(QStringLiteral("data"));
    if (!odkazy.isValid() || !QFile::link(data.path(), odkazNaData))
        throw TChybaServera(QStringLiteral("Nepodarilo sa pripraviť inštaláciu databázy v %1.").arg(QDir::tempPath()));
    QStringList argumenty{QStringLiteral("--no-defaults"), QStringLiteral("--datadir=") + odkazNaData,
                          QStringLiteral("--tmpdir=") + odkazy.path(),
                          QStringLiteral("--auth-root-authentication-method=normal"),
                          QStringLiteral("--skip-test-db"), QStringLiteral("--lower-case-table-names=1"),
                          QStringLiteral("--character-set-server=utf8mb4"),
                          QStringLiteral("--collation-server=utf8mb4_slovak_ci")};
    if (::geteuid() == 0)
        argumenty << QStringLiteral("--user=root");
    QProcess proces;
    SpustiNastroj(proces, instalator, argumenty, 180000, QStringLiteral("Nepodarilo sa vytvoriť databázu servera MariaDB."));

    ZapisSubor(Cesta(QStringLiteral("prvy-start.sql")),
               "ALTER USER 'root'@'localhost' IDENTIFIED BY '" + Heslo.toUtf8() + "';\n"
               "CREATE DATABASE IF NOT EXISTS " + NazovDatabazy.toUtf8() +
                   " CHARACTER SET utf8mb4 COLLATE utf8mb4_slovak_ci;\n",
               QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

void TSukromnyServer::NacitajSkripty()
{
    const QString klient = PotrebnyProgram({QStringLiteral("mariadb"), QStringLiteral("mysql")},
                                           QStringLiteral("mariadb-client"));
    const QFileInfoList skripty =
        QDir(m_skripty).entryInfoList({QStringLiteral("*.sql")}, QDir::Files, QDir::Name);
    if (skripty.isEmpty())
        throw TChybaServera(QStringLiteral("Nenašiel som inštalačné skripty databázy v %1.").arg(m_skripty));
    for (const QFileInfo &skript : skripty) {
        QProcess proces;
        proces.setStandardInputFile(skript.absoluteFilePath());
        SpustiNastroj(proces, klient,
                      {QStringLiteral("--defaults-extra-file=") + Cesta(QStringLiteral("klient.cnf")), NazovDatabazy},
                      300000, QStringLiteral("Inštalačný skript %1 sa nepodarilo načítať.").arg(skript.fileName()));
    }
}

void TSukromnyServer::CakajNaSocket(qint64 pid, int sekundy)
{
    QDeadlineTimer limit(sekundy * 1000);
    while (!limit.hasExpired()) {
        if (SocketPrijima(m_socket))
            return;
        if (!ProcesZije(pid) && !BeziaciProces()) {
            throw TChybaServera(QStringLiteral("Databázový server sa nespustil.\n") + KoniecLogu());
        }
        QThread::msleep(100);
    }
    throw TChybaServera(QStringLiteral("Databázový server sa nespustil do %1 sekúnd.\n").arg(sekundy) + KoniecLogu());
}

QString TSukromnyServer::KoniecLogu() const
{
    QFile log(CestaLogu());
    if (!log.open(QIODevice::ReadOnly))
        return QStringLiteral("(záznam servera %1 chýba)").arg(CestaLogu());
    const QStringList riadky = QString::fromLocal8Bit(log.readAll()).trimmed().split(QLatin1Char('\n'));
    return riadky.mid(qMax(0, riadky.size() - 12)).join(QLatin1Char('\n'));
}

void TSukromnyServer::Zastav()
{
    if (!m_spustenyNami)
        return;
    m_spustenyNami = false;
    ZastavBeziaci();
}

void TSukromnyServer::ZastavBeziaci()
{
    const qint64 beziaci = BeziaciProces();
    const qint64 pid = beziaci ? beziaci : m_pid;
    if (!ProcesZije(pid))
        return;
    if (const QString admin = NajdiProgram({QStringLiteral("mariadb-admin"), QStringLiteral("mysqladmin")});
        !admin.isEmpty()) {
        QProcess proces;
        proces.start(admin, {QStringLiteral("--defaults-extra-file=") + Cesta(QStringLiteral("klient.cnf")),
                             QStringLiteral("shutdown")});
        proces.waitForFinished(30000);
    }
    const auto cakaj = [pid](int ms) {
        QDeadlineTimer limit(ms);
        while (ProcesZije(pid) && !limit.hasExpired())
            QThread::msleep(50);
        return !ProcesZije(pid);
    };
    if (cakaj(20000))
        return;
    qCWarning(logServer) << "server did not stop, terminating" << pid;
    ::kill(static_cast<pid_t>(pid), SIGTERM);
    if (!cakaj(10000))
        ::kill(static_cast<pid_t>(pid), SIGKILL);
}
