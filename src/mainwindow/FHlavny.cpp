#include "FHlavny.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QSqlQuery>
#include <QStatusBar>
#include <QTreeWidget>

#include "DMHlavny.h"
#include "FHlavnyDialogy.h"
#include "FPrvaFarma.h"
#include "UNastrojeDB.h"
#include "UOvladanie.h"
#include "USpravy.h"
#include "UTitulky.h"

TFormHlavny::TFormHlavny(TDataModuleHlavny &dm, QWidget *parent)
    : QMainWindow(parent), m_dm(dm)
{
    setObjectName(QStringLiteral("FormHlavny"));
    setGeometry(15, 10, 950, 720);
    VytvorRozlozenie();
    PanelStavu1->setText(QStringLiteral("Verzia programu: ") + m_dm.Verzia + QStringLiteral(",  ") + m_dm.DatumVerzie);
    m_dm.NastavSpolocne(this);
    m_dialogy = std::make_unique<TDialogy>(m_dm, *this);
    VytvorMenu();
}

TFormHlavny::~TFormHlavny()
{
    m_dm.NastavSpolocne(nullptr);
}

void TFormHlavny::VytvorRozlozenie()
{
    PanelHorny = new QFrame(this);
    PanelHorny->setObjectName(QStringLiteral("PanelHorny"));
    PanelHorny->setStyleSheet(QStringLiteral("#PanelHorny { background: #808080; } QLabel { color: white; }"));
    auto *nazov = new QLabel(QStringLiteral("RUVENA HD"), PanelHorny);
    nazov->setStyleSheet(QStringLiteral("font-weight: bold; font-size: 14pt;"));
    LabelVyber = new QLabel(PanelHorny);
    LabelVyber->setObjectName(QStringLiteral("LabelVyber"));
    LabelDatum = new QLabel(PanelHorny);
    LabelDatum->setObjectName(QStringLiteral("LabelDatum"));
    auto *horny = new QHBoxLayout(PanelHorny);
    horny->addWidget(nazov);
    horny->addSpacing(30);
    horny->addWidget(LabelVyber);
    horny->addStretch();
    horny->addWidget(LabelDatum);

    // Left: the tree, the strip that shows the progress of its building, the search.
    auto *panelLavy = new QWidget(this);
    panelLavy->setObjectName(QStringLiteral("PanelLavy"));
    TreeViewZvierata = new QTreeWidget(panelLavy);
    TreeViewZvierata->setObjectName(QStringLiteral("TreeViewZvierata"));
    TreeViewZvierata->setHeaderHidden(true);
    TreeViewZvierata->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TreeViewZvierata->setUniformRowHeights(true);
    connect(TreeViewZvierata, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *uzol) { TreeViewZvierataChange(uzol); });

    StatusBarStrom = new QStatusBar(panelLavy);
    StatusBarStrom->setObjectName(QStringLiteral("StatusBarStrom"));
    StatusBarStrom->setSizeGripEnabled(false);
    ProgressBarStrom = new QProgressBar(StatusBarStrom);
    StatusBarStrom->addWidget(ProgressBarStrom, 1);
    StatusBarStrom->hide();

    auto *panelHladaj = new QFrame(panelLavy);
    panelHladaj->setObjectName(QStringLiteral("PanelHladaj"));
    panelHladaj->setFrameShape(QFrame::StyledPanel);
    EditHladajStat = new QLineEdit(panelHladaj);
    EditHladajStat->setObjectName(QStringLiteral("EditHladajStat"));
    EditHladajStat->setMaxLength(2);
    EditHladajStat->setFixedWidth(36);
    VelkePismena(EditHladajStat);
    EditHladajJCNARV = new QLineEdit(panelHladaj);
    EditHladajJCNARV->setObjectName(QStringLiteral("EditHladajJCNARV"));
    EditHladajJCNARV->setMaxLength(DlzkaCisla);
    BitBtnHladaj = new QPushButton(QStringLiteral("&Vyhľadaj"), panelHladaj);
    BitBtnHladaj->setObjectName(QStringLiteral("BitBtnHladaj"));
    connect(BitBtnHladaj, &QPushButton::clicked, this, &TFormHlavny::BitBtnHladajClick);
    PriOdchode(EditHladajStat, [this] { EditHladajStatExit(); });
    PriOdchode(EditHladajJCNARV, [this] { EditHladajJCNARVExit(); });
    auto *hladaj = new QGridLayout(panelHladaj);
    hladaj->addWidget(new QLabel(QStringLiteral("Zviera:"), panelHladaj), 0, 0, 1, 2);
    hladaj->addWidget(EditHladajStat, 1, 0);
    hladaj->addWidget(EditHladajJCNARV, 1, 1);
    hladaj->addWidget(BitBtnHladaj, 2, 0, 1, 2);

    auto *lavy = new QVBoxLayout(panelLavy);
    lavy->setContentsMargins(0, 0, 0, 0);
    lavy->addWidget(TreeViewZvierata, 1);
    lavy->addWidget(StatusBarStrom);
    lavy->addWidget(panelHladaj);

    // Right: the background picture; the farm view and the animal view take its place.
    ImageOvecka = new QLabel(this);
    ImageOvecka->setObjectName(QStringLiteral("ImageOvecka"));
    ImageOvecka->setAlignment(Qt::AlignCenter);
    ImageOvecka->setPixmap(QPixmap(QStringLiteral(":/obrazky/uvod.jpg")));
    ImageOvecka->setStyleSheet(QStringLiteral("background: #f4f1e6;"));

    auto *delic = new QSplitter(this);
    delic->addWidget(panelLavy);
    delic->addWidget(ImageOvecka);
    delic->setStretchFactor(1, 1);
    delic->setSizes({225, 725});

    auto *stred = new QWidget(this);
    auto *rozlozenie = new QVBoxLayout(stred);
    rozlozenie->setContentsMargins(0, 0, 0, 0);
    rozlozenie->setSpacing(0);
    rozlozenie->addWidget(PanelHorny);
    rozlozenie->addWidget(delic, 1);
    setCentralWidget(stred);

    PanelStavu0 = new QLabel(this);
    PanelStavu0->setObjectName(QStringLiteral("PanelStavu0"));
    PanelStavu0->setMinimumWidth(500);
    PanelStavu1 = new QLabel(this);
    PanelStavu1->setObjectName(QStringLiteral("PanelStavu1"));
    PanelStavu1->setMinimumWidth(500);
    statusBar()->setObjectName(QStringLiteral("StatusBarHlavny"));
    statusBar()->addWidget(PanelStavu0);
    statusBar()->addWidget(PanelStavu1);

    PosunNaEnter(panelHladaj);
}

void TFormHlavny::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_zobrazene)
        return;
    m_zobrazene = true;
    FormShow();
}

void TFormHlavny::FormShow()
{
    KoniecBezZalohy = false;
    try {
        ZalozPrvuFarmu();
        setWindowTitle(TitulHlavnehoOkna(TypZvInstalacie(m_dm)));
        AktCisFarmy = m_dm.ADOTableIRPar.first() ? m_dm.ADOTableIRPar.value(QStringLiteral("CisFarmy")).toString()
                                                 : QString();
        if (!AktCisFarmy.trimmed().isEmpty())
            NastavAktFarmu(AktCisFarmy);
        else
            UkazSpravu(QStringLiteral(" Vyber aktuálnu farmu !"),
                       QStringLiteral(" Počiatočné parametre aplikácie RuvENA-ov "), TIkona::Informacia);
        LabelDatum->setText(QStringLiteral("Dátum : ") + FormatujDatum(QDate::currentDate(), FormatZobraz));
        NastavPriradenieMajitela();
    } catch (const TChybaSql &chyba) {
        UkazChybu(chyba.Text());
    }
    NacitajStrom();
}

// A new installation keeps no own farm yet: the user names the first one,
// and it becomes the current farm.
void TFormHlavny::ZalozPrvuFarmu()
{
    if (m_dm.JeVlastnaFarma())
        return;
    TFormPrvaFarma prvaFarma(m_dm, this);
    if (prvaFarma.exec() != QDialog::Accepted)
        return;
    NastavAktFarmu(prvaFarma.CisloFarmy());
    UlozAktFarmu();
}

void TFormHlavny::NastavAktFarmu(const QString &cisFarmy)
{
    AktCisFarmy = cisFarmy;
    Otvor(m_dm.ADOQueryFarLic,
          QStringLiteral("SELECT * FROM FarlLic WHERE CisFarmy='") + SqlEsc(AktCisFarmy) + QStringLiteral("'"));
    const bool najdena = m_dm.ADOQueryFarLic.first();
    AktFarmaID = najdena ? m_dm.ADOQueryFarLic.value(QStringLiteral("Farma_ID")).toInt() : 0;
    AktNazovFarmy = najdena ? m_dm.ADOQueryFarLic.value(QStringLiteral("Nazov")).toString() : QString();
    ZobrazAktFarmu();
}

void TFormHlavny::ZobrazAktFarmu()
{
    LabelVyber->setText(QStringLiteral("Aktuálna farma ") + AktCisFarmy + QStringLiteral(" ") + AktNazovFarmy);
}

void TFormHlavny::SkryPohlady()
{
    ImageOvecka->show();
}

void TFormHlavny::NastavPriradenieMajitela()
{
    Otvor(m_dm.ADOQueryMajitel, TDataModuleHlavny::SqlMajitel);
    // first() rather than size(): an ODBC data source does not report the size of a result.
    PrirMajitelZviera->setEnabled(m_dm.ADOQueryMajitel.first() && !JePripravovany(PrirMajitelZviera));
}

void TFormHlavny::UlozAktFarmu()
{
    try {
        // Counted now rather than from the table as opened at start, so that
        // a row written meanwhile is updated instead of doubled.
        QSqlQuery pocet(m_dm.ADOConnectionVuradeDE());
        Otvor(pocet, QStringLiteral("SELECT COUNT(*) FROM irpar"));
        const bool jeRiadok = pocet.next() && pocet.value(0).toInt() > 0;
        if (jeRiadok)
            m_dm.ADOCommandPom.CommandText = QStringLiteral("UPDATE irpar SET    IRPar_ID = ") +
                                             QString::number(AktFarmaID) + QStringLiteral(", ") +
                                             QStringLiteral("   cisfarmy = '") + SqlEsc(AktCisFarmy) +
                                             QStringLiteral("'");
        else
            m_dm.ADOCommandPom.CommandText = QStringLiteral("INSERT INTO irpar (irpar_id, cisfarmy) VALUES (") +
                                             QString::number(AktFarmaID) + QStringLiteral(", ") +
                                             QStringLiteral("   '") + SqlEsc(AktCisFarmy) + QStringLiteral("')");
        m_dm.ADOCommandPom.Execute();
    } catch (const TChybaSql &chyba) {
        UkazChybu(chyba.Text());
    }
}

void TFormHlavny::KoniecClick()
{
    UlozAktFarmu();
    close();
}

void TFormHlavny::UkonciBezZalohy()
{
    KoniecBezZalohy = true;
    close();
}

void TFormHlavny::closeEvent(QCloseEvent *event)
{
    if (!KoniecBezZalohy)
        ZalohaDatabazy1Click();
    event->accept();
}

void TFormHlavny::ZalohaDatabazy1Click()
{
    const QString titulok = QStringLiteral("Záloha databázy");
    if (UkazSpravu(QStringLiteral("Chceš zálohovať databázu ? "), titulok, TIkona::Informacia, TTlacidla::AnoNie,
                   TOdpoved::Nie) != TOdpoved::Ano)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QString adresar = QDir(m_dm.Nastavenia().Koren).filePath(QStringLiteral("zalohaDB"));
    QDir().mkpath(adresar);
    QString subor = Spravy().VyberSubor({true, QStringLiteral("Záloha databázy programu VuradeDE"),
                                        QDir(adresar).filePath(QStringLiteral("*.sql")),
                                        QStringLiteral("SQL script (*.sql);;všetky súbory (*.*)")});
    if (subor.isEmpty()) {
        QApplication::restoreOverrideCursor();
        return;
    }
    if (!subor.toLower().contains(QLatin1String(".sql")))
        subor += QStringLiteral(".sql");
    const TVolbyKlienta volby(m_dm);
    const int kod = SpustiProgram(NastrojZalohy(), {volby.Argument(), QStringLiteral("--single-transaction"),
                                                    QStringLiteral("VUradeDE")},
                                  {}, subor);
    QApplication::restoreOverrideCursor();
    if (kod == 0) {
        UkazSpravu(QStringLiteral("Záloha databázy prebehla úspešne."), titulok, TIkona::Informacia);
    } else {
        // A broken dump must not pass for a backup later.
        QFile::remove(subor);
        UkazSpravu(QStringLiteral("Záloha databázy zlyhala: Chyba počas behu zálohy databázy !"), titulok,
                   TIkona::Chyba);
    }
}
