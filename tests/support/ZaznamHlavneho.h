#pragma once

#include <QStringList>

#include "USpolocne.h"

// Stands in for the main window in a test of a dialog: records which of its
// services the dialog calls, in order.
class TZaznamHlavneho final : public TSpolocneUdaje
{
public:
    void UlozAktFarmu() override { Volania << QStringLiteral("UlozAktFarmu"); }
    void ZobrazAktFarmu() override { Volania << QStringLiteral("ZobrazAktFarmu"); }
    void SkryPohlady() override { Volania << QStringLiteral("SkryPohlady"); }
    void NastavPriradenieMajitela() override { Volania << QStringLiteral("NastavPriradenieMajitela"); }
    void NacitajStrom() override { Volania << QStringLiteral("NacitajStrom"); }

    QStringList Volania;
};
