#pragma once

#include <QObject>
#include <QScopeGuard>
#include <QSqlDatabase>
#include <memory>

#include "DMHlavny.h"
#include "SkriptovaneSpravy.h"
#include "TestDB.h"

// The base of a test program that drives windows over the test database: one
// data module for the whole program, and for every test the data set loaded
// again and a fresh scripted seam for messages. The derived test's slots call
// the steps, with their own work around them.
class TTestSDatabazou : public QObject
{
    Q_OBJECT

protected:
    // From initTestCase(): the application's names and the connection.
    void PripravDatabazu();
    // From init(): the data set of the tests and a new record of messages.
    void ZacniTest();
    // From cleanup(): ends the record of messages and fails the test when a
    // question or a file dialog went unanswered.
    void SkonciTest();

    // For a test whose program opens its own connection (one name, one
    // connection): the test's connection is closed, and back however the test ends.
    auto BezSpojeniaTestu()
    {
        dm.reset();
        return qScopeGuard([this] { dm = std::make_unique<TDataModuleHlavny>(TestDB::Nastavenia()); });
    }

    QSqlDatabase db() const { return dm->ADOConnectionVuradeDE(); }

    std::unique_ptr<TDataModuleHlavny> dm;
    std::unique_ptr<TSkriptovaneSpravy> spravy;
};
