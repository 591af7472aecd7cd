#include "UStart.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <memory>

#include "DMHlavny.h"
#include "FHlavny.h"
#include "FUvodny.h"
#include "USpravy.h"

int SpustiVuradeDE(const TNastavenia &nastavenia, const QString &cestaIni, int pauzaUvodu)
{
    std::unique_ptr<TDataModuleHlavny> dm;
    try {
        dm = std::make_unique<TDataModuleHlavny>(nastavenia);
    } catch (const TChybaPripojenia &chyba) {
        UkazSpravu(QStringLiteral("Databáza programu VuradeDE nie je dostupná, program sa ukončí.\n\n") + chyba.Text(),
                   QStringLiteral("VuradeDE"), TIkona::Chyba);
        return 1;
    }
    dm->DataModuleCreate(cestaIni);

    std::unique_ptr<TFormHlavny> hlavny;
    {
        TFormUvodny uvod(*dm, cestaIni);
        uvod.show();
        // The splash stays still on screen; only painting goes on meanwhile.
        QDeadlineTimer pauza(pauzaUvodu);
        do {
            QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            QThread::msleep(20);
        } while (!pauza.hasExpired());
        hlavny = std::make_unique<TFormHlavny>(*dm);
    }
    hlavny->showMaximized();
    return QApplication::exec();
}
