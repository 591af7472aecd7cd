#pragma once

#include <QDialog>

class QGroupBox;
class QPushButton;
class QSqlRecord;
class QSqlTableModel;
class QTableView;
class TDataModuleHlavny;
class TNavigatorTabulky;
class TSpolocneUdaje;

// The owners of animals (table vlastnik): edited in the grid, and the picker
// of an owner for the other windows:
//     Majitelia.NastavVyber(true);
//     if (Majitelia.exec() == QDialog::Accepted) ico = Majitelia.VybraneICO();
class TFormMajitelia : public QDialog
{
    Q_OBJECT

public:
    TFormMajitelia(TDataModuleHlavny &dm, TSpolocneUdaje &hlavny, QWidget *parent = nullptr);

    // Choosing (a caller picks an owner: "Výber majiteľa", a read-only grid)
    // or editing (the menu "M&ajitelia": the navigator, cells edited in place).
    void NastavVyber(bool vyber);
    // ICO_RC of the owner chosen in the last showing; empty when none was chosen.
    QString VybraneICO() const { return m_ico; }

    QGroupBox *GroupBoxMajitelia;
    QTableView *DBGridMajitelia;
    TNavigatorTabulky *DBNavigatorMajitelia;
    QPushButton *BitBtnVyber;

    QSqlTableModel *ADOQueryMajitelia;

    void BitBtnVyberClick();
    void DBGridMajiteliaDblClick();
    // A company number of 1 to 7 characters is stored padded to 8.
    void ADOQueryMajiteliaBeforePost(QSqlRecord &zaznam);

    // The owner still typed is stored first (when that fails the window stays
    // open with it); then the main window's owner assignment follows the list.
    void done(int vysledok) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    bool PotvrdVymazanie(int riadok);

    TDataModuleHlavny &m_dm;
    TSpolocneUdaje &m_hlavny;
    QString m_ico;
};
