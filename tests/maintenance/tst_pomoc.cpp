// The windows of the Help menu: the about window and the manual.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include "FOPrograme.h"
#include "FPrirucka.h"
#include "SkriptovaneSpravy.h"
#include "TestDB.h"

class TestPomoc : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TSkriptovaneSpravy> spravy;
    QTemporaryDir docasny;

    void Zapis(const QString &cesta, const QByteArray &obsah)
    {
        QFile subor(cesta);
        QVERIFY2(subor.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(cesta));
        subor.write(obsah);
    }

private slots:
    void initTestCase() { TestDB::PripravAplikaciu(); }
    void init() { spravy = std::make_unique<TSkriptovaneSpravy>(); }
    void cleanup()
    {
        QVERIFY2(spravy->Necakane.isEmpty(), qPrintable(spravy->Necakane.join(" | ")));
        spravy.reset();
    }

    void oProgrameUkazujeVerziu_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QString>("verzia");
        QTest::newRow("úplný") << QByteArray("[verzia programu]\nverzia=1.0\n[datum verzie]\ndatumverzie=11.12.2026\n")
                               << "verzia 1.0,  11.12.2026";
        QTest::newRow("len verzia") << QByteArray("[verzia programu]\nverzia=1.0\n") << "verzia 1.0,  ";
        QTest::newRow("chýba") << QByteArray() << "verzia ,  ";
    }
    void oProgrameUkazujeVerziu()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QString, verzia);
        const QString cesta = docasny.filePath(QString::fromLatin1(QTest::currentDataTag()) + ".ini");
        if (!ini.isEmpty())
            Zapis(cesta, ini);
        TFormOPrograme okno(cesta);
        okno.show();
        QCOMPARE(okno.LabelVerzia->text(), verzia);
        QCOMPARE(okno.LabelNazov->text(), QStringLiteral("VuradeDE"));
        QCOMPARE(okno.LabelRegister->text(), QStringLiteral("register HD na farme"));
        QVERIFY(spravy->Zaznam.isEmpty());
        okno.BitBtnKoniec->click();
        QVERIFY(!okno.isVisible());
    }

    // Each showing reads the ini file again; one that cannot be read is
    // reported and the label keeps the version it showed.
    void oProgrameCitaIniPriKazdomZobrazeni()
    {
        const QString cesta = docasny.filePath("vuradede.ini");
        Zapis(cesta, "[verzia programu]\nverzia=1.0\n[datum verzie]\ndatumverzie=11.12.2026\n");
        TFormOPrograme okno(cesta);
        okno.show();
        okno.hide();
        Zapis(cesta, "[verzia programu]\nverzia=1.1\n[datum verzie]\ndatumverzie=1.2.2027\n");
        okno.show();
        QCOMPARE(okno.LabelVerzia->text(), QStringLiteral("verzia 1.1,  1.2.2027"));
        okno.hide();

        QVERIFY(QFile::remove(cesta));
        QVERIFY(QDir(docasny.path()).mkdir("vuradede.ini"));  // a folder cannot be read as the file
        okno.show();
        QCOMPARE(okno.LabelVerzia->text(), QStringLiteral("verzia 1.1,  1.2.2027"));
        QCOMPARE(spravy->Texty(), QStringList{"Chyba pri nacitani konfiguracie."});
        QCOMPARE(spravy->Zaznam[0].Ikona, TIkona::Chyba);
        QCOMPARE(spravy->Zaznam[0].Tlacidla, TTlacidla::OK);
    }

    // The page that the build puts beside the program (one folder above the tests).
    void priruckaUkazujeStranku()
    {
        const QString cesta = CestaPrirucky(QCoreApplication::applicationDirPath() + "/..");
        QVERIFY2(QFileInfo::exists(cesta), qPrintable(cesta));
        QWidget hlavne;
        hlavne.show();
        TFormPrirucka okno(cesta, &hlavne);
        okno.Zobraz();
        QVERIFY(okno.isVisible());
        QVERIFY(!okno.isModal());
        QVERIFY(hlavne.isEnabled());
        QCOMPARE(okno.windowTitle(), QStringLiteral("Popis programu RuvenaOv"));
        QCOMPARE(okno.WebBrowserPrirucka->documentTitle(), QStringLiteral("VuradeDE – príručka používateľa"));
        const QString text = okno.WebBrowserPrirucka->toPlainText();
        QVERIFY2(text.startsWith(QStringLiteral("VuradeDE – Register HD na farme")), qPrintable(text.left(80)));
        for (const QString &ponuka : {"Súbor", "Farmy a majitelia", "Zobraziť", "Pomoc", "Číselníky"})
            QVERIFY2(text.contains(ponuka), qPrintable(ponuka));
    }

    // A missing page says so in the window; once the page is there, the next
    // opening shows it.
    void chybajucaPriruckaHovoriPreco()
    {
        const QString cesta = docasny.filePath("program v d/VuradeDE_prirucka.htm");
        TFormPrirucka okno(cesta);
        okno.Zobraz();
        QVERIFY(okno.isVisible());
        const QString text = okno.WebBrowserPrirucka->toPlainText();
        QVERIFY2(text.startsWith(QStringLiteral("Príručka sa nenašla")), qPrintable(text));
        QVERIFY2(text.contains(cesta), qPrintable(text));

        QVERIFY(QDir(docasny.path()).mkpath("program v d"));
        Zapis(cesta, "<html><head><meta charset=\"utf-8\"><title>Skúška</title></head>"
                     "<body><h1>Príručka je tu</h1></body></html>");
        okno.Zobraz();
        QCOMPARE(okno.WebBrowserPrirucka->documentTitle(), QStringLiteral("Skúška"));
        QCOMPARE(okno.WebBrowserPrirucka->toPlainText(), QStringLiteral("Príručka je tu"));

        // A changed page is read again at the next opening, and a page that is
        // gone again brings back the notice.
        Zapis(cesta, "<html><body><p>Nová verzia</p></body></html>");
        okno.Zobraz();
        QCOMPARE(okno.WebBrowserPrirucka->toPlainText(), QStringLiteral("Nová verzia"));
        QVERIFY(QFile::remove(cesta));
        okno.Zobraz();
        QVERIFY(okno.WebBrowserPrirucka->toPlainText().startsWith(QStringLiteral("Príručka sa nenašla")));
    }
};

QTEST_MAIN(TestPomoc)
#include "tst_pomoc.moc"
