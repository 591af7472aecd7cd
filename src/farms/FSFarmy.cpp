#include "FSFarmy.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QTableView>
#include <QVBoxLayout>

#include "DMHlavny.h"
#include "UOvladaceDB.h"
#include "UOvladanie.h"
#include "USpravy.h"
#include "USql.h"

namespace {

// The columns of the list: CisFarmy, Nazov, NazovP, obec, ulica, pcislo, PSC.
const QStringList titulkyStlpcov = {QStringLiteral("číslo farmy"), QStringLiteral("názov farmy"),
                                    QStringLiteral("názov podniku"), QStringLiteral("obec"),
                                    QStringLiteral("ulica"), QStringLiteral("popisné číslo"),
                                    QStringLiteral("PSČ")};
// The columns of the farm's number and names: "hľadaj názov" looks in one of
// the names, "Usporiadať podľa" orders by the number or one of the names.
const QString stlpecCisla = QStringLiteral("CisFarmy");
const QStringList stlpceNazvov = {QStringLiteral("Nazov"), QStringLiteral("NazovP"), QStringLiteral("Obec")};

} // namespace

TFormSFarmy::TFormSFarmy(TDataModuleHlavny &dm, QWidget *parent) : QDialog(parent), m_dm(dm)
{
    setObjectName(QStringLiteral("FormSFarmy"));
    setWindowTitle(QStringLiteral("Farmy Slovenska"));

    ADOQuerySFarmy = new QSqlQueryModel(this);
    ADOQuerySFarmy->setObjectName(QStringLiteral("ADOQuerySFarmy"));
    DBGridSFarmy = new QTableView(this);
    DBGridSFarmy->setObjectName(QStringLiteral("DBGridSFarmy"));
    DBGridSFarmy->setModel(ADOQuerySFarmy);
    DBGridSFarmy->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGridSFarmy->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGridSFarmy->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGridSFarmy->horizontalHeader()->setStretchLastSection(true);
    connect(DBGridSFarmy, &QTableView::doubleClicked, this, &TFormSFarmy::DBGridSFarmyDblClick);

    EditCislo = new QLineEdit(this);
    EditCislo->setObjectName(QStringLiteral("EditCislo"));
    EditCislo->setMaxLength(6);
    EditNazov = new QLineEdit(this);
    EditNazov->setObjectName(QStringLiteral("EditNazov"));
    RadioGroupNazov = new TRadioHodnoty(
        QStringLiteral("hľadaj názov"), {QStringLiteral("farmy"), QStringLiteral("podniku"), QStringLiteral("obce")},
        stlpceNazvov, this);
    RadioGroupNazov->setObjectName(QStringLiteral("RadioGroupNazov"));
    RadioGroupNazov->NastavHodnotu(stlpceNazvov.first());
    BitBtnVyhladaj = new QPushButton(QStringLiteral("&Vyhľadaj"), this);
    BitBtnVyhladaj->setObjectName(QStringLiteral("BitBtnVyhladaj"));
    connect(BitBtnVyhladaj, &QPushButton::clicked, this, &TFormSFarmy::BitBtnVyhladajClick);

    RadioGroupTriedenie = new TRadioHodnoty(QStringLiteral("Usporiadať podľa"),
                                            {QStringLiteral("čísla farmy"), QStringLiteral("názvu farmy"),
                                             QStringLiteral("názvu podniku"), QStringLiteral("názvu obce")},
                                            QStringList{stlpecCisla} + stlpceNazvov, this);
    RadioGroupTriedenie->setObjectName(QStringLiteral("RadioGroupTriedenie"));
    connect(RadioGroupTriedenie, &TRadioHodnoty::Click, this, &TFormSFarmy::RadioGroupTriedenieClick);

    BitBtnVyber = new QPushButton(QStringLiteral("Výber"), this);
    BitBtnVyber->setObjectName(QStringLiteral("BitBtnVyber"));
    connect(BitBtnVyber, &QPushButton::clicked, this, &TFormSFarmy::BitBtnVyberClick);
    BitBtnZavriet = new QPushButton(QStringLiteral("&Koniec"), this);
    BitBtnZavriet->setObjectName(QStringLiteral("BitBtnZavriet"));
    connect(BitBtnZavriet, &QPushButton::clicked, this, &QDialog::reject);

    auto *hladanie = new QGridLayout;
    hladanie->addWidget(new QLabel(QStringLiteral("Číslo :"), this), 0, 0);
    hladanie->addWidget(EditCislo, 0, 1);
    hladanie->addWidget(new QLabel(QStringLiteral("Názov :"), this), 1, 0);
    hladanie->addWidget(EditNazov, 1, 1);
    hladanie->addWidget(BitBtnVyhladaj, 2, 1);
    hladanie->addWidget(RadioGroupNazov, 0, 2, 3, 1);
    auto *tlacidla = new QVBoxLayout;
    tlacidla->addWidget(BitBtnVyber);
    tlacidla->addWidget(BitBtnZavriet);
    tlacidla->addStretch();
    auto *spodok = new QHBoxLayout;
    spodok->addLayout(hladanie);
    spodok->addWidget(RadioGroupTriedenie);
    spodok->addStretch();
    spodok->addLayout(tlacidla);
    auto *rozlozenie = new QVBoxLayout(this);
    rozlozenie->addWidget(DBGridSFarmy, 1);
    rozlozenie->addLayout(spodok);
    resize(820, 560);
    PosunNaEnter(this);
}

void TFormSFarmy::NastavVyber(bool vyber)
{
    BitBtnVyber->setVisible(vyber);
}

void TFormSFarmy::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormActivate();
}

// Each showing starts over: the list by farm number, no search, no choice.
void TFormSFarmy::FormActivate()
{
    m_cislo.clear();
    m_nazov.clear();
    EditCislo->clear();
    EditNazov->clear();
    RadioGroupTriedenie->NastavHodnotu(stlpecCisla);
    OtvorZoznam();
}

void TFormSFarmy::RadioGroupTriedenieClick()
{
    OtvorZoznam();
}

void TFormSFarmy::OtvorZoznam()
{
    const QString parTried = RadioGroupTriedenie->Hodnota();
    ADOQuerySFarmy->setQuery(QStringLiteral("select CisFarmy, Nazov, NazovP, obec, ulica, pcislo,PSC from farmy\n"
                                            "order by ") +
                                 parTried,
                             m_dm.ADOConnectionVuradeDE());
    if (ADOQuerySFarmy->lastError().isValid()) {
        UkazChybu(TextChyby(ADOQuerySFarmy->lastError()));
        return;
    }
    // The search walks the whole list.
    while (ADOQuerySFarmy->canFetchMore())
        ADOQuerySFarmy->fetchMore();
    for (int stlpec = 0; stlpec < titulkyStlpcov.size(); ++stlpec)
        ADOQuerySFarmy->setHeaderData(stlpec, Qt::Horizontal, titulkyStlpcov[stlpec]);
    DBGridSFarmy->selectRow(0);
}

// The first row in the list's order whose number begins with `cislo` and
// whose name chosen by "hľadaj názov" begins with `nazov`; an empty text
// matches every row. Letter case counts only for a number sought alone.
int TFormSFarmy::Najdi(const QString &cislo, const QString &nazov) const
{
    const int stlpecNazvu = ADOQuerySFarmy->record().indexOf(RadioGroupNazov->Hodnota());
    const Qt::CaseSensitivity pismenaCisla = nazov.isEmpty() ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (int riadok = 0; riadok < ADOQuerySFarmy->rowCount(); ++riadok) {
        const QString cisloRiadku = ADOQuerySFarmy->index(riadok, 0).data().toString();
        const QString nazovRiadku = ADOQuerySFarmy->index(riadok, stlpecNazvu).data().toString();
        if (cisloRiadku.startsWith(cislo, pismenaCisla) && nazovRiadku.startsWith(nazov, Qt::CaseInsensitive))
            return riadok;
    }
    return -1;
}

void TFormSFarmy::BitBtnVyhladajClick()
{
    const QString cislo = EditCislo->text();
    const QString nazov = EditNazov->text();
    if (cislo.isEmpty() && nazov.isEmpty())
        return;
    const int riadok = Najdi(cislo, nazov);
    if (riadok < 0) {
        UkazSpravu(QStringLiteral("Daná farma nie je v databáze!"), windowTitle(), TIkona::Ziadna);
    } else {
        DBGridSFarmy->selectRow(riadok);
        DBGridSFarmy->scrollTo(DBGridSFarmy->currentIndex());
    }
    EditCislo->clear();
    EditNazov->clear();
    DBGridSFarmy->setFocus();
}

void TFormSFarmy::BitBtnVyberClick()
{
    const int riadok = DBGridSFarmy->currentIndex().row();
    if (riadok < 0)
        return;
    m_cislo = ADOQuerySFarmy->index(riadok, 0).data().toString();
    m_nazov = ADOQuerySFarmy->index(riadok, 1).data().toString();
    accept();
}

void TFormSFarmy::DBGridSFarmyDblClick()
{
    BitBtnVyberClick();
}
