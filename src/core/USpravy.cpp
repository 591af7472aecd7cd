#include "USpravy.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

class TQtSpravy final : public TRozhranieSprav
{
public:
    TOdpoved Ukaz(const TSprava &sprava) override
    {
        // A plain message carries the program's name in its title bar.
        const QString titulok = sprava.Titulok.isEmpty() ? QApplication::applicationName() : sprava.Titulok;
        QMessageBox box(ikona(sprava.Ikona), titulok, sprava.Text, QMessageBox::NoButton, QApplication::activeWindow());
        if (sprava.Tlacidla == TTlacidla::AnoNie) {
            QPushButton *ano = box.addButton(QStringLiteral("Áno"), QMessageBox::YesRole);
            QPushButton *nie = box.addButton(QStringLiteral("Nie"), QMessageBox::NoRole);
            box.setDefaultButton(sprava.Predvolena == TOdpoved::Ano ? ano : nie);
            box.setEscapeButton(nie);
            box.exec();
            return box.clickedButton() == ano ? TOdpoved::Ano : TOdpoved::Nie;
        }
        box.addButton(QMessageBox::Ok);
        box.exec();
        return TOdpoved::OK;
    }

    QString VyberSubor(const TSuborovyDialog &dialog) override
    {
        QWidget *rodic = QApplication::activeWindow();
        return dialog.Ulozit ? QFileDialog::getSaveFileName(rodic, dialog.Titulok, dialog.Subor, dialog.Filter)
                             : QFileDialog::getOpenFileName(rodic, dialog.Titulok, dialog.Subor, dialog.Filter);
    }

private:
    static QMessageBox::Icon ikona(TIkona ikona)
    {
        switch (ikona) {
        case TIkona::Informacia: return QMessageBox::Information;
        case TIkona::Varovanie: return QMessageBox::Warning;
        case TIkona::Chyba: return QMessageBox::Critical;
        case TIkona::Otazka: return QMessageBox::Question;
        case TIkona::Ziadna: break;
        }
        return QMessageBox::NoIcon;
    }
};

TQtSpravy qtSpravy;
TRozhranieSprav *aktualneSpravy = &qtSpravy;

} // namespace

TRozhranieSprav &Spravy()
{
    return *aktualneSpravy;
}

void NastavSpravy(TRozhranieSprav *spravy)
{
    aktualneSpravy = spravy ? spravy : &qtSpravy;
}

TOdpoved UkazSpravu(const QString &text, const QString &titulok, TIkona ikona, TTlacidla tlacidla,
                    TOdpoved predvolena)
{
    return Spravy().Ukaz(TSprava{text, titulok, ikona, tlacidla, predvolena});
}

void UkazChybu(const QString &sprava)
{
    UkazSpravu(QStringLiteral("Chyba: ") + sprava, QStringLiteral("Chyba"), TIkona::Chyba);
}
