#pragma once

#include <QList>
#include <QStringList>

#include "USpravy.h"

// Stands in for every message box and file dialog while it lives: records
// each message, answers questions and file dialogs from queues, and notes
// every question or dialog it had no answer for.
class TSkriptovaneSpravy final : public TRozhranieSprav
{
public:
    TSkriptovaneSpravy();
    ~TSkriptovaneSpravy() override;

    TOdpoved Ukaz(const TSprava &sprava) override;
    QString VyberSubor(const TSuborovyDialog &dialog) override;

    QStringList Texty() const;
    void Vymaz();

    QList<TSprava> Zaznam;
    QList<TSuborovyDialog> Dialogy;
    QList<TOdpoved> Odpovede;
    QStringList Subory;
    QStringList Necakane;
};
