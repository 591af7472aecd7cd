#include "DMHlavny.h"

#include <QCoreApplication>
#include <QDir>
#include <QSqlError>

#include "UIni.h"
#include "UNastrojeDB.h"
#include "USpolocne.h"
#include "USukromnyServer.h"

namespace {

// Tables and views that the windows read as they are created; a database
// without one of them cannot be worked with.
const char *const sqlTabuliekStartu =
    "SELECT 1 FROM pohyby, kodudal, RegZv, pohybymax, FarlLic, vlastnik, cpohl, tabstat, "
    "plemena, podkrvi, linie, Farmy, hlaszmien, pohyby10por01 LIMIT 0";

// The program's statements rely on this session mode whatever the server's own default.
const QString sqlRezimRelacie = QStringLiteral("SET SESSION sql_mode='%1'").arg(QLatin1String(RezimSql));

} // namespace

TDataModuleHlavny::TDataModuleHlavny(const TNastavenia &nastavenia, QObject *parent)
    : QObject(parent), m_nastavenia(nastavenia)
{
    try {
        Pripoj();
        OtvorZdielaneDotazy();
    } catch (...) {
        Uvolni();
        throw;
    }
}

TDataModuleHlavny::~TDataModuleHlavny()
{
    Uvolni();
}

void TDataModuleHlavny::Uvolni()
{
    ADOQueryZviera = QSqlQuery();
    ADOQueryZvierata = QSqlQuery();
    ADOQueryMajitel = QSqlQuery();
    ADOQueryFarLic = QSqlQuery();
    ADOTableIRPar = QSqlQuery();
    QSqlDatabase::database(NazovSpojenia, false).close();
    QSqlDatabase::removeDatabase(NazovSpojenia);
    if (m_server)
        m_server->Zastav();
    m_server.reset();
}

void TDataModuleHlavny::Pripoj()
{
    QSqlDatabase db;
    switch (m_nastavenia.Pripojenie) {
    case TNastavenia::Sposob::Odbc:
        db = QSqlDatabase::addDatabase(QStringLiteral("QODBC"), NazovSpojenia);
        db.setDatabaseName(m_nastavenia.OdbcZdroj);
        db.setUserName(m_nastavenia.Pouzivatel);
        db.setPassword(m_nastavenia.Heslo);
        break;
    case TNastavenia::Sposob::Server:
        db = QSqlDatabase::addDatabase(QStringLiteral("QMARIADB"), NazovSpojenia);
        db.setDatabaseName(NazovDatabazy);
        db.setHostName(m_nastavenia.Server);
        db.setPort(m_nastavenia.Port);
        db.setUserName(m_nastavenia.Pouzivatel);
        db.setPassword(m_nastavenia.Heslo);
        if (!m_nastavenia.Socket.isEmpty())
            db.setConnectOptions(QStringLiteral("UNIX_SOCKET=") + m_nastavenia.Socket);
        break;
    case TNastavenia::Sposob::SukromnyServer:
        m_server = std::make_unique<TSukromnyServer>(
            TSukromnyServer::PredvolenyAdresar(), QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("db")));
        try {
            m_server->Spusti();
        } catch (const TChybaServera &chyba) {
            throw TChybaPripojenia(chyba.Text());
        }
        db = QSqlDatabase::addDatabase(QStringLiteral("QMARIADB"), NazovSpojenia);
        db.setDatabaseName(NazovDatabazy);
        db.setUserName(TSukromnyServer::Pouzivatel);
        db.setPassword(TSukromnyServer::Heslo);
        db.setConnectOptions(QStringLiteral("UNIX_SOCKET=") + m_server->Socket());
        break;
    }
    if (!db.isValid())
        throw TChybaPripojenia(QStringLiteral("Ovládač databázy nie je nainštalovaný: ") + TextChyby(db.lastError()));
    if (!db.open())
        throw TChybaPripojenia(TextChyby(db.lastError()));
    QSqlQuery rezim(db);
    if (!rezim.exec(sqlRezimRelacie))
        throw TChybaPripojenia(TextChyby(rezim.lastError()));
}

void TDataModuleHlavny::OtvorZdielaneDotazy()
{
    const QSqlDatabase db = ADOConnectionVuradeDE();
    try {
        QSqlQuery kontrola(db);
        Otvor(kontrola, QString::fromLatin1(sqlTabuliekStartu));

        ADOQueryZviera = QSqlQuery(db);
        ADOQueryZviera.prepare(QStringLiteral("SELECT * FROM RegZv WHERE ZVStat=:pStat AND JCNARV=:pCislo"));

        ADOQueryZvierata = QSqlQuery(db);
        ADOQueryZvierata.prepare(QStringLiteral("SELECT distinct r.ZVStat, r.JCNARV, r.DatNar, p.DatUdal \n"
                                                "FROM RegZv r, pohybymax p\n"
                                                "WHERE r.Farma_ID =  :FarmaId and \n"
                                                "r.JCNARV = p.JCNARV and \n"
                                                "r.ZVStat = p.ZVStat \n"
                                                "order by JCNARV"));
        ADOQueryZvierata.bindValue(QStringLiteral(":FarmaId"), 0);
        Otvor(ADOQueryZvierata);

        ADOQueryMajitel = QSqlQuery(db);
        Otvor(ADOQueryMajitel, SqlMajitel);
        ADOQueryFarLic = QSqlQuery(db);
        Otvor(ADOQueryFarLic, QStringLiteral("select * from FarlLic"));
        ADOTableIRPar = QSqlQuery(db);
        Otvor(ADOTableIRPar, QStringLiteral("SELECT * FROM irpar"));
    } catch (const TChybaSql &chyba) {
        throw TChybaPripojenia(chyba.Text());
    }
}

void TDataModuleHlavny::DataModuleCreate(const QString &cestaIni)
{
    const TVerziaProgramu verzia = NacitajVerziuSHlasenim(cestaIni);
    Verzia = verzia.Verzia;
    DatumVerzie = verzia.DatumVerzie;
}

QSqlDatabase TDataModuleHlavny::ADOConnectionVuradeDE() const
{
    return QSqlDatabase::database(NazovSpojenia, false);
}

void TDataModuleHlavny::HladajZviera(const QString &stat, const QString &cislo)
{
    ADOQueryZviera.bindValue(QStringLiteral(":pStat"), stat);
    ADOQueryZviera.bindValue(QStringLiteral(":pCislo"), cislo);
    Otvor(ADOQueryZviera);
    ADOQueryZviera.first();
}

bool TDataModuleHlavny::JeVlastnaFarma()
{
    QSqlQuery dotaz(ADOConnectionVuradeDE());
    Otvor(dotaz, QStringLiteral("SELECT COUNT(*) FROM FarlLic"));
    return dotaz.next() && dotaz.value(0).toInt() > 0;
}

bool TDataModuleHlavny::NajdiZviera(const QString &stat, const QString &cislo)
{
    return NajdiZviera2(stat, cislo) >= QLatin1String("2");
}

QString TDataModuleHlavny::NajdiZviera2(const QString &stat, const QString &cislo)
{
    HladajZviera(stat, cislo);
    if (!ADOQueryZviera.isValid())
        return QStringLiteral("0");
    const QVariant farma = ADOQueryZviera.value(QStringLiteral("Farma_ID"));
    // An unrecorded farm is neither farm 0 nor the current farm, not even
    // while no farm is current.
    if (farma.isNull())
        return QStringLiteral("3");
    if (farma.toString() == QLatin1String("0"))
        return QStringLiteral("1");
    if (m_spolocne && farma.toInt() == m_spolocne->AktFarmaID)
        return QStringLiteral("2");
    return QStringLiteral("3");
}

QVariant TDataModuleHlavny::Zviera(const QString &stlpec) const
{
    return ADOQueryZviera.isValid() ? ADOQueryZviera.value(stlpec) : QVariant();
}
