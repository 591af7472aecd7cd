// Keyboard and mouse conventions that every input window attaches.
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include "UOvladanie.h"

class TestOvladanie : public QObject
{
    Q_OBJECT

private slots:
    void enterPosuvaNaDalsiOvladac()
    {
        QDialog okno;
        auto *l = new QVBoxLayout(&okno);
        auto *prvy = new QLineEdit(&okno);
        auto *vypnuty = new QLineEdit(&okno);
        vypnuty->setEnabled(false);
        auto *skryty = new QLineEdit(&okno);
        auto *bezTabu = new QCheckBox(&okno);
        bezTabu->setFocusPolicy(Qt::ClickFocus);
        auto *druhy = new QLineEdit(&okno);
        auto *posledny = new QLineEdit(&okno);
        for (QWidget *w : {static_cast<QWidget *>(prvy), static_cast<QWidget *>(vypnuty), static_cast<QWidget *>(skryty),
                           static_cast<QWidget *>(bezTabu), static_cast<QWidget *>(druhy), static_cast<QWidget *>(posledny)})
            l->addWidget(w);
        skryty->hide();
        PosunNaEnter(&okno);
        okno.show();
        QVERIFY(QTest::qWaitForWindowActive(&okno));

        prvy->setFocus();
        QTest::keyClick(prvy, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), druhy);  // disabled, hidden and click-only controls skipped
        QTest::keyClick(druhy, Qt::Key_Enter);
        QCOMPARE(QApplication::focusWidget(), posledny);
        QTest::keyClick(posledny, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), prvy);  // wraps around after the last control
        QTest::keyClick(prvy, Qt::Key_A);
        QCOMPARE(QApplication::focusWidget(), prvy);  // other keys stay where they are
        QCOMPARE(prvy->text(), QStringLiteral("a"));
    }

    void enterVPoliNestlaciTlacidlo()
    {
        QDialog okno;
        auto *l = new QVBoxLayout(&okno);
        auto *pole = new QLineEdit(&okno);
        auto *uloz = new QPushButton(QStringLiteral("&Ulož"), &okno);
        auto *dalsie = new QLineEdit(&okno);
        l->addWidget(pole);
        l->addWidget(uloz);
        l->addWidget(dalsie);
        uloz->setDefault(true);
        PosunNaEnter(&okno);
        okno.show();
        QVERIFY(QTest::qWaitForWindowActive(&okno));
        QSignalSpy kliknutia(uloz, &QPushButton::clicked);

        pole->setFocus();
        QTest::keyClick(pole, Qt::Key_Return);
        QCOMPARE(kliknutia.count(), 0);
        QCOMPARE(QApplication::focusWidget(), uloz);
        QVERIFY(okno.isVisible());
        QTest::keyClick(uloz, Qt::Key_Return);  // Enter on the focused button presses it
        QCOMPARE(kliknutia.count(), 1);
    }

    void klikDoPraznehoMaskovanehoPola()
    {
        QDialog okno;
        auto *l = new QVBoxLayout(&okno);
        auto *maska = new QLineEdit(&okno);
        maska->setInputMask(QStringLiteral("99.99.9999;_"));
        maska->setMinimumWidth(300);
        l->addWidget(maska);
        PoziciaMaskEdit(maska);
        okno.show();
        QVERIFY(QTest::qWaitForWindowActive(&okno));

        QTest::mouseClick(maska, Qt::LeftButton, {}, QPoint(maska->width() / 2, maska->height() / 2));
        QCOMPARE(maska->cursorPosition(), 0);
        QVERIFY(maska->hasFocus());

        maska->setText(QStringLiteral("12.03"));
        maska->setCursorPosition(0);
        QTest::mouseClick(maska, Qt::LeftButton, {}, QPoint(maska->width() - 5, maska->height() / 2));
        QVERIFY(maska->cursorPosition() > 0);  // a partly filled edit keeps the clicked place
    }

    void odchodBezOpakovania()
    {
        QDialog okno;
        auto *l = new QVBoxLayout(&okno);
        auto *cislo = new QLineEdit(&okno);
        auto *datum = new QLineEdit(&okno);
        auto *tretie = new QLineEdit(&okno);
        l->addWidget(cislo);
        l->addWidget(datum);
        l->addWidget(tretie);
        int odchodyCisla = 0;
        int odchodyDatumu = 0;
        // A refused number puts the focus back to its field, as a failed check does.
        PriOdchode(cislo, [&] {
            ++odchodyCisla;
            if (cislo->text() != QLatin1String("ok"))
                cislo->setFocus();
        });
        PriOdchode(datum, [&] { ++odchodyDatumu; });
        okno.show();
        QVERIFY(QTest::qWaitForWindowActive(&okno));

        cislo->setFocus();
        QTest::keyClick(cislo, Qt::Key_Tab);
        QCOMPARE(odchodyCisla, 1);
        QCOMPARE(odchodyDatumu, 0);  // the field the focus only passed through does not check itself
        QCOMPARE(QApplication::focusWidget(), cislo);

        cislo->setText(QStringLiteral("ok"));
        QTest::keyClick(cislo, Qt::Key_Tab);
        QCOMPARE(odchodyCisla, 2);
        QCOMPARE(QApplication::focusWidget(), datum);
        QTest::keyClick(datum, Qt::Key_Tab);
        QCOMPARE(odchodyDatumu, 1);

        // Focus lost to a popup or another window is no exit.
        tretie->setFocus();
        cislo->setFocus(Qt::OtherFocusReason);
        QFocusEvent popup(QEvent::FocusOut, Qt::PopupFocusReason);
        QApplication::sendEvent(cislo, &popup);
        QFocusEvent ineOkno(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(cislo, &ineOkno);
        QCOMPARE(odchodyCisla, 2);
    }

    void doplnNulyVPoli()
    {
        QLineEdit pole;
        pole.setText(QStringLiteral(" 42 "));
        DoplnNuly(&pole);
        QCOMPARE(pole.text(), QStringLiteral("000000000042"));
        pole.setText(QStringLiteral("   "));
        DoplnNuly(&pole);
        QCOMPARE(pole.text(), QStringLiteral("   "));
    }
};

QTEST_MAIN(TestOvladanie)
#include "tst_ovladanie.moc"
