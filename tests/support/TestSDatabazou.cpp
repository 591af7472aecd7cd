#include "TestSDatabazou.h"

#include <QTest>

#include "TestDB.h"

void TTestSDatabazou::PripravDatabazu()
{
    TestDB::PripravAplikaciu();
    dm = std::make_unique<TDataModuleHlavny>(TestDB::Nastavenia());
}

void TTestSDatabazou::ZacniTest()
{
    TestDB::Obnov(db());
    // The old seam goes first: its end uninstalls whatever seam is installed.
    spravy.reset();
    spravy = std::make_unique<TSkriptovaneSpravy>();
}

void TTestSDatabazou::SkonciTest()
{
    const QStringList necakane = spravy->Necakane;
    // An answer left over means a question the test waited for never came.
    const qsizetype nepouzite = spravy->Odpovede.size() + spravy->Subory.size();
    spravy.reset();
    QVERIFY2(necakane.isEmpty(), qPrintable(necakane.join(QStringLiteral(" | "))));
    QVERIFY2(nepouzite == 0, "answers prepared for questions or file dialogs that never came");
}
