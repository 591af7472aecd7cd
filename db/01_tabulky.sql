-- VuradeDE database: base tables, code-list tables, work tables and
-- history tables. Loaded once into an empty database `VuradeDE`; the
-- server runs with lower_case_table_names=1 and a strict SQL mode.
--
-- Text is stored as UTF-8 (utf8mb4, Slovak collation). Only `pohybymax`
-- keeps latin1, because the program drops and creates it again with that
-- exact statement.
--
-- There are deliberately no foreign keys: the code lists are reloaded by
-- the update script ciselniky.sql (DELETE and INSERT) while movements and
-- animals keep pointing at their codes.

SET NAMES utf8mb4 COLLATE utf8mb4_slovak_ci;

-- ---------------------------------------------------------------------
-- Register of animals: one row per animal ever kept.
-- Farma_ID 0 (or NULL) = the animal is on none of the own farms;
-- Vlastnik_ID 0 = no owner.
-- ---------------------------------------------------------------------
CREATE TABLE RegZv (
  Farma_ID        int unsigned DEFAULT 0,
  Vlastnik_ID     int unsigned DEFAULT 0,
  ZVStat          varchar(2)  NOT NULL,
  JCNARV          varchar(12) NOT NULL,
  LUC             varchar(5)  DEFAULT NULL,
  PUC             varchar(5)  DEFAULT NULL,
  OtStat          varchar(2)  DEFAULT NULL,
  OtJCNARV        varchar(12) DEFAULT NULL,
  OtLinia         char(3)     DEFAULT NULL,
  Otregister      smallint(3) DEFAULT NULL,
  MaStat          varchar(2)  DEFAULT NULL,
  MaJCNARV        varchar(12) DEFAULT NULL,
  DatNar          date        DEFAULT NULL,
  DatUh           date        DEFAULT NULL,
  Pohlavie        varchar(1)  DEFAULT NULL,
  PL1             varchar(2)  DEFAULT NULL,
  Pk1             float(4,1)  DEFAULT NULL,
  PL2             varchar(2)  DEFAULT NULL,
  Pk2             float(4,1)  DEFAULT NULL,
  PL3             varchar(2)  DEFAULT NULL,
  Pk3             float(4,1)  DEFAULT NULL,
  PL4             varchar(2)  DEFAULT NULL,
  Pk4             float(4,1)  DEFAULT NULL,
  PL5             varchar(2)  DEFAULT NULL,
  KodFarby        char(2)     DEFAULT NULL,
  KodPKrvi        char(2)     DEFAULT NULL,
  UzitZam         char(1)     DEFAULT NULL,
  ET              tinyint(1)  DEFAULT NULL,
  Import          tinyint(1)  DEFAULT NULL,
  PovZVStat       varchar(2)  DEFAULT '',
  PovJCNARV       varchar(12) DEFAULT '',
  DonorStat       varchar(2)  DEFAULT '',
  DonorJCNARV     varchar(12) DEFAULT '',
  VlastnaPoznamka varchar(18) DEFAULT '',
  PRIMARY KEY (ZVStat, JCNARV),
  KEY regzv_farma (Farma_ID),
  KEY regzv_matka (MaStat, MaJCNARV)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_slovak_ci;

-- ---------------------------------------------------------------------
-- Movements: one row per event of one animal on one own farm.
-- id_pohybu grows with the time of recording. The column order is shared
-- with `pohybypom` (filled by INSERT ... SELECT * FROM pohyby).
-- ---------------------------------------------------------------------
CREATE TABLE pohyby (
  id_pohybu    int NOT NULL AUTO_INCREMENT,
  Farma_ID     int         DEFAULT NULL,
  Vlastnik_ID  int         DEFAULT NULL,
  Udal_ID      int         DEFAULT NULL,
  ZVStat       varchar(2)  DEFAULT NULL,
  JCNARV       varchar(12) DEFAULT NULL,
  DatUdal      date        DEFAULT NULL,
  POCisFarmy   varchar(6)  DEFAULT NULL,
  OVlastnik    varchar(10) DEFAULT NULL,
  PoStat       varchar(2)  DEFAULT NULL,
  Poznamka     varchar(22) DEFAULT NULL,
  LUC          varchar(5)  DEFAULT NULL,
  PUC          varchar(5)  DEFAULT NULL,
  OtLinia      char(3)     DEFAULT NULL,
  Otregister   smallint    DEFAULT NULL,
  OtStat       varchar(2)  DEFAULT NULL,
  OtJCNARV     varchar(12) DEFAULT NULL,
  MaStat       varchar(2)  DEFAULT NULL,
  MaJCNARV     varchar(12) DEFAULT NULL,
  DatNar       date        DEFAULT NULL,
  DatUh        date        DEFAULT NULL,
  Pohlavie     char(1)     DEFAULT NULL,
  PL1          varchar(2)  DEFAULT NULL,
  Pk1          float(4,1)  DEFAULT NULL,
  PL2          varchar(2)  DEFAULT NULL,
  Pk2          float(4,1)  DEFAULT NULL,
  PL3          varchar(2)  DEFAULT NULL,
  Pk3          float(4,1)  DEFAULT NULL,
  PL4          varchar(2)  DEFAULT NULL,
  Pk4          float(4,1)  DEFAULT NULL,
  PL5          varchar(2)  DEFAULT NULL,
  KodFarby     char(2)     DEFAULT NULL,
  KodPKrvi     char(2)     DEFAULT NULL,
  Hlas         smallint    DEFAULT NULL,
  PovStat      varchar(2)  DEFAULT NULL,
  PovNARV      varchar(12) DEFAULT NULL,
  DatumEvid    datetime    DEFAULT NULL,
  Rusenie      char(1)     DEFAULT NULL,
  Uzivatel_ID  int         DEFAULT NULL,
  DonorStat    varchar(2)  DEFAULT NULL,
  DonorJCNARV  varchar(12) DEFAULT NULL,
  UzitZam      char(1)     DEFAULT NULL,
  PRIMARY KEY (id_pohybu),
  KEY pohyby_farma (Farma_ID, DatUdal),
  KEY pohyby_zviera (ZVStat, JCNARV, DatUdal),
  KEY pohyby_matka (MaStat, MaJCNARV),
  KEY pohyby_udalost (Udal_ID, DatUdal),
  KEY pohyby_evid (DatumEvid)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_slovak_ci;

-- ---------------------------------------------------------------------
-- Event catalogue. Udal_ID is stored in pohyby.Udal_ID; several ids are
-- written as fixed values in the program's SQL (see ciselniky.sql), so
-- the rows are always inserted with explicit ids.
-- Typ: 'P' arrival, 'O' departure. PreEdit: the edit group of the entry
-- windows. PreHlasenie: 'Z' reported in the change report, 'P' reported
-- through the movement document.
-- ---------------------------------------------------------------------
CREATE TABLE kodudal (
  Udal_ID     int NOT NULL AUTO_INCREMENT,
  Kod         varchar(2)  NOT NULL,
  Popis       varchar(75) DEFAULT NULL,
  Typ         char(1)     NOT NULL,
  Poznamka    varchar(22) DEFAULT '',
  PreEdit     char(1)     DEFAULT NULL,
  Pohl        char(1)     DEFAULT '',
  platny      smallint    DEFAULT 1,
  PreHlasenie char(1)     DEFAULT NULL,
  PRIMARY KEY (Udal_ID),
  UNIQUE KEY kodudal_kod (Kod, Typ)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_slovak_ci;

-- ---------------------------------------------------------------------
-- Own farms kept by this installation. HlasOd/HlasDo: the period of the
-- farm's last confirmed change report.
-- ---------------------------------------------------------------------
CREATE TABLE FarlLic (
  Farma_ID    int NOT NULL AUTO_INCREMENT,
  CisFarmy    varchar(6)  NOT NULL,
  Nazov       varchar(64) DEFAULT NULL,
  Ulica       varchar(30) DEFAULT NULL,
  PCislo      varchar(10) DEFAULT NULL,
  Obec        varchar(40) DEFAULT NULL,
  PSC         varchar(5)  DEFAULT NULL,
  PPosta      varchar(40) DEFAULT NULL,
  DFirma      text        DEFAULT NULL,
  DrICO       text        DEFAULT NULL,
  DTitulPred  varchar(10) DEFAULT NULL,
  DMeno       varchar(12) DEFAULT NULL,
  DPriezvisko varchar(30) DEFAULT NULL,
  DTiltulZa   varchar(5)  DEFAULT NULL,
  DDatNar     date        DEFAULT NULL,
  DUlica      varchar(30) DEFAULT NULL,
  DPCislo     varchar(10) DEFAULT NULL,
  DObec       varchar(40) DEFAULT NULL,
  DPSC        varchar(5)  DEFAULT NULL,
  DDPosta     varchar(40) DEFAULT NULL,
  DTelefon    varchar(15) DEFAULT NULL,
  DFax        varchar(15) DEFAULT NULL,
  DEmail      varchar(30) DEFAULT NULL,
  HlasOd      datetime    DEFAULT NULL,
  HlasDo      datetime    DEFAULT NULL,
  PRIMARY KEY (Farma_ID),
  UNIQUE KEY farllic_cisfarmy (CisFarmy)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_slovak_ci;

-- ---------------------------------------------------------------------
-- All farms of Slovakia (loaded by farmy.sql).
-- ---------------------------------------------------------------------
CREATE TABLE Farmy (
  CisFarmy varchar(6)   NOT NULL,
  Nazov    varchar(64)  DEFAULT NULL,
  NazovP   varchar(100) DEFAULT NULL,
  Obec     varchar(40)  DEFAULT NULL,
  Ulica    varchar(30)  DEFAULT NULL,
  PCislo   varchar(10)  DEFAULT NULL,
  PSC      varchar(5)   DEFAULT NULL,
  PRIMARY KEY (CisFarmy),
  KEY farmy_nazov (Nazov),
  KEY farmy_nazovp (NazovP),
  KEY farmy_obec (Obec)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_slovak_ci;

-- ---------------------------------------------------------------------
-- Owners of animals. ICO_RC: company number (IČO) or birth number.
-- ---------------------------------------------------------------------
CREATE TABLE vlastnik (
  Vlastnik_ID int NOT NULL AUTO_INCREMENT,
  ICO_RC      varchar(10) DEFAULT NULL,
  PNazov      varchar(64) DEFAULT NULL,
  TitulPred   varchar(10) DEFAULT NULL,
  Meno        varchar(20) DEFAULT NULL,
  Priezvisko  varchar(30) DEFAULT NULL,
  TitulZa     varchar(10) DEFAULT NULL,
  ICD         varchar(14) DEFAULT NULL,
  Obec        varchar(40) DEFAULT NULL,
  Ulica       varchar(30) DEFAULT NULL,
  PCislo      varchar(10) DEFAULT NULL,
  DPosta      varchar(40) DEFAULT NULL,
  PSC         varchar(5)  DEFAULT NULL,
  Telefon     varchar(15) DEFAULT NULL,
  Fax         varchar(15) DEFAULT NULL,
  EMail       varchar(50) DEFAULT NULL,
  PRIMARY KEY (Vlastnik_ID),
  KEY vlastnik_ico (ICO_RC)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_slovak_ci;

-- ---------------------------------------------------------------------
-- Installation parameters: a single row, installed here with the plain
-- titles (Typ_Zv '1') and no current farm; the program writes the current
-- farm into it (IRPar_ID is written with that farm's id).
-- HlasDo: from when movements may be reported; TypHlas, PomHlasOd,
-- PomHlasDo, KodUdal: parameters of the change report read by its views.
-- ---------------------------------------------------------------------
CREATE TABLE irpar (
  IRPar_ID  int NOT NULL DEFAULT 0,
  CisFarmy  varchar(6) DEFAULT NULL,
  Typ_Zv    char(1)    DEFAULT '1',
  HlasDo    datetime   DEFAULT NULL,
  TypHlas   smallint   DEFAULT 0,
  PomHlasOd datetime   DEFAULT NULL,
  PomHlasDo datetime   DEFAULT NULL,
  KodUdal   varchar(2) DEFAULT ''
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_slovak_ci;

INSERT INTO irpar (IRPar_ID, CisFarmy, Typ_Zv) VALUES (0, NULL, '1');

-- ---------------------------------------------------------------------
-- Code lists (loaded by ciselniky.sql; `linie` is also edited by users).
-- ---------------------------------------------------------------------
CREATE TABLE cpohl (
  Pohl   char(1)    NOT NULL,
  Popis  varchar(7) DEFAULT NULL,
  platny smallint   DEFAULT 1,
  PRIMARY KEY (Pohl)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_slovak_ci;

CREATE TABLE tabstat (
  KodSt varchar(2)  NOT NULL,
  NazSt varchar(50) DEFAULT NULL,
  EU    char(1)     DEFAULT '0',
  PRIMARY KEY (KodSt)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_slovak_ci;

CREATE TABLE plemena (
  KodPl12 varchar(2)  NOT NULL,
  Nazov   varchar(40) DEFAULT NULL,
  PRIMARY KEY (KodPl12)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_slovak_ci;

CREATE TABLE podkrvi (
  CisKod char(2) NOT NULL,
  Pl1    float   DEFAULT 0,
  Pl2    float   DEFAULT 0,
  Pl3    float   DEFAULT 0,
  Pl4    float   DEFAULT 0,
  PRIMARY KEY (CisKod)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_slovak_ci;

CREATE TABLE farby (
  kod   char(2)     NOT NULL,
  nazov varchar(30) DEFAULT NULL,
  PRIMARY KEY (kod)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_slovak_ci;

CREATE TABLE linie (
  skratka varchar(3)  NOT NULL,
  nazov   varchar(40) DEFAULT NULL,
  PRIMARY KEY (skratka)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_slovak_ci;

-- ---------------------------------------------------------------------
-- Last movement date per animal of the current farm (animal picker of the
-- new departure window). The window drops and creates it again with
-- exactly this statement; it must exist before the first start because
-- the data module opens a query on it.
-- ---------------------------------------------------------------------
CREATE TABLE  `vuradede`.`pohybymax` (`ZVStat` varchar(2) NOT NULL, `JCNARV` varchar(12) NOT NULL, `DatUdal` date default NULL) ENGINE=InnoDB DEFAULT CHARSET=latin1;

-- ---------------------------------------------------------------------
-- Copies of selected movements (movement document, owner assignment,
-- production type change): made from `pohyby`, so its columns stay those of
-- `pohyby` in the same order (without auto-increment) for INSERT ... SELECT *.
-- ---------------------------------------------------------------------
CREATE TABLE pohybypom (
  KEY pohybypom_id (id_pohybu),
  KEY pohybypom_zviera (ZVStat, JCNARV)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_slovak_ci
  AS SELECT * FROM pohyby WHERE 0;

-- ---------------------------------------------------------------------
-- Change report ("Hlásenie zmien"): work tables of the report chain
-- pohyby02por01 (view) -> pohyby03por01 -> pohyby04por01 / pohyby05por01
-- (views) -> pohyby06por01 -> Pohyby07Por01 (view) -> Pohyby07Por02
-- (snapshot created by the program), and the history `hlaszmien`.
-- Dates in the report lines are text laid out for the printed form.
-- ---------------------------------------------------------------------
CREATE TABLE pohyby03por01 (
  id_pohybu          int         DEFAULT NULL,
  Farma_id           int         DEFAULT NULL,
  vlastnik_id        int         DEFAULT NULL,
  REG_CISLO          char(6)     DEFAULT NULL,
  STAT               char(2)     DEFAULT NULL,
  REG_CISLO_ZV       char(12)    DEFAULT NULL,
  UDALOST            char(2)     DEFAULT NULL,
  KOD2               char(2)     DEFAULT NULL,
  TypUdalosti        char(1)     DEFAULT NULL,
  PreHlasenie        char(1)     DEFAULT NULL,
  EU                 char(1)     DEFAULT NULL,
  DATUM_UD           varchar(18) DEFAULT NULL,
  STAT_MATKA         char(2)     DEFAULT NULL,
  REG_CISLO_MATKA    char(12)    DEFAULT NULL,
  STAT_OTEC          char(2)     DEFAULT NULL,
  REG_CISLO_OTEC     char(12)    DEFAULT NULL,
  OtLinia            char(3)     DEFAULT NULL,
  OtRegister         smallint    DEFAULT NULL,
  PLEMENO_1          char(2)     DEFAULT NULL,
  KRV_1              double      DEFAULT NULL,
  PLEMENO_2          char(2)     DEFAULT NULL,
  KRV_2              double      DEFAULT NULL,
  PLEMENO_3          char(2)     DEFAULT NULL,
  KRV_3              double      DEFAULT NULL,
  PLEMENO_4          char(2)     DEFAULT NULL,
  KRV_4              double      DEFAULT NULL,
  PLEMENO_5          char(2)     DEFAULT NULL,
  SRST               char(2)     DEFAULT NULL,
  UzitZam            char(1)     DEFAULT NULL,
  KRV                char(2)     DEFAULT NULL,
  R2_STAT            char(2)     DEFAULT NULL,
  R2_REG_CISLO_ZV    char(12)    DEFAULT NULL,
  R2_DATUM_UD        varchar(18) DEFAULT NULL,
  R2_STAT_MATKA      char(2)     DEFAULT NULL,
  R2_REG_CISLO_MATKA char(12)    DEFAULT NULL,
  R2_STAT_OTEC       char(2)     DEFAULT NULL,
  R2_REG_CISLO_OTEC  char(12)    DEFAULT NULL,
  R2_PLEMENO_1       char(2)     DEFAULT NULL,
  R2_KRV_1           double      DEFAULT NULL,
  R2_PLEMENO_2       char(2)     DEFAULT NULL,
  R2_KRV_2           double      DEFAULT NULL,
  R2_PLEMENO_3       char(2)     DEFAULT NULL,
  R2_KRV_3           double      DEFAULT NULL,
  R2_PLEMENO_4       char(2)     DEFAULT NULL,
  R2_KRV_4           double      DEFAULT NULL,
  R2_PLEMENO_5       char(2)     DEFAULT NULL,
  R2_SRST            char(2)     DEFAULT NULL,
  R2_KRV             char(2)     DEFAULT NULL,
  KEY pohyby03por01_id (id_pohybu)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_slovak_ci;

CREATE TABLE pohyby06por01 (
  id_pohybu       int         DEFAULT NULL,
  Farma_id        int         DEFAULT NULL,
  vlastnik_id     int         DEFAULT NULL,
  REG_CISLO       char(6)     DEFAULT NULL,
  STAT            char(2)     DEFAULT NULL,
  REG_CISLO_ZV    char(12)    DEFAULT NULL,
  UDALOST         char(2)     DEFAULT NULL,
  TypUdalosti     char(1)     DEFAULT NULL,
  PreHlasenie     char(1)     DEFAULT NULL,
  EU              char(1)     DEFAULT NULL,
  DATUM_UD        varchar(18) DEFAULT NULL,
  STAT_MATKA      char(2)     DEFAULT NULL,
  REG_CISLO_MATKA char(12)    DEFAULT NULL,
  STAT_OTEC       char(2)     DEFAULT NULL,
  REG_CISLO_OTEC  char(12)    DEFAULT NULL,
  PLEMENO_1       char(2)     DEFAULT NULL,
  KRV_1           double      DEFAULT NULL,
  PLEMENO_2       char(2)     DEFAULT NULL,
  KRV_2           double      DEFAULT NULL,
  PLEMENO_3       char(2)     DEFAULT NULL,
  KRV_3           double      DEFAULT NULL,
  PLEMENO_4       char(2)     DEFAULT NULL,
  KRV_4           double      DEFAULT NULL,
  PLEMENO_5       char(2)     DEFAULT NULL,
  SRST            char(2)     DEFAULT NULL,
  UzitZam         char(1)     DEFAULT NULL,
  KRV             char(2)     DEFAULT NULL,
  Poradie         char(6)     DEFAULT NULL,
  KOD2            char(2)     DEFAULT NULL,
  KEY pohyby06por01_poradie (Poradie)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_slovak_ci;

-- Every confirmed line of a change report; never empty once the report
-- window has been shown (it writes a seed row with KOD 0).
CREATE TABLE hlaszmien (
  id_pohybu       int         DEFAULT NULL,
  Farma_id        int         DEFAULT NULL,
  vlastnik_id     int         DEFAULT NULL,
  DATUM           varchar(12) DEFAULT NULL,
  KOD             bigint      DEFAULT NULL,
  REG_CISLO       char(6)     DEFAULT NULL,
  RIADOK          int         DEFAULT NULL,
  LIST            int         DEFAULT NULL,
  CISLO_RIADKU    int         DEFAULT NULL,
  STAT            char(2)     DEFAULT NULL,
  REG_CISLO_ZV    char(12)    DEFAULT NULL,
  DATUM_UD        varchar(18) DEFAULT NULL,
  UDALOST         char(2)     DEFAULT NULL,
  STAT_MATKA      char(2)     DEFAULT NULL,
  REG_CISLO_MATKA char(12)    DEFAULT NULL,
  STAT_OTEC       char(2)     DEFAULT NULL,
  REG_CISLO_OTEC  char(12)    DEFAULT NULL,
  PLEMENO_1       char(2)     DEFAULT NULL,
  KRV_1           double      DEFAULT NULL,
  PLEMENO_2       char(2)     DEFAULT NULL,
  KRV_2           double      DEFAULT NULL,
  PLEMENO_3       char(2)     DEFAULT NULL,
  KRV_3           double      DEFAULT NULL,
  PLEMENO_4       char(2)     DEFAULT NULL,
  KRV_4           double      DEFAULT NULL,
  PLEMENO_5       char(2)     DEFAULT NULL,
  SRST            char(2)     DEFAULT NULL,
  KRV             char(2)     DEFAULT NULL,
  KEY hlaszmien_id (id_pohybu),
  KEY hlaszmien_kod (Farma_id, KOD)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_slovak_ci;

-- Owners listed with a change report; emptied when a report is selected.
CREATE TABLE ZozMaj (
  Vlastnik_ID int         DEFAULT NULL,
  ICO_RC      varchar(10) DEFAULT NULL,
  Nazov       varchar(64) DEFAULT NULL,
  Ulica       varchar(30) DEFAULT NULL,
  PCislo      varchar(10) DEFAULT NULL,
  Obec        varchar(40) DEFAULT NULL,
  PSC         varchar(5)  DEFAULT NULL,
  PPosta      varchar(40) DEFAULT NULL,
  KEY zozmaj_vlastnik (Vlastnik_ID)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_slovak_ci;

-- ---------------------------------------------------------------------
-- Movement document ("Doklad k premiestneniu"): work table of the
-- document lines (pohybypom -> pohyby01por02 -> pohyby09por01 ->
-- pohyby10por01 / pohyby13por01) and the history `presun`.
-- ---------------------------------------------------------------------
CREATE TABLE pohyby09por01 (
  id_pohybu       int         DEFAULT NULL,
  Farma_id        int         DEFAULT NULL,
  vlastnik_id     int         DEFAULT NULL,
  ZDROJ_REG_CISLO char(6)     DEFAULT NULL,
  CIEL_REG_CISLO  char(6)     DEFAULT NULL,
  CielVlastnik    char(10)    DEFAULT NULL,
  OBCH_REG_CISLO  char(6)     DEFAULT NULL,
  RUSENIE         char(1)     DEFAULT NULL,
  STAT            char(2)     DEFAULT NULL,
  REG_CISLO_ZV    char(12)    DEFAULT NULL,
  UDALOST         char(2)     DEFAULT NULL,
  TypUdalosti     char(1)     DEFAULT NULL,
  PreHlasenie     char(1)     DEFAULT NULL,
  EU              char(1)     DEFAULT NULL,
  DATUM_UD        varchar(22) DEFAULT NULL,
  Datum_Uh        varchar(22) DEFAULT NULL,
  KEY pohyby09por01_id (id_pohybu)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_slovak_ci;

-- Every confirmed line of a movement document.
CREATE TABLE presun (
  id_pohybu       int         DEFAULT NULL,
  Farma_id        int         DEFAULT NULL,
  vlastnik_id     int         DEFAULT NULL,
  DATUM           varchar(12) DEFAULT NULL,
  KOD             bigint      DEFAULT NULL,
  ZDROJ_REG_CISLO char(6)     DEFAULT NULL,
  CIEL_REG_CISLO  char(6)     DEFAULT NULL,
  CielVlastnik    char(10)    DEFAULT NULL,
  OBCH_REG_CISLO  char(6)     DEFAULT NULL,
  RUSENIE         char(1)     DEFAULT NULL,
  RIADOK          int         DEFAULT NULL,
  LIST            int         DEFAULT NULL,
  CISLO_RIADKU    int         DEFAULT NULL,
  STAT            char(2)     DEFAULT NULL,
  REG_CISLO_ZV    char(12)    DEFAULT NULL,
  DATUM_UD        varchar(22) DEFAULT NULL,
  UDALOST         char(2)     DEFAULT NULL,
  KEY presun_id (id_pohybu),
  KEY presun_kod (Farma_id, KOD)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_slovak_ci;

-- ---------------------------------------------------------------------
-- Individual register of the current farm, rebuilt from the view
-- pohyby17por01 each time the farm view's register tab is shown;
-- riadok numbers the lines from 1 after every TRUNCATE.
-- ---------------------------------------------------------------------
CREATE TABLE pohyby18por01 (
  riadok     int NOT NULL AUTO_INCREMENT,
  CisFarmy   varchar(6)  DEFAULT NULL,
  ZVStat     varchar(2)  DEFAULT NULL,
  JCNARV     varchar(12) DEFAULT NULL,
  DatNar     date        DEFAULT NULL,
  PopisPohl  varchar(7)  DEFAULT NULL,
  PL1        varchar(2)  DEFAULT NULL,
  pk1        float(4,1)  DEFAULT NULL,
  PL2        varchar(2)  DEFAULT NULL,
  pk2        float(4,1)  DEFAULT NULL,
  PL3        varchar(2)  DEFAULT NULL,
  pk3        float(4,1)  DEFAULT NULL,
  PL4        varchar(2)  DEFAULT NULL,
  pk4        float(4,1)  DEFAULT NULL,
  pl5        varchar(2)  DEFAULT NULL,
  kodfarby   varchar(2)  DEFAULT NULL,
  KodPKrvi   varchar(2)  DEFAULT NULL,
  DojcKr     varchar(1)  DEFAULT NULL,
  Dojnica    varchar(1)  DEFAULT NULL,
  DatUdal    date        DEFAULT NULL,
  POCisFarmy varchar(6)  DEFAULT NULL,
  POStat     varchar(2)  DEFAULT NULL,
  ODatUdal   date        DEFAULT NULL,
  OFarma     varchar(6)  DEFAULT NULL,
  OStat      varchar(2)  DEFAULT NULL,
  OPoznamka  varchar(22) DEFAULT NULL,
  Mastat     varchar(2)  DEFAULT NULL,
  MaJCNARV   varchar(12) DEFAULT NULL,
  OtStat     varchar(2)  DEFAULT NULL,
  OtJCNARV   varchar(12) DEFAULT NULL,
  otlinia    varchar(3)  DEFAULT NULL,
  otregister smallint    DEFAULT NULL,
  Poznamka   varchar(22) DEFAULT NULL,
  DatumEvid  datetime    DEFAULT NULL,
  Kod        varchar(2)  DEFAULT NULL,
  PRIMARY KEY (riadok),
  KEY pohyby18por01_zviera (ZVStat, JCNARV)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_slovak_ci;
