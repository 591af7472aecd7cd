#include "FOPrograme.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "UIni.h"
#include "USpravy.h"

TFormOPrograme::TFormOPrograme(const QString &cestaIni, QWidget *parent) : QDialog(parent), m_cestaIni(cestaIni)
{
    setObjectName(QStringLiteral("FormOPrograme"));
    setWindowTitle(QStringLiteral("FormOPrograme"));

    ImageLogo = new QLabel(this);
    ImageLogo->setObjectName(QStringLiteral("ImageLogo"));
    ImageLogo->setPixmap(QPixmap(QStringLiteral(":/obrazky/uvod.jpg")).scaledToWidth(320, Qt::SmoothTransformation));
    ImageLogo->setAlignment(Qt::AlignCenter);

    LabelNazov = new QLabel(QStringLiteral("VuradeDE"), this);
    LabelNazov->setObjectName(QStringLiteral("LabelNazov"));
    LabelNazov->setStyleSheet(QStringLiteral("font-size: 24pt; font-weight: bold; color: #2f5d2a;"));
    LabelNazov->setAlignment(Qt::AlignCenter);

    LabelRegister = new QLabel(QStringLiteral("register HD na farme"), this);
    LabelRegister->setObjectName(QStringLiteral("LabelRegister"));
    LabelRegister->setStyleSheet(QStringLiteral("font-size: 13pt;"));
    LabelRegister->setAlignment(Qt::AlignCenter);

    LabelVerzia = new QLabel(this);
    LabelVerzia->setObjectName(QStringLiteral("LabelVerzia"));
    LabelVerzia->setAlignment(Qt::AlignCenter);

    auto *vyrobca = new QLabel(QStringLiteral("TOLVA\nsoftvér pre poľnohospodárov"), this);
    vyrobca->setObjectName(QStringLiteral("LabelVyrobca"));
    vyrobca->setAlignment(Qt::AlignCenter);
    vyrobca->setStyleSheet(QStringLiteral("color: #6b6b5a;"));

    BitBtnKoniec = new QPushButton(QStringLiteral("Koniec"), this);
    BitBtnKoniec->setObjectName(QStringLiteral("BitBtnKoniec"));
    BitBtnKoniec->setDefault(true);
    connect(BitBtnKoniec, &QPushButton::clicked, this, &QDialog::accept);

    auto *rozlozenie = new QVBoxLayout(this);
    rozlozenie->addWidget(ImageLogo);
    rozlozenie->addWidget(LabelNazov);
    rozlozenie->addWidget(LabelRegister);
    rozlozenie->addWidget(LabelVerzia);
    rozlozenie->addSpacing(8);
    rozlozenie->addWidget(vyrobca);
    rozlozenie->addWidget(BitBtnKoniec, 0, Qt::AlignHCenter);
}

void TFormOPrograme::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFormOPrograme::FormShow()
{
    try {
        const TVerziaProgramu verzia = NacitajVerziu(m_cestaIni);
        LabelVerzia->setText(QStringLiteral("verzia ") + verzia.Verzia + QStringLiteral(",  ") + verzia.DatumVerzie);
    } catch (const TChybaIni &) {
        // The label keeps the version it showed last time.
        UkazSpravu(QStringLiteral("Chyba pri nacitani konfiguracie."), QString(), TIkona::Chyba);
    }
}
