#pragma once

#include <QMainWindow>
#include <memory>

#include "USpolocne.h"

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QStatusBar;
class QTreeWidget;
class QTreeWidgetItem;
class TDataModuleHlavny;

// The main window: keeps the current farm for every other window, shows the
// own farms and their animals in a tree, and opens every other window.
class TFormHlavny : public QMainWindow, public TSpolocneUdaje
{
    Q_OBJECT

public:
    explicit TFormHlavny(TDataModuleHlavny &dm, QWidget *parent = nullptr);
    ~TFormHlavny() override;

    void UlozAktFarmu() override;
    void ZobrazAktFarmu() override;
    void SkryPohlady() override;
    void NastavPriradenieMajitela() override;
    // Closes the program without the backup question (after a restore or update).
    void UkonciBezZalohy();

    // When set, closing the main window does not ask for a backup.
    static inline bool KoniecBezZalohy = false;

    // The tree of own farms and their animals.
    void NacitajStrom() override;
    // The first node, depth first from the root, whose text equals `text`
    // ignoring letter case; nullptr when there is none.
    static QTreeWidgetItem *NajdiUzol(QTreeWidget *strom, const QString &text);
    // Selects the current farm's node (which shows that farm).
    void VyberAktFarmu();

    // Controls.
    QFrame *PanelHorny;
    QLabel *LabelVyber;
    QLabel *LabelDatum;
    QTreeWidget *TreeViewZvierata;
    QStatusBar *StatusBarStrom;
    QProgressBar *ProgressBarStrom;
    QLineEdit *EditHladajStat;
    QLineEdit *EditHladajJCNARV;
    QPushButton *BitBtnHladaj;
    QLabel *ImageOvecka;
    QLabel *PanelStavu0;
    QLabel *PanelStavu1;

    // Commands of the menu (the toolbar repeats some of them).
    QAction *ZalohaDatabazy1;
    QAction *ObnovaDatabazy1;
    QAction *FariemSlovenska1;
    QAction *AktualCiselnikov;
    QAction *ImportzXML1;
    QAction *ZmenaUzitZam;
    QAction *PrirMajitelZviera;
    QAction *Cisteniedatabazy1;
    QAction *Koniec1;
    QAction *VyberFarmy;
    QAction *MojeFarmy;
    QAction *FarmySR;
    QAction *Majitelia;
    QAction *NovyPrisun;
    QAction *OpravaPrisunu;
    QAction *NovyOdsun;
    QAction *OpravaOdsunu;
    QAction *Hlasenie;
    QAction *Premiestnenie;
    QAction *Indregister;
    QAction *PrehladyPohybov;
    QAction *Prehladyzvierat;
    QAction *ciselniky;
    QAction *Prruka1;
    QAction *Oprograme1;

    // Handlers.
    void KoniecClick();
    void ZalohaDatabazy1Click();
    void VyberFarmyClick();
    void MojeFarmyClick();
    void FarmySRClick();
    void MajiteliaClick();
    void NovyPrisunClick();
    void ciselnikyClick();
    void Prruka1Click();
    void Oprograme1Click();
    void TreeViewZvierataChange(QTreeWidgetItem *uzol);
    void BitBtnHladajClick();
    void EditHladajStatExit();
    void EditHladajJCNARVExit();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void VytvorRozlozenie();
    void VytvorMenu();
    void FormShow();
    void ZalozPrvuFarmu();
    void NastavAktFarmu(const QString &cisFarmy);
    void PostavStrom();

    TDataModuleHlavny &m_dm;
    struct TDialogy;
    std::unique_ptr<TDialogy> m_dialogy;
    bool m_zobrazene = false;
    bool m_stromSaStavia = false;
    bool m_stromZnova = false;
};
