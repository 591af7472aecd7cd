#include "FNovyPrisun.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSqlQueryModel>
#include <QShowEvent>
#include <QStatusBar>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <functional>

#include "DMHlavny.h"
#include "UOvladaceDB.h"
#include "UOvladanie.h"
#include "USpolocne.h"
#include "USpravy.h"
#include "USql.h"

namespace {

// The arrival list: the farm's arrivals, newest recorded first, with the
// event's code and the sex's name.
const char *const sqlPrisuny =
    "SELECT p.ZVStat, p.JCNARV, p.DatUdal, LEFT(k.Popis, 2) AS kod2, k.Popis, p.POCisFarmy, p.PoStat, p.DatNar,\n"
    "  c.popis AS popis_2, p.OtLinia, p.Otregister, p.MaStat, p.MaJCNARV, p.DatUh, p.PL1, p.Pk1, p.PL2, p.Pk2,\n"
    "  p.PL3, p.Pk3, p.PL4, p.Pk4, p.PL5, p.KodFarby, p.PovStat, p.PovNARV, p.DonorStat, p.DonorJCNARV, p.DatumEvid\n"
    "FROM \n"
    "  kodudal k, pohyby p\n"
    "LEFT JOIN cpohl c on c.pohl=p.pohlavie  \n"
    "WHERE \n"
    "   p.udal_id = k.udal_id AND\n"
    "   k.typ = 'P' AND\n"
    "  p.farma_id = :Farma\n"
    "ORDER BY p.datumEvid DESC";

const QStringList titulkyStlpcov = {
    "Ušná značka-štát", "Ušná značka-číslo NARV", "Dátum prísunu", "Kód", "Popis udalosti", "Farm-odkiaľ",
    "Štát-odkiaľ", "Dátum narodenia", "Pohlavie"};

const char *const sqlMedziobdobie =
    "select * from pohyby where id_pohybu=(select max(p.id_pohybu) from  Pohyby p\n"
    "where ((p.udal_id <3 AND  p.MaStat = :pStatM and p.MaJCNARV = :pCisM)\n"
    "       OR ((p.udal_id=30 or p.udal_id=33) AND  p.ZvStat = :pStatM2 and p.JCNARV = :pCisM2))\n"
    "       and (SELECT count(*) from pohyby h where p.ZvStat=h.zvstat and p.JCNARV=h.JCNARV AND\n"
    "       p.DatUdal=h.DatUdal AND ((p.udal_id<3 AND h.udal_id=26) OR (p.udal_id>3 AND h.udal_id=31)))=0)";

template <typename T>
T *Ovladac(const char *meno, T *ovladac)
{
    ovladac->setObjectName(QString::fromLatin1(meno));
    return ovladac;
}

// A handler bound to a control: a database failure becomes the window's error
// box instead of escaping into the event loop.
std::function<void()> SChybou(std::function<void()> obsluha)
{
    return [obsluha] {
        try {
            obsluha();
        } catch (const TChybaSql &chyba) {
            ChybaDatabazyPrisunu(chyba);
        }
    };
}

} // namespace

void ChybovyBoxPrisunu(const QString &text)
{
    UkazSpravu(text, QStringLiteral("Prísun"), TIkona::Chyba);
}

void ChybaDatabazyPrisunu(const TChybaSql &chyba)
{
    ChybovyBoxPrisunu(QStringLiteral("Chyba: ") + chyba.Text());
}

TFormNovyPrisun::TFormNovyPrisun(TDataModuleHlavny &dm, TSpolocneUdaje &hlavny, QWidget *parent)
    : QDialog(parent), FormSFarmy(dm, this), m_dm(dm), m_hlavny(hlavny)
{
    setObjectName(QStringLiteral("FormNovyPrisun"));
    VytvorOvladace();
    VytvorRozlozenie();
    PripojObsluhy();
    PripravDotazy();
    PosunNaEnter(this);
    setWindowTitle(TitulokOkna());
}

QString TFormNovyPrisun::TitulokOkna() const
{
    return QStringLiteral("Nový prísun (vrátane opravných kódov) na farmu ") + m_hlavny.AktCisFarmy +
           QLatin1Char(' ') + m_hlavny.AktNazovFarmy;
}

void TFormNovyPrisun::VytvorOvladace()
{
    const auto combo = [this](const char *meno, bool deleteMaze = false) {
        auto *c = Ovladac(meno, new TLookupCombo(this));
        c->DeleteMaze = deleteMaze;
        return c;
    };
    const auto edit = [this](const char *meno) { return Ovladac(meno, new QLineEdit(this)); };
    const auto datum = [this](const char *meno) {
        auto *d = Ovladac(meno, new QDateEdit(this));
        d->setCalendarPopup(true);
        d->setDisplayFormat(FormatZobraz.KratkyDatum);
        d->setMinimumDate(NulovyDatum);
        return d;
    };
    const auto *podiel = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,3}(,\\d?)?")), this);

    DBLookupComboBoxUdalost = combo("DBLookupComboBoxUdalost");
    DateTimePickerDatumPrisunu = datum("DateTimePickerDatumPrisunu");
    DBEditFarmaPrisunu = edit("DBEditFarmaPrisunu");
    DBEditFarmaPrisunu->setMaxLength(6);
    SpeedButtonNajdiFarmu = Ovladac("SpeedButtonNajdiFarmu", new QToolButton(this));
    SpeedButtonNajdiFarmu->setText(QStringLiteral("..."));
    SpeedButtonNajdiFarmu->setFocusPolicy(Qt::NoFocus);  // a speed button: Enter and Tab pass it by
    DBLookupComboBoxStatPrisunu = combo("DBLookupComboBoxStatPrisunu");
    LabelPocDni = Ovladac("LabelPocDni", new QLabel(this));
    LabelPocDni->setStyleSheet(QStringLiteral("color: grey"));
    DBLookupComboBoxZvieraStat = combo("DBLookupComboBoxZvieraStat");
    DBEditZvieraCislo = edit("DBEditZvieraCislo");
    DBEditZvieraCislo->setMaxLength(DlzkaCislaZvierata);
    DBLookupComboBoxPovodnyStat = combo("DBLookupComboBoxPovodnyStat", true);
    DBEditPovodneCislo = edit("DBEditPovodneCislo");
    DBEditPovodneCislo->setMaxLength(DlzkaCislaZvierata);
    DateTimePickerDatumNarodenia = datum("DateTimePickerDatumNarodenia");
    DBRadioGroupPohlavie = Ovladac("DBRadioGroupPohlavie",
                                   new TRadioHodnoty(QStringLiteral(" Pohlavie "), {"samec", "samica"}, {"2", "1"}, this));
    const std::array<const char *, 5> menaPlemien = {"DBLookupComboBoxPlemeno1", "DBLookupComboBoxPlemeno2",
                                                    "DBLookupComboBoxPlemeno3", "DBLookupComboBoxPlemeno4",
                                                    "DBLookupComboBoxPlemeno5"};
    const std::array<const char *, 4> menaPodielov = {"DBEditkrv1", "DBEditkrv2", "DBEditkrv3", "DBEditkrv4"};
    for (int i = 0; i < 5; ++i) {
        m_plemena[i] = combo(menaPlemien[i], i > 0);
        if (i < 4) {
            m_podiely[i] = edit(menaPodielov[i]);
            m_podiely[i]->setMaxLength(4);
            m_podiely[i]->setValidator(podiel);
        }
    }
    DBLookupComboBoxPlemeno1 = m_plemena[0];
    DBLookupComboBoxPlemeno2 = m_plemena[1];
    DBLookupComboBoxPlemeno3 = m_plemena[2];
    DBLookupComboBoxPlemeno4 = m_plemena[3];
    DBLookupComboBoxPlemeno5 = m_plemena[4];
    DBEditkrv1 = m_podiely[0];
    DBEditkrv2 = m_podiely[1];
    DBEditkrv3 = m_podiely[2];
    DBEditkrv4 = m_podiely[3];
    DBLookupComboBoxPodielKrvi = combo("DBLookupComboBoxPodielKrvi");
    DBLookupComboBoxFarba = combo("DBLookupComboBoxFarba", true);
    DBLookupComboBoxLinia = combo("DBLookupComboBoxLinia", true);
    EditOtecRegister = edit("EditOtecRegister");
    EditOtecRegister->setMaxLength(5);
    DBLookupComboBoxOtecStat = combo("DBLookupComboBoxOtecStat");
    DBEditOtecCislo = edit("DBEditOtecCislo");
    DBLookupComboBoxMatkaStat = combo("DBLookupComboBoxMatkaStat", true);
    DBEditMatkaCislo = edit("DBEditMatkaCislo");
    DBEditMatkaCislo->setMaxLength(DlzkaCislaZvierata);
    DBLookupComboBoxDonorkaStat = combo("DBLookupComboBoxDonorkaStat", true);
    DBEditDonorkaCislo = edit("DBEditDonorkaCislo");
    DBEditDonorkaCislo->setMaxLength(DlzkaCislaZvierata);
    DBEditUsneCisloLave = edit("DBEditUsneCisloLave");
    DBEditUsneCisloPrave = edit("DBEditUsneCisloPrave");
    LabelMajitel = Ovladac("LabelMajitel", new QLabel(QStringLiteral("Majiteľ: "), this));
    DBLookupComboBoxMajitel = combo("DBLookupComboBoxMajitel", true);
    DBRadioGroupUzitZam = Ovladac("DBRadioGroupUzitZam",
                                  new TRadioHodnoty(QStringLiteral("Úžitkové zameranie kravy"),
                                                    {"dojnica", "dojčiaca krava", "nezadané"}, {"1", "2", "0"}, this));
    BitBtnUloz = Ovladac("BitBtnUloz", new QPushButton(QStringLiteral("&Ulož"), this));
    BitBtnKoniec = Ovladac("BitBtnKoniec", new QPushButton(QStringLiteral("&Koniec"), this));

    // Carried only from the register; never typed.
    for (QWidget *skryty : std::initializer_list<QWidget *>{DBLookupComboBoxPodielKrvi, DBLookupComboBoxOtecStat,
                                                           DBEditOtecCislo, DBEditUsneCisloLave, DBEditUsneCisloPrave}) {
        skryty->hide();
        skryty->setEnabled(false);
    }

    GroupBoxPrisuny = Ovladac("GroupBoxPrisuny", new QGroupBox(QStringLiteral("Zobrazenie prísunov"), this));
    ADOQueryPrisuny = new QSqlQueryModel(this);
    ADOQueryPrisuny->setObjectName(QStringLiteral("ADOQueryPrisuny"));
    DBGridPrisuny = Ovladac("DBGridPrisuny", new QTableView(GroupBoxPrisuny));
    DBGridPrisuny->setModel(ADOQueryPrisuny);
    DBGridPrisuny->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGridPrisuny->setSelectionBehavior(QAbstractItemView::SelectRows);
    StatusBarPrisuny = Ovladac("StatusBarPrisuny", new QStatusBar(this));
    StatusBarPrisuny->setSizeGripEnabled(false);
    StatusBarPrisuny->showMessage(QStringLiteral("Počet záznamov: "));
}

void TFormNovyPrisun::VytvorRozlozenie()
{
    auto *mriezka = new QGridLayout;
    int riadok = 0;
    const auto pridaj = [&](const QString &popis, std::initializer_list<QWidget *> ovladace) {
        if (!popis.isEmpty())
            mriezka->addWidget(new QLabel(popis, this), riadok, 0);
        int stlpec = 1;
        for (QWidget *w : ovladace)
            mriezka->addWidget(w, riadok, stlpec++);
        ++riadok;
    };
    pridaj(QStringLiteral("Udalosť:"), {DBLookupComboBoxUdalost});
    pridaj(QStringLiteral("Dátum prísunu:"), {DateTimePickerDatumPrisunu, LabelPocDni});
    pridaj(QStringLiteral("Farma odkiaľ sa prisúva:"), {DBEditFarmaPrisunu, SpeedButtonNajdiFarmu});
    pridaj(QStringLiteral("Štát odkiaľ sa prisúva:"), {DBLookupComboBoxStatPrisunu});
    pridaj(QStringLiteral("Ušná značka NARV:"), {DBLookupComboBoxZvieraStat, DBEditZvieraCislo});
    pridaj(QStringLiteral("Pôvodná ušná značka:"), {DBLookupComboBoxPovodnyStat, DBEditPovodneCislo});
    pridaj(QStringLiteral("Dátum narodenia:"), {DateTimePickerDatumNarodenia});
    mriezka->addWidget(DBRadioGroupPohlavie, 0, 4, 3, 2);
    mriezka->addWidget(new QLabel(QStringLiteral("% podielu krvi"), this), 3, 5);
    for (int i = 0; i < 5; ++i) {
        mriezka->addWidget(new QLabel(QStringLiteral("Plemeno %1:").arg(i + 1), this), 4 + i, 3);
        mriezka->addWidget(m_plemena[i], 4 + i, 4);
        if (i < 4)
            mriezka->addWidget(m_podiely[i], 4 + i, 5);
    }
    pridaj(QStringLiteral("Farba:"), {DBLookupComboBoxFarba});
    pridaj(QStringLiteral("Línia otca:"), {DBLookupComboBoxLinia});
    pridaj(QStringLiteral("Register otca:"), {EditOtecRegister});
    pridaj(QStringLiteral("Ušná značka matky:"), {DBLookupComboBoxMatkaStat, DBEditMatkaCislo});
    pridaj(QStringLiteral("Donorka:"), {DBLookupComboBoxDonorkaStat, DBEditDonorkaCislo});
    mriezka->addWidget(LabelMajitel, riadok, 0);
    mriezka->addWidget(DBLookupComboBoxMajitel, riadok++, 1, 1, 4);
    mriezka->addWidget(DBRadioGroupUzitZam, 9, 3, 3, 3);

    auto *tlacidla = new QHBoxLayout;
    tlacidla->addStretch();
    tlacidla->addWidget(BitBtnUloz);
    tlacidla->addWidget(BitBtnKoniec);

    auto *zoznam = new QVBoxLayout(GroupBoxPrisuny);
    zoznam->addWidget(DBGridPrisuny);

    auto *hlavne = new QVBoxLayout(this);
    hlavne->addLayout(mriezka);
    hlavne->addLayout(tlacidla);
    hlavne->addWidget(GroupBoxPrisuny, 1);
    hlavne->addWidget(StatusBarPrisuny);
}

void TFormNovyPrisun::PripojObsluhy()
{
    PriOdchode(DBLookupComboBoxUdalost, SChybou([this] { DBLookupComboBoxUdalostExit(); }));
    PriOdchode(DateTimePickerDatumPrisunu, SChybou([this] { DateTimePickerDatumPrisunuExit(); }));
    PriOdchode(DBEditFarmaPrisunu, SChybou([this] { DBEditFarmaPrisunuExit(); }));
    PriOdchode(DBLookupComboBoxStatPrisunu, SChybou([this] { NastavZvStat(); }));
    PriOdchode(DBEditZvieraCislo, SChybou([this] { DBEditZvieraCisloExit(); }));
    PriOdchode(DateTimePickerDatumNarodenia, SChybou([this] { DateTimePickerDatumNarodeniaExit(); }));
    for (int n = 1; n <= 4; ++n) {
        PriOdchode(m_plemena[n - 1], SChybou([this, n] { DBLookupComboBoxPlemenoExit(n); }));
        PriOdchode(m_podiely[n - 1], SChybou([this, n] { DBEditkrvExit(n); }));
    }
    PriOdchode(EditOtecRegister, SChybou([this] { EditOtecRegisterExit(); }));
    PriOdchode(DBEditOtecCislo, SChybou([this] { DBEditOtecCisloExit(); }));
    PriOdchode(DBEditMatkaCislo, SChybou([this] { DBEditMatkaCisloExit(); }));
    PriOdchode(DBEditDonorkaCislo, SChybou([this] { DBEditDonorkaCisloExit(); }));
    DBLookupComboBoxZvieraStat->installEventFilter(this);
    DBLookupComboBoxPodielKrvi->installEventFilter(this);

    // Close-up of the event and dam combos and of the date pickers' calendars.
    connect(DBLookupComboBoxUdalost, &QComboBox::activated, this, SChybou([this] { KontrolaMedziobdobia(); }));
    connect(DBLookupComboBoxMatkaStat, &QComboBox::activated, this, SChybou([this] { KontrolaMedziobdobia(); }));
    for (QDateEdit *datum : {DateTimePickerDatumPrisunu, DateTimePickerDatumNarodenia}) {
        connect(datum->calendarWidget(), &QCalendarWidget::clicked, this, SChybou([this] { KontrolaMedziobdobia(); }));
        connect(datum->calendarWidget(), &QCalendarWidget::activated, this, SChybou([this] { KontrolaMedziobdobia(); }));
    }
    connect(SpeedButtonNajdiFarmu, &QToolButton::clicked, this, [this] { SpeedButtonNajdiFarmuClick(); });
    connect(DBRadioGroupPohlavie, &TRadioHodnoty::Click, this, &TFormNovyPrisun::DBRadioGroupPohlavieClick);
    connect(DBRadioGroupUzitZam, &TRadioHodnoty::Click, this, &TFormNovyPrisun::DBRadioGroupUzitZamClick);
    VelkePismena(DBEditFarmaPrisunu);
    connect(BitBtnUloz, &QPushButton::clicked, this, &TFormNovyPrisun::BitBtnUlozClick);
    connect(BitBtnKoniec, &QPushButton::clicked, this, &QDialog::reject);
    connect(this, &QDialog::finished, this, &TFormNovyPrisun::FormClose);
}

bool TFormNovyPrisun::eventFilter(QObject *objekt, QEvent *udalost)
{
    if (udalost->type() == QEvent::FocusIn) {
        if (objekt == DBLookupComboBoxZvieraStat)
            NastavZvStat();
        else if (objekt == DBLookupComboBoxPodielKrvi)
            SChybou([this] { DBLookupComboBoxPodielKrviEnter(); })();
    }
    return QDialog::eventFilter(objekt, udalost);
}

void TFormNovyPrisun::PripravDotazy()
{
    const QSqlDatabase db = m_dm.ADOConnectionVuradeDE();
    const auto priprav = [&db](QSqlQuery &dotaz, const QString &sql) {
        dotaz = QSqlQuery(db);
        dotaz.prepare(sql);
    };
    priprav(ADOQueryUdalosti, "SELECT *\nFROM kodudal\nWHERE typ='P'\nand Kod <> '21' and Kod <> '22'");
    priprav(ADOQueryStaty, "SELECT *, CONCAT(kodst,' - ',nazst) AS kodnazov\nFROM tabstat");
    priprav(ADOQueryPlemena, "SELECT *, CONCAT(RPAD(kodpl12,2,' '),' - ',nazov) AS kodnazov\nFROM plemena");
    priprav(ADOQueryPodiely, "SELECT *, CONCAT(ciskod,' - ',pl1,'% ',pl2,'% ',pl3,'% ',pl4,'%') AS skladba\n"
                             "FROM podkrvi WHERE ciskod>=:minkod AND ciskod<=:maxkod");
    priprav(ADOQueryLinie, "SELECT *, CONCAT(skratka,' - ',nazov) AS skratkanazov\nFROM linie");
    priprav(ADOQueryFarby, "SELECT *, CONCAT(kod,' - ',nazov) AS kodnazov\nFROM farby");
    priprav(ADOQueryVlastnik, TDataModuleHlavny::SqlMajitel);
    priprav(ADOQueryMedziobdobie, QString::fromUtf8(sqlMedziobdobie));
}

void TFormNovyPrisun::showEvent(QShowEvent *udalost)
{
    QDialog::showEvent(udalost);
    if (!udalost->spontaneous())
        FormShow();
}

void TFormNovyPrisun::FormShow()
{
    setWindowTitle(TitulokOkna());
    try {
        OtvorZoznamy();
        OtvorPrisuny();
    } catch (const TChybaSql &chyba) {
        ChybaDatabazyPrisunu(chyba);
    }
    GroupBoxPrisuny->setEnabled(false);  // the list is for viewing only
    VycistiFormular();
    DBLookupComboBoxUdalost->setFocus();
    OpustenyDatumPrisunu = false;
    OpustenyDatumNarodenia = false;
}

void TFormNovyPrisun::OtvorZoznamy()
{
    Otvor(ADOQueryUdalosti);
    m_udalosti.clear();
    while (ADOQueryUdalosti.next())
        m_udalosti << TUdalost{ADOQueryUdalosti.value("Udal_ID").toInt(), ADOQueryUdalosti.value("Kod").toString(),
                               ADOQueryUdalosti.value("Poznamka").toString(),
                               ADOQueryUdalosti.value("PreEdit").toString()};
    DBLookupComboBoxUdalost->Napln(ADOQueryUdalosti, "Udal_ID", "Popis");

    Otvor(ADOQueryStaty);
    DBLookupComboBoxStatPrisunu->Napln(ADOQueryStaty, "KodSt", "kodnazov");
    for (TLookupCombo *stat : {DBLookupComboBoxZvieraStat, DBLookupComboBoxPovodnyStat, DBLookupComboBoxOtecStat,
                               DBLookupComboBoxMatkaStat, DBLookupComboBoxDonorkaStat})
        stat->Napln(ADOQueryStaty, "KodSt", "KodSt");
    Otvor(ADOQueryPlemena);
    for (TLookupCombo *plemeno : m_plemena)
        plemeno->Napln(ADOQueryPlemena, "KodPl12", "kodnazov");
    Otvor(ADOQueryLinie);
    DBLookupComboBoxLinia->Napln(ADOQueryLinie, "skratka", "skratkanazov");
    Otvor(ADOQueryFarby);
    DBLookupComboBoxFarba->Napln(ADOQueryFarby, "kod", "kodnazov");
    ADOQueryPodiely.bindValue(":minkod", "00");
    ADOQueryPodiely.bindValue(":maxkod", "14");
    Otvor(ADOQueryPodiely);
    DBLookupComboBoxPodielKrvi->Napln(ADOQueryPodiely, "CisKod", "skladba");

    Otvor(ADOQueryVlastnik);
    DBLookupComboBoxMajitel->Napln(ADOQueryVlastnik, "Vlastnik_ID", "menovlastnika");
    JeMajitel = DBLookupComboBoxMajitel->count() > 0;
    LabelMajitel->setEnabled(JeMajitel);
    DBLookupComboBoxMajitel->setEnabled(JeMajitel);
}

void TFormNovyPrisun::OtvorPrisuny()
{
    QSqlQuery dotaz(m_dm.ADOConnectionVuradeDE());
    dotaz.prepare(QString::fromUtf8(sqlPrisuny));
    dotaz.bindValue(":Farma", FarmaID);
    Otvor(dotaz);
    ADOQueryPrisuny->setQuery(std::move(dotaz));
    while (ADOQueryPrisuny->canFetchMore())
        ADOQueryPrisuny->fetchMore();
    for (int i = 0; i < titulkyStlpcov.size(); ++i)
        ADOQueryPrisuny->setHeaderData(i, Qt::Horizontal, titulkyStlpcov[i]);
    DataSourcePrisunyDataChange();
}

void TFormNovyPrisun::DataSourcePrisunyDataChange()
{
    StatusBarPrisuny->showMessage(QStringLiteral("Počet prísunov: ") + QString::number(ADOQueryPrisuny->rowCount()));
}

void TFormNovyPrisun::FormClose()
{
    m_hlavny.NacitajStrom();
}

void TFormNovyPrisun::VycistiFormular()
{
    DBLookupComboBoxUdalost->NastavKluc({});
    AktKod.clear();
    AktSkupina.clear();
    const QDate dnes = QDate::currentDate();
    DateTimePickerDatumPrisunu->setMaximumDate(dnes);
    DateTimePickerDatumNarodenia->setMaximumDate(dnes);
    DateTimePickerDatumPrisunu->setDate(dnes);
    DBEditFarmaPrisunu->clear();
    DBLookupComboBoxStatPrisunu->NastavKluc({});
    LabelPocDni->clear();
    VycistiZviera();
}

void TFormNovyPrisun::VycistiZviera()
{
    for (TLookupCombo *c : {DBLookupComboBoxZvieraStat, DBLookupComboBoxPovodnyStat, DBLookupComboBoxPlemeno1,
                            DBLookupComboBoxPlemeno2, DBLookupComboBoxPlemeno3, DBLookupComboBoxPlemeno4,
                            DBLookupComboBoxPlemeno5, DBLookupComboBoxMajitel, DBLookupComboBoxPodielKrvi,
                            DBLookupComboBoxOtecStat, DBLookupComboBoxLinia, DBLookupComboBoxMatkaStat,
                            DBLookupComboBoxDonorkaStat, DBLookupComboBoxFarba})
        c->NastavKluc({});
    for (QLineEdit *e : {DBEditZvieraCislo, DBEditUsneCisloLave, DBEditUsneCisloPrave, DBEditPovodneCislo, DBEditkrv1,
                         DBEditkrv2, DBEditkrv3, DBEditkrv4, DBEditOtecCislo, EditOtecRegister, DBEditMatkaCislo,
                         DBEditDonorkaCislo})
        e->clear();
    DateTimePickerDatumNarodenia->setDate(QDate::currentDate());
    DBRadioGroupPohlavie->NastavHodnotu({});
    DBRadioGroupUzitZam->NastavHodnotu(QStringLiteral("0"));
    // The looked-up dam and donor are gone with their fields.
    MatkaVRegistri = false;
    DonorkaNaFarme = false;
}

const TFormNovyPrisun::TUdalost *TFormNovyPrisun::NajdiUdalost(int id) const
{
    for (const TUdalost &u : m_udalosti) {
        if (u.Id == id)
            return &u;
    }
    return nullptr;
}

int TFormNovyPrisun::ZvolenaUdalost() const
{
    return DBLookupComboBoxUdalost->Kluc().toInt();
}

void TFormNovyPrisun::DBLookupComboBoxUdalostExit()
{
    const TUdalost *udalost = NajdiUdalost(ZvolenaUdalost());
    AktKod = udalost ? udalost->Kod : QString();
    if (!udalost) {
        ChybovyBoxPrisunu(QStringLiteral("Nekorektne uvedený kód udalosti !"));
        DBLookupComboBoxUdalost->setFocus();
        return;
    }
    if (JeKodBitunku(AktKod) && !m_hlavny.AktCisFarmy.startsWith(QLatin1Char('B'))) {
        ChybovyBoxPrisunu(QStringLiteral("Kód udalosti 65 a 66 sa môže použiť len pre bitúnok!"));
        DBLookupComboBoxUdalost->setFocus();
    }
    AktSkupina = udalost->PreEdit;
    NastavEdit();
    if (AktSkupina != QLatin1String("0") || AktKod == QLatin1String("30"))
        DBEditFarmaPrisunu->clear();
    if (AktSkupina != QLatin1String("3"))
        DBLookupComboBoxStatPrisunu->NastavKluc({});
    if (AktSkupina == QLatin1String("1") || AktSkupina == QLatin1String("4"))
        DBLookupComboBoxZvieraStat->NastavKluc(m_hlavny.DomaciStat);
    if (AktSkupina == QLatin1String("6") || AktSkupina == QLatin1String("7") || JeKodBitunku(AktKod)) {
        for (int i = 0; i < 4; ++i)
            m_plemena[i]->NastavKluc({});
        DBLookupComboBoxPodielKrvi->NastavKluc({});
    }
    if (JeKodBitunku(AktKod) || AktKod == QLatin1String("08") || AktKod == QLatin1String("09")) {
        for (QLineEdit *e : m_podiely)
            e->clear();
        EditOtecRegister->clear();
        DBEditMatkaCislo->clear();
        DBEditDonorkaCislo->clear();
        for (TLookupCombo *c : {DBLookupComboBoxLinia, DBLookupComboBoxMatkaStat, DBLookupComboBoxDonorkaStat,
                                DBLookupComboBoxFarba, DBLookupComboBoxMajitel})
            c->NastavKluc({});
        if (AktKod == QLatin1String("08"))
            UkazSpravu(QStringLiteral("Nezabudni, že pohyb 08-zmetanie musí byť v hlásení potvrdený veterinárom."),
                       QString(), TIkona::Informacia);
    }
    ZobrazPocitadloDni();
    DateTimePickerDatumPrisunu->setFocus();
}

void TFormNovyPrisun::ZobrazPocitadloDni()
{
    LabelPocDni->setText(PocitadloDni(AktKod, QDate::currentDate(), DateTimePickerDatumPrisunu->date()));
}

void TFormNovyPrisun::NastavEdit()
{
    const TStavOvladacov stav = NastavenieOvladacov(AktSkupina, AktKod, JeMajitel);
    DBRadioGroupPohlavie->setEnabled(stav.Pohlavie);
    if (!stav.PredvolenePohlavie.isEmpty())
        DBRadioGroupPohlavie->NastavHodnotu(stav.PredvolenePohlavie);
    for (QWidget *w : std::initializer_list<QWidget *>{
             DateTimePickerDatumNarodenia, DBLookupComboBoxPlemeno1, DBLookupComboBoxPlemeno2, DBLookupComboBoxPlemeno3,
             DBLookupComboBoxPlemeno4, DBLookupComboBoxPlemeno5, DBEditkrv1, DBEditkrv2, DBEditkrv3, DBEditkrv4,
             DBLookupComboBoxLinia, EditOtecRegister, DBLookupComboBoxMatkaStat, DBEditMatkaCislo,
             DBLookupComboBoxFarba})
        w->setEnabled(stav.UdajeZvierata);
    DBEditFarmaPrisunu->setEnabled(stav.FarmaPrisunu);
    SpeedButtonNajdiFarmu->setEnabled(stav.FarmaPrisunu);
    DBLookupComboBoxStatPrisunu->setEnabled(stav.StatPrisunu);
    DBLookupComboBoxPovodnyStat->setEnabled(stav.PovodnaZnacka);
    DBEditPovodneCislo->setEnabled(stav.PovodnaZnacka);
    DBLookupComboBoxDonorkaStat->setEnabled(stav.Donorka);
    DBEditDonorkaCislo->setEnabled(stav.Donorka);
    DBLookupComboBoxMajitel->setEnabled(stav.Majitel);
    DBRadioGroupUzitZam->setEnabled(stav.UzitZam);
    // A disabled radio keeps the caption it last had.
    if (stav.UzitZam)
        DBRadioGroupUzitZam->setTitle(stav.UzitZamMatky ? QStringLiteral("Úžitkové zameranie matky")
                                                        : QStringLiteral("Úžitkové zameranie kravy"));
    else
        DBRadioGroupUzitZam->NastavHodnotu(QStringLiteral("0"));
}
