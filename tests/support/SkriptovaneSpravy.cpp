#include "SkriptovaneSpravy.h"

TSkriptovaneSpravy::TSkriptovaneSpravy()
{
    NastavSpravy(this);
}

TSkriptovaneSpravy::~TSkriptovaneSpravy()
{
    NastavSpravy(nullptr);
}

TOdpoved TSkriptovaneSpravy::Ukaz(const TSprava &sprava)
{
    Zaznam << sprava;
    if (sprava.Tlacidla == TTlacidla::OK)
        return TOdpoved::OK;
    if (Odpovede.isEmpty()) {
        Necakane << sprava.Text;
        return sprava.Predvolena;
    }
    return Odpovede.takeFirst();
}

QString TSkriptovaneSpravy::VyberSubor(const TSuborovyDialog &dialog)
{
    Dialogy << dialog;
    if (Subory.isEmpty()) {
        Necakane << dialog.Titulok;
        return {};
    }
    return Subory.takeFirst();
}

QStringList TSkriptovaneSpravy::Texty() const
{
    QStringList texty;
    for (const TSprava &s : Zaznam)
        texty << s.Text;
    return texty;
}

void TSkriptovaneSpravy::Vymaz()
{
    Zaznam.clear();
    Dialogy.clear();
    Necakane.clear();
}
