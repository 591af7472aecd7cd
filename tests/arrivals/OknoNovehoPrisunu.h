#pragma once

// The new-arrival window over the test database, shared by the tests of its
// fields and of its save: the window stays shown from test to test, the main
// window stands in with farm A10001 current.
#include <QApplication>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSqlQueryModel>
#include <QStatusBar>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "DMHlavny.h"
#include "FNovyPrisun.h"
#include "SkriptovaneSpravy.h"
#include "TestDB.h"
#include "TestSDatabazou.h"
#include "UOvladaceDB.h"
#include "USpolocne.h"
#include "ZaznamHlavneho.h"

using TPolia = QMap<QString, QString>;

class TTestOknaNovehoPrisunu : public TTestSDatabazou
{
protected:
    TZaznamHlavneho hlavny;
    std::unique_ptr<TFormNovyPrisun> okno;

    // Farm A10001 current, as the main window hands it to the arrival window.
    void AktualnaFarmaA()
    {
        hlavny.AktFarmaID = 1;
        hlavny.AktCisFarmy = QStringLiteral("A10001");
        hlavny.AktNazovFarmy = QStringLiteral("PD Dolný Háj");
    }

    // Chooses the event by its code and leaves the combo.
    void Zvol(const QString &kod)
    {
        auto *c = okno->DBLookupComboBoxUdalost;
        c->setFocus();
        int i = 0;
        while (i < c->count() && !c->itemText(i).startsWith(kod + " "))
            ++i;
        QVERIFY2(i < c->count(), qPrintable(kod));
        c->setCurrentIndex(i);
        Opusti();
    }
    // Moves the focus to a control that has no handler, so the focused field is left.
    void Opusti() { okno->BitBtnKoniec->setFocus(); }
    void Zadaj(QLineEdit *edit, const QString &text)
    {
        edit->setFocus();
        edit->setText(text);
        Opusti();
    }
    // Fills fields without leaving them.
    void Vypln(const TPolia &polia)
    {
        const QDate dnes = QDate::currentDate();
        for (auto it = polia.begin(); it != polia.end(); ++it) {
            const QString &k = it.key(), &v = it.value();
            if (k == "cislo") { okno->DBLookupComboBoxZvieraStat->NastavKluc("SK"); okno->DBEditZvieraCislo->setText(v); }
            else if (k == "zstat") okno->DBLookupComboBoxZvieraStat->NastavKluc(v);
            else if (k == "farma") okno->DBEditFarmaPrisunu->setText(v);
            else if (k == "pstat") okno->DBLookupComboBoxStatPrisunu->NastavKluc(v);
            else if (k == "datum") okno->DateTimePickerDatumPrisunu->setDate(dnes.addDays(-v.toInt()));
            else if (k == "datnar") okno->DateTimePickerDatumNarodenia->setDate(dnes.addDays(-v.toInt()));
            else if (k == "pohlavie") okno->DBRadioGroupPohlavie->NastavHodnotu(v);
            else if (k == "pl1") okno->DBLookupComboBoxPlemeno1->NastavKluc(v);
            else if (k == "pk1") okno->DBEditkrv1->setText(v);
            else if (k == "pl2") okno->DBLookupComboBoxPlemeno2->NastavKluc(v);
            else if (k == "pk2") okno->DBEditkrv2->setText(v);
            else if (k == "farba") okno->DBLookupComboBoxFarba->NastavKluc(v);
            else if (k == "matka") { okno->DBLookupComboBoxMatkaStat->NastavKluc("SK"); okno->DBEditMatkaCislo->setText(v); }
            else if (k == "donor") { okno->DBLookupComboBoxDonorkaStat->NastavKluc("SK"); okno->DBEditDonorkaCislo->setText(v); }
            else if (k == "uzit") okno->DBRadioGroupUzitZam->NastavHodnotu(v);
            else if (k == "povcislo") { okno->DBLookupComboBoxPovodnyStat->NastavKluc("AT"); okno->DBEditPovodneCislo->setText(v); }
            else if (k == "register") okno->EditOtecRegister->setText(v);
            else if (k == "majitel") okno->DBLookupComboBoxMajitel->NastavKluc(v);
            else QFAIL(qPrintable("unknown field " + k));
        }
    }
    void Uloz() { QTest::mouseClick(okno->BitBtnUloz, Qt::LeftButton); }
    // Leaves the field in focus, fills the fields and saves with the answers
    // ready; returns the number of movements before the save.
    int VyplnAUloz(const TPolia &polia, const QList<TOdpoved> &odpovede)
    {
        Opusti();
        Vypln(polia);
        spravy->Vymaz();
        spravy->Odpovede = odpovede;
        const int pohyby = PocetPohybov();
        Uloz();
        return pohyby;
    }
    int PocetPohybov() { return TestDB::Hodnota(db(), "SELECT count(*) FROM pohyby").toInt(); }
    // The columns of the newest movement, joined by "|".
    QString PoslednyPohyb(const QString &stlpce)
    {
        return TestDB::Hodnota(db(), "SELECT CONCAT_WS('|', " + stlpce +
                                         ") FROM pohyby ORDER BY id_pohybu DESC LIMIT 1").toString();
    }
    QString Zviera(const QString &cislo, const QString &stlpce)
    {
        return TestDB::Hodnota(db(), "SELECT CONCAT_WS('|', " + stlpce + ") FROM RegZv WHERE JCNARV='" + cislo + "'")
            .toString();
    }

    // From initTestCase(): the connection and the window.
    void PripravOkno()
    {
        PripravDatabazu();
        AktualnaFarmaA();
        dm->NastavSpolocne(&hlavny);
        okno = std::make_unique<TFormNovyPrisun>(*dm, hlavny);
    }
    // From init(): the data set, and the window as a new showing leaves it.
    void ZacniTestOkna()
    {
        ZacniTest();
        okno->FarmaID = 1;
        if (okno->isVisible())
            okno->FormShow();
        else
            okno->show();
        // Exit handlers need focus events, which only an active window gets.
        okno->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(okno.get()));
    }
    // From cleanupTestCase().
    void ZrusOkno()
    {
        okno.reset();
        dm.reset();
    }
};
