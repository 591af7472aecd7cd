#pragma once

#include <QMainWindow>

#include "USpolocne.h"

class QAction;
class QLabel;
class QToolBar;
class QFrame;
class TDataModuleHlavny;

// The main window: keeps the current farm for every other window, shows the
// farms and their animals, and opens every other window.
class TFormHlavny : public QMainWindow, public TSpolocneUdaje
{
    Q_OBJECT

public:
    explicit TFormHlavny(TDataModuleHlavny &dm, QWidget *parent = nullptr);

    void UlozAktFarmu() override;
    void ZobrazAktFarmu() override;
    void SkryPohlady() override;
    void NastavPriradenieMajitela() override;
    // Closes the program without the backup question (after a restore or update).
    void UkonciBezZalohy();

    // When set, closing the main window does not ask for a backup.
    static inline bool KoniecBezZalohy = false;

    QFrame *PanelHorny;
    QLabel *LabelVyber;
    QLabel *LabelDatum;
    QLabel *ImageOvecka;
    QLabel *PanelStavu0;
    QLabel *PanelStavu1;
    QAction *Koniec1;
    QAction *ZalohaDatabazy1;

    void KoniecClick();
    void ZalohaDatabazy1Click();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void FormShow();
    void VytvorMenu();
    void ZalozPrvuFarmu();
    void NastavAktFarmu(const QString &cisFarmy);

    TDataModuleHlavny &m_dm;
    bool m_zobrazene = false;
};
