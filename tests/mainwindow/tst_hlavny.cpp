// The main window's tree of farms and animals, the search, the current farm
// following the selection, and the commands of the menu.
#include <QAction>
#include <QLabel>
#include <QStatusBar>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QComboBox>
#include <QPushButton>
#include <QTimer>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>

#include "DMHlavny.h"
#include "FHlavny.h"
#include "FMajitelia.h"
#include "FNovyPrisun.h"
#include "FNaseFarmy.h"
#include "FSFarmy.h"
#include "SkriptovaneSpravy.h"
#include "TestDB.h"
#include "TestSDatabazou.h"
#include "UIkony.h"
#include "UOvladaceDB.h"
#include "USql.h"

namespace {

// Each node as "text|kind", depth first.
QStringList Uzly(QTreeWidget *strom)
{
    QStringList uzly;
    std::function<void(QTreeWidgetItem *, int)> pridaj = [&](QTreeWidgetItem *uzol, int hlbka) {
        uzly << QString(hlbka * 2, QLatin1Char(' ')) + uzol->text(0) + QLatin1Char('|') +
                    QString::number(uzol->data(0, Qt::UserRole).toInt());
        for (int i = 0; i < uzol->childCount(); ++i)
            pridaj(uzol->child(i), hlbka + 1);
    };
    for (int i = 0; i < strom->topLevelItemCount(); ++i)
        pridaj(strom->topLevelItem(i), 0);
    return uzly;
}

} // namespace

class TestHlavny : public TTestSDatabazou
{
    Q_OBJECT

private:
    std::unique_ptr<TFormHlavny> hlavny;

    void Zobraz()
    {
        hlavny = std::make_unique<TFormHlavny>(*dm);
        hlavny->show();
        QVERIFY(QTest::qWaitForWindowExposed(hlavny.get()));
    }

    void Hladaj(const QString &stat, const QString &cislo)
    {
        hlavny->EditHladajStat->setFocus();
        QTest::keyClicks(hlavny->EditHladajStat, stat);
        hlavny->EditHladajJCNARV->setFocus();  // leaving the country field
        QTest::keyClicks(hlavny->EditHladajJCNARV, cislo);
        QTest::mouseClick(hlavny->BitBtnHladaj, Qt::LeftButton);  // leaves the number field first
    }

private slots:
    void initTestCase() { PripravDatabazu(); }
    void init()
    {
        ZacniTest();
        TFormHlavny::KoniecBezZalohy = true;  // closing in cleanup asks nothing
    }
    void cleanup()
    {
        hlavny.reset();
        SkonciTest();
    }

    void stromFariemAZvierat()
    {
        TestDB::Vykonaj(db(), "INSERT INTO FarlLic (Farma_ID, CisFarmy, Nazov) VALUES (3, 'C30003', 'Bez zvierat')");
        Zobraz();
        QCOMPARE(Uzly(hlavny->TreeViewZvierata), (QStringList{
                                                     "Farmy|0",
                                                     "  Farma: A10001|1",
                                                     "    SK 000000000101|3",
                                                     "    SK 000000000102|2",
                                                     "    SK 000000000103|3",
                                                     "  Farma: B20002|1",
                                                     "    SK 000000000201|3",
                                                     "  Farma: C30003|1",
                                                 }));
        QCOMPARE(hlavny->PanelStavu0->text(), QStringLiteral("Počet zvierat: 4"));
        QVERIFY(!hlavny->StatusBarStrom->isVisible());
        QVERIFY(hlavny->TreeViewZvierata->selectedItems().isEmpty());  // nothing selected after start
        QVERIFY(hlavny->TreeViewZvierata->topLevelItem(0)->isExpanded());
        QCOMPARE(hlavny->TreeViewZvierata->topLevelItem(0)->child(0)->icon(0).cacheKey() != 0, true);
    }

    void najdiUzolBezOhladuNaVelkostPismen()
    {
        Zobraz();
        QCOMPARE(TFormHlavny::NajdiUzol(hlavny->TreeViewZvierata, "farma: b20002")->text(0),
                 QStringLiteral("Farma: B20002"));
        QCOMPARE(TFormHlavny::NajdiUzol(hlavny->TreeViewZvierata, "sk 000000000201")->text(0),
                 QStringLiteral("SK 000000000201"));
        QVERIFY(!TFormHlavny::NajdiUzol(hlavny->TreeViewZvierata, "SK 000000000301"));
        QTreeWidget prazdny;
        QVERIFY(!TFormHlavny::NajdiUzol(&prazdny, "Farmy"));
    }

    void chybaPriStavbeStromu()
    {
        Zobraz();
        TestDB::Vykonaj(db(), "ALTER TABLE RegZv RENAME TO RegZvOdlozene");
        hlavny->NacitajStrom();
        TestDB::Vykonaj(db(), "ALTER TABLE RegZvOdlozene RENAME TO RegZv");
        QCOMPARE(spravy->Zaznam.size(), 1);
        QVERIFY2(spravy->Zaznam[0].Text.startsWith("Chyba: ") && spravy->Zaznam[0].Text.contains("regzv", Qt::CaseInsensitive),
                 qPrintable(spravy->Zaznam[0].Text));
        QCOMPARE(Uzly(hlavny->TreeViewZvierata), (QStringList{"Farmy|0", "  Farma: A10001|1"}));  // what was built stays
        QVERIFY(hlavny->TreeViewZvierata->topLevelItem(0)->isExpanded());
        QCOMPARE(hlavny->PanelStavu0->text(), QStringLiteral("Počet zvierat: 0"));
    }

    // A handler run between farms (a window closed, a farm chosen) reuses the
    // shared farm query and asks for a new tree while this one is being built.
    void prestavbaPocasStavby()
    {
        Zobraz();
        int prestavby = 0;
        QTimer::singleShot(0, hlavny.get(), [&] {
            TestDB::Vykonaj(db(), "INSERT INTO RegZv (ZVStat, JCNARV, Farma_ID, Pohlavie) VALUES ('SK', '000000000202', 2, '2')");
            Otvor(dm->ADOQueryFarLic, QStringLiteral("SELECT * FROM FarlLic WHERE CisFarmy = 'B20002'"));
            hlavny->NacitajStrom();
            ++prestavby;
        });
        hlavny->NacitajStrom();
        QCOMPARE(prestavby, 1);
        // The deferred rebuild leaves what a plain build gives, the new animal included.
        const QStringList poPrestavbe = Uzly(hlavny->TreeViewZvierata);
        QVERIFY(poPrestavbe.contains("    SK 000000000202|2"));
        hlavny->NacitajStrom();
        QCOMPARE(poPrestavbe, Uzly(hlavny->TreeViewZvierata));
        QCOMPARE(hlavny->PanelStavu0->text(), QStringLiteral("Počet zvierat: 5"));
    }

    void hladanie_data()
    {
        QTest::addColumn<QString>("stat");
        QTest::addColumn<QString>("cislo");
        QTest::addColumn<QString>("najdene");
        QTest::addColumn<QString>("sprava");
        QTest::newRow("malé písmená a krátke číslo") << "sk" << "201" << "SK 000000000201" << "";
        QTest::newRow("bez štátu") << "" << "000000000102" << "SK 000000000102" << "";
        QTest::newRow("mimo fariem") << "SK" << "301" << ""
                                     << "Nenašiel som zviera s ušným číslom SK 000000000301";
        QTest::newRow("prázdne číslo") << "" << "" << "" << "Nenašiel som zviera s ušným číslom SK 000000000000";
    }
    void hladanie()
    {
        QFETCH(QString, stat);
        QFETCH(QString, cislo);
        QFETCH(QString, najdene);
        QFETCH(QString, sprava);
        Zobraz();
        Hladaj(stat, cislo);
        if (najdene.isEmpty()) {
            QCOMPARE(spravy->Texty(), QStringList{sprava});
            QVERIFY(hlavny->TreeViewZvierata->selectedItems().isEmpty());
            QVERIFY(!hlavny->EditHladajJCNARV->text().isEmpty());  // the fields keep their text
        } else {
            QVERIFY(spravy->Zaznam.isEmpty());
            QCOMPARE(hlavny->TreeViewZvierata->currentItem()->text(0), najdene);
            QCOMPARE(hlavny->HladaneZviera, najdene);
            QVERIFY(hlavny->EditHladajStat->text().isEmpty());
            QVERIFY(hlavny->EditHladajJCNARV->text().isEmpty());
        }
    }

    void aktualnaFarmaNasledujeVyber()
    {
        Zobraz();
        QCOMPARE(hlavny->AktFarmaID, 1);
        // An animal on the second farm makes that farm current, and it is stored at once.
        hlavny->TreeViewZvierata->setCurrentItem(TFormHlavny::NajdiUzol(hlavny->TreeViewZvierata, "SK 000000000201"));
        QCOMPARE(hlavny->AktFarmaID, 2);
        QCOMPARE(hlavny->AktCisFarmy, QStringLiteral("B20002"));
        QCOMPARE(hlavny->AktNazovFarmy, QStringLiteral("Agrofarma Horné Lúky"));
        QCOMPARE(hlavny->HladaneZviera, QStringLiteral("SK 000000000201"));
        QCOMPARE(hlavny->LabelVyber->text(), QStringLiteral("Aktuálna farma B20002 Agrofarma Horné Lúky"));
        QCOMPARE(TestDB::Hodnota(db(), "SELECT CONCAT(IRPar_ID, '/', CisFarmy) FROM irpar").toString(),
                 QStringLiteral("2/B20002"));

        // A farm node.
        hlavny->TreeViewZvierata->setCurrentItem(TFormHlavny::NajdiUzol(hlavny->TreeViewZvierata, "Farma: A10001"));
        QCOMPARE(hlavny->AktFarmaID, 1);
        QCOMPARE(TestDB::Hodnota(db(), "SELECT CONCAT(IRPar_ID, '/', CisFarmy) FROM irpar").toString(),
                 QStringLiteral("1/A10001"));

        // The root changes nothing.
        hlavny->TreeViewZvierata->setCurrentItem(hlavny->TreeViewZvierata->topLevelItem(0));
        QCOMPARE(hlavny->AktFarmaID, 1);

        // The next start restores the farm chosen last.
        hlavny->TreeViewZvierata->setCurrentItem(TFormHlavny::NajdiUzol(hlavny->TreeViewZvierata, "Farma: B20002"));
        hlavny.reset();
        Zobraz();
        QCOMPARE(hlavny->AktFarmaID, 2);
        QCOMPARE(hlavny->LabelVyber->text(), QStringLiteral("Aktuálna farma B20002 Agrofarma Horné Lúky"));

        // Rebuilding leaves no node selected.
        hlavny->VyberAktFarmu();
        QCOMPARE(hlavny->TreeViewZvierata->currentItem()->text(0), QStringLiteral("Farma: B20002"));
        hlavny->NacitajStrom();
        QVERIFY(hlavny->TreeViewZvierata->selectedItems().isEmpty());
    }

    void vyberFarmyVOkneVlastnychFariem()
    {
        Zobraz();
        QStringList polozky;
        QTimer::singleShot(0, this, [&polozky] {
            auto *okno = qobject_cast<TFormNaseFarmy *>(QApplication::activeModalWidget());
            if (!okno)
                return;
            for (int i = 0; i < okno->ComboBoxNFarmy->count(); ++i)
                polozky << okno->ComboBoxNFarmy->itemText(i);
            okno->ComboBoxNFarmy->setCurrentIndex(1);
            okno->BitBtnOK->click();
            okno->close();
        });
        hlavny->VyberFarmy->trigger();
        QCOMPARE(polozky, (QStringList{"A10001 PD Dolný Háj", "B20002 Agrofarma Horné Lúky"}));
        QCOMPARE(hlavny->AktFarmaID, 2);
        QCOMPARE(hlavny->LabelVyber->text(), QStringLiteral("Aktuálna farma B20002 Agrofarma Horné Lúky"));
        QCOMPARE(hlavny->TreeViewZvierata->currentItem()->text(0), QStringLiteral("Farma: B20002"));
        QCOMPARE(TestDB::Hodnota(db(), "SELECT CONCAT(IRPar_ID, '/', CisFarmy) FROM irpar").toString(),
                 QStringLiteral("2/B20002"));

        // Without own farms there is nothing to choose from.
        TestDB::Vykonaj(db(), "DELETE FROM FarlLic");
        hlavny->VyberFarmy->trigger();
        hlavny->MojeFarmy->trigger();
        QCOMPARE(spravy->Texty(), (QStringList{"Nie sú evidované žiadne licenčné farmy !",
                                               "Nie sú evidované žiadne licenčné farmy !"}));
        QCOMPARE(spravy->Zaznam[0].Titulok, QStringLiteral("Zoznam fariem"));
    }

    // A purchase recorded in the arrival window, opened from the menu on the
    // current farm, shows in the tree once the window is closed.
    void novyPrisunNaAktualnuFarmu()
    {
        Zobraz();
        hlavny->TreeViewZvierata->setCurrentItem(TFormHlavny::NajdiUzol(hlavny->TreeViewZvierata, "Farma: B20002"));
        int farmaOkna = 0;
        QTimer::singleShot(0, this, [&farmaOkna] {
            auto *okno = qobject_cast<TFormNovyPrisun *>(QApplication::activeModalWidget());
            if (!okno)
                return;
            farmaOkna = okno->FarmaID;
            okno->activateWindow();
            if (QTest::qWaitForWindowActive(okno)) {
                auto *udalost = okno->DBLookupComboBoxUdalost;
                udalost->setFocus();
                udalost->setCurrentIndex(udalost->findText("00 ", Qt::MatchStartsWith));
                okno->BitBtnKoniec->setFocus();  // leaves the event
                okno->DBLookupComboBoxZvieraStat->NastavKluc("SK");
                okno->DBEditZvieraCislo->setText("000000000555");
                okno->DBEditFarmaPrisunu->setText("C33333");
                okno->DBRadioGroupPohlavie->NastavHodnotu("2");
                okno->DBLookupComboBoxPlemeno1->NastavKluc("SS");
                okno->DBEditkrv1->setText("100");
                QTest::mouseClick(okno->BitBtnUloz, Qt::LeftButton);
            }
            okno->reject();
        });
        hlavny->NovyPrisun->trigger();
        QCOMPARE(farmaOkna, 2);
        QCOMPARE(spravy->Texty(), QStringList{"Prísun bol vložený."});
        QTreeWidgetItem *kupene = TFormHlavny::NajdiUzol(hlavny->TreeViewZvierata, "SK 000000000555");
        QVERIFY(kupene);
        QCOMPARE(kupene->parent()->text(0), QStringLiteral("Farma: B20002"));
        QCOMPARE(kupene->data(0, Qt::UserRole).toInt(), static_cast<int>(TDruhUzla::Samec));
    }

    void farmySRAMajiteliaBezVyberu()
    {
        Zobraz();
        bool vyberFariem = true;
        bool vyberMajitela = true;
        QTimer::singleShot(0, this, [&vyberFariem] {
            if (auto *okno = qobject_cast<TFormSFarmy *>(QApplication::activeModalWidget())) {
                vyberFariem = okno->BitBtnVyber->isVisible();
                okno->reject();
            }
        });
        hlavny->FarmySR->trigger();
        QTimer::singleShot(0, this, [&vyberMajitela] {
            if (auto *okno = qobject_cast<TFormMajitelia *>(QApplication::activeModalWidget())) {
                vyberMajitela = okno->BitBtnVyber->isVisible();
                okno->reject();
            }
        });
        hlavny->Majitelia->trigger();
        QVERIFY(!vyberFariem);
        QVERIFY(!vyberMajitela);
    }

    void prikazyMenu()
    {
        Zobraz();
        QStringList menu;
        for (QAction *hlavne : hlavny->menuBar()->actions()) {
            menu << hlavne->text();
            for (QAction *a : hlavne->menu()->actions()) {
                if (a->isSeparator())
                    menu << "-";
                else if (a->menu())
                    for (QAction *b : a->menu()->actions())
                        menu << a->text() + " > " + b->text() + (b->isEnabled() ? "" : " (x)");
                else
                    menu << "  " + a->text() + (a->isEnabled() ? "" : " (x)");
            }
        }
        QCOMPARE(menu, (QStringList{
                           "&Súbor", "-", "  &Záloha databázy", "  &Obnova databázy (x)",
                           "&Aktualizácia > &Fariem Slovenska (x)", "&Aktualizácia > &Číselníkov (x)", "-",
                           "  &Import zvierat z inej farmy (x)", "-", "  Z&mena úžitkového zamerania (x)",
                           "  &Priradenie majiteľa zvieratám (x)", "-", "  Čistenie databázy (x)", "-", "  &Koniec",
                           "&Farmy a majitelia", "  &Výber farmy", "  &Moje farmy", "  &Farmy SR", "  M&ajitelia",
                           "&Pohyby", "&Prísun > &Nové prísuny", "&Prísun > &Zmena už zapísaných prísunov (x)",
                           "&Odsun > &Nové odsuny (x)", "&Odsun > &Zmena už zapísaných odsunov (x)",
                           "&Hlásenia do NARV", "  &Hlásenie zmien  (x)", "  &Doklad k premiesteniu (x)",
                           "Z&obraziť", "  &Individuálny register (x)", "  &Prehľady pohybov (x)",
                           "  Prehľady &zvierat (x)", "  Číselníky", "&Pomoc", "  Príručka", "  O programe"}));
        QCOMPARE(hlavny->VyberFarmy->toolTip(), QStringLiteral("Výber aktuálnej farmy"));

        auto *nastroje = hlavny->findChild<QToolBar *>("ToolBarHlavny");
        QStringList tlacidla;
        for (QAction *a : nastroje->actions())
            tlacidla << (a->isSeparator() ? QStringLiteral("-") : a->toolTip());
        QCOMPARE(tlacidla, (QStringList{"Nový prísun", "Zmena už zapísaných prísunov", "-", "Nový odsun",
                                        "Zmena už zapísaných odsunov", "-", "Hlásenie zmien",
                                        "Doklad k premiestneniu", "-", "Koniec"}));
    }
};

QTEST_MAIN(TestHlavny)
#include "tst_hlavny.moc"
