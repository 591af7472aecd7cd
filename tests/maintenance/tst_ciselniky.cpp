// The code lists window: five lists, only the sire lines may be changed.
#include <QLineEdit>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QSqlTableModel>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include "FCiselniky.h"
#include "TestDB.h"
#include "TestMriezka.h"
#include "TestSDatabazou.h"

class TestCiselniky : public TTestSDatabazou
{
    Q_OBJECT

private:
    std::unique_ptr<TFormCiselniky> okno;
    QList<QPair<QString, QString>> povodneLinie;

    // A fingerprint of a whole table, to see that nothing in it changed.
    QString Odtlacok(const QString &tabulka)
    {
        QSqlQuery dotaz(db());
        if (!dotaz.exec("CHECKSUM TABLE " + tabulka) || !dotaz.next())
            return {};
        return dotaz.value(1).toString();
    }

    QTableView *Grid(int zalozka) const
    {
        return QList<QTableView *>{okno->DBGridKody, okno->DBGridStaty, okno->DBGridPlemena, okno->DBGridFarby,
                                okno->DBGridLinie}[zalozka];
    }

    // Shows the sire lines with the given line as the current row.
    void ChodNaLiniu(const QString &skratka, int stlpec)
    {
        okno->PageControlCiselniky->setCurrentIndex(4);
        QSqlTableModel *linie = okno->ADOTableLinie;
        for (int r = 0; r < linie->rowCount(); ++r)
            if (linie->data(linie->index(r, 0)).toString() == skratka) {
                okno->DBGridLinie->setCurrentIndex(linie->index(r, stlpec));
                return;
            }
        QFAIL(qPrintable("no line " + skratka));
    }

    // Types into the cell editor that the grid has open, key by key (Slovak
    // letters included, which QTest::keyClicks cannot send).
    void Napis(const QString &text)
    {
        auto *editor = qobject_cast<QLineEdit *>(okno->DBGridLinie->indexWidget(okno->DBGridLinie->currentIndex()));
        QVERIFY2(editor, "no cell editor is open");
        editor->selectAll();
        for (const QChar znak : text)
            QTest::sendKeyEvent(QTest::KeyAction::Click, editor, Qt::Key_unknown, QString(znak), Qt::NoModifier);
    }

    void Stlac(TNavigatorTabulky::TTlacidlo tlacidlo) { okno->DBNavigatorLinie->Tlacidlo(tlacidlo)->click(); }

    QString NazovLinie(const QString &skratka)
    {
        return TestDB::Hodnota(db(), "SELECT nazov FROM linie WHERE skratka='" + SqlEsc(skratka) + "'").toString();
    }

private slots:
    void initTestCase()
    {
        PripravDatabazu();
        QSqlQuery linie(db());
        QVERIFY(linie.exec("SELECT skratka, nazov FROM linie"));
        while (linie.next())
            povodneLinie << qMakePair(linie.value(0).toString(), linie.value(1).toString());
        QVERIFY(povodneLinie.size() > 10);
    }
    void init()
    {
        ZacniTest();
        okno = std::make_unique<TFormCiselniky>(*dm);
    }
    void cleanup()
    {
        okno.reset();
        SkonciTest();
        // The code lists are shared with the other test programs: leave them as installed.
        TestDB::Vykonaj(db(), "DELETE FROM kodudal WHERE Typ='X'");
        TestDB::Vykonaj(db(), "DELETE FROM linie");
        for (const auto &[skratka, nazov] : povodneLinie)
            TestDB::Vykonaj(db(), "INSERT INTO linie (skratka, nazov) VALUES ('" + SqlEsc(skratka) + "', '" +
                                      SqlEsc(nazov) + "')");
    }

    void zalozkyUkazujuTabulky_data()
    {
        QTest::addColumn<int>("zalozka");
        QTest::addColumn<QString>("nazov");
        QTest::addColumn<QString>("tabulka");
        QTest::addColumn<QStringList>("titulky");
        QTest::addColumn<QString>("prvaBunka");
        QTest::newRow("kódy") << 0 << "Kódy udalosti" << "kodudal WHERE typ <> 'X'"
                              << QStringList{"Kod - Popis", "Typ", "Poznámka", "platný"}
                              << "SELECT Popis FROM kodudal ORDER BY Udal_ID LIMIT 1";
        QTest::newRow("štáty") << 1 << "Štáty" << "tabstat" << QStringList{"Kód štátu", "Názov štátu", "EU"}
                               << "SELECT KodSt FROM tabstat ORDER BY KodSt LIMIT 1";
        QTest::newRow("plemená") << 2 << "Plemená" << "plemena" << QStringList{"KodPl12", "Nazov"}
                                 << "SELECT KodPl12 FROM plemena ORDER BY KodPl12 LIMIT 1";
        QTest::newRow("farby") << 3 << "Farby" << "farby" << QStringList{"kod", "nazov"}
                               << "SELECT kod FROM farby ORDER BY kod LIMIT 1";
        QTest::newRow("línie") << 4 << "Linie býkov" << "linie" << QStringList{"skratka", "nazov"}
                               << "SELECT skratka FROM linie ORDER BY skratka LIMIT 1";
    }
    void zalozkyUkazujuTabulky()
    {
        QFETCH(int, zalozka);
        QFETCH(QString, nazov);
        QFETCH(QString, tabulka);
        QFETCH(QStringList, titulky);
        QFETCH(QString, prvaBunka);
        // A row of type X never shows among the event codes.
        TestDB::Vykonaj(db(), "INSERT INTO kodudal (Kod, Popis, Typ) VALUES ('ZZ', 'ZZ - skrytý', 'X')");
        okno->show();
        QCOMPARE(okno->windowTitle(), QStringLiteral("Číselníky"));
        QCOMPARE(okno->PageControlCiselniky->count(), 5);
        QCOMPARE(okno->PageControlCiselniky->tabText(zalozka), nazov);
        const QAbstractItemModel *model = Grid(zalozka)->model();
        const int pocet = TestDB::Hodnota(db(), "SELECT COUNT(*) FROM " + tabulka).toInt();
        QVERIFY(pocet > 0);
        QCOMPARE(model->rowCount(), pocet);
        QCOMPARE(TestMriezka::Titulky(*Grid(zalozka)), titulky);
        QCOMPARE(model->data(model->index(0, 0)).toString(), TestDB::Hodnota(db(), prvaBunka).toString());
        QCOMPARE(Grid(zalozka)->currentIndex().row(), 0);
        if (zalozka == 0)
            QVERIFY(!TestMriezka::Stlpec(*model, 1).contains("X"));
    }

    // Code lists updated while the window was closed show at its next opening.
    void kazdeZobrazenieCitaZnova()
    {
        okno->show();
        okno->hide();
        TestDB::Vykonaj(db(), "INSERT INTO kodudal (Kod, Popis, Typ) VALUES ('ZY', 'ZY - nový', 'P')");
        const int pocet = TestDB::Hodnota(db(), "SELECT COUNT(*) FROM kodudal WHERE typ <> 'X'").toInt();
        okno->show();
        QCOMPARE(okno->ADOTableKodUdal->rowCount(), pocet);
        TestDB::Vykonaj(db(), "DELETE FROM kodudal WHERE Kod='ZY'");
    }

    void citatelneZoznamyNeprijmuZmenu_data()
    {
        QTest::addColumn<int>("zalozka");
        QTest::addColumn<QString>("tabulka");
        QTest::newRow("kódy") << 0 << "kodudal";
        QTest::newRow("štáty") << 1 << "tabstat";
        QTest::newRow("plemená") << 2 << "plemena";
        QTest::newRow("farby") << 3 << "farby";
    }
    void citatelneZoznamyNeprijmuZmenu()
    {
        QFETCH(int, zalozka);
        QFETCH(QString, tabulka);
        const QString pred = Odtlacok(tabulka);
        QVERIFY(!pred.isEmpty());
        okno->show();
        okno->PageControlCiselniky->setCurrentIndex(zalozka);
        QTableView *grid = Grid(zalozka);
        QAbstractItemModel *model = grid->model();
        const QModelIndex bunka = model->index(0, 1);
        const QVariant hodnota = model->data(bunka);
        grid->setCurrentIndex(bunka);

        QTest::keyClick(grid, Qt::Key_F2);
        QTest::keyClicks(grid, "Zmena");
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(bunka).center());
        QVERIFY(!grid->indexWidget(bunka));
        QVERIFY(!(model->flags(bunka) & Qt::ItemIsEditable));
        QVERIFY(!model->setData(bunka, "Zmena"));
        QVERIFY(!model->insertRow(0));
        QVERIFY(!model->removeRow(0));
        QCOMPARE(model->data(bunka), hodnota);
        QCOMPARE(Odtlacok(tabulka), pred);

        // The event codes carry the whole navigator, its editing buttons disabled;
        // the other lists only move (a button a navigator lacks is neither shown nor enabled).
        TNavigatorTabulky *navigator = QList<TNavigatorTabulky *>{okno->DBNavigatorKody, okno->DBNavigatorStaty,
                                                                  okno->DBNavigatorPlemena,
                                                                  okno->DBNavigatorFarby}[zalozka];
        for (const auto druh : {TNavigatorTabulky::Vloz, TNavigatorTabulky::Vymaz, TNavigatorTabulky::Oprav,
                                TNavigatorTabulky::Potvrd, TNavigatorTabulky::Zrus}) {
            QToolButton *tlacidlo = navigator->Tlacidlo(druh);
            QCOMPARE(tlacidlo && tlacidlo->isVisible(), zalozka == 0);
            QVERIFY(!tlacidlo || !tlacidlo->isEnabled());
        }
        QToolButton *obnov = navigator->Tlacidlo(TNavigatorTabulky::Obnov);
        QCOMPARE(obnov && obnov->isVisible(), zalozka == 0);
        QVERIFY(navigator->Tlacidlo(TNavigatorTabulky::Nasledujuci)->isVisible());
    }

    void navigatorPrechadzaRiadky()
    {
        okno->show();
        TNavigatorTabulky *navigator = okno->DBNavigatorStaty;
        QTableView *grid = okno->DBGridStaty;
        const int posledny = grid->model()->rowCount() - 1;
        QVERIFY(!navigator->Tlacidlo(TNavigatorTabulky::Prvy)->isEnabled());
        QVERIFY(!navigator->Tlacidlo(TNavigatorTabulky::Predchadzajuci)->isEnabled());
        navigator->Tlacidlo(TNavigatorTabulky::Posledny)->click();
        QCOMPARE(grid->currentIndex().row(), posledny);
        QVERIFY(!navigator->Tlacidlo(TNavigatorTabulky::Nasledujuci)->isEnabled());
        QVERIFY(!navigator->Tlacidlo(TNavigatorTabulky::Posledny)->isEnabled());
        navigator->Tlacidlo(TNavigatorTabulky::Predchadzajuci)->click();
        QCOMPARE(grid->currentIndex().row(), posledny - 1);
        navigator->Tlacidlo(TNavigatorTabulky::Nasledujuci)->click();
        QCOMPARE(grid->currentIndex().row(), posledny);
        navigator->Tlacidlo(TNavigatorTabulky::Prvy)->click();
        QCOMPARE(grid->currentIndex().row(), 0);
    }

    void linieVlozenieAOprava()
    {
        okno->show();
        const int pocet = okno->ADOTableLinie->rowCount();
        ChodNaLiniu("BEL", 0);
        Stlac(TNavigatorTabulky::Vloz);
        Napis("O'K");
        okno->DBGridLinie->setCurrentIndex(okno->ADOTableLinie->index(okno->DBGridLinie->currentIndex().row(), 1));
        Stlac(TNavigatorTabulky::Oprav);
        Napis("Línia 'skúšobná'");
        Stlac(TNavigatorTabulky::Potvrd);
        QVERIFY(spravy->Zaznam.isEmpty());
        QCOMPARE(NazovLinie("O'K"), QStringLiteral("Línia 'skúšobná'"));
        QCOMPARE(okno->ADOTableLinie->rowCount(), pocet + 1);
        // The stored row stays the current one.
        const QModelIndex aktualna = okno->DBGridLinie->currentIndex();
        QCOMPARE(okno->ADOTableLinie->data(aktualna.siblingAtColumn(0)).toString(), QStringLiteral("O'K"));

        // Posted with the cell editor still open: what it holds is stored.
        ChodNaLiniu("BEL", 1);
        Stlac(TNavigatorTabulky::Oprav);
        Napis("Bell \\ upravená");
        Stlac(TNavigatorTabulky::Potvrd);
        QCOMPARE(NazovLinie("BEL"), QStringLiteral("Bell \\ upravená"));
        QCOMPARE(TestDB::Hodnota(db(), "SELECT COUNT(*) FROM linie").toInt(), pocet + 1);
        QVERIFY(spravy->Zaznam.isEmpty());
    }

    void linieChybaUlozeniaNechaRiadok()
    {
        okno->show();
        const QString pred = Odtlacok("linie");
        const int pocet = okno->ADOTableLinie->rowCount();
        ChodNaLiniu("BEL", 0);
        Stlac(TNavigatorTabulky::Vloz);
        Napis("ABCD");  // the abbreviation has at most 3 characters
        Stlac(TNavigatorTabulky::Potvrd);
        QCOMPARE(spravy->Zaznam.size(), 1);
        QCOMPARE(spravy->Zaznam[0].Ikona, TIkona::Chyba);
        QVERIFY2(spravy->Zaznam[0].Text.startsWith("Chyba: Data too long for column 'skratka'"),
                 qPrintable(spravy->Zaznam[0].Text));
        QCOMPARE(Odtlacok("linie"), pred);
        QCOMPARE(okno->ADOTableLinie->rowCount(), pocet + 1);
        QCOMPARE(okno->ADOTableLinie->data(okno->DBGridLinie->currentIndex()).toString(), QStringLiteral("ABCD"));

        // Closing tries the store again and stays open while it fails.
        okno->reject();
        QVERIFY(okno->isVisible());
        QCOMPARE(spravy->Zaznam.size(), 2);

        Stlac(TNavigatorTabulky::Zrus);
        QCOMPARE(okno->ADOTableLinie->rowCount(), pocet);
        QVERIFY(!okno->ADOTableLinie->isDirty());
        okno->reject();
        QVERIFY(!okno->isVisible());
        QCOMPARE(Odtlacok("linie"), pred);
    }

    void linieVymazaniePoOtazke()
    {
        okno->show();
        ChodNaLiniu("BEL", 0);
        spravy->Odpovede << TOdpoved::Nie;
        Stlac(TNavigatorTabulky::Vymaz);
        QVERIFY(!NazovLinie("BEL").isEmpty());
        QCOMPARE(spravy->Zaznam.size(), 1);
        QCOMPARE(spravy->Zaznam[0].Text, QStringLiteral("Vymazať záznam ?"));
        QCOMPARE(spravy->Zaznam[0].Titulok, QStringLiteral("Číselníky"));
        QCOMPARE(spravy->Zaznam[0].Predvolena, TOdpoved::Nie);

        spravy->Odpovede << TOdpoved::Ano;
        Stlac(TNavigatorTabulky::Vymaz);
        QCOMPARE(TestDB::Hodnota(db(), "SELECT COUNT(*) FROM linie WHERE skratka='BEL'").toInt(), 0);
        QCOMPARE(okno->ADOTableLinie->rowCount(), povodneLinie.size() - 1);
    }

    // A change not yet posted is stored when the window closes.
    void zatvorenieUloziRozpisanuZmenu()
    {
        okno->show();
        ChodNaLiniu("HAX", 1);
        Stlac(TNavigatorTabulky::Oprav);
        Napis("Haxl");
        okno->reject();
        QVERIFY(!okno->isVisible());
        QCOMPARE(NazovLinie("HAX"), QStringLiteral("Haxl"));
        QVERIFY(spravy->Zaznam.isEmpty());
    }
};

QTEST_MAIN(TestCiselniky)
#include "tst_ciselniky.moc"
