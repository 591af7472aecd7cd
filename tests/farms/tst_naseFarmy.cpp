// The own farms window: the list of own farms, the choice of the current farm
// and the details of a farm.
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QSqlTableModel>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include "FHlavny.h"
#include "FNaseFarmy.h"
#include "TestDB.h"
#include "TestMriezka.h"
#include "TestSDatabazou.h"
#include "UNavigatorTabulky.h"
#include "UOvladanie.h"
#include "ZaznamHlavneho.h"

namespace {

const QString bezFariem = QStringLiteral("Nie sú evidované žiadne licenčné farmy !");

// The details edits in tab order, with their labels and FarlLic columns.
struct TDetail
{
    const char *edit;
    const char *popis;
};
const TDetail detaily[] = {
    {"DBEditNazov", "Názov"},           {"DBEditUlica", "Ulica"},          {"DBEditPCislo", "Popis.číslo:"},
    {"DBEditPSC", "PSČ:"},              {"DBEditObec", "Obec:"},           {"DBEditDTitulPred", "Titul pred: "},
    {"DBEditDMeno", "Meno:"},           {"DBEditDPriezvisko", "Priezvisko:"}, {"DBEditDTiltulZa", "Titul za:"},
    {"DBEditDPSC", "PSČ:"},             {"DBEditDUlica", "Ulica:"},        {"DBEditDPCislo", "Popis.číslo:"},
    {"DBEditDObec", "Obec:"},           {"DBEditDTelefon", "Telefón"},     {"DBEditDFax", "Fax:"},
    {"DBEditDEmail", "E Mail:"},
};

QString Stlpec(const char *edit)
{
    return QString::fromLatin1(edit).mid(6);  // DBEditNazov -> Nazov
}

} // namespace

class TestNaseFarmy : public TTestSDatabazou
{
    Q_OBJECT

private:
    TZaznamHlavneho hlavny;

    QString Farma(int id, const QString &stlpec)
    {
        return TestDB::Hodnota(db(), QStringLiteral("SELECT IFNULL(%1, '<NULL>') FROM FarlLic WHERE Farma_ID=%2")
                                         .arg(stlpec)
                                         .arg(id))
            .toString();
    }

    // A server-side failure of every change of FarlLic, dropped again when the guard ends.
    auto ZamkniFarmy()
    {
        TestDB::Vykonaj(db(), "CREATE TRIGGER farllic_zamok BEFORE UPDATE ON FarlLic FOR EACH ROW "
                              "SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'farmy su zamknute'");
        return qScopeGuard([this] { TestDB::Vykonaj(db(), "DROP TRIGGER IF EXISTS farllic_zamok"); });
    }

private slots:
    void initTestCase() { PripravDatabazu(); }
    void init()
    {
        ZacniTest();
        hlavny.Volania.clear();
        hlavny.AktFarmaID = 1;
        hlavny.AktCisFarmy = "A10001";
        hlavny.AktNazovFarmy = "PD Dolný Háj";
    }
    void cleanup() { SkonciTest(); }

    void bezVlastnychFariemSaNeotvori()
    {
        TestDB::Vykonaj(db(), "DELETE FROM FarlLic");
        TFormNaseFarmy okno(*dm, hlavny);
        QVERIFY(!okno.PripravVyber());
        QVERIFY(!okno.PripravZoznam());
        QCOMPARE(spravy->Texty(), (QStringList{bezFariem, bezFariem}));
        QCOMPARE(spravy->Zaznam[0].Titulok, QStringLiteral("Zoznam fariem"));
        QCOMPARE(spravy->Zaznam[0].Ikona, TIkona::Chyba);
    }

    void detailyVPoradiSPopismi()
    {
        TFormNaseFarmy okno(*dm, hlavny);
        QVERIFY(okno.PripravZoznam());
        const auto popisPola = [&okno](QWidget *pole) -> QString {
            for (QFormLayout *formular : okno.GroupBoxDetaily->findChildren<QFormLayout *>())
                if (auto *popis = qobject_cast<QLabel *>(formular->labelForField(pole)))
                    return popis->text();
            return QStringLiteral("<bez popisu>");
        };
        QCOMPARE(popisPola(okno.DBTextCisFarmy), QStringLiteral("Register"));
        QWidget *pole = okno.DBEditNazov;
        for (const TDetail &detail : detaily) {
            QCOMPARE(pole->objectName(), QLatin1String(detail.edit));
            QCOMPARE(popisPola(pole), QString::fromUtf8(detail.popis));
            pole = DalsiOvladac(&okno, pole);
        }
        QVERIFY(!qobject_cast<QLineEdit *>(pole));  // the last detail hands over to the buttons
        QCOMPARE(okno.DBTextCisFarmy->toolTip(), QStringLiteral("Registračné číslo aktuálnej farmy"));
        QCOMPARE(okno.DBEditNazov->toolTip(), QStringLiteral("názov aktuálnej farmy"));
    }

    void vyberPonukneFarmyAPredvoliAktualnu_data()
    {
        QTest::addColumn<int>("aktFarmaId");
        QTest::addColumn<int>("polozka");
        QTest::addColumn<QString>("cisFarmy");
        QTest::newRow("aktuálna prvá") << 1 << 0 << "A10001";
        QTest::newRow("aktuálna druhá") << 2 << 1 << "B20002";
        QTest::newRow("aktuálna bez mena") << 3 << 2 << "C30003";
        // A current farm that is gone: the first one is shown, never an empty farm.
        QTest::newRow("aktuálna nejestvuje") << 99 << 0 << "A10001";
    }
    void vyberPonukneFarmyAPredvoliAktualnu()
    {
        QFETCH(int, aktFarmaId);
        QFETCH(int, polozka);
        QFETCH(QString, cisFarmy);
        TestDB::Vykonaj(db(), "INSERT INTO FarlLic (Farma_ID, CisFarmy, Nazov) VALUES (3, 'C30003', NULL)");
        hlavny.AktFarmaID = aktFarmaId;
        TFormNaseFarmy okno(*dm, hlavny);
        QVERIFY(okno.PripravVyber());
        okno.show();
        QCOMPARE(okno.windowTitle(), QStringLiteral("Licenčné farmy - vyber aktualnej farmy"));
        QVERIFY(okno.GroupBoxVyberFarmy->isVisible());
        QVERIFY(okno.BitBtnOK->isVisible());
        QVERIFY(!okno.GroupBoxZoznamFarmy->isVisible());
        QVERIFY(!okno.DBNavigatorNFarmy->isVisible());
        QStringList polozky;
        QList<int> idcka;
        for (int i = 0; i < okno.ComboBoxNFarmy->count(); ++i) {
            polozky << okno.ComboBoxNFarmy->itemText(i);
            idcka << okno.ComboBoxNFarmy->itemData(i).toInt();
        }
        QCOMPARE(polozky, (QStringList{"A10001 PD Dolný Háj", "B20002 Agrofarma Horné Lúky", "C30003 "}));
        QCOMPARE(idcka, (QList<int>{1, 2, 3}));
        QCOMPARE(okno.ComboBoxNFarmy->currentIndex(), polozka);
        QCOMPARE(okno.DBTextCisFarmy->text(), cisFarmy);
        QCOMPARE(hlavny.Volania, QStringList{"SkryPohlady"});
    }

    void ulozDetailyZobrazenejFarmy_data()
    {
        QTest::addColumn<bool>("zoznam");
        QTest::addColumn<int>("polozka");
        QTest::addColumn<int>("farmaId");
        QTest::addColumn<QString>("nazovHlavneho");
        QTest::addColumn<QStringList>("volania");
        // The other farm's row changes, not the current one's.
        QTest::newRow("výber, iná farma") << false << 1 << 2 << "PD Dolný Háj" << QStringList{"SkryPohlady"};
        // The current farm's new name reaches the main window as well.
        QTest::newRow("výber, aktuálna farma") << false << 0 << 1 << "n'\\0"
                                               << QStringList{"SkryPohlady", "ZobrazAktFarmu"};
        QTest::newRow("zoznam, iná farma") << true << 1 << 2 << "PD Dolný Háj" << QStringList{"SkryPohlady"};
    }
    void ulozDetailyZobrazenejFarmy()
    {
        QFETCH(bool, zoznam);
        QFETCH(int, polozka);
        QFETCH(int, farmaId);
        QFETCH(QString, nazovHlavneho);
        QFETCH(QStringList, volania);
        TFormNaseFarmy okno(*dm, hlavny);
        QVERIFY(zoznam ? okno.PripravZoznam() : okno.PripravVyber());
        okno.show();
        if (zoznam)
            okno.DBNavigatorNFarmy->ChodNa(polozka);
        else
            okno.ComboBoxNFarmy->setCurrentIndex(polozka);
        QCOMPARE(okno.DBTextCisFarmy->text(), Farma(farmaId, "CisFarmy"));
        // Every detail gets a value of its own, with a quote and a backslash typed in.
        QMap<QString, QString> hodnoty;
        int poradie = 0;
        for (const TDetail &detail : detaily) {
            const QString hodnota = QStringLiteral("%1'\\%2").arg(QChar(u'a' + poradie % 26)).arg(poradie);
            hodnoty[Stlpec(detail.edit)] = hodnota.left(5);
            okno.findChild<QLineEdit *>(detail.edit)->setText(hodnota);
            ++poradie;
        }
        hodnoty["Nazov"] = "n'\\0";
        okno.DBEditNazov->setText(hodnoty["Nazov"]);
        const QString inaFarma = Farma(3 - farmaId, "CONCAT_WS('|', Nazov, Ulica, Obec, DMeno, DEmail)");

        okno.BitBtnUloz->click();
        QCOMPARE(spravy->Texty(), QStringList{"Zmeny boli uložené."});
        QCOMPARE(spravy->Zaznam[0].Ikona, TIkona::Informacia);
        for (auto it = hodnoty.cbegin(); it != hodnoty.cend(); ++it)
            QCOMPARE(Farma(farmaId, it.key()), it.value());
        QCOMPARE(Farma(3 - farmaId, "CONCAT_WS('|', Nazov, Ulica, Obec, DMeno, DEmail)"), inaFarma);
        QCOMPARE(okno.DBTextCisFarmy->text(), Farma(farmaId, "CisFarmy"));  // still the saved farm
        QCOMPARE(okno.DBEditNazov->text(), hodnoty["Nazov"]);             // read back from the database
        QCOMPARE(hlavny.AktFarmaID, 1);
        QCOMPARE(hlavny.AktNazovFarmy, nazovHlavneho);
        QCOMPARE(hlavny.Volania, volania);
    }

    void neuspesneUlozenieDetailovSaVrati()
    {
        TFormNaseFarmy okno(*dm, hlavny);
        QVERIFY(okno.PripravVyber());
        okno.DBEditNazov->setText("Nový názov");
        {
            const auto zamok = ZamkniFarmy();
            okno.BitBtnUloz->click();
        }
        QCOMPARE(spravy->Texty(), QStringList{"Chyba: farmy su zamknute"});
        QCOMPARE(spravy->Zaznam[0].Ikona, TIkona::Chyba);
        QCOMPARE(Farma(1, "Nazov"), QStringLiteral("PD Dolný Háj"));
        QCOMPARE(TestDB::Hodnota(db(), "SELECT @@in_transaction").toInt(), 0);  // rolled back, not left open
        QCOMPARE(okno.DBEditNazov->text(), QStringLiteral("Nový názov"));     // the typed value stays
    }

    void ulozVyberFarmyZmeniAktualnuFarmu()
    {
        TFormHlavny hlavne(*dm);
        hlavne.AktFarmaID = 1;
        hlavne.AktCisFarmy = "A10001";
        TFormNaseFarmy okno(*dm, hlavne);
        QVERIFY(okno.PripravVyber());
        okno.show();
        okno.ComboBoxNFarmy->setCurrentIndex(1);
        okno.BitBtnOK->click();
        QCOMPARE(hlavne.AktFarmaID, 2);
        QCOMPARE(hlavne.AktCisFarmy, QStringLiteral("B20002"));
        QCOMPARE(hlavne.AktNazovFarmy, QStringLiteral("Agrofarma Horné Lúky"));
        QCOMPARE(hlavne.LabelVyber->text(), QStringLiteral("Aktuálna farma B20002 Agrofarma Horné Lúky"));
        QCOMPARE(TestDB::Hodnota(db(), "SELECT GROUP_CONCAT(CONCAT(IRPar_ID, '/', CisFarmy)) FROM irpar").toString(),
                 QStringLiteral("2/B20002"));
        QVERIFY(okno.isVisible());  // the window stays open
        QVERIFY(spravy->Zaznam.isEmpty());
    }

    void zoznamUkladaUpravyRiadku()
    {
        TFormNaseFarmy okno(*dm, hlavny);
        QVERIFY(okno.PripravZoznam());
        okno.show();
        QCOMPARE(okno.windowTitle(), QStringLiteral("Licenčné farmy - zoznam fariem"));
        QVERIFY(okno.GroupBoxZoznamFarmy->isVisible());
        QVERIFY(!okno.GroupBoxVyberFarmy->isVisible());
        QVERIFY(!okno.BitBtnOK->isVisible());
        QCOMPARE(TestMriezka::Titulky(*okno.DBGridNFarmy), (QStringList{"Číslo farmy", "Názov farmy"}));
        QCOMPARE(okno.ADOQueryFarLic2->rowCount(), 2);
        QStringList hinty;
        for (QToolButton *t : okno.DBNavigatorNFarmy->findChildren<QToolButton *>())
            hinty << t->toolTip();
        QCOMPARE(hinty, (QStringList{"Prvý záznam", "Predchádzajúci záznam", "Následujúci záznam", "Posledný záznam",
                                     "Potvrdenie opravy"}));
        QCOMPARE(okno.DBTextCisFarmy->text(), QStringLiteral("A10001"));

        // Leaving an edited row stores what was typed, and only that.
        okno.DBNavigatorNFarmy->Tlacidlo(TNavigatorTabulky::Posledny)->click();
        QCOMPARE(okno.DBTextCisFarmy->text(), QStringLiteral("B20002"));
        QTest::keyClicks(okno.DBEditDMeno, "Maria");
        okno.DBNavigatorNFarmy->Tlacidlo(TNavigatorTabulky::Prvy)->click();
        QCOMPARE(okno.DBTextCisFarmy->text(), QStringLiteral("A10001"));
        QCOMPARE(okno.DBEditDMeno->text(), QString());
        QCOMPARE(Farma(2, "DMeno"), QStringLiteral("Maria"));
        QCOMPARE(Farma(2, "DFax"), QStringLiteral("<NULL>"));

        // Post stores the shown row and stays on it.
        okno.DBEditPSC->clear();
        QTest::keyClicks(okno.DBEditPSC, "94002");
        okno.DBNavigatorNFarmy->Tlacidlo(TNavigatorTabulky::Potvrd)->click();
        QCOMPARE(Farma(1, "PSC"), QStringLiteral("94002"));
        QCOMPARE(okno.DBTextCisFarmy->text(), QStringLiteral("A10001"));

        // A failed store keeps the row and what was typed; closing stores it.
        QTest::keyClicks(okno.DBEditDFax, "0376");
        {
            const auto zamok = ZamkniFarmy();
            okno.DBNavigatorNFarmy->Tlacidlo(TNavigatorTabulky::Nasledujuci)->click();
            QCOMPARE(spravy->Texty(), QStringList{"Chyba: farmy su zamknute"});
            QCOMPARE(okno.DBTextCisFarmy->text(), QStringLiteral("A10001"));
            QCOMPARE(okno.DBEditDFax->text(), QStringLiteral("0376"));
            okno.close();
            QVERIFY(okno.isVisible());
        }
        okno.close();
        QVERIFY(!okno.isVisible());
        QCOMPARE(Farma(1, "DFax"), QStringLiteral("0376"));
        QCOMPARE(spravy->Zaznam.size(), 2);
    }
};

QTEST_MAIN(TestNaseFarmy)
#include "tst_naseFarmy.moc"
