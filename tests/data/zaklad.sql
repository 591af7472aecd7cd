-- Small data set of the tests: two own farms, their animals and movements,
-- two owners, the installation parameters with farm A10001 current.
INSERT INTO FarlLic (Farma_ID, CisFarmy, Nazov, Ulica, PCislo, Obec, PSC, PPosta, DFirma, DrICO, HlasOd, HlasDo)
VALUES (1, 'A10001', 'PD Dolný Háj', 'Hlavná', '12', 'Dolný Háj', '94901', 'Nitra', 'PD Dolný Háj', '31234567', NULL, NULL),
       (2, 'B20002', 'Agrofarma Horné Lúky', 'Poľná', '3', 'Horné Lúky', '03601', 'Martin', 'Agrofarma s.r.o.', '44556677', NULL, NULL);

INSERT INTO vlastnik (Vlastnik_ID, ICO_RC, PNazov, TitulPred, Meno, Priezvisko, TitulZa, Obec, Ulica, PCislo, PSC)
VALUES (1, '31234567', 'PD Dolný Háj', NULL, NULL, NULL, NULL, 'Dolný Háj', 'Hlavná', '12', '94901'),
       (2, '7501011234', NULL, 'Ing.', 'Ján', 'Kováč', '', 'Horné Lúky', 'Poľná', '3', '03601');

INSERT INTO irpar (IRPar_ID, CisFarmy, Typ_Zv) VALUES (1, 'A10001', '1');

-- farm 1: a dairy cow, a bull, her calf; farm 2: a suckler cow;
-- SK000000000301 left the own farms; SK000000000401 has no farm recorded.
INSERT INTO RegZv (Farma_ID, Vlastnik_ID, ZVStat, JCNARV, MaStat, MaJCNARV, DatNar, DatUh, Pohlavie, PL1, Pk1, UzitZam, ET, Import)
VALUES (1, 1, 'SK', '000000000101', '', '', '2019-03-14', NULL, '1', 'SS', 100.0, '1', 0, 0),
       (1, 1, 'SK', '000000000102', '', '', '2021-05-02', NULL, '2', 'HO', 100.0, '0', 0, 0),
       (1, 1, 'SK', '000000000103', 'SK', '000000000101', '2025-11-20', NULL, '1', 'SS', 100.0, '0', 0, 0),
       (2, 2, 'SK', '000000000201', '', '', '2018-08-08', NULL, '1', 'CH', 100.0, '2', 0, 0),
       (0, 1, 'SK', '000000000301', '', '', '2020-01-10', NULL, '2', 'SS', 100.0, '0', 0, 0),
       (NULL, 0, 'SK', '000000000401', '', '', '2020-02-20', NULL, '1', 'SS', 100.0, '0', 0, 0);

INSERT INTO pohyby (id_pohybu, Farma_ID, Vlastnik_ID, Udal_ID, ZVStat, JCNARV, DatUdal, POCisFarmy, PoStat, Pohlavie, DatNar, DatumEvid)
VALUES (1, 1, 1, 18, 'SK', '000000000101', '2021-04-01', 'C33333', 'SK', '1', '2019-03-14', '2021-04-01 10:00:00'),
       (2, 1, 1, 18, 'SK', '000000000102', '2022-01-15', 'C33333', 'SK', '2', '2021-05-02', '2022-01-15 10:00:00'),
       (3, 1, 1, 2, 'SK', '000000000103', '2025-11-20', '', 'SK', '1', '2025-11-20', '2025-11-21 08:30:00'),
       (4, 2, 2, 18, 'SK', '000000000201', '2020-05-05', 'A10001', 'SK', '1', '2018-08-08', '2020-05-05 09:00:00'),
       (5, 1, 1, 18, 'SK', '000000000301', '2020-06-01', 'C33333', 'SK', '2', '2020-01-10', '2020-06-01 09:00:00'),
       (6, 1, 1, 19, 'SK', '000000000301', '2023-09-30', 'D44444', 'SK', '2', '2020-01-10', '2023-09-30 11:00:00');
