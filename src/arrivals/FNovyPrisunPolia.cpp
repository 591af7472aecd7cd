// The field handlers of the new-arrival window: what happens as each field is left.
#include "FNovyPrisun.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QSqlQuery>
#include <optional>

#include "DMHlavny.h"
#include "UOvladaceDB.h"
#include "UOvladanie.h"
#include "USpolocne.h"
#include "USpravy.h"
#include "USql.h"

namespace {

const QString textVekMatky = QStringLiteral("Vek matky je menší ako 18 mesiacov.");
const int NajvacsiRegisterOtca = 32767;

void Sprava(const QString &text)
{
    UkazSpravu(text, QString(), TIkona::Ziadna);
}

void Informacia(const QString &text)
{
    UkazSpravu(text, QString(), TIkona::Informacia);
}

bool Otazka(const QString &text)
{
    return UkazSpravu(text, QStringLiteral("Nový prísun"), TIkona::Informacia, TTlacidla::AnoNie, TOdpoved::Ano) ==
           TOdpoved::Ano;
}

// A date of the register; a missing one is the day that stands for none.
QDate DatumZRegistra(const QVariant &hodnota)
{
    const QDate datum = hodnota.toDate();
    return datum.isValid() ? datum : NulovyDatum;
}

QString TextPodielu(const QVariant &hodnota)
{
    return hodnota.isNull() ? QString() : FormatujCislo(hodnota.toDouble(), FormatSQL);
}

} // namespace

QString TFormNovyPrisun::NacitajCisloFarmy(const QVariant &farmaId)
{
    Otvor(m_dm.ADOQueryFarLic, QStringLiteral("select CisFarmy from FarlLic where \nFarma_ID ='") +
                                   SqlEsc(farmaId.toString()) + QLatin1Char('\''));
    return m_dm.ADOQueryFarLic.first() ? m_dm.ADOQueryFarLic.value(0).toString() : QString();
}

void TFormNovyPrisun::DBEditZvieraCisloExit()
{
    if (!JeKladneCislo(DBEditZvieraCislo->text())) {
        ChybovyBoxPrisunu(QStringLiteral("Nekorektne uvedené číslo NARV !"));
        return;
    }
    DoplnNuly(DBEditZvieraCislo);
    if (DBLookupComboBoxZvieraStat->Kluc().isEmpty())
        DBLookupComboBoxZvieraStat->NastavKluc(m_hlavny.DomaciStat);
    KontrolaStavuZvierata(DBLookupComboBoxZvieraStat->Kluc(), DBEditZvieraCislo->text(), true, AktKod, AktSkupina);
    if (AktKod == QLatin1String("08") || AktKod == QLatin1String("09"))
        KontrolaMedziobdobia();
}

bool TFormNovyPrisun::KontrolaStavuZvierata(const QString &stat, const QString &cislo, bool prevziat,
                                            const QString &kod, const QString &skupina)
{
    StavZvierata = m_dm.NajdiZviera2(stat, cislo);
    const bool udalostNaFarme = JeSkupina(skupina, "67");
    if (StavZvierata == QLatin1String("2") || StavZvierata == QLatin1String("3")) {
        const QVariant farma = m_dm.Zviera(QStringLiteral("Farma_ID"));
        const QString pohlavie = m_dm.Zviera(QStringLiteral("Pohlavie")).toString();
        const QString uzitZam = m_dm.Zviera(QStringLiteral("UzitZam")).toString();
        const QDate datNar = DatumZRegistra(m_dm.Zviera(QStringLiteral("DatNar")));
        const QString cisFarmy = NacitajCisloFarmy(farma);
        if (!udalostNaFarme) {
            Sprava(QStringLiteral("Dané zviera je už prisunuté na farme ") + cisFarmy +
                   QStringLiteral(". Nemôžem ho prisunuť!"));
            return false;
        }
        if (farma.isNull() || farma.toInt() != FarmaID) {
            Sprava(QStringLiteral("Dané zviera je prisunuté na farme ") + cisFarmy + QStringLiteral(" !"));
            return false;
        }
        if (QStringList{"08", "09", "A1"}.contains(kod) && pohlavie == m_hlavny.KodSamec) {
            Sprava(QStringLiteral("Zmetanie/narodenie mŕtveho teľaťa/zmena úžit.zamerania hlásené býkovi"));
            return false;
        }
        DateTimePickerDatumNarodenia->setDate(datNar);
        // The cow's production type is offered when her number is entered; the
        // save must keep the type the user then chose, or a change of
        // production type (A1) could never be recorded.
        if (prevziat && JeUzitZam(uzitZam))
            DBRadioGroupUzitZam->NastavHodnotu(uzitZam);
        if ((kod == QLatin1String("31") && pohlavie == m_hlavny.KodSamec) ||
            (kod == QLatin1String("32") && pohlavie == m_hlavny.KodSamica)) {
            Sprava(QStringLiteral("Zviera má požadované pohlavie. Netreba robiť opravu"));
            return false;
        }
        DBRadioGroupPohlavie->NastavHodnotu(kod == QLatin1String("31") ? m_hlavny.KodSamec : m_hlavny.KodSamica);
        return true;
    }

    if (StavZvierata == QLatin1String("1")) {
        if (prevziat && ((skupina < QLatin1String("6") && !JeKodBitunku(kod)) || skupina > QLatin1String("7")))
            PrevezmiZRegistra();
        if (udalostNaFarme) {
            Sprava(QStringLiteral("Dané zviera už nie je na farme !"));
            return false;
        }
        QString sql;
        QString parameter;
        QString hodnota;
        const QString zaklad = QStringLiteral(
            "SELECT * FROM  pohyby p, kodudal k  WHERE p.udal_id = k.udal_id AND k.typ = 'O' AND ");
        const QString zviera = QStringLiteral(
            " AND p.farma_id = :pFarma AND p.DatUdal=:pDatum AND p.ZVStat=:pZStat AND p.JCNARV=:pCislo");
        if (skupina == QLatin1String("5") || skupina == QLatin1String("8")) {
            sql = zaklad + (skupina == QLatin1String("5") ? QStringLiteral("(k.Kod='40' OR k.kod='41')")
                                                          : QStringLiteral("(k.Kod='51' OR k.kod='61')")) + zviera;
        } else if (skupina == QLatin1String("9")) {
            sql = zaklad + QStringLiteral("k.Kod=:pkod1") + zviera + QStringLiteral(" AND p.POStat=:pStat");
            parameter = QStringLiteral(":pStat");
            hodnota = DBLookupComboBoxStatPrisunu->Kluc();
        } else if (kod == QLatin1String("97")) {
            sql = QStringLiteral("SELECT * FROM pohyby p, kodudal k  WHERE p.udal_id = k.udal_id AND k.typ = 'O' AND "
                                 "k.Kod=:pkod1") + zviera + QStringLiteral(" AND p.POCisFarmy=:pPOCisFarmy");
            parameter = QStringLiteral(":pPOCisFarmy");
            hodnota = DBEditFarmaPrisunu->text().trimmed();
        }
        if (sql.isEmpty())
            return true;
        QSqlQuery odsun(m_dm.ADOConnectionVuradeDE());
        odsun.prepare(sql);
        if (sql.contains(QLatin1String(":pkod1")))
            odsun.bindValue(QStringLiteral(":pkod1"), skupina == QLatin1String("9") ? "80" : "00");
        if (!parameter.isEmpty())
            odsun.bindValue(parameter, hodnota);
        odsun.bindValue(QStringLiteral(":pFarma"), FarmaID);
        odsun.bindValue(QStringLiteral(":pDatum"), FormatujDatum(DateTimePickerDatumPrisunu->date(), FormatSQL));
        odsun.bindValue(QStringLiteral(":pZStat"), stat);
        odsun.bindValue(QStringLiteral(":pCislo"), cislo);
        Otvor(odsun);
        if (!odsun.first()) {
            Sprava(QStringLiteral("Neexistuje rušený odsun pre dané zviera. Nemôže byť vykonaný pohyb ZRUŠENIE "
                                  "OMYLOM...!"));
            return false;
        }
        return true;
    }

    if (udalostNaFarme) {
        Sprava(QStringLiteral("Dané zviera nie je na farme. Nemôžete mu hlásiť zmetanie/narod.mŕtv.teľaťa/zmenu "
                              "úžit.zamer.!"));
        return false;
    }
    // A new animal's sex follows the code in groups 1 to 4. Elsewhere female is
    // only the first offer when the number is entered: the save must keep the
    // sex the user then chose, or every bought bull would be stored as a cow.
    if (JeSkupina(skupina, "1234"))
        DBRadioGroupPohlavie->NastavHodnotu(PohlaviePodlaKodu(kod));
    else if (prevziat)
        DBRadioGroupPohlavie->NastavHodnotu(m_hlavny.KodSamica);
    return true;
}

// An animal back from no farm: its register data fill the fields.
void TFormNovyPrisun::PrevezmiZRegistra()
{
    const auto text = [this](const char *stlpec) { return m_dm.Zviera(QString::fromLatin1(stlpec)).toString(); };
    DBEditUsneCisloLave->setText(text("LUC"));
    DBEditUsneCisloPrave->setText(text("PUC"));
    DBLookupComboBoxPovodnyStat->NastavKluc(text("PovZVStat"));
    DBEditPovodneCislo->setText(text("PovJCNARV"));
    DateTimePickerDatumNarodenia->setDate(DatumZRegistra(m_dm.Zviera(QStringLiteral("DatNar"))));
    QString pohlavie = text("Pohlavie");
    DBRadioGroupPohlavie->NastavHodnotu(pohlavie);
    const std::array<const char *, 5> plemena = {"Pl1", "Pl2", "Pl3", "Pl4", "Pl5"};
    const std::array<const char *, 4> podiely = {"pk1", "pk2", "pk3", "pk4"};
    for (int i = 0; i < 5; ++i) {
        m_plemena[i]->NastavKluc(text(plemena[i]));
        if (i < 4)
            m_podiely[i]->setText(TextPodielu(m_dm.Zviera(QString::fromLatin1(podiely[i]))));
    }
    DBLookupComboBoxFarba->NastavKluc(text("KodFarby"));
    DBLookupComboBoxLinia->NastavKluc(text("Otlinia"));
    EditOtecRegister->setText(text("otregister"));
    DBLookupComboBoxPodielKrvi->NastavKluc(text("KodPKrvi"));
    DBLookupComboBoxMajitel->NastavKluc(text("Vlastnik_id"));
    DBLookupComboBoxMatkaStat->NastavKluc(text("MaStat"));
    DBEditMatkaCislo->setText(text("MaJCNARV"));
    DBLookupComboBoxOtecStat->NastavKluc(text("OtStat"));
    DBEditOtecCislo->setText(text("OtJCNARV"));

    PohlaviePodlaUdalosti(pohlavie);
}

bool TFormNovyPrisun::PohlaviePodlaUdalosti(QString &pohlavie)
{
    const QString pozadovane = PozadovanePohlavie(AktKod);
    if (!JeSkupina(AktSkupina, "1234") || pozadovane.isEmpty() || pohlavie == pozadovane)
        return true;
    if (!Otazka(QStringLiteral("Pohlavie zvieraťa neodpovedá kódu prísunu. Opraviť pohlavie ? ")))
        return Odmietni(QStringLiteral("Nesprávne pohlavie zvieraťa !"));
    DBRadioGroupPohlavie->NastavHodnotu(pozadovane);
    pohlavie = pozadovane;
    return true;
}

void TFormNovyPrisun::OznamVekMatky(const QString &text)
{
    if (ZvolenaUdalost() == 32 &&
        CeleDni(DateTimePickerDatumNarodenia->date(), DateTimePickerDatumPrisunu->date()) < 540)
        Informacia(text);
}

void TFormNovyPrisun::DateTimePickerDatumPrisunuExit()
{
    // The age is judged on the birth date as typed, before the arrival date replaces it.
    if (OpustenyDatumNarodenia)
        OznamVekMatky(textVekMatky);
    DateTimePickerDatumNarodenia->setDate(DateTimePickerDatumPrisunu->date());
    OpustenyDatumPrisunu = true;
    ZobrazPocitadloDni();
}

void TFormNovyPrisun::DateTimePickerDatumNarodeniaExit()
{
    if (JeSkupina(AktSkupina, "14")) {
        DateTimePickerDatumPrisunu->setDate(DateTimePickerDatumNarodenia->date());
        LabelPocDni->setText(TextPocitadlaDni +
                             QString::number(CeleDni(QDate::currentDate(), DateTimePickerDatumPrisunu->date())));
    }
    if (DateTimePickerDatumNarodenia->date() > DateTimePickerDatumPrisunu->date()) {
        ChybovyBoxPrisunu(QStringLiteral("Dátum narodenia je väčší ako dátum prísunu!"));
        if (AktSkupina != QLatin1String("6"))
            DateTimePickerDatumNarodenia->setFocus();
    }
    OpustenyDatumNarodenia = true;
    if (OpustenyDatumPrisunu)
        OznamVekMatky(textVekMatky + QLatin1Char(')'));
}

void TFormNovyPrisun::DBEditFarmaPrisunuExit()
{
    if (ZvolenaUdalost() == 0)
        return;
    switch (KontrolaOznaceniaFarmy(DBEditFarmaPrisunu->text(), AktSkupina)) {
    case TOznacenieFarmy::Spravne:
        return;
    case TOznacenieFarmy::KratkeOznacenie:
        ChybovyBoxPrisunu(QStringLiteral("Nesprávne označenie farmy. Má mať 6 znakov !"));
        break;
    case TOznacenieFarmy::Nekorektne:
        ChybovyBoxPrisunu(QStringLiteral("Nekorektne uvedené označenie farmy !"));
        break;
    }
    DBEditFarmaPrisunu->setFocus();
}

void TFormNovyPrisun::SpeedButtonNajdiFarmuClick()
{
    FormSFarmy.NastavVyber(true);
    FormSFarmy.exec();
    if (!FormSFarmy.VybraneCislo().isEmpty())
        DBEditFarmaPrisunu->setText(FormSFarmy.VybraneCislo());
    DBEditFarmaPrisunu->setFocus();
}

void TFormNovyPrisun::NastavZvStat()
{
    if (AktSkupina != QLatin1String("3"))
        return;
    const QString stat = DBLookupComboBoxStatPrisunu->Kluc();
    if (stat.isEmpty() || stat == m_hlavny.DomaciStat) {
        ChybovyBoxPrisunu(QStringLiteral("Nie je zadaný štát prísunu pri importe alebo je nesprávny !"));
        DBLookupComboBoxStatPrisunu->setFocus();
        return;
    }
    DBLookupComboBoxZvieraStat->NastavKluc(stat);
}

void TFormNovyPrisun::DBEditMatkaCisloExit()
{
    DoplnNuly(DBEditMatkaCislo);
    const QString cislo = DBEditMatkaCislo->text();
    if (!cislo.isEmpty() && DBLookupComboBoxMatkaStat->Kluc().isEmpty())
        DBLookupComboBoxMatkaStat->NastavKluc(m_hlavny.DomaciStat);
    if (!cislo.isEmpty()) {
        StavZvierata = m_dm.NajdiZviera2(DBLookupComboBoxMatkaStat->Kluc(), cislo);
        const QString pohlavie = m_dm.Zviera(QStringLiteral("pohlavie")).toString();
        const QString uzitZam = m_dm.Zviera(QStringLiteral("UzitZam")).toString();
        const bool vRegistri = StavZvierata > QLatin1String("0");
        if (JeSkupina(AktSkupina, "147")) {
            bool spravne = true;
            if (StavZvierata == QLatin1String("0") || StavZvierata == QLatin1String("1"))
                spravne = Otazka(QStringLiteral("Matka nie je na farme. Je to správne  ? "));
            else if (StavZvierata == QLatin1String("3"))
                spravne = Otazka(QStringLiteral("Matka je na farme ") +
                                 NacitajCisloFarmy(m_dm.Zviera(QStringLiteral("Farma_ID"))) +
                                 QStringLiteral(". Je to správne  ? "));
            if (!spravne)
                DBEditMatkaCislo->setFocus();
        }
        if (vRegistri && pohlavie == m_hlavny.KodSamec) {
            ChybovyBoxPrisunu(QStringLiteral("Zviera uvedené ako matka je samec !"));
            DBEditMatkaCislo->setFocus();
        }
        MatkaVRegistri = vRegistri;
        if (MatkaVRegistri && JeSkupina(AktSkupina, "14") && JeUzitZam(uzitZam))
            DBRadioGroupUzitZam->NastavHodnotu(uzitZam);
    }
    KontrolaMedziobdobia();
}

void TFormNovyPrisun::DBEditDonorkaCisloExit()
{
    DoplnNuly(DBEditDonorkaCislo);
    const QString cislo = DBEditDonorkaCislo->text();
    if (cislo.isEmpty())
        return;
    if (DBLookupComboBoxDonorkaStat->Kluc().isEmpty())
        DBLookupComboBoxDonorkaStat->NastavKluc(m_hlavny.DomaciStat);
    DonorkaNaFarme = m_dm.NajdiZviera(DBLookupComboBoxDonorkaStat->Kluc(), cislo);
    if (DonorkaNaFarme && m_dm.Zviera(QStringLiteral("pohlavie")).toString() == m_hlavny.KodSamec) {
        ChybovyBoxPrisunu(QStringLiteral("Zviera uvedené ako donorka je samec !"));
        DBEditDonorkaCislo->setFocus();
    }
}

void TFormNovyPrisun::DBEditOtecCisloExit()
{
    DoplnNuly(DBEditOtecCislo);
    if (!DBEditOtecCislo->text().isEmpty() && DBLookupComboBoxOtecStat->Kluc().isEmpty())
        DBLookupComboBoxOtecStat->NastavKluc(m_hlavny.DomaciStat);
}

void TFormNovyPrisun::EditOtecRegisterExit()
{
    const QString text = EditOtecRegister->text().trimmed();
    // The register keeps the number in a small integer column.
    if (!JeKladneCislo(text) || text.toInt() > NajvacsiRegisterOtca) {
        ChybovyBoxPrisunu(QStringLiteral("Nekorektne uvedené číslo NARV !"));
        return;
    }
    if (text.size() < 3)
        EditOtecRegister->setText(text.rightJustified(3, QLatin1Char('0')));
}

void TFormNovyPrisun::DBRadioGroupPohlavieClick()
{
    DBLookupComboBoxPlemeno1->setFocus();
}

void TFormNovyPrisun::DBLookupComboBoxPlemenoExit(int n)
{
    m_podiely[n - 1]->setFocus();
}

TPodielyKrvi TFormNovyPrisun::PodielyKrvi() const
{
    TPodielyKrvi podiely;
    for (int i = 0; i < 4; ++i) {
        podiely.Plemena[i] = m_plemena[i]->Kluc();
        podiely.Podiely[i] = CitajCislo(m_podiely[i]->text(), FormatSQL).value_or(0);
    }
    return podiely;
}

void TFormNovyPrisun::DBEditkrvExit(int n)
{
    using TFokus = TVysledokPodielu::TFokus;
    const TVysledokPodielu vysledok = PravidloPodielu(n, PodielyKrvi());
    if (vysledok.ChybaNad100)
        UkazSpravu(QStringLiteral("Chyba: Podiel krvi > 100"), QString(), TIkona::Chyba);
    if (vysledok.ChybaBezPlemena)
        UkazSpravu(QStringLiteral("Chyba: Podiel krvi zadaný a plemeno nezadané"), QString(), TIkona::Chyba);
    if (vysledok.NovyPodiel)
        m_podiely[n - 1]->setText(FormatujCislo(*vysledok.NovyPodiel, FormatSQL));
    if (vysledok.VyprazdniPlemeno)
        m_plemena[n - 1]->NastavKluc({});
    for (int i = vysledok.VyprazdniOd; i >= 1 && i <= 4; ++i) {
        m_plemena[i - 1]->NastavKluc({});
        m_podiely[i - 1]->clear();
    }
    switch (vysledok.Fokus) {
    case TFokus::Ziadny: break;
    case TFokus::Podiel: m_podiely[n - 1]->setFocus(); break;
    case TFokus::Plemeno: m_plemena[n - 1]->setFocus(); break;
    case TFokus::Farba: DBLookupComboBoxFarba->setFocus(); break;
    case TFokus::LiniaOtca: DBLookupComboBoxLinia->setFocus(); break;
    }
}

void TFormNovyPrisun::DBRadioGroupUzitZamClick()
{
    if (JeUzitZam(DBRadioGroupUzitZam->Hodnota()) && JeSkupina(AktSkupina, "14") &&
        (DBEditMatkaCislo->text().isEmpty() || !MatkaVRegistri)) {
        ChybovyBoxPrisunu(QStringLiteral("Nie je matka. Zmením úžitkové zameranie na nezadané !"));
        DBRadioGroupUzitZam->NastavHodnotu(QStringLiteral("0"));
    }
}

void TFormNovyPrisun::DBLookupComboBoxPodielKrviEnter()
{
    const auto [od, po] = RozsahSkladby(DBLookupComboBoxPlemeno2->Kluc(), DBLookupComboBoxPlemeno3->Kluc(),
                                        DBLookupComboBoxPlemeno4->Kluc());
    ADOQueryPodiely.bindValue(QStringLiteral(":minkod"), od);
    ADOQueryPodiely.bindValue(QStringLiteral(":maxkod"), po);
    Otvor(ADOQueryPodiely);
    DBLookupComboBoxPodielKrvi->Napln(ADOQueryPodiely, QStringLiteral("CisKod"), QStringLiteral("skladba"));
    if (po == QLatin1String("00"))
        DBLookupComboBoxPodielKrvi->NastavKluc(po);
}

// Whole days from the cow's last calving or abortion that no later event
// cancelled to the arrival date; none when there is no such event.
std::optional<int> TFormNovyPrisun::DniOdPoslednehoOtelenia(const QString &stat, const QString &cislo)
{
    ADOQueryMedziobdobie.bindValue(QStringLiteral(":pStatM"), stat);
    ADOQueryMedziobdobie.bindValue(QStringLiteral(":pCisM"), cislo);
    ADOQueryMedziobdobie.bindValue(QStringLiteral(":pStatM2"), stat);
    ADOQueryMedziobdobie.bindValue(QStringLiteral(":pCisM2"), cislo);
    Otvor(ADOQueryMedziobdobie);
    if (!ADOQueryMedziobdobie.first())
        return std::nullopt;
    const QDate datum = ADOQueryMedziobdobie.value(QStringLiteral("DatUdal")).toDate();
    if (!datum.isValid())
        return std::nullopt;
    return CeleDni(DateTimePickerDatumPrisunu->date(), datum);
}

void TFormNovyPrisun::KontrolaMedziobdobia()
{
    const int udalost = ZvolenaUdalost();
    if (udalost == 0)
        return;
    const QString text270 = QStringLiteral("Obdobie, ktoré uplynulo medzi práve hláseným a iným otelením u zvolenej "
                                           "matky, je menej ako 270 dní ! (Uplynulo %1 dní.)");
    if (udalost == 1 || udalost == 2) {
        if (DBLookupComboBoxMatkaStat->currentText().isEmpty() || DBEditMatkaCislo->text().isEmpty())
            return;
        const std::optional<int> dni =
            DniOdPoslednehoOtelenia(DBLookupComboBoxMatkaStat->currentText(), DBEditMatkaCislo->text());
        if (dni && *dni > 0 && *dni < 270)
            Informacia(text270.arg(*dni));
    } else if (udalost == 33 || udalost == 30) {
        if (DBLookupComboBoxZvieraStat->currentText().isEmpty() || DBEditZvieraCislo->text().isEmpty())
            return;
        const std::optional<int> dni =
            DniOdPoslednehoOtelenia(DBLookupComboBoxZvieraStat->currentText(), DBEditZvieraCislo->text());
        if (!dni)
            return;
        if (udalost == 33 && *dni < 210)
            Informacia(QStringLiteral("Obdobie, ktoré uplynulo medzi práve hláseným zmetaním a iným otelením u "
                                      "zvolenej matky, je menej ako 210 dní ! (Uplynulo %1 dní.)")
                           .arg(*dni));
        else if (udalost == 30 && *dni < 270)
            Informacia(text270.arg(*dni));
    } else if (udalost == 32 && OpustenyDatumPrisunu && OpustenyDatumNarodenia) {
        OznamVekMatky(textVekMatky);
    }
}
