#include "FNaseFarmy.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlTableModel>
#include <QTableView>
#include <QVBoxLayout>

#include "DMHlavny.h"
#include "UNavigatorTabulky.h"
#include "UOvladanie.h"
#include "USpolocne.h"
#include "USpravy.h"
#include "USql.h"

namespace {

struct TDetail
{
    QLineEdit *TFormNaseFarmy::*edit;
    const char *stlpec;
    int dlzka;  // of the FarlLic column
    const char *popis;
    const char *nadpis;  // heading above the edit's row, if any
    bool drzitel;        // the keeper's data, shown beside the farm's
};

// The details of the shown farm, in tab order.
const TDetail detaily[] = {
    {&TFormNaseFarmy::DBEditNazov, "Nazov", 64, "Názov", nullptr, false},
    {&TFormNaseFarmy::DBEditUlica, "Ulica", 30, "Ulica", "Adresa", false},
    {&TFormNaseFarmy::DBEditPCislo, "PCislo", 10, "Popis.číslo:", nullptr, false},
    {&TFormNaseFarmy::DBEditPSC, "PSC", 5, "PSČ:", nullptr, false},
    {&TFormNaseFarmy::DBEditObec, "Obec", 40, "Obec:", nullptr, false},
    {&TFormNaseFarmy::DBEditDTitulPred, "DTitulPred", 10, "Titul pred: ", "Držiteľ farmy", true},
    {&TFormNaseFarmy::DBEditDMeno, "DMeno", 12, "Meno:", nullptr, true},
    {&TFormNaseFarmy::DBEditDPriezvisko, "DPriezvisko", 30, "Priezvisko:", nullptr, true},
    {&TFormNaseFarmy::DBEditDTiltulZa, "DTiltulZa", 5, "Titul za:", nullptr, true},
    {&TFormNaseFarmy::DBEditDPSC, "DPSC", 5, "PSČ:", nullptr, true},
    {&TFormNaseFarmy::DBEditDUlica, "DUlica", 30, "Ulica:", nullptr, true},
    {&TFormNaseFarmy::DBEditDPCislo, "DPCislo", 10, "Popis.číslo:", nullptr, true},
    {&TFormNaseFarmy::DBEditDObec, "DObec", 40, "Obec:", nullptr, true},
    {&TFormNaseFarmy::DBEditDTelefon, "DTelefon", 15, "Telefón", nullptr, true},
    {&TFormNaseFarmy::DBEditDFax, "DFax", 15, "Fax:", nullptr, true},
    {&TFormNaseFarmy::DBEditDEmail, "DEmail", 30, "E Mail:", nullptr, true},
};

// The assignments of the details save, in the order of its statement.
const QPair<const char *, QLineEdit *TFormNaseFarmy::*> priradeniaUlozenia[] = {
    {"Nazov = '", &TFormNaseFarmy::DBEditNazov},
    {"Ulica = '", &TFormNaseFarmy::DBEditUlica},
    {"Obec  = '", &TFormNaseFarmy::DBEditObec},
    {"PCislo = '", &TFormNaseFarmy::DBEditPCislo},
    {"PSC = '", &TFormNaseFarmy::DBEditPSC},
    {"DTitulPred = '", &TFormNaseFarmy::DBEditDTitulPred},
    {"DMeno = '", &TFormNaseFarmy::DBEditDMeno},
    {"DPriezvisko = '", &TFormNaseFarmy::DBEditDPriezvisko},
    {"DTiltulZa = '", &TFormNaseFarmy::DBEditDTiltulZa},
    {"DUlica = '", &TFormNaseFarmy::DBEditDUlica},
    {"DObec = '", &TFormNaseFarmy::DBEditDObec},
    {"DPCislo = '", &TFormNaseFarmy::DBEditDPCislo},
    {"DPSC = '", &TFormNaseFarmy::DBEditDPSC},
    {"DTelefon = '", &TFormNaseFarmy::DBEditDTelefon},
    {"DFax = '", &TFormNaseFarmy::DBEditDFax},
    {"DEmail = '", &TFormNaseFarmy::DBEditDEmail},
};

void HlasBezFariem()
{
    UkazSpravu(QStringLiteral("Nie sú evidované žiadne licenčné farmy !"), QStringLiteral("Zoznam fariem"),
               TIkona::Chyba);
}

QLabel *Nadpis(const char *text, QWidget *rodic)
{
    auto *nadpis = new QLabel(QString::fromUtf8(text), rodic);
    nadpis->setStyleSheet(QStringLiteral("font-weight: bold;"));
    return nadpis;
}

} // namespace

TFormNaseFarmy::TFormNaseFarmy(TDataModuleHlavny &dm, TSpolocneUdaje &hlavny, QWidget *parent)
    : QDialog(parent), m_dm(dm), m_hlavny(hlavny)
{
    setObjectName(QStringLiteral("FormNaseFarmy"));

    ADOQueryFarLic2 = new QSqlTableModel(this, m_dm.ADOConnectionVuradeDE());
    ADOQueryFarLic2->setObjectName(QStringLiteral("ADOQueryFarLic2"));
    ADOQueryFarLic2->setTable(QStringLiteral("FarlLic"));
    ADOQueryFarLic2->setEditStrategy(QSqlTableModel::OnManualSubmit);

    GroupBoxZoznamFarmy = new QGroupBox(QStringLiteral("Zoznam našich fariem"), this);
    GroupBoxZoznamFarmy->setObjectName(QStringLiteral("GroupBoxZoznamFarmy"));
    DBGridNFarmy = new QTableView(GroupBoxZoznamFarmy);
    DBGridNFarmy->setObjectName(QStringLiteral("DBGridNFarmy"));
    DBGridNFarmy->setModel(ADOQueryFarLic2);
    DBGridNFarmy->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGridNFarmy->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGridNFarmy->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGridNFarmy->horizontalHeader()->setStretchLastSection(true);
    const int stlpecCisla = ADOQueryFarLic2->fieldIndex(QStringLiteral("CisFarmy"));
    const int stlpecNazvu = ADOQueryFarLic2->fieldIndex(QStringLiteral("Nazov"));
    for (int stlpec = 0; stlpec < ADOQueryFarLic2->columnCount(); ++stlpec)
        DBGridNFarmy->setColumnHidden(stlpec, stlpec != stlpecCisla && stlpec != stlpecNazvu);
    ADOQueryFarLic2->setHeaderData(stlpecCisla, Qt::Horizontal, QStringLiteral("Číslo farmy"));
    ADOQueryFarLic2->setHeaderData(stlpecNazvu, Qt::Horizontal, QStringLiteral("Názov farmy"));
    auto *zoznam = new QVBoxLayout(GroupBoxZoznamFarmy);
    zoznam->addWidget(DBGridNFarmy);

    GroupBoxVyberFarmy = new QGroupBox(QStringLiteral("Výber aktuálnej farmy"), this);
    GroupBoxVyberFarmy->setObjectName(QStringLiteral("GroupBoxVyberFarmy"));
    ComboBoxNFarmy = new QComboBox(GroupBoxVyberFarmy);
    ComboBoxNFarmy->setObjectName(QStringLiteral("ComboBoxNFarmy"));
    connect(ComboBoxNFarmy, &QComboBox::currentIndexChanged, this, &TFormNaseFarmy::ComboBoxNaseFarmyChange);
    auto *vyber = new QVBoxLayout(GroupBoxVyberFarmy);
    vyber->addWidget(ComboBoxNFarmy);

    VytvorDetaily();

    DBNavigatorNFarmy =
        new TNavigatorTabulky(DBGridNFarmy, TNavigatorTabulky::Pohyb + QList{TNavigatorTabulky::Potvrd}, this);
    DBNavigatorNFarmy->setObjectName(QStringLiteral("DBNavigatorNFarmy"));
    DBNavigatorNFarmy->PrenesUpravy = [this](int riadok) { PrenesDetaily(riadok); };
    connect(DBNavigatorNFarmy, &TNavigatorTabulky::RiadokZobrazeny, this, &TFormNaseFarmy::ZobrazDetaily);

    BitBtnUloz = new QPushButton(QStringLiteral("Ulož zmeny detailov farmy"), this);
    BitBtnUloz->setObjectName(QStringLiteral("BitBtnUloz"));
    connect(BitBtnUloz, &QPushButton::clicked, this, &TFormNaseFarmy::BitBtnUlozClick);
    BitBtnOK = new QPushButton(QStringLiteral("Ulož výber farmy"), this);
    BitBtnOK->setObjectName(QStringLiteral("BitBtnOK"));
    connect(BitBtnOK, &QPushButton::clicked, this, &TFormNaseFarmy::BitBtnOKClick);

    auto *tlacidla = new QHBoxLayout;
    tlacidla->addWidget(BitBtnUloz);
    tlacidla->addStretch();
    tlacidla->addWidget(BitBtnOK);
    auto *rozlozenie = new QVBoxLayout(this);
    rozlozenie->addWidget(GroupBoxZoznamFarmy, 1);
    rozlozenie->addWidget(GroupBoxVyberFarmy);
    rozlozenie->addWidget(GroupBoxDetaily);
    rozlozenie->addWidget(DBNavigatorNFarmy);
    rozlozenie->addLayout(tlacidla);
    resize(640, 560);
    // Enter moves on through the details; "Ulož výber farmy" is pressed, not defaulted.
    PosunNaEnter(this);
}

void TFormNaseFarmy::VytvorDetaily()
{
    GroupBoxDetaily = new QGroupBox(QStringLiteral("Detaily farmy"), this);
    GroupBoxDetaily->setObjectName(QStringLiteral("GroupBoxDetaily"));
    DBTextCisFarmy = new QLabel(GroupBoxDetaily);
    DBTextCisFarmy->setObjectName(QStringLiteral("DBTextCisFarmy"));
    DBTextCisFarmy->setToolTip(QStringLiteral("Registračné číslo aktuálnej farmy"));

    auto *farma = new QFormLayout;
    auto *drzitel = new QFormLayout;
    farma->addRow(QStringLiteral("Register"), DBTextCisFarmy);
    QWidget *predosly = nullptr;
    for (const TDetail &detail : detaily) {
        auto *edit = new QLineEdit(GroupBoxDetaily);
        edit->setObjectName(QStringLiteral("DBEdit") + QLatin1String(detail.stlpec));
        edit->setMaxLength(detail.dlzka);
        this->*detail.edit = edit;
        QFormLayout *strana = detail.drzitel ? drzitel : farma;
        if (detail.nadpis)
            strana->addRow(Nadpis(detail.nadpis, GroupBoxDetaily));
        strana->addRow(QString::fromUtf8(detail.popis), edit);
        if (predosly)
            setTabOrder(predosly, edit);
        predosly = edit;
    }
    DBEditNazov->setToolTip(QStringLiteral("názov aktuálnej farmy"));

    auto *rozlozenie = new QHBoxLayout(GroupBoxDetaily);
    rozlozenie->addLayout(farma);
    rozlozenie->addSpacing(20);
    rozlozenie->addLayout(drzitel);
}

// The list with its navigator, or the drop-down choice with its button.
void TFormNaseFarmy::NastavRezim(bool zoznam)
{
    m_zoznam = zoznam;
    GroupBoxZoznamFarmy->setVisible(zoznam);
    DBNavigatorNFarmy->setVisible(zoznam);
    GroupBoxVyberFarmy->setVisible(!zoznam);
    BitBtnOK->setVisible(!zoznam);
    setWindowTitle(zoznam ? QStringLiteral("Licenčné farmy - zoznam fariem")
                          : QStringLiteral("Licenčné farmy - vyber aktualnej farmy"));
}

bool TFormNaseFarmy::PripravZoznam()
{
    if (!JeFarma())
        return false;
    NastavRezim(true);
    ADOQueryFarLic2->setFilter(QString());
    return DBNavigatorNFarmy->Otvor();
}

bool TFormNaseFarmy::PripravVyber()
{
    NastavRezim(false);

    const QSignalBlocker bezZmeny(ComboBoxNFarmy);
    ComboBoxNFarmy->clear();
    try {
        // A farm without a name is still listed by its number.
        QSqlQuery farmy(m_dm.ADOConnectionVuradeDE());
        Otvor(farmy, QStringLiteral("SELECT *,CONCAT(CisFarmy,' ',IFNULL(Nazov,'')) AS \n"
                                    "farma, farma_ID  FROM farllic"));
        while (farmy.next())
            ComboBoxNFarmy->addItem(farmy.value(QStringLiteral("farma")).toString(),
                                    farmy.value(QStringLiteral("farma_ID")).toInt());
    } catch (const TChybaSql &chyba) {
        UkazChybu(chyba.Text());
        return false;
    }
    if (ComboBoxNFarmy->count() == 0) {
        HlasBezFariem();
        return false;
    }
    // Without a current farm among them the first farm is shown, so that
    // "Ulož výber farmy" never makes a missing farm current.
    ComboBoxNFarmy->setCurrentIndex(qMax(ComboBoxNFarmy->findData(m_hlavny.AktFarmaID), 0));
    OtvorFarmu(ComboBoxNFarmy->currentData().toInt());
    return true;
}

bool TFormNaseFarmy::JeFarma()
{
    try {
        if (m_dm.JeVlastnaFarma())
            return true;
        HlasBezFariem();
    } catch (const TChybaSql &chyba) {
        UkazChybu(chyba.Text());
    }
    return false;
}

void TFormNaseFarmy::OtvorFarmu(int farmaId)
{
    ADOQueryFarLic2->setFilter(QStringLiteral("Farma_ID=") + QString::number(farmaId));
    DBNavigatorNFarmy->Otvor();
}

void TFormNaseFarmy::ComboBoxNaseFarmyChange(int polozka)
{
    if (polozka >= 0)
        OtvorFarmu(ComboBoxNFarmy->itemData(polozka).toInt());
}

void TFormNaseFarmy::ZobrazDetaily(int riadok)
{
    const QSqlRecord zaznam = riadok >= 0 ? ADOQueryFarLic2->record(riadok) : QSqlRecord();
    const auto text = [&zaznam](const char *stlpec) {
        return zaznam.contains(QLatin1String(stlpec)) ? zaznam.value(QLatin1String(stlpec)).toString() : QString();
    };
    DBTextCisFarmy->setText(text("CisFarmy"));
    for (const TDetail &detail : detaily)
        (this->*detail.edit)->setText(text(detail.stlpec));
}

// What the user typed into the details goes into the shown row of the farm
// query, to be stored with it.
void TFormNaseFarmy::PrenesDetaily(int riadok)
{
    for (const TDetail &detail : detaily) {
        const QLineEdit *edit = this->*detail.edit;
        if (edit->isModified())
            ADOQueryFarLic2->setData(
                ADOQueryFarLic2->index(riadok, ADOQueryFarLic2->fieldIndex(QLatin1String(detail.stlpec))),
                edit->text());
    }
}

QVariant TFormNaseFarmy::Hodnota(const char *stlpec) const
{
    const int riadok = DBNavigatorNFarmy->Riadok();
    return riadok < 0 ? QVariant() : ADOQueryFarLic2->record(riadok).value(QLatin1String(stlpec));
}

void TFormNaseFarmy::BitBtnUlozClick()
{
    if (DBNavigatorNFarmy->Riadok() < 0)
        return;
    const int farmaId = Hodnota("Farma_ID").toInt();
    QStringList priradenia;
    for (const auto &[priradenie, edit] : priradeniaUlozenia)
        priradenia << QLatin1String(priradenie) + SqlEsc((this->*edit)->text());
    const QString sql = QStringLiteral("UPDATE FarlLic SET ") + priradenia.join(QStringLiteral("', ")) +
                        QStringLiteral("' WHERE farma_id = ") + QString::number(farmaId);
    try {
        TTransakcia transakcia(m_dm.ADOConnectionVuradeDE());
        m_dm.ADOCommandPom.CommandText = sql;
        m_dm.ADOCommandPom.Execute();
        transakcia.Commit();
    } catch (const TChybaSql &chyba) {
        UkazChybu(chyba.Text());
        return;
    }
    // Confirmed once the change is committed, not while it could still fail.
    UkazSpravu(QStringLiteral("Zmeny boli uložené."), windowTitle(), TIkona::Informacia);
    DBNavigatorNFarmy->Otvor();
    // The main window shows the current farm's name and hands it to the
    // other windows: a renamed current farm is renamed there too.
    if (farmaId == m_hlavny.AktFarmaID) {
        m_hlavny.AktNazovFarmy = Hodnota("Nazov").toString();
        m_hlavny.ZobrazAktFarmu();
    }
}

void TFormNaseFarmy::BitBtnOKClick()
{
    if (DBNavigatorNFarmy->Riadok() < 0)
        return;
    m_hlavny.AktFarmaID = Hodnota("Farma_ID").toInt();
    m_hlavny.AktCisFarmy = Hodnota("CisFarmy").toString();
    m_hlavny.AktNazovFarmy = Hodnota("Nazov").toString();
    m_hlavny.ZobrazAktFarmu();
    m_hlavny.UlozAktFarmu();
}

void TFormNaseFarmy::done(int vysledok)
{
    if (m_zoznam && !DBNavigatorNFarmy->Uloz())
        return;
    QDialog::done(vysledok);
}

void TFormNaseFarmy::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_hlavny.SkryPohlady();
}
