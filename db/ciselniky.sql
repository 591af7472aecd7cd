-- VuradeDE code lists: event codes, sexes, states, breeds, colours, sire
-- lines and blood-share compositions.
--
-- Installation script and update script at once: it may be loaded again
-- into a live database (menu "Aktualizácia číselníkov"). It touches only
-- the code-list tables, empties each of them and fills it again, all in
-- one transaction: a failing statement ends the client, the transaction
-- is rolled back and the old lists stay. The sire lines are the
-- exception: users add and edit their own lines, so the shipped lines are
-- only added or renamed and nothing is deleted there.

SET NAMES utf8mb4 COLLATE utf8mb4_slovak_ci;

START TRANSACTION;

-- ---------------------------------------------------------------------
-- Event catalogue.
-- Typ 'P' arrival, 'O' departure. PreEdit = edit group: arrivals
--   0 from a registered keeper (and 97, cancellation of a departure 00;
--     code 30 without a farm of origin), 1 birth with the dam, 2 other new
--     animal with the sex given by the code, 3 import, 4 birth after
--     embryo transfer, 5 cancellation of departure 40/41, 6 correction of
--     sex, 7 event on a cow already on the farm, 8 cancellation of
--     departure 51/61, 9 cancellation of an export;
-- departures 0 to a registered keeper (farm required), 3 export (state
--   required), 2 cancellation of an import (state allowed), 1 no
--   destination.
-- Pohl: the sex the code stands for ('2' male, '1' female).
-- PreHlasenie: 'Z' goes into the change report, 'P' is reported through
--   the movement document (codes 00, 93, 97).
--
-- The ids are fixed: the program's SQL names these by value
--   1, 2 births recorded with the dam (01, 02); 1..7, 27, 28, 32 the new
--   animals that departure 99 cancels; 6 (22) a birth naming the dam
--   whose production type it carries; 18, 19 arrival and departure 00;
--   26 departure 99 (cancels 1..7, 27, 28, 32 on the same date);
--   27, 28 births after embryo transfer; 30 (09) and 33 (08) count as a
--   calving of the cow herself, 33 being the abortion; 31 departure 88
--   (cancels 30 and 33 on the same date); 32 (89) a calved cow entered
--   herself, age-tested; 34, 35 imports that departure 96 cancels;
--   37 (A1) change of production type.
-- ---------------------------------------------------------------------
DELETE FROM kodudal;

INSERT INTO kodudal (Udal_ID, Kod, Popis, Typ, Poznamka, PreEdit, Pohl, platny, PreHlasenie) VALUES
-- arrivals
( 1, '01', '01 - narodenie samca',                                      'P', '',                       '1', '2', 1, 'Z'),
( 2, '02', '02 - narodenie samice',                                     'P', '',                       '1', '1', 1, 'Z'),
( 3, '81', '81 - zaradenie samca do registra (pôvod neznámy)',           'P', '',                       '2', '2', 1, 'Z'),
( 4, '82', '82 - zaradenie samice do registra (pôvod neznámy)',          'P', '',                       '2', '1', 1, 'Z'),
( 5, '21', '21 - narodenie samca (prevzaté z pôvodnej evidencie)',       'P', '',                       '2', '2', 1, 'Z'),
( 6, '22', '22 - narodenie samice (prevzaté z pôvodnej evidencie)',      'P', '',                       '2', '1', 1, 'Z'),
( 7, '30', '30 - prísun od držiteľa bez registrovanej farmy',           'P', '',                       '0', '',  1, 'Z'),
( 8, '31', '31 - oprava pohlavia na samca',                             'P', '',                       '6', '2', 1, 'Z'),
( 9, '32', '32 - oprava pohlavia na samicu',                            'P', '',                       '6', '1', 1, 'Z'),
(10, '39', '39 - oprava evidovaných údajov',                            'P', '',                       '7', '',  1, 'Z'),
(11, '65', '65 - dovoz samca priamo na bitúnok',                        'P', '',                       '3', '2', 1, 'Z'),
(12, '66', '66 - dovoz samice priamo na bitúnok',                       'P', '',                       '3', '1', 1, 'Z'),
(13, '94', '94 - rušenie straty zvieraťa (zviera sa našlo)',            'P', 'rušenie odsunu 40/41',   '5', '',  1, 'Z'),
(14, '95', '95 - rušenie porážky (odsun 51, 61)',                       'P', 'rušenie odsunu 51/61',   '8', '',  1, 'Z'),
(15, '97', '97 - rušenie odsunu k registrovanému držiteľovi',           'P', 'rušenie odsunu 00',      '0', '',  1, 'P'),
(16, '98', '98 - rušenie vývozu (exportu)',                             'P', 'rušenie exportu',        '9', '',  1, 'Z'),
(18, '00', '00 - prísun od registrovaného držiteľa (kúpa, presun)',     'P', '',                       '0', '',  1, 'P'),
(27, '11', '11 - narodenie samca z embryotransferu',                    'P', '',                       '4', '2', 1, 'Z'),
(28, '12', '12 - narodenie samice z embryotransferu',                   'P', '',                       '4', '1', 1, 'Z'),
(30, '09', '09 - narodenie mŕtveho teľaťa',                             'P', '',                       '7', '1', 1, 'Z'),
(32, '89', '89 - zaradenie otelenej kravy do registra',                 'P', '',                       '2', '1', 1, 'Z'),
(33, '08', '08 - zmetanie',                                             'P', 'potvrdenie veterinárom', '7', '1', 1, 'Z'),
(34, '91', '91 - dovoz (import) samca',                                 'P', '',                       '3', '2', 1, 'Z'),
(35, '92', '92 - dovoz (import) samice',                                'P', '',                       '3', '1', 1, 'Z'),
(37, 'A1', 'A1 - zmena úžitkového zamerania kravy',                     'P', '',                       '7', '1', 1, 'Z'),
-- departures
(19, '00', '00 - odsun k registrovanému držiteľovi (predaj, presun, kafiléria)', 'O', '',          '0', '',  1, 'P'),
(20, '40', '40 - strata zvieraťa (krádež, zatúlanie)',                  'O', '',                       '1', '',  1, 'Z'),
(21, '41', '41 - strata vplyvom predátorov',                            'O', 'potvrdenie veterinárom', '1', '',  1, 'Z'),
(22, '51', '51 - porážka na bitúnku',                                   'O', '',                       '1', '',  1, 'Z'),
(23, '61', '61 - nútená porážka',                                       'O', '',                       '1', '',  1, 'Z'),
(24, '80', '80 - vývoz (export)',                                       'O', '',                       '3', '',  1, 'Z'),
(25, '93', '93 - rušenie prísunu od registrovaného držiteľa',           'O', 'rušenie prísunu 00',     '0', '',  1, 'P'),
(26, '99', '99 - rušenie narodenia, zaradenia alebo prísunu bez farmy pôvodu', 'O', 'rušenie prísunu', '1', '',  1, 'Z'),
(29, '96', '96 - rušenie dovozu (importu)',                             'O', 'rušenie importu',        '2', '',  1, 'Z'),
(31, '88', '88 - rušenie zmetania / narodenia mŕtveho teľaťa',          'O', 'rušenie 08/09',          '1', '',  1, 'Z');

-- ---------------------------------------------------------------------
-- Sexes.
-- ---------------------------------------------------------------------
DELETE FROM cpohl;

INSERT INTO cpohl (Pohl, Popis, platny) VALUES
('1', 'samica', 1),
('2', 'samec',  1);

-- ---------------------------------------------------------------------
-- States. EU = '1' for a member state of the European Union, '0' else.
-- ---------------------------------------------------------------------
DELETE FROM tabstat;

INSERT INTO tabstat (KodSt, NazSt, EU) VALUES
('SK', 'Slovensko',                   '1'),
('AT', 'Rakúsko',                     '1'),
('BE', 'Belgicko',                    '1'),
('BG', 'Bulharsko',                   '1'),
('CY', 'Cyprus',                      '1'),
('CZ', 'Česko',                       '1'),
('DE', 'Nemecko',                     '1'),
('DK', 'Dánsko',                      '1'),
('EE', 'Estónsko',                    '1'),
('ES', 'Španielsko',                  '1'),
('FI', 'Fínsko',                      '1'),
('FR', 'Francúzsko',                  '1'),
('GR', 'Grécko',                      '1'),
('HR', 'Chorvátsko',                  '1'),
('HU', 'Maďarsko',                    '1'),
('IE', 'Írsko',                       '1'),
('IT', 'Taliansko',                   '1'),
('LT', 'Litva',                       '1'),
('LU', 'Luxembursko',                 '1'),
('LV', 'Lotyšsko',                    '1'),
('MT', 'Malta',                       '1'),
('NL', 'Holandsko',                   '1'),
('PL', 'Poľsko',                      '1'),
('PT', 'Portugalsko',                 '1'),
('RO', 'Rumunsko',                    '1'),
('SE', 'Švédsko',                     '1'),
('SI', 'Slovinsko',                   '1'),
('AL', 'Albánsko',                    '0'),
('AR', 'Argentína',                   '0'),
('AU', 'Austrália',                   '0'),
('BA', 'Bosna a Hercegovina',         '0'),
('BR', 'Brazília',                    '0'),
('BY', 'Bielorusko',                  '0'),
('CA', 'Kanada',                      '0'),
('CH', 'Švajčiarsko',                 '0'),
('GB', 'Spojené kráľovstvo',          '0'),
('GE', 'Gruzínsko',                   '0'),
('IL', 'Izrael',                      '0'),
('IS', 'Island',                      '0'),
('KZ', 'Kazachstan',                  '0'),
('LI', 'Lichtenštajnsko',             '0'),
('MD', 'Moldavsko',                   '0'),
('ME', 'Čierna Hora',                 '0'),
('MK', 'Severné Macedónsko',          '0'),
('NO', 'Nórsko',                      '0'),
('NZ', 'Nový Zéland',                 '0'),
('RS', 'Srbsko',                      '0'),
('RU', 'Rusko',                       '0'),
('TR', 'Turecko',                     '0'),
('UA', 'Ukrajina',                    '0'),
('US', 'Spojené štáty americké',      '0'),
('UY', 'Uruguaj',                     '0');

-- ---------------------------------------------------------------------
-- Breeds.
-- ---------------------------------------------------------------------
DELETE FROM plemena;

INSERT INTO plemena (KodPl12, Nazov) VALUES
('SS', 'slovenský strakatý'),
('PI', 'pinzgauský'),
('HO', 'holštajnský'),
('HC', 'holštajnský červenostrakatý'),
('SI', 'simentál'),
('FL', 'fleckvieh'),
('MO', 'montbéliarde'),
('BS', 'hnedý švajčiarsky'),
('JE', 'jersey'),
('AY', 'ayrshire'),
('RD', 'červený dánsky'),
('NO', 'normandský'),
('CH', 'charolais'),
('LI', 'limousine'),
('AA', 'aberdeen angus'),
('HE', 'hereford'),
('BA', 'blonde d''aquitaine'),
('PM', 'piemontese'),
('BB', 'belgický modrobiely'),
('GA', 'galloway'),
('HI', 'highland (škótsky náhorný)'),
('SA', 'salers'),
('AU', 'aubrac'),
('MA', 'marchigiana'),
('GE', 'gelbvieh'),
('WA', 'wagyu'),
('DE', 'dexter'),
('XX', 'neznáme plemeno');

-- ---------------------------------------------------------------------
-- Coat colours.
-- ---------------------------------------------------------------------
DELETE FROM farby;

INSERT INTO farby (kod, nazov) VALUES
('01', 'čierna'),
('02', 'čiernostrakatá'),
('03', 'červená'),
('04', 'červenostrakatá'),
('05', 'hnedá'),
('06', 'hnedostrakatá'),
('07', 'žltá (plavá)'),
('08', 'žltostrakatá'),
('09', 'biela'),
('10', 'sivá'),
('11', 'tmavohnedá'),
('12', 'smotanová'),
('13', 'pruhovaná (tigrovaná)');

-- ---------------------------------------------------------------------
-- Blood-share compositions: Pl1..Pl4 are the shares in percent of breeds
-- 1 to 4 and add up to 100. "00" one breed; "01".."04" two breeds;
-- "05".."09" three breeds; "10".."14" four breeds (the arrival window
-- offers the range by the number of breeds entered).
-- ---------------------------------------------------------------------
DELETE FROM podkrvi;

INSERT INTO podkrvi (CisKod, Pl1, Pl2, Pl3, Pl4) VALUES
('00', 100,  0,    0,    0),
('01', 87.5, 12.5, 0,    0),
('02', 75,   25,   0,    0),
('03', 62.5, 37.5, 0,    0),
('04', 50,   50,   0,    0),
('05', 75,   12.5, 12.5, 0),
('06', 62.5, 25,   12.5, 0),
('07', 50,   37.5, 12.5, 0),
('08', 50,   25,   25,   0),
('09', 37.5, 37.5, 25,   0),
('10', 62.5, 12.5, 12.5, 12.5),
('11', 50,   25,   12.5, 12.5),
('12', 37.5, 37.5, 12.5, 12.5),
('13', 37.5, 25,   25,   12.5),
('14', 25,   25,   25,   25);

-- ---------------------------------------------------------------------
-- Sire lines: shipped lines are added or renamed; lines entered by the
-- users stay.
-- ---------------------------------------------------------------------
INSERT INTO linie (skratka, nazov) VALUES
('ELE', 'Elevation (holštajnská)'),
('CHF', 'Chief (holštajnská)'),
('BEL', 'Bell (holštajnská)'),
('STB', 'Starbuck (holštajnská)'),
('VAL', 'Valiant (holštajnská)'),
('IVA', 'Ivanhoe (holštajnská)'),
('MAR', 'Mark (holštajnská)'),
('BLS', 'Blackstar (holštajnská)'),
('AER', 'Aerostar (holštajnská)'),
('RUD', 'Rudolph (holštajnská)'),
('HAX', 'Haxl (simentálska)'),
('POL', 'Polzer (simentálska)'),
('ROM', 'Romulus (simentálska)'),
('STR', 'Streitl (simentálska)'),
('HOD', 'Hodscha (simentálska)'),
('MOR', 'Morello (simentálska)'),
('RON', 'Ronald (simentálska)'),
('SEM', 'Semper (simentálska)')
ON DUPLICATE KEY UPDATE nazov = VALUES(nazov);

COMMIT;
