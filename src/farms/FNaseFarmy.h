#pragma once

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSqlTableModel;
class QTableView;
class TDataModuleHlavny;
class TNavigatorTabulky;
class TSpolocneUdaje;

// The farms kept by this installation (FarlLic): a list of them with their
// details, or the choice of the main window's current farm; the details of
// the shown farm can be changed in both.
//
// The main window prepares it for one of the two uses, then shows it:
//     if (NaseFarmy.PripravVyber()) { NaseFarmy.exec(); VyberAktFarmu(); }
class TFormNaseFarmy : public QDialog
{
    Q_OBJECT

public:
    TFormNaseFarmy(TDataModuleHlavny &dm, TSpolocneUdaje &hlavny, QWidget *parent = nullptr);

    // "&Moje farmy": every own farm in the grid, its details below. False,
    // after the message box, when no own farm is recorded.
    bool PripravZoznam();
    // "&Výber farmy": the current farm chosen in the drop-down list, which
    // starts at the main window's current farm. False, after the message
    // box, when no own farm is recorded.
    bool PripravVyber();

    QGroupBox *GroupBoxZoznamFarmy;
    QTableView *DBGridNFarmy;
    QGroupBox *GroupBoxVyberFarmy;
    QComboBox *ComboBoxNFarmy;
    QGroupBox *GroupBoxDetaily;
    QLabel *DBTextCisFarmy;
    QLineEdit *DBEditNazov;
    QLineEdit *DBEditUlica;
    QLineEdit *DBEditPCislo;
    QLineEdit *DBEditPSC;
    QLineEdit *DBEditObec;
    QLineEdit *DBEditDTitulPred;
    QLineEdit *DBEditDMeno;
    QLineEdit *DBEditDPriezvisko;
    QLineEdit *DBEditDTiltulZa;
    QLineEdit *DBEditDPSC;
    QLineEdit *DBEditDUlica;
    QLineEdit *DBEditDPCislo;
    QLineEdit *DBEditDObec;
    QLineEdit *DBEditDTelefon;
    QLineEdit *DBEditDFax;
    QLineEdit *DBEditDEmail;
    QPushButton *BitBtnUloz;
    TNavigatorTabulky *DBNavigatorNFarmy;
    QPushButton *BitBtnOK;

    // The farm query: every own farm in list mode, the chosen one in choice mode.
    QSqlTableModel *ADOQueryFarLic2;

    void ComboBoxNaseFarmyChange(int polozka);
    void BitBtnOKClick();
    void BitBtnUlozClick();

    // In list mode the details still typed are stored before the window closes;
    // when that fails it stays open with them.
    void done(int vysledok) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void VytvorDetaily();
    void NastavRezim(bool zoznam);
    bool JeFarma();
    void OtvorFarmu(int farmaId);
    void ZobrazDetaily(int riadok);
    void PrenesDetaily(int riadok);
    QVariant Hodnota(const char *stlpec) const;

    TDataModuleHlavny &m_dm;
    TSpolocneUdaje &m_hlavny;
    bool m_zoznam = false;
};
