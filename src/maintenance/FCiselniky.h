#pragma once

#include <QDialog>

#include "UNavigatorTabulky.h"

class QSqlQueryModel;
class QSqlTableModel;
class QTabWidget;
class QTableView;
class TDataModuleHlavny;

// The code lists: event codes, states, breeds, colours and sire lines, each
// on its own tab. Only the sire lines may be changed.
class TFormCiselniky : public QDialog
{
    Q_OBJECT

public:
    explicit TFormCiselniky(TDataModuleHlavny &dm, QWidget *parent = nullptr);

    QTabWidget *PageControlCiselniky;
    QTableView *DBGridKody;
    QTableView *DBGridStaty;
    QTableView *DBGridPlemena;
    QTableView *DBGridFarby;
    QTableView *DBGridLinie;
    TNavigatorTabulky *DBNavigatorKody;
    TNavigatorTabulky *DBNavigatorStaty;
    TNavigatorTabulky *DBNavigatorPlemena;
    TNavigatorTabulky *DBNavigatorFarby;
    TNavigatorTabulky *DBNavigatorLinie;

    QSqlQueryModel *ADOTableKodUdal;
    QSqlQueryModel *ADOTableStaty;
    QSqlQueryModel *ADOTablePlemena;
    QSqlQueryModel *ADOTableFarby;
    QSqlTableModel *ADOTableLinie;

    // Reads every code list again; runs each time the window is shown.
    void FormActivate();

    // Closing stores the sire lines still pending; when that fails the
    // window stays open with the rows as typed.
    void done(int vysledok) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void PridajZalozku(const QString &nazov, const QString &titulok, QSqlQueryModel *model,
                       const QList<TNavigatorTabulky::TTlacidlo> &tlacidla, QTableView *&grid,
                       TNavigatorTabulky *&navigator);
};
