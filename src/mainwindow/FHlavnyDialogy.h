#pragma once

#include "FCiselniky.h"
#include "FHlavny.h"
#include "FMajitelia.h"
#include "FNaseFarmy.h"
#include "FNovyPrisun.h"
#include "FOPrograme.h"
#include "FPrirucka.h"
#include "FSFarmy.h"

class TDataModuleHlavny;

// The windows that the main window opens, created once with it.
struct TFormHlavny::TDialogy
{
    TDialogy(TDataModuleHlavny &dm, TFormHlavny &hlavny);

    TFormNaseFarmy FormNaseFarmy;
    TFormSFarmy FormSFarmy;
    TFormMajitelia FormMajitelia;
    TFormCiselniky FormCiselniky;
    TFormOPrograme FormOPrograme;
    TFormPrirucka FormPrirucka;
    TFormNovyPrisun FormNovyPrisun;
};

// A command whose window comes with a later version: shown, but disabled.
void OznacPripravovany(QAction *prikaz);
bool JePripravovany(const QAction *prikaz);
