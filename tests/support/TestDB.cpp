#include "TestDB.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTest>

namespace TestDB {

void PripravAplikaciu()
{
    QCoreApplication::setOrganizationName(QStringLiteral("TOLVA"));
    QCoreApplication::setApplicationName(QStringLiteral("VuradeDE"));
}

QString AdresarServera()
{
    return QStringLiteral(VURADEDE_TEST_HOME "/server");
}

QString SuborNastaveni()
{
    return QStringLiteral(VURADEDE_TEST_HOME "/config/TOLVA/VuradeDE/nastavenia.ini");
}

TNastavenia Nastavenia()
{
    return TNastavenia::Nacitaj(SuborNastaveni());
}

void Vykonaj(const QSqlDatabase &db, const QString &sql)
{
    QSqlQuery dotaz(db);
    if (!dotaz.exec(sql))
        QFAIL(qPrintable(QStringLiteral("%1\n%2").arg(sql, TextChyby(dotaz.lastError()))));
}

QVariant Hodnota(const QSqlDatabase &db, const QString &sql)
{
    QSqlQuery dotaz(db);
    if (!dotaz.exec(sql)) {
        // A broken check query must not pass for an empty result.
        QTest::qFail(qPrintable(QStringLiteral("%1\n%2").arg(sql, TextChyby(dotaz.lastError()))), __FILE__, __LINE__);
        return {};
    }
    return dotaz.next() ? dotaz.value(0) : QVariant();
}

void Obnov(const QSqlDatabase &db)
{
    static const QStringList tabulky = {QStringLiteral("RegZv"),   QStringLiteral("pohyby"),
                                        QStringLiteral("FarlLic"), QStringLiteral("vlastnik"),
                                        QStringLiteral("irpar"),   QStringLiteral("pohybymax")};
    for (const QString &tabulka : tabulky)
        Vykonaj(db, QStringLiteral("TRUNCATE TABLE ") + tabulka);

    QFile subor(QStringLiteral(VURADEDE_TEST_DATA "/zaklad.sql"));
    QVERIFY2(subor.open(QIODevice::ReadOnly), qPrintable(subor.fileName()));
    QString prikaz;
    for (const QString &riadok : QString::fromUtf8(subor.readAll()).split(QLatin1Char('\n'))) {
        if (riadok.trimmed().startsWith(QLatin1String("--")))
            continue;
        prikaz += riadok + QLatin1Char('\n');
        if (riadok.trimmed().endsWith(QLatin1Char(';'))) {
            Vykonaj(db, prikaz.trimmed().chopped(1));
            prikaz.clear();
        }
    }
}

} // namespace TestDB
