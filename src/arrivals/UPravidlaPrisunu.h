#pragma once

#include <QDate>
#include <QString>
#include <array>
#include <optional>
#include <utility>

// The rules of the arrival window that depend only on the event's edit group
// ("0".."9"), its two-character code and a few typed values. The window
// applies them to its controls.

// Which controls of the entry area an event leaves enabled.
struct TStavOvladacov
{
    bool Pohlavie = true;
    // Birth date, breeds 1 to 5, shares 1 to 4, sire line and register,
    // dam state and number, colour.
    bool UdajeZvierata = true;
    bool PovodnaZnacka = false;
    bool FarmaPrisunu = false;  // with its "..." button
    bool StatPrisunu = false;
    bool Donorka = false;
    bool Majitel = false;
    bool UzitZam = false;
    // The sex the code presets while the radio is disabled; empty: none.
    QString PredvolenePohlavie;
    // Production-type caption: the dam's for births, otherwise the cow's.
    bool UzitZamMatky = false;
};

TStavOvladacov NastavenieOvladacov(const QString &skupina, const QString &kod, bool jeMajitel);

// The sex a code of groups 1 to 4 presets: male for a second character "1" or code 65.
QString PohlaviePodlaKodu(const QString &kod);

// The sex the save requires for a code: "2" for a second character "1" or
// code 65, "1" for a second character "2", 66 or 89; empty when the code requires none.
QString PozadovanePohlavie(const QString &kod);

// Codes 65 and 66 (import straight to a slaughterhouse) carry no animal data.
bool JeKodBitunku(const QString &kod);

// Whole days between two dates, whatever their order.
int CeleDni(const QDate &od, const QDate &po);

// The day counter below the arrival date: shown for births, abortions,
// imports and registrations, empty for other codes.
QString PocitadloDni(const QString &kod, const QDate &dnes, const QDate &datumPrisunu);
inline const QString TextPocitadlaDni = QStringLiteral("Počet uplynutých dní : ");

// Breeds 1 to 4 and their shares in percent (0: not given).
struct TPodielyKrvi
{
    std::array<QString, 4> Plemena;
    std::array<double, 4> Podiely{};
};

// What leaving share N (1 to 4) does to the breed composition.
struct TVysledokPodielu
{
    enum class TFokus { Ziadny, Podiel, Plemeno, Farba, LiniaOtca };

    bool ChybaNad100 = false;       // "Chyba: Podiel krvi > 100"
    bool ChybaBezPlemena = false;   // "Chyba: Podiel krvi zadaný a plemeno nezadané"
    std::optional<double> NovyPodiel;  // share N completed to the rest of 100
    bool VyprazdniPlemeno = false;     // breed N emptied: the earlier shares make 100
    int VyprazdniOd = 0;               // breeds and shares from this one to 4 emptied; 0: none
    // Where the focus goes: the last message's field, else the completion's.
    TFokus Fokus = TFokus::Ziadny;
};

TVysledokPodielu PravidloPodielu(int n, const TPodielyKrvi &podiely);

// A sum of shares compared with 100 %, free of floating-point noise: -1, 0, 1.
int PorovnajSo100(double sucet);

enum class TOznacenieFarmy { Spravne, KratkeOznacenie, Nekorektne };

// The form of a farm number of origin: six characters, a letter and five
// digits, or "VZP" and three digits; only group 0 checks the form.
TOznacenieFarmy KontrolaOznaceniaFarmy(const QString &text, const QString &skupina);

// The compositions the list offers for the breeds given: by the last breed
// given among 2 to 4, or "00" alone for a single breed.
std::pair<QString, QString> RozsahSkladby(const QString &plemeno2, const QString &plemeno3,
                                          const QString &plemeno4);

// A typed number made of digits only, not all zeros.
bool JeKladneCislo(const QString &text);

// Whether the edit group is one of the given ones ("14": group 1 or 4).
bool JeSkupina(const QString &skupina, const char *skupiny);

// Whether a production type is given ("1" dairy cow, "2" suckler cow).
bool JeUzitZam(const QString &uzitZam);
