#include "FPrvaFarma.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "DMHlavny.h"
#include "UOvladanie.h"
#include "USpravy.h"

namespace {
const QString titulok = QStringLiteral("Prvá vlastná farma");
}

TFormPrvaFarma::TFormPrvaFarma(TDataModuleHlavny &dm, QWidget *parent) : QDialog(parent), m_dm(dm)
{
    setObjectName(QStringLiteral("FormPrvaFarma"));
    setWindowTitle(titulok);

    auto *uvod = new QLabel(QStringLiteral("V databáze ešte nie je žiadna vlastná farma.\n"
                                           "Zadajte číslo a názov farmy, ktorej stádo budete evidovať."),
                            this);
    EditCisFarmy = new QLineEdit(this);
    EditCisFarmy->setObjectName(QStringLiteral("EditCisFarmy"));
    EditCisFarmy->setMaxLength(6);
    EditCisFarmy->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[A-Za-z0-9 ]*")), EditCisFarmy));
    VelkePismena(EditCisFarmy);
    EditNazov = new QLineEdit(this);
    EditNazov->setObjectName(QStringLiteral("EditNazov"));
    EditNazov->setMaxLength(64);

    BitBtnUloz = new QPushButton(QStringLiteral("&Ulož"), this);
    BitBtnUloz->setObjectName(QStringLiteral("BitBtnUloz"));
    BitBtnZrus = new QPushButton(QStringLiteral("&Zrušiť"), this);
    BitBtnZrus->setObjectName(QStringLiteral("BitBtnZrus"));
    connect(BitBtnUloz, &QPushButton::clicked, this, &TFormPrvaFarma::BitBtnUlozClick);
    connect(BitBtnZrus, &QPushButton::clicked, this, &QDialog::reject);

    auto *formular = new QFormLayout;
    formular->addRow(QStringLiteral("Číslo farmy:"), EditCisFarmy);
    formular->addRow(QStringLiteral("Názov farmy:"), EditNazov);
    auto *tlacidla = new QHBoxLayout;
    tlacidla->addStretch();
    tlacidla->addWidget(BitBtnUloz);
    tlacidla->addWidget(BitBtnZrus);
    auto *rozlozenie = new QVBoxLayout(this);
    rozlozenie->addWidget(uvod);
    rozlozenie->addLayout(formular);
    rozlozenie->addLayout(tlacidla);
    PosunNaEnter(this);
}

QString TFormPrvaFarma::CisloFarmy() const
{
    return EditCisFarmy->text().trimmed();
}

void TFormPrvaFarma::BitBtnUlozClick()
{
    if (CisloFarmy().size() != 6) {
        UkazSpravu(QStringLiteral("Nesprávne označenie farmy. Má mať 6 znakov !"), titulok, TIkona::Chyba);
        EditCisFarmy->setFocus();
        return;
    }
    const QString nazov = EditNazov->text().trimmed();
    if (nazov.isEmpty()) {
        UkazSpravu(QStringLiteral("Zadajte názov farmy !"), titulok, TIkona::Chyba);
        EditNazov->setFocus();
        return;
    }
    try {
        m_dm.ADOCommandPom.CommandText = QStringLiteral("INSERT INTO FarlLic (CisFarmy, Nazov) VALUES ('") +
                                         SqlEsc(CisloFarmy()) + QStringLiteral("', '") + SqlEsc(nazov) +
                                         QStringLiteral("')");
        m_dm.ADOCommandPom.Execute();
    } catch (const TChybaSql &chyba) {
        UkazChybu(chyba.Text());
        return;
    }
    accept();
}
