#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <QVariant>

#include "UNastavenia.h"
#include "USql.h"

// The throwaway database server of a test run and its small data set.
namespace TestDB {

// Organisation and program names, so that QStandardPaths finds the test
// home's settings; call first in every test program.
void PripravAplikaciu();

QString AdresarServera();
QString SuborNastaveni();
TNastavenia Nastavenia();

// Empties the tables the tests change and loads the data set again: two own
// farms, their animals and movements, owners, the installation parameters.
void Obnov(const QSqlDatabase &db);

// Runs a statement and fails the running test with the server's message when it fails.
void Vykonaj(const QSqlDatabase &db, const QString &sql);
// The first column of the first row; an invalid QVariant when there is none.
// A query that fails fails the running test.
QVariant Hodnota(const QSqlDatabase &db, const QString &sql);

} // namespace TestDB
