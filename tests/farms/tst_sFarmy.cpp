// The farms of Slovakia: order, search and the picked farm.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQueryModel>
#include <QTableView>
#include <QTest>

#include "FSFarmy.h"
#include "TestDB.h"
#include "TestMriezka.h"
#include "TestSDatabazou.h"
#include "UOvladaceDB.h"

namespace {

const QString bezZhody = QStringLiteral("Daná farma nie je v databáze!");

// Farms of the test beside the installed list, with names the installed
// list does not begin with.
const char *const vlastneFarmy =
    "INSERT INTO Farmy (CisFarmy, Nazov, NazovP, Obec, Ulica, PCislo, PSC) VALUES "
    "('AB0100', 'Horný dvor', 'PD Brezina', 'Brezina', 'Hlavná', '1', '07201'), "
    "('AB0123', 'Ďatelinová farma', 'Xénia agro s.r.o.', 'agrovce', 'Poľná', '2', '07202'), "
    "('Z90001', 'Farma pri potoku', 'Roľník Zeman', 'Agrovo', 'Dolná', '3', '07203')";

} // namespace

class TestSFarmy : public TTestSDatabazou
{
    Q_OBJECT

private:
    std::unique_ptr<TFormSFarmy> okno;

    QStringList Stlpec(int stlpec) const { return TestMriezka::Stlpec(*okno->ADOQuerySFarmy, stlpec); }
    QString AktualneCislo() const { return okno->DBGridSFarmy->currentIndex().siblingAtColumn(0).data().toString(); }
    void ZobrazZnova()
    {
        okno->hide();
        okno->show();
    }

private slots:
    void initTestCase()
    {
        PripravDatabazu();
        TestDB::Vykonaj(db(), "DELETE FROM Farmy WHERE CisFarmy IN ('AB0100', 'AB0123', 'Z90001')");
        TestDB::Vykonaj(db(), vlastneFarmy);
    }
    void init()
    {
        ZacniTest();
        okno = std::make_unique<TFormSFarmy>(*dm);
        okno->show();
        QVERIFY(QTest::qWaitForWindowActive(okno.get()));
    }
    void cleanup()
    {
        okno.reset();
        SkonciTest();
    }
    void cleanupTestCase()
    {
        TestDB::Vykonaj(db(), "DELETE FROM Farmy WHERE CisFarmy IN ('AB0100', 'AB0123', 'Z90001')");
    }

    void zoznamSoStlpcami()
    {
        QCOMPARE(TestMriezka::Titulky(*okno->DBGridSFarmy), (QStringList{"číslo farmy", "názov farmy", "názov podniku",
                                                                          "obec", "ulica", "popisné číslo", "PSČ"}));
        QCOMPARE(okno->ADOQuerySFarmy->rowCount(), TestDB::Hodnota(db(), "SELECT COUNT(*) FROM Farmy").toInt());
        QCOMPARE(okno->windowTitle(), QStringLiteral("Farmy Slovenska"));
        QCOMPARE(okno->EditCislo->maxLength(), 6);
    }

    void triedenie_data()
    {
        QTest::addColumn<QString>("polozka");
        QTest::addColumn<QString>("ina");
        QTest::addColumn<int>("stlpec");
        QTest::addColumn<QString>("sql");
        QTest::newRow("čísla farmy") << "CisFarmy" << "Obec" << 0 << "SELECT CisFarmy FROM Farmy ORDER BY CisFarmy";
        QTest::newRow("názvu farmy") << "Nazov" << "NazovP" << 1 << "SELECT Nazov FROM Farmy ORDER BY Nazov";
        QTest::newRow("názvu podniku") << "NazovP" << "Nazov" << 2 << "SELECT NazovP FROM Farmy ORDER BY NazovP";
        QTest::newRow("názvu obce") << "Obec" << "CisFarmy" << 3 << "SELECT Obec FROM Farmy ORDER BY Obec";
    }
    void triedenie()
    {
        QFETCH(QString, polozka);
        QFETCH(QString, ina);
        QFETCH(int, stlpec);
        QFETCH(QString, sql);
        okno->RadioGroupTriedenie->Polozka(ina)->click();  // another order first
        okno->RadioGroupTriedenie->Polozka(polozka)->click();
        QSqlQuery dotaz(db());
        QVERIFY(dotaz.exec(sql));
        QStringList ocakavane;
        while (dotaz.next())
            ocakavane << dotaz.value(0).toString();
        QCOMPARE(Stlpec(stlpec), ocakavane);
        QCOMPARE(okno->DBGridSFarmy->currentIndex().row(), 0);

        // Each showing starts again by farm number.
        ZobrazZnova();
        QCOMPARE(okno->RadioGroupTriedenie->Hodnota(), QStringLiteral("CisFarmy"));
        QCOMPARE(Stlpec(0).first(), TestDB::Hodnota(db(), "SELECT MIN(CisFarmy) FROM Farmy").toString());
    }

    void hladanie_data()
    {
        QTest::addColumn<QString>("cislo");
        QTest::addColumn<QString>("nazov");
        QTest::addColumn<QString>("polozkaNazvu");
        QTest::addColumn<QString>("najdene");  // empty: no match
        QTest::newRow("číslo") << "AB01" << "" << "Nazov" << "AB0100";
        QTest::newRow("číslo malými") << "ab01" << "" << "Nazov" << "";
        QTest::newRow("názov farmy") << "" << "ďATEL" << "Nazov" << "AB0123";
        QTest::newRow("názov podniku") << "" << "xénia" << "NazovP" << "AB0123";
        QTest::newRow("názov obce") << "" << "agro" << "Obec" << "AB0123";
        QTest::newRow("názov farmy nie v obci") << "" << "agrovo" << "Nazov" << "";
        QTest::newRow("oboje") << "z9" << "AGRO" << "Obec" << "Z90001";
        QTest::newRow("oboje bez zhody") << "AB01" << "agro" << "Nazov" << "";
        QTest::newRow("nič") << "Q" << "" << "Nazov" << "";
    }
    void hladanie()
    {
        QFETCH(QString, cislo);
        QFETCH(QString, nazov);
        QFETCH(QString, polozkaNazvu);
        QFETCH(QString, najdene);
        okno->DBGridSFarmy->selectRow(5);
        const QString povodne = AktualneCislo();
        okno->RadioGroupNazov->Polozka(polozkaNazvu)->click();
        QTest::keyClicks(okno->EditCislo, cislo);
        okno->EditNazov->setText(nazov);
        okno->BitBtnVyhladaj->click();
        if (najdene.isEmpty()) {
            QCOMPARE(spravy->Texty(), QStringList{bezZhody});
            QCOMPARE(AktualneCislo(), povodne);
        } else {
            QVERIFY(spravy->Zaznam.isEmpty());
            QCOMPARE(AktualneCislo(), najdene);
        }
        QVERIFY(okno->EditCislo->text().isEmpty());
        QVERIFY(okno->EditNazov->text().isEmpty());
        QCOMPARE(QApplication::focusWidget(), okno->DBGridSFarmy);
    }

    void hladanieBezTextuNehlada()
    {
        okno->DBGridSFarmy->selectRow(7);
        const QString povodne = AktualneCislo();
        okno->BitBtnVyhladaj->click();
        QVERIFY(spravy->Zaznam.isEmpty());
        QCOMPARE(AktualneCislo(), povodne);
    }

    void vyberVratiCisloANazov()
    {
        okno->hide();
        okno->NastavVyber(true);
        okno->show();
        QVERIFY(okno->BitBtnVyber->isVisible());
        okno->EditCislo->setText("AB0123");
        okno->BitBtnVyhladaj->click();
        okno->BitBtnVyber->click();
        QCOMPARE(okno->result(), int(QDialog::Accepted));
        QCOMPARE(okno->VybraneCislo(), QStringLiteral("AB0123"));
        QCOMPARE(okno->VybranyNazov(), QStringLiteral("Ďatelinová farma"));

        // A new showing forgets the choice; "Koniec" chooses nothing.
        okno->show();
        QVERIFY(okno->VybraneCislo().isEmpty());
        QVERIFY(okno->VybranyNazov().isEmpty());
        okno->BitBtnZavriet->click();
        QCOMPARE(okno->result(), int(QDialog::Rejected));
        QVERIFY(okno->VybraneCislo().isEmpty());

        // A double click on a row chooses it as well.
        okno->show();
        okno->EditCislo->setText("Z90001");
        okno->BitBtnVyhladaj->click();
        const QRect bunka = okno->DBGridSFarmy->visualRect(okno->DBGridSFarmy->currentIndex());
        QTest::mouseClick(okno->DBGridSFarmy->viewport(), Qt::LeftButton, {}, bunka.center());
        QTest::mouseDClick(okno->DBGridSFarmy->viewport(), Qt::LeftButton, {}, bunka.center());
        QCOMPARE(okno->result(), int(QDialog::Accepted));
        QVERIFY(!okno->isVisible());
        QCOMPARE(okno->VybraneCislo(), QStringLiteral("Z90001"));
        QCOMPARE(okno->VybranyNazov(), QStringLiteral("Farma pri potoku"));
    }

    void bezVyberuJeTlacidloSkryte()
    {
        okno->NastavVyber(false);
        QVERIFY(!okno->BitBtnVyber->isVisible());
        okno->NastavVyber(true);
        QVERIFY(okno->BitBtnVyber->isVisible());
    }
};

QTEST_MAIN(TestSFarmy)
#include "tst_sFarmy.moc"
