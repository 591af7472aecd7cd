#include "FCiselniky.h"

#include <QHeaderView>
#include <QShowEvent>
#include <QSqlQueryModel>
#include <QSqlTableModel>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include "DMHlavny.h"

TFormCiselniky::TFormCiselniky(TDataModuleHlavny &dm, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormCiselniky"));
    setWindowTitle(QStringLiteral("Číselníky"));
    resize(760, 480);

    PageControlCiselniky = new QTabWidget(this);
    PageControlCiselniky->setObjectName(QStringLiteral("PageControlCiselniky"));
    auto *rozlozenie = new QVBoxLayout(this);
    rozlozenie->addWidget(PageControlCiselniky);

    const QSqlDatabase db = dm.ADOConnectionVuradeDE();
    const auto zoznam = [this, &db](const QString &nazov, const QString &titulok, const QString &sql,
                                    const QStringList &titulky, const QList<TNavigatorTabulky::TTlacidlo> &tlacidla,
                                    QSqlQueryModel *&model, QTableView *&grid, TNavigatorTabulky *&navigator) {
        model = new QSqlQueryModel(this);
        model->setObjectName(QStringLiteral("ADOTable") + nazov);
        PridajZalozku(nazov, titulok, model, tlacidla, grid, navigator);
        grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
        navigator->NacitajZoznam = [model, sql, titulky, db] {
            model->setQuery(sql, db);
            for (int i = 0; i < titulky.size(); ++i)
                model->setHeaderData(i, Qt::Horizontal, titulky[i]);
        };
    };
    zoznam(QStringLiteral("Kody"), QStringLiteral("Kódy udalosti"),
           QStringLiteral("SELECT Popis, Typ, Poznamka, platny FROM kodudal WHERE typ <> 'X' ORDER BY Udal_ID"),
           {QStringLiteral("Kod - Popis"), QStringLiteral("Typ"), QStringLiteral("Poznámka"), QStringLiteral("platný")},
           TNavigatorTabulky::Vsetky, ADOTableKodUdal, DBGridKody, DBNavigatorKody);
    zoznam(QStringLiteral("Staty"), QStringLiteral("Štáty"),
           QStringLiteral("SELECT KodSt, NazSt, EU FROM tabstat ORDER BY KodSt"),
           {QStringLiteral("Kód štátu"), QStringLiteral("Názov štátu"), QStringLiteral("EU")},
           TNavigatorTabulky::Pohyb, ADOTableStaty, DBGridStaty, DBNavigatorStaty);
    zoznam(QStringLiteral("Plemena"), QStringLiteral("Plemená"),
           QStringLiteral("SELECT * FROM plemena ORDER BY KodPl12"), {}, TNavigatorTabulky::Pohyb, ADOTablePlemena,
           DBGridPlemena, DBNavigatorPlemena);
    zoznam(QStringLiteral("Farby"), QStringLiteral("Farby"), QStringLiteral("SELECT * FROM farby ORDER BY kod"), {},
           TNavigatorTabulky::Pohyb, ADOTableFarby, DBGridFarby, DBNavigatorFarby);

    ADOTableLinie = new QSqlTableModel(this, db);
    ADOTableLinie->setObjectName(QStringLiteral("ADOTableLinie"));
    ADOTableLinie->setEditStrategy(QSqlTableModel::OnManualSubmit);
    ADOTableLinie->setTable(QStringLiteral("linie"));
    ADOTableLinie->setSort(0, Qt::AscendingOrder);
    PridajZalozku(QStringLiteral("Linie"), QStringLiteral("Linie býkov"), ADOTableLinie, TNavigatorTabulky::Vsetky,
                  DBGridLinie, DBNavigatorLinie);
    DBGridLinie->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                 QAbstractItemView::AnyKeyPressed);
}

// A tab with a grid over the list and its navigator under it.
void TFormCiselniky::PridajZalozku(const QString &nazov, const QString &titulok, QSqlQueryModel *model,
                                   const QList<TNavigatorTabulky::TTlacidlo> &tlacidla, QTableView *&grid,
                                   TNavigatorTabulky *&navigator)
{
    auto *zalozka = new QWidget(PageControlCiselniky);
    zalozka->setObjectName(QStringLiteral("TabSheet") + nazov);
    grid = new QTableView(zalozka);
    grid->setObjectName(QStringLiteral("DBGrid") + nazov);
    grid->setModel(model);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    navigator = new TNavigatorTabulky(grid, tlacidla, zalozka);
    navigator->setObjectName(QStringLiteral("DBNavigator") + nazov);
    auto *rozlozenie = new QVBoxLayout(zalozka);
    rozlozenie->addWidget(grid);
    rozlozenie->addWidget(navigator);
    PageControlCiselniky->addTab(zalozka, titulok);
}

void TFormCiselniky::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormActivate();
}

void TFormCiselniky::FormActivate()
{
    for (TNavigatorTabulky *navigator :
         {DBNavigatorKody, DBNavigatorStaty, DBNavigatorPlemena, DBNavigatorFarby, DBNavigatorLinie})
        navigator->Otvor();
    for (QTableView *grid : {DBGridKody, DBGridStaty, DBGridPlemena, DBGridFarby, DBGridLinie})
        grid->resizeColumnsToContents();
}

void TFormCiselniky::done(int vysledok)
{
    if (DBNavigatorLinie->Uloz())
        QDialog::done(vysledok);
}
