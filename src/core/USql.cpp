#include "USql.h"

TChybaSql::TChybaSql(const QSqlError &chyba) : TChybaSql(TextChyby(chyba)) {}

QString TextChyby(const QSqlError &chyba)
{
    const QString server = chyba.databaseText().trimmed();
    return server.isEmpty() ? chyba.text().trimmed() : server;
}

QString SqlEsc(const QString &hodnota)
{
    QString vysledok;
    vysledok.reserve(hodnota.size() + 8);
    for (const QChar c : hodnota) {
        switch (c.unicode()) {
        case '\'': vysledok += QStringLiteral("''"); break;
        case '\\': vysledok += QStringLiteral("\\\\"); break;
        case 0: vysledok += QStringLiteral("\\0"); break;
        default: vysledok += c;
        }
    }
    return vysledok;
}

TPrikaz::TPrikaz(const QString &nazovSpojenia) : m_spojenie(nazovSpojenia) {}

int TPrikaz::Execute()
{
    QSqlQuery dotaz(QSqlDatabase::database(m_spojenie, false));
    if (!dotaz.exec(CommandText))
        throw TChybaSql(dotaz.lastError());
    return dotaz.numRowsAffected();
}

void Otvor(QSqlQuery &dotaz)
{
    if (!dotaz.exec())
        throw TChybaSql(dotaz.lastError());
}

void Otvor(QSqlQuery &dotaz, const QString &sql)
{
    if (!dotaz.exec(sql))
        throw TChybaSql(dotaz.lastError());
}

TTransakcia::TTransakcia(const QSqlDatabase &db) : m_db(db)
{
    if (!m_db.transaction())
        throw TChybaSql(m_db.lastError());
}

TTransakcia::~TTransakcia()
{
    if (!m_ukoncena)
        m_db.rollback();
}

void TTransakcia::Commit()
{
    if (!m_db.commit())
        throw TChybaSql(m_db.lastError());
    m_ukoncena = true;
}
