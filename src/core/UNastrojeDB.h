#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryFile>
#include <memory>

class TDataModuleHlavny;

// Runs an external program with an argument list (no shell, so paths with
// blanks are safe), its standard input and output optionally taken from and
// written to files, and waits for it while the window messages keep being
// processed every 50 ms. Returns the exit code, or -1 when the program could
// not be started or crashed.
int SpustiProgram(const QString &program, const QStringList &argumenty, const QString &vstup = {},
                  const QString &vystup = {});

// A client option file with the connection of the running program (server,
// user and password), for the database's command-line tools: the password
// never appears on a command line. The file lives as long as this object.
class TVolbyKlienta
{
public:
    explicit TVolbyKlienta(TDataModuleHlavny &dm);
    // "--defaults-extra-file=<file>", the first argument of every tool.
    QString Argument() const;

private:
    std::unique_ptr<QTemporaryFile> m_subor;
};

// The database's command-line tools: the dump tool and the client.
QString NastrojZalohy();
QString NastrojKlienta();
