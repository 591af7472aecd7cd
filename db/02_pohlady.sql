-- VuradeDE database: views. The program reads the named columns of these
-- views; the rows follow the parameters in `irpar` (current farm, change
-- report period) and the work tables the program fills.
--
-- Date layouts of the printed forms (text, blanks between the parts):
--   18 characters: day in 1-2, month in 9-10, two-digit year in 17-18
--                  (change report lines, DATUM_UD);
--   22 characters: day in 1-2, month in 11-12, two-digit year in 21-22
--                  (movement document lines, DATUM_UD and DATUM_UH);
--   12 characters: "dd. mm. yyyy" (date of a report or document, DATUM).
-- A missing death date (NULL or the program's empty date 1899-12-30) gives
-- an empty text.

SET NAMES utf8mb4 COLLATE utf8mb4_slovak_ci;

-- =====================================================================
-- Change report ("Hlásenie zmien HD")
-- =====================================================================

-- Movements of the current farm (irpar.CisFarmy) chosen by the report
-- parameters in irpar:
--   TypHlas 0: recorded (DatumEvid) from PomHlasOd to PomHlasDo, both
--              ends included, so that no movement falls between two
--              consecutive reports;
--   TypHlas 1: event code KodUdal on the event date of PomHlasOd.
-- Movements recorded before irpar.HlasDo (the take-over of the farm's
-- data from the central register) are never reported.
-- A movement with a former ear tag (PovNARV) carries a second report line
-- in its R2_ columns: the same animal under its former ear tag.
CREATE OR REPLACE VIEW pohyby02por01 AS
SELECT p.id_pohybu,
       p.Farma_ID    AS Farma_id,
       f.CisFarmy    AS CisloFarmy,
       p.ZVStat      AS STAT,
       p.JCNARV      AS REG_CISLO,
       k.Kod         AS UDALOST,
       k.Kod         AS KOD2,
       k.Typ         AS TypUdalosti,
       k.PreHlasenie,
       COALESCE(t.EU, '') AS EU,
       CONVERT(DATE_FORMAT(p.DatUdal, '%d      %m      %y') USING utf8mb4) COLLATE utf8mb4_slovak_ci AS DATUM,
       p.MaStat      AS STAT_MATKA,
       p.MaJCNARV    AS REG_CISLO_MATKA,
       p.OtStat      AS STAT_OTEC,
       p.OtJCNARV    AS REG_CISLO_OTEC,
       p.OtLinia,
       p.Otregister,
       p.PL1         AS PLEMENO_1,
       p.PL2         AS PLEMENO_2,
       p.PL3         AS PLEMENO_3,
       p.PL4         AS PLEMENO_4,
       p.PL5         AS PLEMENO_5,
       ROUND(p.Pk1, 1) AS KRV_1,
       ROUND(p.Pk2, 1) AS KRV_2,
       ROUND(p.Pk3, 1) AS KRV_3,
       ROUND(p.Pk4, 1) AS KRV_4,
       p.KodFarby    AS SRST,
       p.UzitZam,
       p.KodPKrvi    AS KRV,
       CASE WHEN p.PovNARV <> '' THEN p.PovStat END  AS R2_STAT,
       CASE WHEN p.PovNARV <> '' THEN p.PovNARV END  AS R2_REG_CISLO,
       CASE WHEN p.PovNARV <> '' THEN
            CONVERT(DATE_FORMAT(p.DatUdal, '%d      %m      %y') USING utf8mb4) COLLATE utf8mb4_slovak_ci END AS R2_DATUM,
       CASE WHEN p.PovNARV <> '' THEN p.MaStat END   AS R2_STAT_MATKA,
       CASE WHEN p.PovNARV <> '' THEN p.MaJCNARV END AS R2_REG_CISLO_MATKA,
       CASE WHEN p.PovNARV <> '' THEN p.OtStat END   AS R2_STAT_OTEC,
       CASE WHEN p.PovNARV <> '' THEN p.OtJCNARV END AS R2_REG_CISLO_OTEC,
       CASE WHEN p.PovNARV <> '' THEN p.PL1 END      AS R2_PLEMENO_1,
       CASE WHEN p.PovNARV <> '' THEN p.PL2 END      AS R2_PLEMENO_2,
       CASE WHEN p.PovNARV <> '' THEN p.PL3 END      AS R2_PLEMENO_3,
       CASE WHEN p.PovNARV <> '' THEN p.PL4 END      AS R2_PLEMENO_4,
       CASE WHEN p.PovNARV <> '' THEN p.PL5 END      AS R2_PLEMENO_5,
       CASE WHEN p.PovNARV <> '' THEN ROUND(p.Pk1, 1) END AS R2_KRV_1,
       CASE WHEN p.PovNARV <> '' THEN ROUND(p.Pk2, 1) END AS R2_KRV_2,
       CASE WHEN p.PovNARV <> '' THEN ROUND(p.Pk3, 1) END AS R2_KRV_3,
       CASE WHEN p.PovNARV <> '' THEN ROUND(p.Pk4, 1) END AS R2_KRV_4,
       CASE WHEN p.PovNARV <> '' THEN p.KodFarby END AS R2_SRST,
       CASE WHEN p.PovNARV <> '' THEN p.KodPKrvi END AS R2_KRV
FROM irpar i
JOIN FarlLic f  ON f.CisFarmy = i.CisFarmy
JOIN pohyby p   ON p.Farma_ID = f.Farma_ID
JOIN kodudal k  ON k.Udal_ID = p.Udal_ID
LEFT JOIN tabstat t ON t.KodSt = p.PoStat
WHERE (i.HlasDo IS NULL OR p.DatumEvid >= i.HlasDo)
  AND (   (i.TypHlas = 0 AND p.DatumEvid >= i.PomHlasOd AND p.DatumEvid <= i.PomHlasDo)
       OR (i.TypHlas = 1 AND k.Kod = i.KodUdal AND p.DatUdal = DATE(i.PomHlasOd)));

-- Main report lines of the selected movements. Poradie orders the lines:
-- five digits of the movement's rank (by recording order), then 1 for the
-- main line and 2 for its second line (pohyby05por01).
CREATE OR REPLACE VIEW pohyby04por01 AS
SELECT r.id_pohybu, r.Farma_id, r.vlastnik_id, r.REG_CISLO, r.STAT, r.REG_CISLO_ZV,
       r.UDALOST, r.TypUdalosti, r.PreHlasenie, r.EU, r.DATUM_UD,
       r.STAT_MATKA, r.REG_CISLO_MATKA, r.STAT_OTEC, r.REG_CISLO_OTEC,
       r.PLEMENO_1, r.KRV_1, r.PLEMENO_2, r.KRV_2, r.PLEMENO_3, r.KRV_3,
       r.PLEMENO_4, r.KRV_4, r.PLEMENO_5, r.SRST, r.UzitZam, r.KRV,
       CONCAT(LPAD(r.PoradoveCislo, 5, '0'), '1') AS Poradie,
       r.KOD2
FROM (SELECT p.*, ROW_NUMBER() OVER (ORDER BY p.id_pohybu) AS PoradoveCislo
      FROM pohyby03por01 p) r;

-- Second report lines, built from the R2_ columns (only movements that
-- have one). The event code and production type stay empty on them.
CREATE OR REPLACE VIEW pohyby05por01 AS
SELECT r.id_pohybu, r.Farma_id, r.vlastnik_id, r.REG_CISLO,
       r.R2_STAT            AS STAT,
       r.R2_REG_CISLO_ZV    AS REG_CISLO_ZV,
       r.TypUdalosti, r.PreHlasenie, r.EU,
       r.R2_DATUM_UD        AS DATUM_UD,
       r.R2_STAT_MATKA      AS STAT_MATKA,
       r.R2_REG_CISLO_MATKA AS REG_CISLO_MATKA,
       r.R2_STAT_OTEC       AS STAT_OTEC,
       r.R2_REG_CISLO_OTEC  AS REG_CISLO_OTEC,
       r.R2_PLEMENO_1 AS PLEMENO_1, r.R2_KRV_1 AS KRV_1,
       r.R2_PLEMENO_2 AS PLEMENO_2, r.R2_KRV_2 AS KRV_2,
       r.R2_PLEMENO_3 AS PLEMENO_3, r.R2_KRV_3 AS KRV_3,
       r.R2_PLEMENO_4 AS PLEMENO_4, r.R2_KRV_4 AS KRV_4,
       r.R2_PLEMENO_5 AS PLEMENO_5,
       r.R2_SRST      AS SRST,
       r.R2_KRV       AS KRV,
       CONCAT(LPAD(r.PoradoveCislo, 5, '0'), '2') AS Poradie
FROM (SELECT p.*, ROW_NUMBER() OVER (ORDER BY p.id_pohybu) AS PoradoveCislo
      FROM pohyby03por01 p) r
WHERE r.R2_REG_CISLO_ZV <> '';

-- Finished report lines: report date (today), report number (the farm's
-- last confirmed number in hlaszmien plus one), the keeper of the farm as
-- the owner of the report, running line number and its place on the
-- printed form (20 lines a sheet), the production-type marks.
CREATE OR REPLACE VIEW Pohyby07Por01 AS
SELECT p.id_pohybu, p.Farma_id, p.vlastnik_id,
       CONVERT(DATE_FORMAT(CURDATE(), '%d. %m. %Y') USING utf8mb4) COLLATE utf8mb4_slovak_ci AS DATUM,
       (SELECT COALESCE(MAX(h.KOD), 0) + 1
          FROM hlaszmien h WHERE h.Farma_id = p.Farma_id) AS KOD,
       p.REG_CISLO,
       LEFT(COALESCE(NULLIF(f.DFirma, ''),
                     CONCAT_WS(' ', f.DTitulPred, f.DMeno, f.DPriezvisko, f.DTiltulZa)), 64) AS Nazov,
       f.DUlica  AS Ulica,
       f.DObec   AS Obec,
       f.DPCislo AS PCislo,
       f.DDPosta AS PPosta,
       f.DPSC    AS PSC,
       LEFT(f.DrICO, 10) AS ICO_RC,
       ROW_NUMBER() OVER (ORDER BY p.Poradie) AS RIADOK,
       (ROW_NUMBER() OVER (ORDER BY p.Poradie) - 1) DIV 20 + 1 AS LIST,
       (ROW_NUMBER() OVER (ORDER BY p.Poradie) - 1) MOD 20 + 1 AS CISLO_RIADKU,
       p.STAT, p.REG_CISLO_ZV, p.UDALOST, p.TypUdalosti, p.PreHlasenie, p.EU, p.DATUM_UD,
       p.STAT_MATKA, p.REG_CISLO_MATKA, p.STAT_OTEC, p.REG_CISLO_OTEC,
       p.PLEMENO_1, p.KRV_1, p.PLEMENO_2, p.KRV_2, p.PLEMENO_3, p.KRV_3,
       p.PLEMENO_4, p.KRV_4, p.PLEMENO_5, p.SRST, p.KRV,
       p.Poradie, p.KOD2,
       CASE WHEN p.UzitZam = '2' THEN 'X' ELSE '' END AS DOJCKR,
       CASE WHEN p.UzitZam = '1' THEN 'X' ELSE '' END AS DOJNICA
FROM pohyby06por01 p
LEFT JOIN FarlLic f ON f.Farma_ID = p.Farma_id
ORDER BY p.Poradie;

-- =====================================================================
-- Movement document ("Doklad k premiestneniu HD")
-- =====================================================================

-- The selected movements (copied into pohybypom) as document rows: the
-- own farm they leave, the farm they go to, the new owner's company
-- number (NULL when none was recorded), the dates in the 22-character
-- layout.
CREATE OR REPLACE VIEW pohyby01por02 AS
SELECT p.id_pohybu,
       p.Farma_ID    AS Farma_id,
       p.Vlastnik_ID AS vlastnik_id,
       f.CisFarmy    AS CisloFarmy,
       p.POCisFarmy  AS PriOdsExpFarma,
       NULLIF(TRIM(p.OVlastnik), '') AS KomuVlastnik,
       p.Rusenie,
       p.ZVStat      AS STAT,
       p.JCNARV      AS REG_CISLO,
       k.Kod         AS UDALOST,
       k.Typ         AS TypUdalosti,
       k.PreHlasenie,
       COALESCE(t.EU, '') AS EU,
       CONVERT(DATE_FORMAT(p.DatUdal, '%d        %m        %y') USING utf8mb4) COLLATE utf8mb4_slovak_ci AS DATUM,
       CASE WHEN p.DatUh IS NULL OR p.DatUh < '1900-01-01' THEN ''
            ELSE CONVERT(DATE_FORMAT(p.DatUh, '%d        %m        %y') USING utf8mb4) COLLATE utf8mb4_slovak_ci
       END AS DatUh
FROM pohybypom p
JOIN kodudal k ON k.Udal_ID = p.Udal_ID
LEFT JOIN FarlLic f ON f.Farma_ID = p.Farma_ID
LEFT JOIN tabstat t ON t.KodSt = p.PoStat;

-- Finished document lines: document date (today), document number (the
-- farm's last confirmed number in presun plus one), addresses of the
-- source (own farm), destination and trader farms, running line number
-- and its place on the two printed forms (10 and 25 lines a sheet).
CREATE OR REPLACE VIEW pohyby10por01 AS
SELECT p.id_pohybu, p.Farma_id, p.vlastnik_id,
       CONVERT(DATE_FORMAT(CURDATE(), '%d. %m. %Y') USING utf8mb4) COLLATE utf8mb4_slovak_ci AS DATUM,
       (SELECT COALESCE(MAX(h.KOD), 0) + 1
          FROM presun h WHERE h.Farma_id = p.Farma_id) AS KOD,
       p.ZDROJ_REG_CISLO,
       z.Nazov   AS ZNazov,
       z.Ulica   AS ZUlica,
       z.Obec    AS ZObec,
       z.PCislo  AS ZPCislo,
       z.PPosta  AS asZPPosta,
       z.PSC     AS ZPSC,
       LEFT(z.DrICO, 10) AS ICO_RC,
       p.CIEL_REG_CISLO,
       COALESCE(c.Nazov, cl.Nazov)   AS CNazov,
       COALESCE(c.Ulica, cl.Ulica)   AS CUlica,
       COALESCE(c.Obec, cl.Obec)     AS CObec,
       COALESCE(c.PCislo, cl.PCislo) AS CPCislo,
       COALESCE(c.PSC, cl.PSC)       AS CPSC,
       p.CielVlastnik,
       p.OBCH_REG_CISLO,
       o.Nazov   AS ONazov,
       o.Ulica   AS OUlica,
       o.Obec    AS OObec,
       o.PCislo  AS OPCislo,
       o.PSC     AS OPSC,
       p.RUSENIE,
       ROW_NUMBER() OVER (ORDER BY p.STAT, p.REG_CISLO_ZV, p.id_pohybu) AS RIADOK,
       (ROW_NUMBER() OVER (ORDER BY p.STAT, p.REG_CISLO_ZV, p.id_pohybu) - 1) DIV 10 + 1 AS LIST,
       (ROW_NUMBER() OVER (ORDER BY p.STAT, p.REG_CISLO_ZV, p.id_pohybu) - 1) MOD 10 + 1 AS CISLO_RIADKU,
       (ROW_NUMBER() OVER (ORDER BY p.STAT, p.REG_CISLO_ZV, p.id_pohybu) - 1) DIV 25 + 1 AS LIST25,
       (ROW_NUMBER() OVER (ORDER BY p.STAT, p.REG_CISLO_ZV, p.id_pohybu) - 1) MOD 25 + 1 AS CISLO_RIADKU25,
       p.STAT, p.REG_CISLO_ZV, p.UDALOST, p.TypUdalosti, p.PreHlasenie, p.EU,
       p.DATUM_UD,
       p.Datum_Uh AS DATUM_UH
FROM pohyby09por01 p
LEFT JOIN FarlLic z  ON z.Farma_ID = p.Farma_id
LEFT JOIN Farmy c    ON c.CisFarmy = p.CIEL_REG_CISLO
LEFT JOIN FarlLic cl ON cl.CisFarmy = p.CIEL_REG_CISLO
LEFT JOIN Farmy o    ON o.CisFarmy = p.OBCH_REG_CISLO
ORDER BY RIADOK;

-- The document lines as the printed form takes them.
CREATE OR REPLACE VIEW pohyby13por01 AS
SELECT p.*
FROM pohyby10por01 p
ORDER BY p.RIADOK;

-- =====================================================================
-- Individual register and report headings
-- =====================================================================

-- Individual register of the current farm (irpar.CisFarmy): one line per
-- arrival that brought an animal onto the farm, with the animal's register
-- data and the first departure from the farm recorded after that arrival.
-- Events on an animal already on the farm (edit groups 6 and 7), owner
-- changes (movements from or to the farm's own number) and departure 88,
-- which leaves the animal on the farm, make no lines.
CREATE OR REPLACE VIEW pohyby17por01 AS
SELECT f.CisFarmy,
       p.ZVStat,
       p.JCNARV,
       r.DatNar,
       c.Popis      AS PopisPohl,
       r.PL1,
       r.Pk1        AS pk1,
       r.PL2,
       r.Pk2        AS pk2,
       r.PL3,
       r.Pk3        AS pk3,
       r.PL4,
       r.Pk4        AS pk4,
       r.PL5        AS pl5,
       r.KodFarby   AS kodfarby,
       r.KodPKrvi,
       CASE WHEN r.UzitZam = '2' THEN 'X' ELSE '' END AS DojcKr,
       CASE WHEN r.UzitZam = '1' THEN 'X' ELSE '' END AS Dojnica,
       p.DatUdal,
       p.POCisFarmy,
       p.PoStat     AS POStat,
       o.DatUdal    AS ODatUdal,
       o.POCisFarmy AS OFarma,
       o.PoStat     AS OStat,
       o.Poznamka   AS OPoznamka,
       r.MaStat     AS Mastat,
       r.MaJCNARV,
       r.OtStat,
       r.OtJCNARV,
       r.OtLinia    AS otlinia,
       r.Otregister AS otregister,
       p.Poznamka,
       p.DatumEvid,
       k.Kod
FROM irpar i
JOIN FarlLic f ON f.CisFarmy = i.CisFarmy
JOIN pohyby p  ON p.Farma_ID = f.Farma_ID
JOIN kodudal k ON k.Udal_ID = p.Udal_ID AND k.Typ = 'P' AND k.PreEdit NOT IN ('6', '7')
LEFT JOIN RegZv r ON r.ZVStat = p.ZVStat AND r.JCNARV = p.JCNARV
LEFT JOIN cpohl c ON c.Pohl = r.Pohlavie
LEFT JOIN pohyby o ON o.id_pohybu =
      (SELECT MIN(d.id_pohybu)
         FROM pohyby d
         JOIN kodudal dk ON dk.Udal_ID = d.Udal_ID
        WHERE dk.Typ = 'O' AND dk.Kod <> '88'
          AND d.Farma_ID = p.Farma_ID
          AND d.ZVStat = p.ZVStat AND d.JCNARV = p.JCNARV
          AND d.id_pohybu > p.id_pohybu
          AND COALESCE(d.POCisFarmy, '') <> f.CisFarmy)
WHERE COALESCE(p.POCisFarmy, '') <> f.CisFarmy;

-- Heading data of the printed reports: the installation parameters and
-- the current farm with its keeper.
CREATE OR REPLACE VIEW irparhlav AS
SELECT i.IRPar_ID,
       i.CisFarmy,
       i.Typ_Zv,
       CASE WHEN i.Typ_Zv = '1' THEN 'Individuálny register HD'
            ELSE 'Individuálny register *HD*' END AS Nadpis,
       f.Farma_ID,
       f.Nazov,
       f.Ulica,
       f.PCislo,
       f.Obec,
       f.PSC,
       f.PPosta,
       COALESCE(NULLIF(f.DFirma, ''),
                CONCAT_WS(' ', f.DTitulPred, f.DMeno, f.DPriezvisko, f.DTiltulZa)) AS Drzitel,
       f.DFirma,
       f.DrICO,
       f.DTitulPred,
       f.DMeno,
       f.DPriezvisko,
       f.DTiltulZa,
       f.DDatNar,
       f.DUlica,
       f.DPCislo,
       f.DObec,
       f.DPSC,
       f.DDPosta,
       f.DTelefon,
       f.DFax,
       f.DEmail,
       f.HlasOd,
       f.HlasDo,
       CURDATE() AS DatumTlace
FROM irpar i
LEFT JOIN FarlLic f ON f.CisFarmy = i.CisFarmy;
