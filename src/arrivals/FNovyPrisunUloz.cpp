// The save of the new-arrival window: the record, the save checks and the
// statements that write the movement and keep the register in step.
#include "FNovyPrisun.h"

#include <QDateEdit>
#include <QLineEdit>

#include "DMHlavny.h"
#include "UOvladaceDB.h"
#include "USpolocne.h"
#include "USpravy.h"
#include "USql.h"

namespace {


// Text values, each as the statements write them: "   '" + value + "', ".
QString Texty(std::initializer_list<QString> hodnoty)
{
    QString sql;
    for (const QString &hodnota : hodnoty)
        sql += "   '" + SqlEsc(hodnota) + "', ";
    return sql;
}

QString N(qint64 cislo)
{
    return QString::number(cislo);
}

QString Podiel(double podiel)
{
    return FormatujCislo(podiel, FormatBodka);
}

// A date literal; a missing date is stored as the empty day 1899-12-30 that
// every window reads back as blank.
QString Datum(const QDate &datum)
{
    return QLatin1Char('\'') + FormatujDatum(datum, FormatSQL) + QLatin1Char('\'');
}

std::array<QString *, 5> PolePlemien(TZviera &z)
{
    return {&z.PL1, &z.PL2, &z.PL3, &z.PL4, &z.PL5};
}

std::array<double *, 4> PolePodielov(TZviera &z)
{
    return {&z.Pk1, &z.Pk2, &z.Pk3, &z.Pk4};
}

std::array<QString, 5> Plemena(const TZviera &z)
{
    return {z.PL1, z.PL2, z.PL3, z.PL4, z.PL5};
}

std::array<double, 4> Podiely(const TZviera &z)
{
    return {z.Pk1, z.Pk2, z.Pk3, z.Pk4};
}

// Sex, breeds with their shares, breed 5, colour and composition: the same
// pieces in the movement and in the new register row.
QString HodnotyPlemien(const TZviera &z)
{
    QString sql = "   '" + SqlEsc(z.Pohlavie) + "', ";
    for (int i = 0; i < 4; ++i)
        sql += "   '" + SqlEsc(Plemena(z)[i]) + "', " + "   " + Podiel(Podiely(z)[i]) + ", ";
    return sql + "   '" + SqlEsc(z.PL5) + "', " + "   '" + SqlEsc(z.KodFarby) + "', " + "   '" + SqlEsc(z.KodPKrvi) + "', ";
}

// The sire's ear tag, line and register number: the same pieces in the
// movement and in the new register row.
QString HodnotyOtca(const TZviera &z)
{
    return Texty({z.OtStat, z.OtJCNARV, z.OtLinia}) + "   " + N(z.OtRegister) + ", ";
}

QString PrikazUzitZam(const QString &uzitZam, const QString &stat, const QString &cislo)
{
    return "UPDATE regzv SET    uzitzam = '" + SqlEsc(uzitZam) + "' " + "WHERE zvstat = '" + SqlEsc(stat) + "' AND " +
           "   jcnarv = '" + SqlEsc(cislo) + "'";
}

} // namespace

void TFormNovyPrisun::NacitajPrisun()
{
    m_prisun.Vynuluj();
    TZviera &z = m_prisun.Zviera;
    m_prisun.Udal_ID = ZvolenaUdalost();
    m_prisun.DatUdal = DateTimePickerDatumPrisunu->date();
    m_prisun.POCisFarmy = DBEditFarmaPrisunu->text();
    m_prisun.POStat = DBLookupComboBoxStatPrisunu->Kluc();
    z.ZVStat = DBLookupComboBoxZvieraStat->Kluc();
    z.JCNARV = DBEditZvieraCislo->text();
    z.LUC = DBEditUsneCisloLave->text();
    z.PUC = DBEditUsneCisloPrave->text();
    z.PovZVStat = DBLookupComboBoxPovodnyStat->Kluc();
    z.PovJCNARV = DBEditPovodneCislo->text();
    z.DatNar = DateTimePickerDatumNarodenia->date();
    z.Pohlavie = DBRadioGroupPohlavie->Hodnota();
    for (int i = 0; i < 5; ++i) {
        *PolePlemien(z)[i] = m_plemena[i]->Kluc();
        if (i < 4)
            *PolePodielov(z)[i] = CitajCislo(m_podiely[i]->text(), FormatSQL).value_or(0);
    }
    z.KodFarby = DBLookupComboBoxFarba->Kluc();
    z.OtLinia = DBLookupComboBoxLinia->Kluc();
    z.KodPKrvi = DBLookupComboBoxPodielKrvi->Kluc();
    z.OtRegister = EditOtecRegister->text().trimmed().toInt();
    z.OtStat = DBLookupComboBoxOtecStat->Kluc();
    z.OtJCNARV = DBEditOtecCislo->text();
    z.MaStat = DBLookupComboBoxMatkaStat->Kluc();
    z.MaJCNARV = DBEditMatkaCislo->text();
    z.DonorStat = DBLookupComboBoxDonorkaStat->Kluc();
    z.DonorJCNARV = DBEditDonorkaCislo->text();
    z.Vlastnik_ID = DBLookupComboBoxMajitel->Kluc().toInt();
    if (DBRadioGroupUzitZam->isEnabled() && !DBRadioGroupUzitZam->Hodnota().isEmpty())
        z.UzitZam = DBRadioGroupUzitZam->Hodnota();
}

bool TFormNovyPrisun::Odmietni(const QString &text, QWidget *fokus)
{
    ChybovyBoxPrisunu(text);
    if (fokus)
        fokus->setFocus();
    return false;
}

bool TFormNovyPrisun::KontrolaPrisunu()
{
    const TUdalost *udalost = NajdiUdalost(m_prisun.Udal_ID);
    if (!udalost)
        return Odmietni(QStringLiteral("Nekorektne uvedený kód udalosti !"), DBLookupComboBoxUdalost);
    AktKod = udalost->Kod;
    AktSkupina = udalost->PreEdit;
    const QString &kod = AktKod;
    const QString &skupina = AktSkupina;
    if (JeKodBitunku(kod) && !m_hlavny.AktCisFarmy.startsWith(QLatin1Char('B')))
        return Odmietni(QStringLiteral("Kód udalosti 65 a 66 sa môže použiť len pre bitúnok!"), DBLookupComboBoxUdalost);
    PoznamkaUdalosti = udalost->Poznamka;
    if (!KontrolaStavuZvierata(m_prisun.Zviera.ZVStat, m_prisun.Zviera.JCNARV, false, kod, skupina)) {
        DBEditZvieraCislo->setFocus();
        return false;
    }
    // The state check may have set the birth date, sex and production type.
    NacitajPrisun();
    const TZviera &z = m_prisun.Zviera;
    const bool bezFarmy = skupina != QLatin1String("0") || kod == QLatin1String("30");
    const bool farma = !m_prisun.POCisFarmy.trimmed().isEmpty();
    if (farma && bezFarmy)
        return Odmietni(QStringLiteral("Farma prísunu môže byť zadaná len pri prísune od reg.držiteľa /rušení odsunu "
                                       "reg.držiteľovi !"));
    if (!farma && !bezFarmy)
        return Odmietni(QStringLiteral("Nie je zadaná farma prísunu !"), DBEditFarmaPrisunu);
    const bool sStatom = JeSkupina(skupina, "39");
    if (!m_prisun.POStat.isEmpty() && !sStatom)
        return Odmietni(QStringLiteral("Štát prísunu môže byť zadaný len pri importe zvierat !"));
    if (m_prisun.POStat.isEmpty() && sStatom)
        return Odmietni(QStringLiteral("Nie je zadaný štát prísunu pri importe / rušení exportu !"),
                        DBLookupComboBoxStatPrisunu);
    if (skupina == QLatin1String("4") && (z.DonorStat.isEmpty() || z.DonorJCNARV.trimmed().isEmpty()))
        return Odmietni(QStringLiteral("Nie je/nesprávne zadaná ušná značka donorky pri embryotransfére!"),
                        DBLookupComboBoxDonorkaStat);
    if (!PohlaviePodlaUdalosti(m_prisun.Zviera.Pohlavie))
        return false;
    const bool naFarme = JeSkupina(skupina, "67");
    if (m_prisun.DatUdal == NulovyDatum && !naFarme)
        return Odmietni(QStringLiteral("Nesprávny dátum prísunu zvieraťa !"), DateTimePickerDatumPrisunu);
    if (z.DatNar > m_prisun.DatUdal)
        return Odmietni(QStringLiteral("Dátum narodenia je väčší ako dátum prísunu!"),
                        skupina == QLatin1String("6") ? nullptr : DateTimePickerDatumNarodenia);
    if (z.ZVStat.isEmpty() || z.JCNARV.trimmed().isEmpty())
        return Odmietni(QStringLiteral("Nesprávne zadané zviera !"), DBEditZvieraCislo);
    if (z.Pohlavie != m_hlavny.KodSamica && z.Pohlavie != m_hlavny.KodSamec && !naFarme)
        return Odmietni(QStringLiteral("Nesprávne zadané pohlavie !"), DBRadioGroupPohlavie);
    const QString zlePlemeno = QStringLiteral("Nesprávne plemeno zvieraťa !");
    if (z.PL1.isEmpty() && !naFarme && !JeKodBitunku(kod))
        return Odmietni(zlePlemeno, DBLookupComboBoxPlemeno1);
    if (!z.PL1.isEmpty() && DBLookupComboBoxPlemeno1->NajdiKluc(z.PL1) < 0)
        return Odmietni(zlePlemeno, DBLookupComboBoxPlemeno1);
    if (!z.PL1.isEmpty() && skupina == QLatin1String("6"))
        return Odmietni(QStringLiteral("Pri pohybe Oprava pohlavia sa neudáva plemeno zvieraťa !"));
    const auto plemena = Plemena(z);
    const auto podiely = Podiely(z);
    for (int i = 1; i < 5; ++i) {
        if (!plemena[i].isEmpty() && m_plemena[i]->NajdiKluc(plemena[i]) < 0)
            return Odmietni(zlePlemeno, m_plemena[i]);
    }
    if (z.PL5.isEmpty() && !z.PL1.isEmpty()) {
        const int porovnanie = PorovnajSo100(z.Pk1 + z.Pk2 + z.Pk3 + z.Pk4);
        if (porovnanie < 0)
            return Odmietni(QStringLiteral("Súčet podielu krvi je menší ako 100%!"), DBEditkrv1);
        if (porovnanie > 0)
            return Odmietni(QStringLiteral("Súčet podielu krvi je väčší ako 100%!"), DBEditkrv1);
    }
    for (int i = 0; i < 4; ++i) {
        if (plemena[i].isEmpty() == (podiely[i] == 0))
            continue;
        return Odmietni(QStringLiteral("Je zadané plemeno a nie je zadaný podiel krvi alebo naopak !"), m_plemena[i]);
    }
    if (skupina == QLatin1String("1") && (z.MaStat.isEmpty() || z.MaJCNARV.trimmed().isEmpty()))
        return Odmietni(QStringLiteral("Nezadaná matka zvieraťa !"), DBLookupComboBoxMatkaStat);
    if (z.KodFarby.isEmpty() &&
        (JeSkupina(skupina, "124") || QStringList{"91", "92", "93"}.contains(kod)))
        return Odmietni(QStringLiteral("Nezadaná farba zvieraťa !"), DBLookupComboBoxFarba);
    if ((kod == QLatin1String("89") || skupina == QLatin1String("7")) && !JeUzitZam(z.UzitZam))
        return Odmietni(QStringLiteral("Nezadané úžitkové zameranie kravy !"), DBRadioGroupUzitZam);
    if (JeSkupina(skupina, "14")) {
        const bool matka = !z.MaJCNARV.isEmpty() && MatkaVRegistri;
        if (matka && !JeUzitZam(z.UzitZam))
            return Odmietni(QStringLiteral("Nezadané úžitkové zameranie matky !"), DBRadioGroupUzitZam);
        if (!matka && JeUzitZam(z.UzitZam))
            return Odmietni(QStringLiteral("Nemôže byť zadané úžit.zam. matky ak nie je zadaná alebo nie je na farme !"),
                            DBRadioGroupUzitZam);
    }
    if (skupina == QLatin1String("6")) {
        const QStringList ine = {z.LUC, z.PUC, z.PovZVStat, z.PovJCNARV, z.OtStat, z.OtJCNARV, z.MaStat, z.MaJCNARV,
                                 z.DonorStat, z.DonorJCNARV, z.PL1, z.PL2, z.PL3, z.PL4, z.KodPKrvi};
        if (std::any_of(ine.begin(), ine.end(), [](const QString &s) { return !s.isEmpty(); }))
            return Odmietni(QStringLiteral("Pri pohybe Oprava pohlavia... sa nezadávajú iné údaje okrem udalosti a "
                                           "ušnej značky NARV !"));
    }
    return true;
}

QString TFormNovyPrisun::PrikazPohybu(const QString &rusenie) const
{
    const TZviera &z = m_prisun.Zviera;
    const bool sDatNar = !JeKodBitunku(AktKod);
    const bool sUzitZam =
        JeUzitZam(z.UzitZam) && (JeSkupina(AktSkupina, "147") || AktKod == QLatin1String("89"));
    QString sql = "INSERT INTO pohyby (farma_id, vlastnik_id, udal_id, datudal, pocisfarmy,    postat, poznamka,    "
                  "zvstat, jcnarv, luc, puc, povstat, povnarv, ";
    if (sDatNar)
        sql += "datnar, ";
    sql += "   pohlavie, pl1, pk1, pl2, pk2, pl3, pk3, pl4, pk4, pl5, kodfarby, ";
    sql += "   kodpkrvi, ";
    if (sUzitZam)
        sql += "uzitzam ,";
    sql += "   otstat, otjcnarv, otlinia, otregister, ";
    sql += "   mastat, majcnarv,donorstat, donorjcnarv, rusenie, datumevid) ";
    sql += "VALUES (";
    sql += N(FarmaID) + ", " + "   " + N(z.Vlastnik_ID) + ", " + "   " + N(m_prisun.Udal_ID) + ", ";
    sql += "   " + Datum(m_prisun.DatUdal) + ", ";
    sql += Texty({m_prisun.POCisFarmy, m_prisun.POStat, PoznamkaUdalosti, z.ZVStat, z.JCNARV, z.LUC,
                                   z.PUC, z.PovZVStat, z.PovJCNARV});
    if (sDatNar)
        sql += "   " + Datum(z.DatNar) + ", ";
    sql += HodnotyPlemien(z);
    if (sUzitZam)
        sql += "    '" + SqlEsc(z.UzitZam) + "', ";
    sql += HodnotyOtca(z);
    sql += Texty({z.MaStat, z.MaJCNARV, z.DonorStat, z.DonorJCNARV, rusenie});
    return sql + "   now())";
}

QString TFormNovyPrisun::PrikazVlozeniaZvierata(bool et, bool import) const
{
    const TZviera &z = m_prisun.Zviera;
    const bool sDatNar = !JeKodBitunku(AktKod);
    const bool sUzitZam = AktKod == QLatin1String("89") && JeUzitZam(z.UzitZam);
    QString sql = "INSERT INTO RegZv (farma_id, vlastnik_id, zvstat, jcnarv, luc, puc, povZVstat, povjcnarv, ";
    if (sDatNar)
        sql += "datnar, ";
    sql += "   pohlavie, pl1, pk1, pl2, pk2, pl3, pk3, pl4, pk4, pl5, kodfarby, kodpkrvi, ";
    if (sUzitZam)
        sql += " uzitzam, ";
    sql += "   otstat, otjcnarv, otlinia, otregister, ";
    sql += "   mastat, majcnarv, donorstat, donorjcnarv, ET, Import) ";
    sql += "VALUES (";
    sql += N(FarmaID) + ", " + "    " + N(z.Vlastnik_ID) + ", ";
    sql += Texty({z.ZVStat, z.JCNARV, z.LUC, z.PUC, z.PovZVStat, z.PovJCNARV});
    if (sDatNar)
        sql += "   " + Datum(z.DatNar) + ", ";
    sql += HodnotyPlemien(z);
    if (sUzitZam)
        sql += "   '" + SqlEsc(z.UzitZam) + "', ";
    sql += HodnotyOtca(z);
    sql += Texty({z.MaStat, z.MaJCNARV, z.DonorStat, z.DonorJCNARV, QString(et ? "1" : "0")});
    return sql + "   '" + (import ? "1" : "0") + "')";
}

QString TFormNovyPrisun::PrikazObnoveniaZvierata(bool et, bool import) const
{
    const TZviera &z = m_prisun.Zviera;
    QString sql = "UPDATE regzv SET    Farma_ID = " + N(FarmaID) + ", " + "   Vlastnik_id = " + N(z.Vlastnik_ID) + ", ";
    sql += "   zvstat = '" + SqlEsc(z.ZVStat) + "', " + "   jcnarv = '" + SqlEsc(z.JCNARV) + "', " + "   luc = '" + SqlEsc(z.LUC) +
           "', " + "   puc = '" + SqlEsc(z.PUC) + "', " + "   povzvstat = '" + SqlEsc(z.PovZVStat) + "', " +
           "   povjcnarv = '" + SqlEsc(z.PovJCNARV) + "', ";
    if (!JeKodBitunku(AktKod))
        sql += "   datnar = " + Datum(z.DatNar) + ", ";
    if (AktKod == QLatin1String("97") && m_prisun.POCisFarmy.startsWith(QLatin1Char('K')))
        sql += "   datuh = " + Datum(NulovyDatum) + ", ";
    sql += "   pohlavie = '" + SqlEsc(z.Pohlavie) + "', ";
    for (int i = 0; i < 4; ++i)
        sql += QStringLiteral("   pl%1 = '").arg(i + 1) + SqlEsc(Plemena(z)[i]) + "', " +
               QStringLiteral("   pk%1 = ").arg(i + 1) + Podiel(Podiely(z)[i]) + ", ";
    sql += "   pl5 = '" + SqlEsc(z.PL5) + "', " + "   kodfarby = '" + SqlEsc(z.KodFarby) + "', " + "   kodpkrvi = '" +
           SqlEsc(z.KodPKrvi) + "', ";
    if (AktKod == QLatin1String("89") && JeUzitZam(z.UzitZam))
        sql += "   uzitzam = '" + SqlEsc(z.UzitZam) + "', ";
    sql += "   otstat = '" + SqlEsc(z.OtStat) + "', " + "   otjcnarv = '" + SqlEsc(z.OtJCNARV) + "', " + "   otlinia = '" +
           SqlEsc(z.OtLinia) + "', " + "   otregister =  " + N(z.OtRegister) + ", ";
    sql += "   mastat = '" + SqlEsc(z.MaStat) + "', " + "   majcnarv = '" + SqlEsc(z.MaJCNARV) + "', " + "   donorstat = '" +
           SqlEsc(z.DonorStat) + "', " + "   donorjcnarv = '" + SqlEsc(z.DonorJCNARV) + "', ";
    sql += QStringLiteral("   ET = '") + (et ? "1" : "0") + "', " + "   Import = '" + (import ? "1" : "0") + "' " +
           "WHERE zvstat = '" + SqlEsc(z.ZVStat) + "' AND " + "   jcnarv = '" + SqlEsc(z.JCNARV) + "'";
    return sql;
}

void TFormNovyPrisun::BitBtnUlozClick()
{
    OpustenyDatumPrisunu = false;
    OpustenyDatumNarodenia = false;
    try {
        NacitajPrisun();
        if (!KontrolaPrisunu())
            return;
    } catch (const TChybaSql &c) {
        ChybaDatabazyPrisunu(c);
        return;
    }
    const TZviera &z = m_prisun.Zviera;
    try {
        TTransakcia transakcia(m_dm.ADOConnectionVuradeDE());
        const QString rusenie = AktKod == QLatin1String("97") ? QStringLiteral("X") : QString();
        m_dm.ADOCommandPrisun.CommandText = PrikazPohybu(rusenie);
        const bool et = AktSkupina == QLatin1String("4");
        const bool import = AktSkupina == QLatin1String("3");
        QString prikazRegistra;
        if (StavZvierata <= QLatin1String("0"))
            prikazRegistra = PrikazVlozeniaZvierata(et, import);
        else if (AktSkupina < QLatin1String("6") || AktSkupina > QLatin1String("7"))
            prikazRegistra = PrikazObnoveniaZvierata(et, import);
        else if (AktSkupina == QLatin1String("7") && JeUzitZam(z.UzitZam))
            prikazRegistra = PrikazUzitZam(z.UzitZam, z.ZVStat, z.JCNARV);
        m_dm.ADOCommandPrisun.Execute();
        if (!prikazRegistra.isEmpty()) {
            m_dm.ADOCommandRegZv.CommandText = prikazRegistra;
            m_dm.ADOCommandRegZv.Execute();
        }
        if (JeSkupina(AktSkupina, "14") && JeUzitZam(z.UzitZam) && !z.MaJCNARV.trimmed().isEmpty() &&
            m_dm.NajdiZviera2(z.MaStat, z.MaJCNARV) > QLatin1String("0")) {
            m_dm.ADOCommandRegZv.CommandText = PrikazUzitZam(z.UzitZam, z.MaStat, z.MaJCNARV);
            m_dm.ADOCommandRegZv.Execute();
        }
        transakcia.Commit();
    } catch (const TChybaSql &c) {
        ChybaDatabazyPrisunu(c);
        return;
    }
    // Confirmed once committed: a failing commit must not follow a "saved".
    UkazSpravu(QStringLiteral("Prísun bol vložený."), QString(), TIkona::Informacia);
    // The arrival is saved; a failed refresh only leaves the list as it was.
    try {
        OtvorPrisuny();
    } catch (const TChybaSql &c) {
        ChybaDatabazyPrisunu(c);
    }
    const TPrisun ulozeny = m_prisun;
    VycistiZviera();
    PredvyplnDalsie(ulozeny);
    OpustenyDatumPrisunu = false;
    OpustenyDatumNarodenia = false;
    DBLookupComboBoxZvieraStat->setFocus();
}

// The form proposes the next animal of the same kind: the next number, the
// same event, dates, breed composition, sex, colour, owner and production type.
void TFormNovyPrisun::PredvyplnDalsie(const TPrisun &ulozeny)
{
    const TZviera &z = ulozeny.Zviera;
    DBLookupComboBoxUdalost->NastavKluc(N(ulozeny.Udal_ID));
    DateTimePickerDatumPrisunu->setDate(ulozeny.DatUdal);
    DateTimePickerDatumNarodenia->setDate(z.DatNar);
    DBEditFarmaPrisunu->setText(ulozeny.POCisFarmy);
    DBLookupComboBoxStatPrisunu->NastavKluc(ulozeny.POStat);
    DBLookupComboBoxZvieraStat->NastavKluc(z.ZVStat);
    bool cislo = false;
    const qulonglong jcnarv = z.JCNARV.trimmed().toULongLong(&cislo);
    const QString dalsie = DoplnNuly(N(static_cast<qint64>(jcnarv + 1)));
    if (cislo && dalsie.size() <= DlzkaCislaZvierata)  // no proposal past the last number
        DBEditZvieraCislo->setText(dalsie);
    DBRadioGroupPohlavie->NastavHodnotu(z.Pohlavie);
    for (int i = 0; i < 5; ++i) {
        m_plemena[i]->NastavKluc(Plemena(z)[i]);
        if (i < 4 && Podiely(z)[i] != 0)
            m_podiely[i]->setText(FormatujCislo(Podiely(z)[i], FormatSQL));
    }
    DBLookupComboBoxLinia->NastavKluc(z.OtLinia);
    DBLookupComboBoxFarba->NastavKluc(z.KodFarby);
    DBRadioGroupUzitZam->NastavHodnotu(z.UzitZam);
    DBLookupComboBoxPodielKrvi->NastavKluc(z.KodPKrvi);
    DBLookupComboBoxMajitel->NastavKluc(z.Vlastnik_ID ? N(z.Vlastnik_ID) : QString());
}
