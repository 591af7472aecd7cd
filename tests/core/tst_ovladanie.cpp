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
