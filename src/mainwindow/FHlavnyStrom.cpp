// The main window's tree of own farms and their animals, and the search in it.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QScopedValueRollback>
#include <QSqlQuery>
#include <QStatusBar>
#include <QTreeWidget>

#include "DMHlavny.h"
#include "FHlavny.h"
#include "UIkony.h"
#include "USpravy.h"

namespace {

TDruhUzla DruhUzla(const QTreeWidgetItem *uzol)
{
    return static_cast<TDruhUzla>(uzol->data(0, Qt::UserRole).toInt());
}

QTreeWidgetItem *NovyUzol(const QString &text, TDruhUzla druh)
{
    auto *uzol = new QTreeWidgetItem(QStringList{text});
    uzol->setData(0, Qt::UserRole, static_cast<int>(druh));
    uzol->setIcon(0, IkonaUzla(druh));
    return uzol;
}

// A farm node reads "Farma: " and the farm number.
QString CisloFarmyUzla(const QTreeWidgetItem *farma)
{
    return farma->text(0).section(QLatin1Char(' '), 1);
}

} // namespace

void TFormHlavny::NacitajStrom()
{
    // The build lets pending events run between farms; a rebuild asked for
    // meanwhile (a window closed, say) follows once this one is complete
    // instead of tearing down the tree that is being built.
    if (m_stromSaStavia) {
        m_stromZnova = true;
        return;
    }
    const QScopedValueRollback stavia(m_stromSaStavia, true);
    do {
        m_stromZnova = false;
        PostavStrom();
    } while (m_stromZnova);
}

void TFormHlavny::PostavStrom()
{
    PanelStavu0->setText(QStringLiteral("Vyberám dáta pre farmy."));
    {
        // A rebuild selects nothing and shows nothing new on the right.
        const QSignalBlocker ticho(TreeViewZvierata);
        TreeViewZvierata->clear();
    }
    ProgressBarStrom->setRange(0, 0);
    ProgressBarStrom->setValue(0);
    StatusBarStrom->show();

    int pocetZvierat = 0;
    try {
        QTreeWidgetItem *koren = NovyUzol(QStringLiteral("Farmy"), TDruhUzla::Koren);
        TreeViewZvierata->addTopLevelItem(koren);
        // The farms are read whole before the loop: a handler run between
        // farms may use the shared queries of the data module.
        QSqlQuery farmy(m_dm.ADOConnectionVuradeDE());
        Otvor(farmy, QStringLiteral("SELECT Farma_Id, CisFarmy AS farma FROM farlLic "));
        QList<std::pair<QVariant, QString>> vlastneFarmy;
        while (farmy.next())
            vlastneFarmy.append({farmy.value(0), farmy.value(1).toString()});
        QSqlQuery zvierata(m_dm.ADOConnectionVuradeDE());
        zvierata.setForwardOnly(true);
        zvierata.prepare(QStringLiteral("SELECT ZVStat, JCNARV, Pohlavie FROM RegZv WHERE  Farma_id= :pFarmaID ORDER BY ZVStat, JCNARV"));
        ProgressBarStrom->setMaximum(vlastneFarmy.size());
        int pocetFariem = 0;
        for (const auto &[farmaID, cisFarmy] : vlastneFarmy) {
            QApplication::processEvents();
            QTreeWidgetItem *farma = NovyUzol(QStringLiteral("Farma: ") + cisFarmy, TDruhUzla::Farma);
            koren->addChild(farma);
            zvierata.bindValue(QStringLiteral(":pFarmaID"), farmaID);
            Otvor(zvierata);
            QList<QTreeWidgetItem *> uzly;
            while (zvierata.next())
                uzly << NovyUzol(zvierata.value(0).toString() + QLatin1Char(' ') + zvierata.value(1).toString(),
                                 zvierata.value(2).toString() == KodSamec ? TDruhUzla::Samec : TDruhUzla::Samica);
            farma->addChildren(uzly);
            pocetZvierat += uzly.size();
            ProgressBarStrom->setValue(++pocetFariem);
        }
    } catch (const TChybaSql &chyba) {
        UkazChybu(chyba.Text());
    }
    TreeViewZvierata->expandAll();  // also what was built before a failure
    StatusBarStrom->hide();
    PanelStavu0->setText(QStringLiteral("Počet zvierat: ") + QString::number(pocetZvierat));
}

QTreeWidgetItem *TFormHlavny::NajdiUzol(QTreeWidget *strom, const QString &text)
{
    QList<QTreeWidgetItem *> naPrehladanie;
    for (int i = strom->topLevelItemCount() - 1; i >= 0; --i)
        naPrehladanie << strom->topLevelItem(i);
    while (!naPrehladanie.isEmpty()) {
        QTreeWidgetItem *uzol = naPrehladanie.takeLast();
        if (uzol->text(0).compare(text, Qt::CaseInsensitive) == 0)
            return uzol;
        for (int i = uzol->childCount() - 1; i >= 0; --i)
            naPrehladanie << uzol->child(i);
    }
    return nullptr;
}

void TFormHlavny::VyberAktFarmu()
{
    if (QTreeWidgetItem *farma = NajdiUzol(TreeViewZvierata, QStringLiteral("Farma: ") + AktCisFarmy)) {
        TreeViewZvierata->setFocus();
        TreeViewZvierata->setCurrentItem(farma);
    }
}

void TFormHlavny::TreeViewZvierataChange(QTreeWidgetItem *uzol)
{
    if (!uzol)
        return;
    SkryPohlady();
    try {
        switch (DruhUzla(uzol)) {
        case TDruhUzla::Koren:
            return;
        case TDruhUzla::Farma:
            NastavAktFarmu(CisloFarmyUzla(uzol));
            break;
        case TDruhUzla::Samec:
        case TDruhUzla::Samica:
            HladaneZviera = uzol->text(0);
            NastavAktFarmu(CisloFarmyUzla(uzol->parent()));
            break;
        }
        UlozAktFarmu();
    } catch (const TChybaSql &chyba) {
        UkazChybu(chyba.Text());
    }
}

void TFormHlavny::EditHladajStatExit()
{
    EditHladajStat->setText(EditHladajStat->text().toUpper());
}

void TFormHlavny::EditHladajJCNARVExit()
{
    // Unlike the entry windows, the search pads even an empty or blank number.
    EditHladajJCNARV->setText(EditHladajJCNARV->text().rightJustified(DlzkaCisla, QLatin1Char('0')));
}

void TFormHlavny::BitBtnHladajClick()
{
    if (EditHladajStat->text().trimmed().isEmpty())
        EditHladajStat->setText(DomaciStat);
    HladaneZviera = EditHladajStat->text() + QLatin1Char(' ') + EditHladajJCNARV->text();
    if (QTreeWidgetItem *uzol = NajdiUzol(TreeViewZvierata, HladaneZviera)) {
        TreeViewZvierata->setFocus();
        TreeViewZvierata->setCurrentItem(uzol);
        EditHladajStat->clear();
        EditHladajJCNARV->clear();
    } else {
        UkazSpravu(QStringLiteral("Nenašiel som zviera s ušným číslom ") + HladaneZviera, QString(),
                   TIkona::Informacia);
    }
}
