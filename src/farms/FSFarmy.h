#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class QSqlQueryModel;
class QTableView;
class TDataModuleHlavny;
class TRadioHodnoty;

// The farms of Slovakia (table Farmy): searchable, sortable, and the picker
// of a farm number for the other windows:
//     SFarmy.NastavVyber(true);
//     if (SFarmy.exec() == QDialog::Accepted) cislo = SFarmy.VybraneCislo();
class TFormSFarmy : public QDialog
{
    Q_OBJECT

public:
    explicit TFormSFarmy(TDataModuleHlavny &dm, QWidget *parent = nullptr);

    // With "Výber" (a caller picks a farm) or without it (the list alone).
    void NastavVyber(bool vyber);
    // The farm chosen in the last showing; both empty when none was chosen.
    QString VybraneCislo() const { return m_cislo; }
    QString VybranyNazov() const { return m_nazov; }

    QTableView *DBGridSFarmy;
    QLineEdit *EditCislo;
    QLineEdit *EditNazov;
    TRadioHodnoty *RadioGroupNazov;
    QPushButton *BitBtnVyhladaj;
    TRadioHodnoty *RadioGroupTriedenie;
    QPushButton *BitBtnVyber;
    QPushButton *BitBtnZavriet;

    QSqlQueryModel *ADOQuerySFarmy;

    void BitBtnVyhladajClick();
    void RadioGroupTriedenieClick();
    void BitBtnVyberClick();
    void DBGridSFarmyDblClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormActivate();
    void OtvorZoznam();
    int Najdi(const QString &cislo, const QString &nazov) const;

    TDataModuleHlavny &m_dm;
    QString m_cislo;
    QString m_nazov;
};
