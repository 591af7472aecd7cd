#include <QApplication>

#include "UIni.h"
#include "UNastavenia.h"
#include "UStart.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("TOLVA"));
    QApplication::setApplicationName(QStringLiteral("VuradeDE"));
    return SpustiVuradeDE(TNastavenia::Nacitaj(), CestaIni(QApplication::applicationFilePath()));
}
