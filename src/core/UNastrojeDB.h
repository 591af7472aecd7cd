#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryFile>
#include <memory>

class TDataModuleHlavny;

// Runs an external program with an argument list (no shell, so paths with
// blanks are safe), its standard input and output optionally taken from and
// written to files, and waits for it while the windows keep being painted
// every 50 ms (user input waits, so no second command starts meanwhile). Returns the exit code, or -1 when the program could
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

// The first of the named programs found on the path or in the usual
// system folders of server programs; empty when there is none.
QString NajdiProgram(const QStringList &mena);

// The database's dump tool.
QString NastrojZalohy();

// A value of an option file in double quotes, so that blanks, '#', quotes
// and backslashes stay in the value.
QString HodnotaVolby(const QString &text);

// The statement mode every connection works in: strict (bad data is an
// error, never a silent truncation), backslash escapes in string literals.
inline constexpr const char *RezimSql =
    "STRICT_TRANS_TABLES,STRICT_ALL_TABLES,ERROR_FOR_DIVISION_BY_ZERO,NO_ENGINE_SUBSTITUTION";
