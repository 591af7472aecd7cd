#pragma once

#include <QString>

// Every message box and file dialog of the program goes through this seam:
// the program shows real Qt dialogs, tests install a scripted stand-in that
// records each message and answers questions from a queue.

enum class TIkona { Ziadna, Informacia, Varovanie, Chyba, Otazka };
enum class TTlacidla { OK, AnoNie };
enum class TOdpoved { OK, Ano, Nie, Zrusit };

struct TSprava
{
    QString Text;
    QString Titulok;
    TIkona Ikona = TIkona::Informacia;
    TTlacidla Tlacidla = TTlacidla::OK;
    TOdpoved Predvolena = TOdpoved::OK;
};

struct TSuborovyDialog
{
    bool Ulozit = false;   // save dialog, otherwise open dialog
    QString Titulok;
    QString Subor;         // initial directory and file name
    QString Filter;        // Qt filter text, e.g. "SQL script (*.sql);;všetky súbory (*.*)"
};

class TRozhranieSprav
{
public:
    virtual ~TRozhranieSprav() = default;
    virtual TOdpoved Ukaz(const TSprava &sprava) = 0;
    // The chosen file's path, or empty when the dialog was cancelled.
    virtual QString VyberSubor(const TSuborovyDialog &dialog) = 0;
};

// The seam in force; the Qt dialogs unless a test installed its own.
TRozhranieSprav &Spravy();
// Installs a stand-in (nullptr restores the Qt dialogs).
void NastavSpravy(TRozhranieSprav *spravy);

TOdpoved UkazSpravu(const QString &text, const QString &titulok, TIkona ikona,
                    TTlacidla tlacidla = TTlacidla::OK, TOdpoved predvolena = TOdpoved::OK);
// The error box of a failed action: "Chyba: " and the server's message.
void UkazChybu(const QString &sprava);
