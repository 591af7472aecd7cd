#include "FMajitelia.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlTableModel>
#include <QTableView>
#include <QVBoxLayout>

#include "DMHlavny.h"
#include "UIco.h"
#include "UNavigatorTabulky.h"
#include "USpolocne.h"
#include "USpravy.h"
#include "USql.h"

namespace {

const QString titulok = QStringLiteral("Zoznam majiteľov");

// The grid's columns and their captions; other columns of vlastnik stay hidden.
const QPair<const char *, const char *> stlpce[] = {
    {"ICO_RC", "IČO"},     {"PNazov", "Názov firmy"}, {"TitulPred", "Titul pred"}, {"Meno", "Meno"},
    {"Priezvisko", "Priezvisko"}, {"TitulZa", "Titul za"}, {"ICD", "DIČ"},   {"Obec", "Obec"},
    {"Ulica", "Ulica"},    {"PCislo", "Popisné číslo"}, {"DPosta", "Pošta"},  {"PSC", "PSČ"},
    {"Telefon", "Telefón"}, {"Fax", "Fax"},           {"EMail", "Mail"},
};

// A double click chooses the owner, so it does not open a cell for editing.
constexpr QAbstractItemView::EditTriggers upravaBunky =
    QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked;

} // namespace

TFormMajitelia::TFormMajitelia(TDataModuleHlavny &dm, TSpolocneUdaje &hlavny, QWidget *parent)
    : QDialog(parent), m_dm(dm), m_hlavny(hlavny)
{
    setObjectName(QStringLiteral("FormMajitelia"));
    setWindowTitle(titulok);

    ADOQueryMajitelia = new QSqlTableModel(this, m_dm.ADOConnectionVuradeDE());
    ADOQueryMajitelia->setObjectName(QStringLiteral("ADOQueryMajitelia"));
    ADOQueryMajitelia->setTable(QStringLiteral("vlastnik"));
    ADOQueryMajitelia->setEditStrategy(QSqlTableModel::OnManualSubmit);
    connect(ADOQueryMajitelia, &QSqlTableModel::beforeInsert, this, &TFormMajitelia::ADOQueryMajiteliaBeforePost);
    connect(ADOQueryMajitelia, &QSqlTableModel::beforeUpdate, this,
            [this](int, QSqlRecord &zaznam) { ADOQueryMajiteliaBeforePost(zaznam); });

    GroupBoxMajitelia = new QGroupBox(QStringLiteral("Zoznam majiteľov zvierat"), this);
    GroupBoxMajitelia->setObjectName(QStringLiteral("GroupBoxMajitelia"));
    DBGridMajitelia = new QTableView(GroupBoxMajitelia);
    DBGridMajitelia->setObjectName(QStringLiteral("DBGridMajitelia"));
    DBGridMajitelia->setModel(ADOQueryMajitelia);
    DBGridMajitelia->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int stlpec = 0; stlpec < ADOQueryMajitelia->columnCount(); ++stlpec)
        DBGridMajitelia->setColumnHidden(stlpec, true);
    for (const auto &[stlpec, popis] : stlpce) {
        const int index = ADOQueryMajitelia->fieldIndex(QLatin1String(stlpec));
        DBGridMajitelia->setColumnHidden(index, false);
        ADOQueryMajitelia->setHeaderData(index, Qt::Horizontal, QString::fromUtf8(popis));
    }
    connect(DBGridMajitelia, &QTableView::doubleClicked, this, &TFormMajitelia::DBGridMajiteliaDblClick);
    auto *skupina = new QVBoxLayout(GroupBoxMajitelia);
    skupina->addWidget(DBGridMajitelia);

    DBNavigatorMajitelia = new TNavigatorTabulky(DBGridMajitelia, TNavigatorTabulky::Vsetky, this);
    DBNavigatorMajitelia->setObjectName(QStringLiteral("DBNavigatorMajitelia"));
    DBNavigatorMajitelia->PotvrdVymazanie = [this](int riadok) { return PotvrdVymazanie(riadok); };

    BitBtnVyber = new QPushButton(QStringLiteral("Výber majiteľa"), this);
    BitBtnVyber->setObjectName(QStringLiteral("BitBtnVyber"));
    connect(BitBtnVyber, &QPushButton::clicked, this, &TFormMajitelia::BitBtnVyberClick);

    auto *spodok = new QHBoxLayout;
    spodok->addWidget(DBNavigatorMajitelia);
    spodok->addStretch();
    spodok->addWidget(BitBtnVyber);
    auto *rozlozenie = new QVBoxLayout(this);
    rozlozenie->addWidget(GroupBoxMajitelia, 1);
    rozlozenie->addLayout(spodok);
    resize(900, 500);
    NastavVyber(false);
}

void TFormMajitelia::NastavVyber(bool vyber)
{
    BitBtnVyber->setVisible(vyber);
    BitBtnVyber->setEnabled(vyber);
    DBNavigatorMajitelia->setVisible(!vyber);
    DBNavigatorMajitelia->setEnabled(!vyber);
    // Without the navigator an edited row could be neither posted nor cancelled.
    DBGridMajitelia->setEditTriggers(vyber ? QAbstractItemView::NoEditTriggers : upravaBunky);
}

void TFormMajitelia::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_ico.clear();
    DBNavigatorMajitelia->Otvor();
}

void TFormMajitelia::BitBtnVyberClick()
{
    // A typed company number is chosen as it is stored, padded.
    if (!DBNavigatorMajitelia->Uloz())
        return;
    const int riadok = DBNavigatorMajitelia->Riadok();
    if (riadok < 0)
        return;
    m_ico = ADOQueryMajitelia->record(riadok).value(QStringLiteral("ICO_RC")).toString();
    accept();
}

void TFormMajitelia::DBGridMajiteliaDblClick()
{
    BitBtnVyberClick();
}

void TFormMajitelia::ADOQueryMajiteliaBeforePost(QSqlRecord &zaznam)
{
    const QString ico = zaznam.value(QStringLiteral("ICO_RC")).toString();
    const QString doplnene = DoplnNulyICO(ico);
    if (doplnene == ico)
        return;
    zaznam.setValue(QStringLiteral("ICO_RC"), doplnene);
    zaznam.setGenerated(QStringLiteral("ICO_RC"), true);
}

// Animals keep their owner by Vlastnik_ID, and nothing in the database stops
// the deletion of an owner they still name: the question says so.
bool TFormMajitelia::PotvrdVymazanie(int riadok)
{
    const QSqlRecord majitel = ADOQueryMajitelia->record(riadok);
    const QString nazov = majitel.value(QStringLiteral("PNazov")).toString().trimmed().isEmpty()
                              ? majitel.value(QStringLiteral("Priezvisko")).toString() + QLatin1Char(' ') +
                                    majitel.value(QStringLiteral("Meno")).toString()
                              : majitel.value(QStringLiteral("PNazov")).toString();
    const QString popis = (majitel.value(QStringLiteral("ICO_RC")).toString() + QLatin1Char(' ') + nazov).simplified();
    int zvierat = 0;
    if (!majitel.isNull(QStringLiteral("Vlastnik_ID"))) {
        try {
            QSqlQuery pocet(m_dm.ADOConnectionVuradeDE());
            Otvor(pocet, QStringLiteral("SELECT COUNT(*) FROM RegZv WHERE Vlastnik_ID = ") +
                             QString::number(majitel.value(QStringLiteral("Vlastnik_ID")).toInt()));
            zvierat = pocet.next() ? pocet.value(0).toInt() : 0;
        } catch (const TChybaSql &chyba) {
            UkazChybu(chyba.Text());
            return false;
        }
    }
    if (zvierat > 0)
        return UkazSpravu(QStringLiteral("Majiteľ ") + popis + QStringLiteral(" je v registri priradený zvieratám: ") +
                              QString::number(zvierat) + QStringLiteral(".\nNaozaj ho chcete vymazať ?"),
                          titulok, TIkona::Varovanie, TTlacidla::AnoNie, TOdpoved::Nie) == TOdpoved::Ano;
    return UkazSpravu(QStringLiteral("Naozaj chcete vymazať majiteľa ") + popis + QStringLiteral(" ?"), titulok,
                      TIkona::Otazka, TTlacidla::AnoNie, TOdpoved::Nie) == TOdpoved::Ano;
}

void TFormMajitelia::done(int vysledok)
{
    if (!DBNavigatorMajitelia->Uloz())
        return;
    QDialog::done(vysledok);
    try {
        m_hlavny.NastavPriradenieMajitela();
    } catch (const TChybaSql &chyba) {
        UkazChybu(chyba.Text());
    }
}
