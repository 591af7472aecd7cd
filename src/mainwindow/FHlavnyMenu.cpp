// The main window's menu, toolbar and the handlers that open other windows.
#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "DMHlavny.h"
#include "FHlavny.h"
#include "FHlavnyDialogy.h"
#include "UIkony.h"
#include "UIni.h"

namespace {
const char *const pripravovany = "vuradede_pripravovany";
}

void OznacPripravovany(QAction *prikaz)
{
    prikaz->setProperty(pripravovany, true);
    prikaz->setEnabled(false);
}

bool JePripravovany(const QAction *prikaz)
{
    return prikaz->property(pripravovany).toBool();
}

TFormHlavny::TDialogy::TDialogy(TDataModuleHlavny &dm, TFormHlavny &hlavny)
    : FormNaseFarmy(dm, hlavny, &hlavny), FormSFarmy(dm, &hlavny), FormMajitelia(dm, hlavny, &hlavny),
      FormCiselniky(dm, &hlavny),
      FormOPrograme(CestaIni(QCoreApplication::applicationFilePath()), &hlavny),
      FormPrirucka(CestaPrirucky(QCoreApplication::applicationDirPath()), &hlavny),
      FormNovyPrisun(dm, hlavny, &hlavny)
{
}

void TFormHlavny::VytvorMenu()
{
    menuBar()->setObjectName(QStringLiteral("MainMenuHlavne"));
    // One menu item: caption, hint, object name, handler (none: its window comes later).
    const auto polozka = [this](QMenu *menu, const QString &text, const QString &hint, const char *meno,
                                void (TFormHlavny::*obsluha)()) {
        QAction *prikaz = menu->addAction(text);
        prikaz->setObjectName(QString::fromLatin1(meno));
        if (!hint.isEmpty()) {
            prikaz->setStatusTip(hint);
            prikaz->setToolTip(hint);
        }
        if (obsluha)
            connect(prikaz, &QAction::triggered, this, obsluha);
        else
            OznacPripravovany(prikaz);
        return prikaz;
    };

    QMenu *subor = menuBar()->addMenu(QStringLiteral("&Súbor"));
    subor->addSeparator();
    ZalohaDatabazy1 = polozka(subor, QStringLiteral("&Záloha databázy"), {}, "ZalohaDatabazy1",
                              &TFormHlavny::ZalohaDatabazy1Click);
    ObnovaDatabazy1 = polozka(subor, QStringLiteral("&Obnova databázy"), {}, "ObnovaDatabazy1", nullptr);
    QMenu *aktualizacia = subor->addMenu(QStringLiteral("&Aktualizácia"));
    FariemSlovenska1 = polozka(aktualizacia, QStringLiteral("&Fariem Slovenska"), {}, "FariemSlovenska1", nullptr);
    AktualCiselnikov = polozka(aktualizacia, QStringLiteral("&Číselníkov"), {}, "AktualCiselnikov", nullptr);
    subor->addSeparator();
    ImportzXML1 = polozka(subor, QStringLiteral("&Import zvierat z inej farmy"), {}, "ImportzXML1", nullptr);
    subor->addSeparator();
    ZmenaUzitZam = polozka(subor, QStringLiteral("Z&mena úžitkového zamerania"), {}, "ZmenaUzitZam", nullptr);
    PrirMajitelZviera =
        polozka(subor, QStringLiteral("&Priradenie majiteľa zvieratám"), {}, "PrirMajitelZviera", nullptr);
    subor->addSeparator();
    Cisteniedatabazy1 = polozka(subor, QStringLiteral("Čistenie databázy"), {}, "Cisteniedatabazy1", nullptr);
    subor->addSeparator();
    Koniec1 = polozka(subor, QStringLiteral("&Koniec"), {}, "Koniec1", &TFormHlavny::KoniecClick);

    QMenu *farmy = menuBar()->addMenu(QStringLiteral("&Farmy a majitelia"));
    VyberFarmy = polozka(farmy, QStringLiteral("&Výber farmy"), QStringLiteral("Výber aktuálnej farmy"),
                         "VyberFarmy", &TFormHlavny::VyberFarmyClick);
    MojeFarmy = polozka(farmy, QStringLiteral("&Moje farmy"),
                        QStringLiteral("Prezeranie a editácia detailov mojch fariem"), "MojeFarmy",
                        &TFormHlavny::MojeFarmyClick);
    FarmySR = polozka(farmy, QStringLiteral("&Farmy SR"), QStringLiteral("Číselník fariem Slovenska"), "FarmySR",
                      &TFormHlavny::FarmySRClick);
    Majitelia = polozka(farmy, QStringLiteral("M&ajitelia"), QStringLiteral("Zoznam majiteľov"), "Majitelia",
                        &TFormHlavny::MajiteliaClick);

    QMenu *pohyby = menuBar()->addMenu(QStringLiteral("&Pohyby"));
    QMenu *prisun = pohyby->addMenu(QStringLiteral("&Prísun"));
    prisun->menuAction()->setStatusTip(QStringLiteral("Prísuny zvierat na aktuálnu farmu"));
    NovyPrisun = polozka(prisun, QStringLiteral("&Nové prísuny"), {}, "NovyPrisun", &TFormHlavny::NovyPrisunClick);
    OpravaPrisunu = polozka(prisun, QStringLiteral("&Zmena už zapísaných prísunov"), {}, "OpravaPrisunu", nullptr);
    QMenu *odsun = pohyby->addMenu(QStringLiteral("&Odsun"));
    odsun->menuAction()->setStatusTip(QStringLiteral("Odsunz yvierat z aktuálnej farmy"));
    NovyOdsun = polozka(odsun, QStringLiteral("&Nové odsuny"), {}, "NovyOdsun", nullptr);
    OpravaOdsunu = polozka(odsun, QStringLiteral("&Zmena už zapísaných odsunov"), {}, "OpravaOdsunu", nullptr);

    QMenu *hlasenia = menuBar()->addMenu(QStringLiteral("&Hlásenia do NARV"));
    Hlasenie = polozka(hlasenia, QStringLiteral("&Hlásenie zmien "), {}, "Hlasenie", nullptr);
    Premiestnenie = polozka(hlasenia, QStringLiteral("&Doklad k premiesteniu"), {}, "Premiestnenie", nullptr);

    QMenu *zobrazit = menuBar()->addMenu(QStringLiteral("Z&obraziť"));
    Indregister = polozka(zobrazit, QStringLiteral("&Individuálny register"), {}, "Indregister", nullptr);
    PrehladyPohybov = polozka(zobrazit, QStringLiteral("&Prehľady pohybov"), {}, "PrehladyPohybov", nullptr);
    Prehladyzvierat = polozka(zobrazit, QStringLiteral("Prehľady &zvierat"), {}, "Prehladyzvierat", nullptr);
    ciselniky = polozka(zobrazit, QStringLiteral("Číselníky"), {}, "ciselniky", &TFormHlavny::ciselnikyClick);

    QMenu *pomoc = menuBar()->addMenu(QStringLiteral("&Pomoc"));
    Prruka1 = polozka(pomoc, QStringLiteral("Príručka"), {}, "Prruka1", &TFormHlavny::Prruka1Click);
    Oprograme1 = polozka(pomoc, QStringLiteral("O programe"), {}, "Oprograme1", &TFormHlavny::Oprograme1Click);

    // The toolbar repeats the movement and report commands, icons only.
    QToolBar *nastroje = addToolBar(QStringLiteral("Nástroje"));
    nastroje->setObjectName(QStringLiteral("ToolBarHlavny"));
    nastroje->setToolButtonStyle(Qt::ToolButtonIconOnly);
    nastroje->setMovable(false);
    const auto tlacidlo = [nastroje](QAction *prikaz, const QString &hint, const QString &znak, const char *farba) {
        QAction *kopia = nastroje->addAction(IkonaNastroja(znak, QColor(QLatin1String(farba))), hint);
        kopia->setObjectName(QStringLiteral("ToolButton") + prikaz->objectName());
        kopia->setToolTip(hint);
        kopia->setEnabled(prikaz->isEnabled());
        connect(prikaz, &QAction::changed, kopia, [prikaz, kopia] { kopia->setEnabled(prikaz->isEnabled()); });
        connect(kopia, &QAction::triggered, prikaz, &QAction::trigger);
    };
    tlacidlo(NovyPrisun, QStringLiteral("Nový prísun"), QStringLiteral("P+"), "#3f8f3a");
    tlacidlo(OpravaPrisunu, QStringLiteral("Zmena už zapísaných prísunov"), QStringLiteral("P"), "#6aa564");
    nastroje->addSeparator();
    tlacidlo(NovyOdsun, QStringLiteral("Nový odsun"), QStringLiteral("O+"), "#b5651d");
    tlacidlo(OpravaOdsunu, QStringLiteral("Zmena už zapísaných odsunov"), QStringLiteral("O"), "#c98c4f");
    nastroje->addSeparator();
    tlacidlo(Hlasenie, QStringLiteral("Hlásenie zmien"), QStringLiteral("H"), "#2e6ca4");
    tlacidlo(Premiestnenie, QStringLiteral("Doklad k premiestneniu"), QStringLiteral("D"), "#5a8cc0");
    nastroje->addSeparator();
    tlacidlo(Koniec1, QStringLiteral("Koniec"), QStringLiteral("X"), "#8a8a8a");
}

// Both own-farm preparations say themselves when there is no own farm.
void TFormHlavny::VyberFarmyClick()
{
    if (!m_dialogy->FormNaseFarmy.PripravVyber())
        return;
    m_dialogy->FormNaseFarmy.exec();
    VyberAktFarmu();
}

void TFormHlavny::MojeFarmyClick()
{
    if (m_dialogy->FormNaseFarmy.PripravZoznam())
        m_dialogy->FormNaseFarmy.exec();
}

void TFormHlavny::FarmySRClick()
{
    m_dialogy->FormSFarmy.NastavVyber(false);
    m_dialogy->FormSFarmy.exec();
}

// The owners window refreshes the shared owner list as it closes.
void TFormHlavny::MajiteliaClick()
{
    m_dialogy->FormMajitelia.NastavVyber(false);
    m_dialogy->FormMajitelia.exec();
}
void TFormHlavny::NovyPrisunClick()
{
    m_dialogy->FormNovyPrisun.FarmaID = AktFarmaID;
    m_dialogy->FormNovyPrisun.exec();
}

void TFormHlavny::ciselnikyClick()
{
    m_dialogy->FormCiselniky.exec();
}

void TFormHlavny::Prruka1Click()
{
    m_dialogy->FormPrirucka.Zobraz();
}

void TFormHlavny::Oprograme1Click()
{
    m_dialogy->FormOPrograme.exec();
}
