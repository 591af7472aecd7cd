#include "FUvodny.h"

#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

#include "DMHlavny.h"
#include "UIni.h"
#include "USpravy.h"
#include "USql.h"
#include "UTitulky.h"

TFormUvodny::TFormUvodny(TDataModuleHlavny &dm, const QString &cestaIni, QWidget *parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint), m_dm(dm), m_cestaIni(cestaIni)
{
    setObjectName(QStringLiteral("FormUvodny"));
    setStyleSheet(QStringLiteral("QDialog { background: #f4f1e6; border: 1px solid #6b6b5a; }"));

    ImageUvod = new QLabel(this);
    ImageUvod->setObjectName(QStringLiteral("ImageUvod"));
    ImageUvod->setPixmap(QPixmap(QStringLiteral(":/obrazky/uvod.jpg")));
    ImageUvod->setAlignment(Qt::AlignCenter);

    LabelNazov = new QLabel(QStringLiteral("VuradeDE"), this);
    LabelNazov->setObjectName(QStringLiteral("LabelNazov"));
    LabelNazov->setStyleSheet(QStringLiteral("font-size: 30pt; font-weight: bold; color: #2f5d2a;"));
    LabelNazov->setAlignment(Qt::AlignCenter);

    LabelTitul = new QLabel(this);
    LabelTitul->setObjectName(QStringLiteral("LabelTitul"));
    LabelTitul->setStyleSheet(QStringLiteral("font-size: 16pt; color: #3b3b30;"));
    LabelTitul->setAlignment(Qt::AlignCenter);

    LabelVerzia = new QLabel(this);
    LabelVerzia->setObjectName(QStringLiteral("LabelVerzia"));
    LabelVerzia->setAlignment(Qt::AlignCenter);

    auto *vyrobca = new QLabel(QStringLiteral("TOLVA\nsoftvér pre poľnohospodárov"), this);
    vyrobca->setAlignment(Qt::AlignCenter);
    vyrobca->setStyleSheet(QStringLiteral("color: #6b6b5a;"));

    auto *rozlozenie = new QVBoxLayout(this);
    rozlozenie->addWidget(ImageUvod);
    rozlozenie->addWidget(LabelNazov);
    rozlozenie->addWidget(LabelTitul);
    rozlozenie->addWidget(LabelVerzia);
    rozlozenie->addWidget(vyrobca);
}

void TFormUvodny::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TFormUvodny::FormShow()
{
    // A failed read leaves the marked title, as a missing row does.
    QString typZv;
    try {
        typZv = TypZvInstalacie(m_dm);
    } catch (const TChybaSql &chyba) {
        UkazChybu(chyba.Text());
    }
    LabelTitul->setText(TitulUvodu(typZv));
    const TVerziaProgramu verzia = NacitajVerziuSHlasenim(m_cestaIni);
    LabelVerzia->setText(QStringLiteral("verzia ") + verzia.Verzia + QStringLiteral(",  ") + verzia.DatumVerzie);
}
