#pragma once

// Expected shape of an installed VuradeDE database, for the schema test:
// every table and view the program reads or writes after installation,
// with the columns the program names (spelled as the program spells them;
// compare case-insensitively), and the event-catalogue rows whose ids the
// program writes as fixed values in its SQL.
//
// The lists are written from the program's use of the database, not from
// the installation scripts, so that a column missing in db/*.sql shows.
// Work tables that the program drops and creates itself (Pohyby07Por02,
// RegZvPom, KravyPom, KravyPom2, KravyPom3) are not listed; pohybymax is,
// because it is read before its first rebuild.

#include <QList>
#include <QString>
#include <QStringList>

namespace OcakavanaSchema {

// Column names separated by blanks, for compact tables below.
inline QStringList Stlpce(const char *mena)
{
    return QString::fromLatin1(mena).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

} // namespace OcakavanaSchema

struct OcakavanaTabulka {
    const char *nazov;
    QStringList stlpce; // empty: only the existence is required
};

// `pohybypom` must moreover have exactly the columns of `pohyby` in the
// same order (INSERT INTO pohybypom SELECT * FROM pohyby); the test checks
// that against the live `pohyby`.
inline const QList<OcakavanaTabulka> ocakavaneTabulky = {
    // base tables
    {"RegZv", OcakavanaSchema::Stlpce(
        "Farma_ID Vlastnik_ID ZVStat JCNARV LUC PUC OtStat OtJCNARV OtLinia Otregister "
        "MaStat MaJCNARV DatNar DatUh Pohlavie PL1 PL2 PL3 PL4 Pk1 Pk2 Pk3 Pk4 PL5 "
        "KodFarby KodPKrvi UzitZam ET Import PovZVStat PovJCNARV DonorStat DonorJCNARV "
        "VlastnaPoznamka")},
    {"pohyby", OcakavanaSchema::Stlpce(
        "id_pohybu Farma_ID Vlastnik_ID Udal_ID ZVStat JCNARV DatUdal POCisFarmy OVlastnik "
        "PoStat Poznamka LUC PUC OtLinia Otregister OtStat OtJCNARV MaStat MaJCNARV DatNar "
        "DatUh Pohlavie PL1 PL2 PL3 PL4 Pk1 Pk2 Pk3 Pk4 PL5 KodFarby KodPKrvi Hlas PovStat "
        "PovNARV DatumEvid Rusenie Uzivatel_ID DonorStat DonorJCNARV UzitZam")},
    {"kodudal", OcakavanaSchema::Stlpce(
        "Udal_ID Kod Popis Typ Poznamka PreEdit Pohl platny PreHlasenie")},
    {"FarlLic", OcakavanaSchema::Stlpce(
        "Farma_ID CisFarmy Nazov Ulica PCislo Obec PSC PPosta DFirma DrICO DTitulPred DMeno "
        "DPriezvisko DTiltulZa DDatNar DUlica DPCislo DObec DPSC DDPosta DTelefon DFax DEmail "
        "HlasOd HlasDo")},
    {"Farmy", OcakavanaSchema::Stlpce("CisFarmy Nazov NazovP Obec Ulica PCislo PSC")},
    {"vlastnik", OcakavanaSchema::Stlpce(
        "Vlastnik_ID ICO_RC PNazov TitulPred Meno Priezvisko TitulZa ICD Obec Ulica PCislo "
        "DPosta PSC Telefon Fax EMail")},
    {"irpar", OcakavanaSchema::Stlpce(
        "IRPar_ID CisFarmy Typ_Zv HlasDo TypHlas PomHlasOd PomHlasDo KodUdal")},

    // code lists
    {"cpohl", OcakavanaSchema::Stlpce("Pohl Popis platny")},
    {"tabstat", OcakavanaSchema::Stlpce("KodSt NazSt EU")},
    {"plemena", OcakavanaSchema::Stlpce("KodPl12 Nazov")},
    {"podkrvi", OcakavanaSchema::Stlpce("CisKod Pl1 Pl2 Pl3 Pl4")},
    {"farby", OcakavanaSchema::Stlpce("kod nazov")},
    {"linie", OcakavanaSchema::Stlpce("skratka nazov")},

    // work and history tables
    {"pohybymax", OcakavanaSchema::Stlpce("ZVStat JCNARV DatUdal")},
    {"pohybypom", OcakavanaSchema::Stlpce(
        "id_pohybu Farma_ID Vlastnik_ID Udal_ID ZVStat JCNARV DatUdal POCisFarmy OVlastnik "
        "PoStat Poznamka LUC PUC OtLinia Otregister OtStat OtJCNARV MaStat MaJCNARV DatNar "
        "DatUh Pohlavie PL1 PL2 PL3 PL4 Pk1 Pk2 Pk3 Pk4 PL5 KodFarby KodPKrvi Hlas PovStat "
        "PovNARV DatumEvid Rusenie Uzivatel_ID DonorStat DonorJCNARV UzitZam")},
    {"pohyby03por01", OcakavanaSchema::Stlpce(
        "id_pohybu Farma_id vlastnik_id REG_CISLO STAT REG_CISLO_ZV UDALOST KOD2 TypUdalosti "
        "PreHlasenie EU DATUM_UD STAT_MATKA REG_CISLO_MATKA STAT_OTEC REG_CISLO_OTEC OtLinia "
        "OtRegister PLEMENO_1 KRV_1 PLEMENO_2 KRV_2 PLEMENO_3 KRV_3 PLEMENO_4 KRV_4 PLEMENO_5 "
        "SRST UzitZam KRV R2_STAT R2_REG_CISLO_ZV R2_DATUM_UD R2_STAT_MATKA R2_REG_CISLO_MATKA "
        "R2_STAT_OTEC R2_REG_CISLO_OTEC R2_PLEMENO_1 R2_KRV_1 R2_PLEMENO_2 R2_KRV_2 "
        "R2_PLEMENO_3 R2_KRV_3 R2_PLEMENO_4 R2_KRV_4 R2_PLEMENO_5 R2_SRST R2_KRV")},
    {"pohyby06por01", OcakavanaSchema::Stlpce(
        "id_pohybu Farma_id vlastnik_id REG_CISLO STAT REG_CISLO_ZV UDALOST TypUdalosti "
        "PreHlasenie EU DATUM_UD STAT_MATKA REG_CISLO_MATKA STAT_OTEC REG_CISLO_OTEC PLEMENO_1 "
        "KRV_1 PLEMENO_2 KRV_2 PLEMENO_3 KRV_3 PLEMENO_4 KRV_4 PLEMENO_5 SRST UzitZam KRV "
        "Poradie KOD2")},
    {"hlaszmien", OcakavanaSchema::Stlpce(
        "id_pohybu Farma_id vlastnik_id DATUM KOD REG_CISLO RIADOK LIST CISLO_RIADKU STAT "
        "REG_CISLO_ZV DATUM_UD UDALOST STAT_MATKA REG_CISLO_MATKA STAT_OTEC REG_CISLO_OTEC "
        "PLEMENO_1 KRV_1 PLEMENO_2 KRV_2 PLEMENO_3 KRV_3 PLEMENO_4 KRV_4 PLEMENO_5 SRST KRV")},
    {"ZozMaj", {}},
    {"pohyby09por01", OcakavanaSchema::Stlpce(
        "id_pohybu Farma_id vlastnik_id ZDROJ_REG_CISLO CIEL_REG_CISLO CielVlastnik "
        "OBCH_REG_CISLO RUSENIE STAT REG_CISLO_ZV UDALOST TypUdalosti PreHlasenie EU DATUM_UD "
        "Datum_Uh")},
    {"presun", OcakavanaSchema::Stlpce(
        "id_pohybu Farma_id vlastnik_id DATUM KOD ZDROJ_REG_CISLO CIEL_REG_CISLO CielVlastnik "
        "OBCH_REG_CISLO RUSENIE RIADOK LIST CISLO_RIADKU STAT REG_CISLO_ZV DATUM_UD UDALOST")},
    {"pohyby18por01", OcakavanaSchema::Stlpce(
        "riadok CisFarmy ZVStat JCNARV DatNar PopisPohl PL1 pk1 PL2 pk2 PL3 pk3 PL4 pk4 pl5 "
        "kodfarby KodPKrvi DojcKr Dojnica DatUdal POCisFarmy POStat ODatUdal OFarma OStat "
        "OPoznamka Mastat MaJCNARV OtStat OtJCNARV otlinia otregister Poznamka DatumEvid Kod")},

    // views
    {"pohyby01por02", OcakavanaSchema::Stlpce(
        "id_pohybu Farma_id vlastnik_id CisloFarmy PriOdsExpFarma KomuVlastnik Rusenie STAT "
        "REG_CISLO UDALOST TypUdalosti PreHlasenie EU DATUM DatUh")},
    {"pohyby02por01", OcakavanaSchema::Stlpce(
        "id_pohybu Farma_id CisloFarmy STAT REG_CISLO UDALOST KOD2 TypUdalosti PreHlasenie EU "
        "DATUM STAT_MATKA REG_CISLO_MATKA STAT_OTEC REG_CISLO_OTEC OtLinia Otregister "
        "PLEMENO_1 PLEMENO_2 PLEMENO_3 PLEMENO_4 PLEMENO_5 KRV_1 KRV_2 KRV_3 KRV_4 SRST "
        "UzitZam KRV R2_STAT R2_REG_CISLO R2_DATUM R2_STAT_MATKA R2_REG_CISLO_MATKA "
        "R2_STAT_OTEC R2_REG_CISLO_OTEC R2_PLEMENO_1 R2_PLEMENO_2 R2_PLEMENO_3 R2_PLEMENO_4 "
        "R2_PLEMENO_5 R2_KRV_1 R2_KRV_2 R2_KRV_3 R2_KRV_4 R2_SRST R2_KRV")},
    {"pohyby04por01", OcakavanaSchema::Stlpce(
        "id_pohybu Farma_id vlastnik_id REG_CISLO STAT REG_CISLO_ZV UDALOST TypUdalosti "
        "PreHlasenie EU DATUM_UD STAT_MATKA REG_CISLO_MATKA STAT_OTEC REG_CISLO_OTEC PLEMENO_1 "
        "KRV_1 PLEMENO_2 KRV_2 PLEMENO_3 KRV_3 PLEMENO_4 KRV_4 PLEMENO_5 SRST UzitZam KRV "
        "Poradie KOD2")},
    {"pohyby05por01", OcakavanaSchema::Stlpce(
        "id_pohybu Farma_id vlastnik_id REG_CISLO STAT REG_CISLO_ZV TypUdalosti PreHlasenie EU "
        "DATUM_UD STAT_MATKA REG_CISLO_MATKA STAT_OTEC REG_CISLO_OTEC PLEMENO_1 KRV_1 "
        "PLEMENO_2 KRV_2 PLEMENO_3 KRV_3 PLEMENO_4 KRV_4 PLEMENO_5 SRST KRV Poradie")},
    {"Pohyby07Por01", OcakavanaSchema::Stlpce(
        "id_pohybu Farma_id vlastnik_id DATUM KOD REG_CISLO Nazov Ulica Obec PCislo PPosta PSC "
        "ICO_RC RIADOK LIST CISLO_RIADKU STAT REG_CISLO_ZV UDALOST TypUdalosti PreHlasenie EU "
        "DATUM_UD STAT_MATKA REG_CISLO_MATKA STAT_OTEC REG_CISLO_OTEC PLEMENO_1 KRV_1 "
        "PLEMENO_2 KRV_2 PLEMENO_3 KRV_3 PLEMENO_4 KRV_4 PLEMENO_5 SRST KRV Poradie KOD2 "
        "DOJCKR DOJNICA")},
    {"pohyby10por01", OcakavanaSchema::Stlpce(
        "id_pohybu Farma_id vlastnik_id DATUM KOD ZDROJ_REG_CISLO ZNazov ZUlica ZObec ZPCislo "
        "asZPPosta ZPSC ICO_RC CIEL_REG_CISLO CNazov CUlica CObec CPCislo CPSC CielVlastnik "
        "OBCH_REG_CISLO ONazov OUlica OObec OPCislo OPSC RUSENIE RIADOK LIST CISLO_RIADKU "
        "LIST25 CISLO_RIADKU25 STAT REG_CISLO_ZV UDALOST TypUdalosti PreHlasenie EU DATUM_UD "
        "DATUM_UH")},
    {"pohyby13por01", {}},
    {"pohyby17por01", OcakavanaSchema::Stlpce(
        "CisFarmy ZVStat JCNARV DatNar PopisPohl PL1 pk1 PL2 pk2 PL3 pk3 PL4 pk4 pl5 kodfarby "
        "KodPKrvi DojcKr Dojnica DatUdal POCisFarmy POStat ODatUdal OFarma OStat OPoznamka "
        "Mastat MaJCNARV OtStat OtJCNARV otlinia otregister Poznamka DatumEvid Kod")},
    {"irparhlav", {}},
};

// Event-catalogue rows that the program addresses by Udal_ID in its SQL.
// preEdit is the edit group the entry windows apply to the code.
struct PevnaUdalost {
    int udalId;
    const char *kod;
    char typ; // 'P' arrival, 'O' departure
    const char *preEdit;
};

inline const QList<PevnaUdalost> pevneUdalosti = {
    // births recorded with the dam (inter-calving check: udal_id < 3)
    {1, "01", 'P', "1"},
    {2, "02", 'P', "1"},
    // further new animals that departure 99 cancels (ids 1 to 7)
    {3, "81", 'P', "2"},
    {4, "82", 'P', "2"},
    {5, "21", 'P', "2"},
    {6, "22", 'P', "2"}, // also a birth naming the dam (production type search)
    {7, "30", 'P', "0"},
    // arrival and departure with code 00 (owner assignment, transfer import)
    {18, "00", 'P', "0"},
    {19, "00", 'O', "0"},
    // departure 99: cancels 1..7, 27, 28 and 32 on the same date
    {26, "99", 'O', "1"},
    // births after embryo transfer
    {27, "11", 'P', "4"},
    {28, "12", 'P', "4"},
    // stillbirth and abortion count as a calving of the cow herself
    {30, "09", 'P', "7"},
    {33, "08", 'P', "7"},
    // departure 88: cancels 30 and 33 on the same date
    {31, "88", 'O', "1"},
    // a calved cow entered herself: counts as a calving, her age is tested
    {32, "89", 'P', "2"},
    // imports that departure 96 cancels
    {34, "91", 'P', "3"},
    {35, "92", 'P', "3"},
    // change of production type (written by the production type change)
    {37, "A1", 'P', "7"},
};

// Further codes that the entry windows name, with their type and edit group
// (the codes of a group act through the group's rules).
struct MenovanyKod {
    const char *kod;
    char typ;
    const char *preEdit;
};

inline const QList<MenovanyKod> menovaneKody = {
    // arrivals: cancellations of departures, sex corrections, slaughter imports
    {"97", 'P', "0"}, {"94", 'P', "5"}, {"95", 'P', "8"}, {"98", 'P', "9"},
    {"31", 'P', "6"}, {"32", 'P', "6"}, {"65", 'P', "3"}, {"66", 'P', "3"},
    // departures: losses and slaughter without destination, export, cancellations
    {"40", 'O', "1"}, {"41", 'O', "1"}, {"51", 'O', "1"}, {"61", 'O', "1"},
    {"80", 'O', "3"}, {"93", 'O', "0"}, {"96", 'O', "2"},
};
