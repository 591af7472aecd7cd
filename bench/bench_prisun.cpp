// Times one save of the new-arrival window (a birth to a cow of the herd:
// checks, movement, register row, dam update, refreshed arrival list) on a
// database of 5 own farms with 4,000 animals each and 200,000 movements.
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <cstdio>

#include "BenchDB.h"
#include "DMHlavny.h"
#include "FNovyPrisun.h"
#include "UOvladaceDB.h"
#include "USpolocne.h"
#include "USpravy.h"

namespace {

class TFarma final : public TSpolocneUdaje
{
public:
    TFarma()
    {
        AktFarmaID = 1;
        AktCisFarmy = QStringLiteral("A00001");
    }
    void UlozAktFarmu() override {}
    void ZobrazAktFarmu() override {}
    void SkryPohlady() override {}
    void NastavPriradenieMajitela() override {}
    void NacitajStrom() override {}
};

// Confirms every message; counts the ones that are not the save's confirmation.
class TPotvrdenia final : public TRozhranieSprav
{
public:
    TOdpoved Ukaz(const TSprava &sprava) override
    {
        if (sprava.Text != QStringLiteral("Prísun bol vložený.")) {
            std::printf("unexpected message: %s\n", qPrintable(sprava.Text));
            ++Necakane;
        }
        return TOdpoved::Ano;
    }
    int Necakane = 0;
    QString VyberSubor(const TSuborovyDialog &) override { return {}; }
};

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TBenchServer server;
    TDataModuleHlavny dm(server.Nastavenia());
    NaplnStado(dm.ADOConnectionVuradeDE(), 5, 4000, 10);
    TFarma farma;
    dm.NastavSpolocne(&farma);
    TPotvrdenia potvrdenia;
    NastavSpravy(&potvrdenia);

    TFormNovyPrisun okno(dm, farma);
    okno.FarmaID = 1;
    okno.show();
    okno.DBLookupComboBoxUdalost->NastavKluc(QStringLiteral("2"));
    okno.DBLookupComboBoxUdalostExit();
    okno.DBEditZvieraCislo->setText(QStringLiteral("900000000001"));
    okno.DBLookupComboBoxPlemeno1->NastavKluc(QStringLiteral("SS"));
    okno.DBEditkrv1->setText(QStringLiteral("100"));
    okno.DBLookupComboBoxFarba->NastavKluc(QStringLiteral("01"));
    QList<double> casy;
    for (int i = 0; i < 15; ++i) {
        // the dam: a cow of farm 1 (every third animal is a bull)
        okno.DBLookupComboBoxMatkaStat->NastavKluc(QStringLiteral("SK"));
        okno.DBEditMatkaCislo->setText(QString::number(1 + 3 * i + 1).rightJustified(12, QLatin1Char('0')));
        okno.DBEditMatkaCisloExit();
        QElapsedTimer cas;
        cas.start();
        okno.BitBtnUlozClick();  // the form proposes the next number itself
        casy << cas.nsecsElapsed() / 1e6;
    }
    std::printf("%s\n%s\n",
                qPrintable(Suhrn(QStringLiteral("BitBtnUlozClick, birth on a farm of 4000 animals, 200000 movements"), casy)),
                qPrintable(okno.DBEditZvieraCislo->text()));
    NastavSpravy(nullptr);
    return potvrdenia.Necakane == 0 ? 0 : 1;  // a refused save would time the wrong path
}
