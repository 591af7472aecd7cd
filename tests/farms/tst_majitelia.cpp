// The owners window: the company number rule, editing in the grid, deleting
// and the picked owner.
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlRecord>
#include <QSqlTableModel>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include "FMajitelia.h"
#include "TestDB.h"
#include "TestMriezka.h"
#include "TestSDatabazou.h"
#include "UIco.h"
#include "UNavigatorTabulky.h"
#include "ZaznamHlavneho.h"

class TestMajitelia : public TTestSDatabazou
{
    Q_OBJECT

private:
    TZaznamHlavneho hlavny;
    std::unique_ptr<TFormMajitelia> okno;

    QSqlTableModel *Model() const { return okno->ADOQueryMajitelia; }
    QModelIndex Bunka(int riadok, const char *stlpec) const
    {
        return Model()->index(riadok, Model()->fieldIndex(QLatin1String(stlpec)));
    }
    int RiadokMajitela(int vlastnikId) const
    {
        for (int riadok = 0; riadok < Model()->rowCount(); ++riadok)
            if (Model()->record(riadok).value("Vlastnik_ID").toInt() == vlastnikId)
                return riadok;
        return -1;
    }
    QString Majitel(const QString &stlpec, const QString &podmienka)
    {
        return TestDB::Hodnota(db(), QStringLiteral("SELECT IFNULL(%1, '<NULL>') FROM vlastnik WHERE %2")
                                         .arg(stlpec, podmienka))
            .toString();
    }
    void Stlac(TNavigatorTabulky::TTlacidlo tlacidlo)
    {
        okno->DBNavigatorMajitelia->Tlacidlo(tlacidlo)->click();
    }
    // Goes to the cell (as the arrow keys would) and types over its text in the cell editor.
    QLineEdit *Napis(int riadok, const char *stlpec, const QString &text)
    {
        const QModelIndex bunka = Bunka(riadok, stlpec);
        okno->DBGridMajitelia->setCurrentIndex(bunka);
        okno->DBGridMajitelia->edit(bunka);
        auto *editor = qobject_cast<QLineEdit *>(okno->DBGridMajitelia->indexWidget(bunka));
        if (editor) {
            editor->selectAll();
            editor->del();
            QTest::keyClicks(editor, text);
        }
        return editor;
    }
    void Zobraz(bool vyber)
    {
        okno->NastavVyber(vyber);
        okno->show();
        QVERIFY(QTest::qWaitForWindowExposed(okno.get()));
    }

private slots:
    void initTestCase() { PripravDatabazu(); }
    void init()
    {
        ZacniTest();
        TestDB::Vykonaj(db(), "INSERT INTO vlastnik (Vlastnik_ID, ICO_RC, PNazov) VALUES (3, '00012345', 'Mlyn s.r.o.')");
        hlavny.Volania.clear();
        okno = std::make_unique<TFormMajitelia>(*dm, hlavny);
    }
    void cleanup()
    {
        okno.reset();
        SkonciTest();
    }

    void doplnNulyICO_data()
    {
        QTest::addColumn<QString>("ico");
        QTest::addColumn<QString>("doplnene");
        QTest::newRow("4 znaky") << "1234" << "00001234";
        QTest::newRow("1 znak") << "7" << "00000007";
        QTest::newRow("7 znakov") << "1234567" << "01234567";
        QTest::newRow("s medzerami") << " 123 " << "00000123";
        QTest::newRow("8 znakov") << "12345678" << "12345678";
        QTest::newRow("rodné číslo") << "7501011234" << "7501011234";
        QTest::newRow("prázdne") << "" << "";
        QTest::newRow("medzery") << "   " << "   ";
    }
    void doplnNulyICO()
    {
        QFETCH(QString, ico);
        QFETCH(QString, doplnene);
        QCOMPARE(DoplnNulyICO(ico), doplnene);
    }

    void rezimy()
    {
        Zobraz(false);
        QCOMPARE(okno->windowTitle(), QStringLiteral("Zoznam majiteľov"));
        QCOMPARE(okno->GroupBoxMajitelia->title(), QStringLiteral("Zoznam majiteľov zvierat"));
        QCOMPARE(TestMriezka::Titulky(*okno->DBGridMajitelia),
                 (QStringList{"IČO", "Názov firmy", "Titul pred", "Meno", "Priezvisko", "Titul za", "DIČ", "Obec",
                              "Ulica", "Popisné číslo", "Pošta", "PSČ", "Telefón", "Fax", "Mail"}));
        QCOMPARE(Model()->rowCount(), 3);
        QStringList hinty;
        for (QToolButton *t : okno->DBNavigatorMajitelia->findChildren<QToolButton *>())
            hinty << t->toolTip();
        QCOMPARE(hinty, (QStringList{"Prvý záznam", "Predchádzajúci záznam", "Následujúci záznam", "Posledný záznam",
                                     "Vlož záznam", "Vymaž záznam", "Oprav záznam", "Potvrdenie opravy",
                                     "Zrušenie opravy", "Ulož dáta"}));
        QVERIFY(okno->DBNavigatorMajitelia->isVisible() && okno->DBNavigatorMajitelia->isEnabled());
        QVERIFY(okno->BitBtnVyber->isHidden() && !okno->BitBtnVyber->isEnabled());
        QVERIFY(okno->DBGridMajitelia->editTriggers() != QAbstractItemView::NoEditTriggers);

        okno->hide();
        Zobraz(true);
        QCOMPARE(okno->BitBtnVyber->text(), QStringLiteral("Výber majiteľa"));
        QVERIFY(okno->BitBtnVyber->isVisible() && okno->BitBtnVyber->isEnabled());
        QVERIFY(okno->DBNavigatorMajitelia->isHidden() && !okno->DBNavigatorMajitelia->isEnabled());
        QCOMPARE(okno->DBGridMajitelia->editTriggers(), QAbstractItemView::NoEditTriggers);
    }

    void ulozenieDoplniICO_data()
    {
        QTest::addColumn<bool>("novy");
        QTest::addColumn<QString>("ico");
        QTest::addColumn<QString>("ulozene");
        QTest::newRow("nový 1234") << true << "1234" << "00001234";
        QTest::newRow("nový 12345678") << true << "12345678" << "12345678";
        QTest::newRow("nový bez IČO") << true << "" << "";
        QTest::newRow("oprava 1234") << false << "1234" << "00001234";
        QTest::newRow("oprava rodné číslo") << false << "7501011234" << "7501011234";
        QTest::newRow("oprava vymazané") << false << "" << "";
    }
    void ulozenieDoplniICO()
    {
        QFETCH(bool, novy);
        QFETCH(QString, ico);
        QFETCH(QString, ulozene);
        Zobraz(false);
        QString podmienka = QStringLiteral("Vlastnik_ID = 1");
        if (novy) {
            Stlac(TNavigatorTabulky::Vloz);  // opens the new row's first cell, the company number
            auto *editor = qobject_cast<QLineEdit *>(okno->DBGridMajitelia->indexWidget(
                okno->DBGridMajitelia->currentIndex()));
            QVERIFY(editor);
            QTest::keyClicks(editor, ico);
            QTest::keyClick(editor, Qt::Key_Tab);  // on to the firm's name
            editor = qobject_cast<QLineEdit *>(okno->DBGridMajitelia->indexWidget(okno->DBGridMajitelia->currentIndex()));
            QVERIFY(editor);
            QTest::keyClicks(editor, "Novy majitel");
            podmienka = QStringLiteral("PNazov = 'Novy majitel'");
        } else {
            QVERIFY(Napis(RiadokMajitela(1), "ICO_RC", ico));
        }
        Stlac(TNavigatorTabulky::Potvrd);
        QVERIFY(spravy->Zaznam.isEmpty());
        QCOMPARE(Majitel("ICO_RC", podmienka), ulozene);
        QCOMPARE(TestDB::Hodnota(db(), "SELECT COUNT(*) FROM vlastnik").toInt(), novy ? 4 : 3);
        // The grid stays on the stored row and shows it as stored.
        const QModelIndex aktualna = okno->DBGridMajitelia->currentIndex();
        QCOMPARE(Model()->record(aktualna.row()).value("Vlastnik_ID").toString(), Majitel("Vlastnik_ID", podmienka));
        QCOMPARE(Bunka(aktualna.row(), "ICO_RC").data().toString(), ulozene);
    }

    void opustenieRiadkuHoUlozi()
    {
        Zobraz(false);
        QVERIFY(Napis(RiadokMajitela(1), "Obec", "Nitra"));
        QVERIFY(Napis(RiadokMajitela(2), "Telefon", "0905111222"));  // on to the next row
        QCOMPARE(Majitel("Obec", "Vlastnik_ID = 1"), QStringLiteral("Nitra"));
        QCOMPARE(Majitel("Telefon", "Vlastnik_ID = 2"), QStringLiteral("<NULL>"));  // still typed only
        okno->close();
        QCOMPARE(Majitel("Telefon", "Vlastnik_ID = 2"), QStringLiteral("0905111222"));
        QCOMPARE(hlavny.Volania, QStringList{"NastavPriradenieMajitela"});
        QVERIFY(spravy->Zaznam.isEmpty());
    }

    void neuspesneUlozenieZostaneNapisane()
    {
        Zobraz(false);
        const int riadok = RiadokMajitela(1);
        QVERIFY(Napis(riadok, "ICO_RC", "12345678901"));  // one character more than the column holds
        Stlac(TNavigatorTabulky::Potvrd);
        QCOMPARE(spravy->Zaznam.size(), 1);
        QVERIFY2(spravy->Zaznam[0].Text.startsWith("Chyba: Data too long for column 'ICO_RC'"),
                 qPrintable(spravy->Zaznam[0].Text));
        QCOMPARE(Majitel("ICO_RC", "Vlastnik_ID = 1"), QStringLiteral("31234567"));
        QCOMPARE(okno->DBGridMajitelia->currentIndex().row(), riadok);
        QCOMPARE(Bunka(riadok, "ICO_RC").data().toString(), QStringLiteral("12345678901"));

        okno->close();  // cannot be stored: the window stays
        QVERIFY(okno->isVisible());
        QCOMPARE(spravy->Zaznam.size(), 2);
        QVERIFY(hlavny.Volania.isEmpty());

        Stlac(TNavigatorTabulky::Zrus);
        QCOMPARE(Bunka(riadok, "ICO_RC").data().toString(), QStringLiteral("31234567"));
        okno->close();
        QVERIFY(!okno->isVisible());
        QCOMPARE(hlavny.Volania, QStringList{"NastavPriradenieMajitela"});
    }

    void vymazanieSaPyta_data()
    {
        QTest::addColumn<int>("vlastnikId");
        QTest::addColumn<TOdpoved>("odpoved");
        QTest::addColumn<QString>("otazka");
        QTest::addColumn<TIkona>("ikona");
        QTest::newRow("bez zvierat, áno") << 3 << TOdpoved::Ano << "Naozaj chcete vymazať majiteľa 00012345 Mlyn s.r.o. ?"
                                          << TIkona::Otazka;
        QTest::newRow("bez zvierat, nie") << 3 << TOdpoved::Nie << "Naozaj chcete vymazať majiteľa 00012345 Mlyn s.r.o. ?"
                                          << TIkona::Otazka;
        QTest::newRow("so zvieratami") << 1 << TOdpoved::Ano
                                       << "Majiteľ 31234567 PD Dolný Háj je v registri priradený zvieratám: 4.\n"
                                          "Naozaj ho chcete vymazať ?"
                                       << TIkona::Varovanie;
        QTest::newRow("osoba so zvieraťom") << 2 << TOdpoved::Nie
                                            << "Majiteľ 7501011234 Kováč Ján je v registri priradený zvieratám: 1.\n"
                                               "Naozaj ho chcete vymazať ?"
                                            << TIkona::Varovanie;
    }
    void vymazanieSaPyta()
    {
        QFETCH(int, vlastnikId);
        QFETCH(TOdpoved, odpoved);
        QFETCH(QString, otazka);
        QFETCH(TIkona, ikona);
        Zobraz(false);
        okno->DBNavigatorMajitelia->ChodNa(RiadokMajitela(vlastnikId));
        spravy->Odpovede << odpoved;
        Stlac(TNavigatorTabulky::Vymaz);
        QCOMPARE(spravy->Texty(), QStringList{otazka});
        QCOMPARE(spravy->Zaznam[0].Ikona, ikona);
        QCOMPARE(spravy->Zaznam[0].Tlacidla, TTlacidla::AnoNie);
        QCOMPARE(spravy->Zaznam[0].Predvolena, TOdpoved::Nie);
        const bool zostal = odpoved == TOdpoved::Nie;
        QCOMPARE(TestDB::Hodnota(db(), QStringLiteral("SELECT COUNT(*) FROM vlastnik WHERE Vlastnik_ID = %1")
                                           .arg(vlastnikId))
                     .toInt(),
                 zostal ? 1 : 0);
        QCOMPARE(Model()->rowCount(), zostal ? 3 : 2);
        QCOMPARE(RiadokMajitela(vlastnikId) >= 0, zostal);
    }

    void vyberMajitela()
    {
        Zobraz(true);
        okno->DBNavigatorMajitelia->ChodNa(RiadokMajitela(2));
        okno->BitBtnVyber->click();
        QCOMPARE(okno->result(), int(QDialog::Accepted));
        QCOMPARE(okno->VybraneICO(), QStringLiteral("7501011234"));
        QCOMPARE(hlavny.Volania, QStringList{"NastavPriradenieMajitela"});

        // Each showing starts without a choice; closing chooses nothing.
        Zobraz(true);
        QVERIFY(okno->VybraneICO().isEmpty());
        okno->close();
        QCOMPARE(okno->result(), int(QDialog::Rejected));
        QVERIFY(okno->VybraneICO().isEmpty());
        QCOMPARE(hlavny.Volania.size(), 2);

        // A double click chooses too, in either mode.
        for (const bool vyber : {true, false}) {
            Zobraz(vyber);
            const QRect bunka = okno->DBGridMajitelia->visualRect(Bunka(RiadokMajitela(1), "PNazov"));
            QTest::mouseClick(okno->DBGridMajitelia->viewport(), Qt::LeftButton, {}, bunka.center());
            QTest::mouseDClick(okno->DBGridMajitelia->viewport(), Qt::LeftButton, {}, bunka.center());
            QVERIFY(!okno->isVisible());
            QCOMPARE(okno->result(), int(QDialog::Accepted));
            QCOMPARE(okno->VybraneICO(), QStringLiteral("31234567"));
        }
        QVERIFY(spravy->Zaznam.isEmpty());
    }
};

QTEST_MAIN(TestMajitelia)
#include "tst_majitelia.moc"
