// Times the building of the main window's tree for 5 own farms with 4,000
// animals each, on a private server in a temporary folder.
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <cstdio>

#include "BenchDB.h"
#include "DMHlavny.h"
#include "FHlavny.h"

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TBenchServer server;
    TDataModuleHlavny dm(server.Nastavenia());
    NaplnStado(dm.ADOConnectionVuradeDE(), 5, 4000, 1);
    TFormHlavny::KoniecBezZalohy = true;
    TFormHlavny hlavny(dm);
    QList<double> casy;
    for (int i = 0; i < 15; ++i) {
        QElapsedTimer cas;
        cas.start();
        hlavny.NacitajStrom();
        casy << cas.nsecsElapsed() / 1e6;
    }
    std::printf("%s\n%s\n", qPrintable(Suhrn(QStringLiteral("NacitajStrom, 5 farms x 4000 animals"), casy)),
                qPrintable(hlavny.PanelStavu0->text()));
    return 0;
}
