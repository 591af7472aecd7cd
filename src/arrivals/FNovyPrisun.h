#pragma once

#include <QDialog>
#include <QList>
#include <QSqlQuery>
#include <array>
#include <optional>

#include "FSFarmy.h"
#include "UDefinicie.h"
#include "UPravidlaPrisunu.h"

class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSqlQueryModel;
class QStatusBar;
class QTableView;
class QToolButton;
class TChybaSql;
class TDataModuleHlavny;
class TLookupCombo;
class TRadioHodnoty;
class TSpolocneUdaje;

// The arrival window's error box; a database failure reads "Chyba: " and the
// server's message.
void ChybovyBoxPrisunu(const QString &text);
void ChybaDatabazyPrisunu(const TChybaSql &chyba);

// A new arrival of one animal on the current farm: a birth, a purchase, an
// import, a cancelled departure or an event on a cow already on the farm.
// The event's edit group and code decide which fields are open, each field is
// checked as it is left, and "&Ulož" writes the movement and brings the
// animal's register row into step in one transaction.
class TFormNovyPrisun : public QDialog
{
    Q_OBJECT

public:
    TFormNovyPrisun(TDataModuleHlavny &dm, TSpolocneUdaje &hlavny, QWidget *parent = nullptr);

    // The current farm's id; set by the main window before showing.
    int FarmaID = 0;

    QString AktKod;
    QString AktSkupina;
    QString PoznamkaUdalosti;
    QString StavZvierata;
    bool MatkaVRegistri = false;
    bool DonorkaNaFarme = false;
    bool JeMajitel = false;
    bool OpustenyDatumPrisunu = false;
    bool OpustenyDatumNarodenia = false;

    // Controls of the entry area, in tab order.
    TLookupCombo *DBLookupComboBoxUdalost;
    QDateEdit *DateTimePickerDatumPrisunu;
    QLineEdit *DBEditFarmaPrisunu;
    QToolButton *SpeedButtonNajdiFarmu;
    TLookupCombo *DBLookupComboBoxStatPrisunu;
    QLabel *LabelPocDni;
    TLookupCombo *DBLookupComboBoxZvieraStat;
    QLineEdit *DBEditZvieraCislo;
    TLookupCombo *DBLookupComboBoxPovodnyStat;
    QLineEdit *DBEditPovodneCislo;
    QDateEdit *DateTimePickerDatumNarodenia;
    TRadioHodnoty *DBRadioGroupPohlavie;
    TLookupCombo *DBLookupComboBoxPlemeno1;
    QLineEdit *DBEditkrv1;
    TLookupCombo *DBLookupComboBoxPlemeno2;
    QLineEdit *DBEditkrv2;
    TLookupCombo *DBLookupComboBoxPlemeno3;
    QLineEdit *DBEditkrv3;
    TLookupCombo *DBLookupComboBoxPlemeno4;
    QLineEdit *DBEditkrv4;
    TLookupCombo *DBLookupComboBoxPlemeno5;
    TLookupCombo *DBLookupComboBoxPodielKrvi;
    TLookupCombo *DBLookupComboBoxFarba;
    TLookupCombo *DBLookupComboBoxLinia;
    QLineEdit *EditOtecRegister;
    TLookupCombo *DBLookupComboBoxOtecStat;
    QLineEdit *DBEditOtecCislo;
    TLookupCombo *DBLookupComboBoxMatkaStat;
    QLineEdit *DBEditMatkaCislo;
    TLookupCombo *DBLookupComboBoxDonorkaStat;
    QLineEdit *DBEditDonorkaCislo;
    QLineEdit *DBEditUsneCisloLave;
    QLineEdit *DBEditUsneCisloPrave;
    QLabel *LabelMajitel;
    TLookupCombo *DBLookupComboBoxMajitel;
    TRadioHodnoty *DBRadioGroupUzitZam;
    QPushButton *BitBtnUloz;
    QPushButton *BitBtnKoniec;
    QGroupBox *GroupBoxPrisuny;
    QTableView *DBGridPrisuny;
    QStatusBar *StatusBarPrisuny;

    QSqlQueryModel *ADOQueryPrisuny;
    TFormSFarmy FormSFarmy;

    // Window life cycle and event rules.
    void FormShow();
    void FormClose();
    void NastavEdit();
    void DBLookupComboBoxUdalostExit();
    void VycistiFormular();
    void VycistiZviera();
    void DataSourcePrisunyDataChange();

    // Field handlers.
    void DBEditZvieraCisloExit();
    bool KontrolaStavuZvierata(const QString &stat, const QString &cislo, bool prevziat, const QString &kod,
                               const QString &skupina);
    void DateTimePickerDatumPrisunuExit();
    void DateTimePickerDatumNarodeniaExit();
    void DBEditFarmaPrisunuExit();
    void SpeedButtonNajdiFarmuClick();
    void NastavZvStat();
    void DBEditMatkaCisloExit();
    void DBEditDonorkaCisloExit();
    void DBEditOtecCisloExit();
    void EditOtecRegisterExit();
    void DBRadioGroupPohlavieClick();
    void DBLookupComboBoxPlemenoExit(int n);  // breed 1 to 4
    void DBEditkrvExit(int n);                // share 1 to 4
    void DBRadioGroupUzitZamClick();
    void DBLookupComboBoxPodielKrviEnter();
    void KontrolaMedziobdobia();

    // Save.
    void BitBtnUlozClick();
    void NacitajPrisun();
    bool KontrolaPrisunu();

protected:
    void showEvent(QShowEvent *udalost) override;
    bool eventFilter(QObject *objekt, QEvent *udalost) override;

private:
    // One row of the event list.
    struct TUdalost
    {
        int Id = 0;
        QString Kod;
        QString Poznamka;
        QString PreEdit;
    };

    void VytvorOvladace();
    void VytvorRozlozenie();
    void PripojObsluhy();
    void PripravDotazy();
    void OtvorZoznamy();
    void OtvorPrisuny();
    void ZobrazPocitadloDni();
    QString NacitajCisloFarmy(const QVariant &farmaId);
    const TUdalost *NajdiUdalost(int id) const;
    int ZvolenaUdalost() const;
    QString TitulokOkna() const;
    TPodielyKrvi PodielyKrvi() const;
    void PrevezmiZRegistra();
    std::optional<int> DniOdPoslednehoOtelenia(const QString &stat, const QString &cislo);
    void OznamVekMatky(const QString &text);
    bool Odmietni(const QString &text, QWidget *fokus = nullptr);
    // The sex the event asks for in groups 1 to 4: a different one is put right
    // when the user agrees; false (after the error box) when the user declines.
    bool PohlaviePodlaUdalosti(QString &pohlavie);
    QString PrikazPohybu(const QString &rusenie) const;
    QString PrikazVlozeniaZvierata(bool et, bool import) const;
    QString PrikazObnoveniaZvierata(bool et, bool import) const;
    void PredvyplnDalsie(const TPrisun &ulozeny);

    TDataModuleHlavny &m_dm;
    TSpolocneUdaje &m_hlavny;
    TPrisun m_prisun;
    QList<TUdalost> m_udalosti;
    std::array<TLookupCombo *, 5> m_plemena{};
    std::array<QLineEdit *, 4> m_podiely{};

    QSqlQuery ADOQueryUdalosti;
    QSqlQuery ADOQueryStaty;
    QSqlQuery ADOQueryPlemena;
    QSqlQuery ADOQueryPodiely;
    QSqlQuery ADOQueryLinie;
    QSqlQuery ADOQueryFarby;
    QSqlQuery ADOQueryVlastnik;
    QSqlQuery ADOQueryMedziobdobie;
};
