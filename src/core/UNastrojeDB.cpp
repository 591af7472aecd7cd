#include "UNastrojeDB.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QThread>

#include "DMHlavny.h"

int SpustiProgram(const QString &program, const QStringList &argumenty, const QString &vstup,
                  const QString &vystup)
{
    QProcess proces;
    if (!vstup.isEmpty())
        proces.setStandardInputFile(vstup);
    if (!vystup.isEmpty())
        proces.setStandardOutputFile(vystup);
    proces.setProcessChannelMode(vystup.isEmpty() ? QProcess::ForwardedChannels : QProcess::ForwardedErrorChannel);
    proces.start(program, argumenty);
    if (!proces.waitForStarted())
        return -1;
    while (!proces.waitForFinished(0)) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QThread::msleep(50);
    }
    if (proces.exitStatus() != QProcess::NormalExit)
        return -1;
    return proces.exitCode();
}

TVolbyKlienta::TVolbyKlienta(TDataModuleHlavny &dm)
    : m_subor(std::make_unique<QTemporaryFile>(QDir::temp().filePath(QStringLiteral("vuradede-klient-XXXXXX.cnf"))))
{
    const TNastavenia &n = dm.Nastavenia();
    QByteArray text = "[client]\nuser=" + HodnotaVolby(dm.ADOConnectionVuradeDE().userName()).toUtf8() +
                      "\npassword=" + HodnotaVolby(dm.ADOConnectionVuradeDE().password()).toUtf8() + '\n';
    if (n.Pripojenie == TNastavenia::Sposob::Server && !n.Server.isEmpty() && n.Socket.isEmpty()) {
        text += "host=" + HodnotaVolby(n.Server).toUtf8() + "\nport=" + QByteArray::number(n.Port) + '\n';
    } else {
        // The private server, a local socket, or an ODBC source: the server
        // itself tells where it listens.
        QSqlQuery dotaz(dm.ADOConnectionVuradeDE());
        if (dotaz.exec(QStringLiteral("SELECT @@socket")) && dotaz.next())
            text += "socket=" + HodnotaVolby(dotaz.value(0).toString()).toUtf8() + '\n';
    }
    if (m_subor->open()) {
        m_subor->write(text);
        m_subor->close();
    }
}

QString TVolbyKlienta::Argument() const
{
    return QStringLiteral("--defaults-extra-file=") + m_subor->fileName();
}

QString NajdiProgram(const QStringList &mena)
{
    static const QStringList priecinkySbin = {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/local/sbin"),
                                              QStringLiteral("/sbin"), QStringLiteral("/usr/libexec"),
                                              QStringLiteral("/usr/local/mysql/bin")};
    for (const QString &meno : mena) {
        QString cesta = QStandardPaths::findExecutable(meno);
        if (cesta.isEmpty())
            cesta = QStandardPaths::findExecutable(meno, priecinkySbin);
        if (!cesta.isEmpty())
            return cesta;
    }
    return {};
}

QString NastrojZalohy()
{
    return NajdiProgram({QStringLiteral("mariadb-dump"), QStringLiteral("mysqldump")});
}

QString HodnotaVolby(const QString &text)
{
    QString v = text;
    v.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('"'), QStringLiteral("\\\""));
    return QLatin1Char('"') + v + QLatin1Char('"');
}
