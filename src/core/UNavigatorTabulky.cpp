#include "UNavigatorTabulky.h"

#include <QHBoxLayout>
#include <QScopedValueRollback>
#include <QSqlError>
#include <QSqlIndex>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QSqlTableModel>
#include <QTableView>
#include <QToolButton>

#include "USpravy.h"
#include "USql.h"

namespace {

struct TPopisTlacidla
{
    const char *nazov;
    const char *znak;
    const char *hint;
};

// In the order of TTlacidlo.
const TPopisTlacidla popisy[] = {
    {"Prvy", "|◀", "Prvý záznam"},
    {"Predchadzajuci", "◀", "Predchádzajúci záznam"},
    {"Nasledujuci", "▶", "Následujúci záznam"},
    {"Posledny", "▶|", "Posledný záznam"},
    {"Vloz", "+", "Vlož záznam"},
    {"Vymaz", "−", "Vymaž záznam"},
    {"Oprav", "▲", "Oprav záznam"},
    {"Potvrd", "✓", "Potvrdenie opravy"},
    {"Zrus", "✗", "Zrušenie opravy"},
    {"Obnov", "↻", "Ulož dáta"},
};

} // namespace

TNavigatorTabulky::TNavigatorTabulky(QTableView *grid, const QList<TTlacidlo> &tlacidla, QWidget *parent)
    : QWidget(parent), m_grid(grid), m_model(qobject_cast<QSqlQueryModel *>(grid->model())),
      m_tabulka(qobject_cast<QSqlTableModel *>(grid->model()))
{
    Q_ASSERT(m_model);
    if (m_tabulka) {
        Q_ASSERT(m_tabulka->editStrategy() == QSqlTableModel::OnManualSubmit);
        m_stlpecKluca = m_tabulka->primaryKey().fieldName(0);
    }
    auto *rozlozenie = new QHBoxLayout(this);
    rozlozenie->setContentsMargins(0, 0, 0, 0);
    rozlozenie->setSpacing(0);
    for (const TTlacidlo tlacidlo : tlacidla) {
        const TPopisTlacidla &popis = popisy[tlacidlo];
        auto *tlacidloNavigatora = new QToolButton(this);
        tlacidloNavigatora->setObjectName(QString::fromLatin1(popis.nazov));
        tlacidloNavigatora->setText(QString::fromUtf8(popis.znak));
        tlacidloNavigatora->setToolTip(QString::fromUtf8(popis.hint));
        tlacidloNavigatora->setMinimumWidth(28);
        connect(tlacidloNavigatora, &QToolButton::clicked, this, [this, tlacidlo] { Stlac(tlacidlo); });
        rozlozenie->addWidget(tlacidloNavigatora);
        m_tlacidla << qMakePair(tlacidlo, tlacidloNavigatora);
    }
    rozlozenie->addStretch();

    // The grid stays in the user's column when the navigator shows a row again.
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex &novy) {
        if (novy.isValid())
            m_stlpec = novy.column();
        NastavTlacidla();
    });
    // Leaving a row for another, by mouse, keyboard or the buttons, stores it.
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &novy, const QModelIndex &stary) {
                if (!m_presun)
                    UlozRiadok(stary.isValid() ? stary.row() : -1, novy.isValid() ? novy.row() : -1);
            });
    connect(m_model, &QAbstractItemModel::modelReset, this, &TNavigatorTabulky::NastavTlacidla);
    connect(m_model, &QAbstractItemModel::rowsInserted, this, &TNavigatorTabulky::NastavTlacidla);
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, &TNavigatorTabulky::NastavTlacidla);
    NastavTlacidla();
}

QToolButton *TNavigatorTabulky::Tlacidlo(TTlacidlo tlacidlo) const
{
    for (const auto &[druh, tlacidloNavigatora] : m_tlacidla) {
        if (druh == tlacidlo)
            return tlacidloNavigatora;
    }
    return nullptr;
}

void TNavigatorTabulky::Stlac(TTlacidlo tlacidlo)
{
    switch (tlacidlo) {
    case Prvy: ChodNa(0); break;
    case Predchadzajuci: ChodNa(Riadok() - 1); break;
    case Nasledujuci: ChodNa(Riadok() + 1); break;
    case Posledny: ChodNa(m_model->rowCount() - 1); break;
    case Vloz: VlozClick(); break;
    case Vymaz: VymazClick(); break;
    case Oprav: OpravClick(); break;
    case Potvrd: Uloz(); break;
    case Zrus: ZrusClick(); break;
    case Obnov: ObnovClick(); break;
    }
}

bool TNavigatorTabulky::Otvor()
{
    const QVariant kluc = Kluc(Riadok());
    const bool nacitana = Nacitaj();
    Zobraz(RiadokKluca(kluc));
    return nacitana;
}

bool TNavigatorTabulky::Uloz()
{
    PrevezmiEditor();
    return UlozRiadok(Riadok(), Riadok());
}

int TNavigatorTabulky::Riadok() const
{
    const QModelIndex aktualny = m_grid->currentIndex();
    return aktualny.isValid() ? aktualny.row() : -1;
}

void TNavigatorTabulky::ChodNa(int riadok)
{
    if (riadok < 0 || riadok >= m_model->rowCount() || riadok == Riadok())
        return;
    PrevezmiEditor();
    m_grid->selectionModel()->setCurrentIndex(m_model->index(riadok, Stlpec()),
                                              QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void TNavigatorTabulky::VlozClick()
{
    if (!Uloz())
        return;
    const int riadok = qMax(Riadok(), 0);
    {
        const QScopedValueRollback<bool> presun(m_presun, true);
        if (!m_tabulka->insertRow(riadok)) {
            ChybaTabulky();
            return;
        }
    }
    Zobraz(riadok);
    m_grid->setFocus();
    m_grid->edit(m_grid->currentIndex());
}

void TNavigatorTabulky::VymazClick()
{
    PrevezmiEditor();
    const int riadok = Riadok();
    if (riadok < 0 || !(PotvrdVymazanie ? PotvrdVymazanie(riadok) : PotvrdVymazanieZaznamu()))
        return;
    {
        const QScopedValueRollback<bool> presun(m_presun, true);
        if (!m_tabulka->removeRow(riadok) || !m_tabulka->submitAll()) {
            ChybaTabulky();
            m_tabulka->revertRow(riadok);
            NastavRiadok(riadok);
            return;
        }
    }
    DocitajVsetko();
    Zobraz(riadok);
}

void TNavigatorTabulky::OpravClick()
{
    m_grid->setFocus();
    m_grid->edit(m_grid->currentIndex());
}

void TNavigatorTabulky::ZrusClick()
{
    const QModelIndex aktualny = m_grid->currentIndex();
    if (QWidget *editor = aktualny.isValid() ? m_grid->indexWidget(aktualny) : nullptr)
        emit m_grid->itemDelegateForIndex(aktualny)->closeEditor(editor, QAbstractItemDelegate::NoHint);
    const int riadok = Riadok();
    const QVariant kluc = Kluc(riadok);
    {
        const QScopedValueRollback<bool> presun(m_presun, true);
        m_tabulka->revertAll();
    }
    // A new row is gone again: the row that now stands in its place is shown.
    const int riadokKluca = RiadokKluca(kluc);
    Zobraz(riadokKluca >= 0 ? riadokKluca : riadok);
}

void TNavigatorTabulky::ObnovClick()
{
    if (Uloz())
        Otvor();
}

// Stores the pending changes of `riadok`, then shows the row `ciel` (which
// may be `riadok` itself). The rows are read again after a store, so both are
// found again by their keys; a new row takes the key the server gave it.
bool TNavigatorTabulky::UlozRiadok(int riadok, int ciel)
{
    if (riadok >= 0 && PrenesUpravy)
        PrenesUpravy(riadok);
    if (!m_tabulka || !m_tabulka->isDirty()) {
        emit RiadokZobrazeny(ciel);
        return true;
    }
    QVariant klucRiadku = Kluc(riadok);
    const QVariant klucCiela = Kluc(ciel);
    bool ulozene;
    {
        const QScopedValueRollback<bool> presun(m_presun, true);
        ulozene = m_tabulka->submitAll();
    }
    if (!ulozene) {
        ChybaTabulky();
        NastavRiadok(riadok);
        return false;
    }
    if (klucRiadku.isNull()) {
        QSqlQuery posledny(m_tabulka->database());
        if (posledny.exec(QStringLiteral("SELECT LAST_INSERT_ID()")) && posledny.next())
            klucRiadku = posledny.value(0);
    }
    DocitajVsetko();
    Zobraz(RiadokKluca(ciel == riadok ? klucRiadku : klucCiela));
    return true;
}

bool TNavigatorTabulky::Nacitaj()
{
    const QScopedValueRollback<bool> presun(m_presun, true);
    bool nacitany = true;
    if (m_tabulka) {
        nacitany = m_tabulka->select();
    } else if (NacitajZoznam) {
        NacitajZoznam();
        nacitany = !m_model->lastError().isValid();
    }
    if (!nacitany) {
        ChybaTabulky();
        return false;
    }
    DocitajVsetko();
    return true;
}

// The model fetches a big list in parts; the rows are looked up by key and
// Last must reach the real last row, so all of them are wanted.
void TNavigatorTabulky::DocitajVsetko()
{
    while (m_model->canFetchMore())
        m_model->fetchMore();
}

// A value still typed in the grid's cell editor belongs to the row as well.
void TNavigatorTabulky::PrevezmiEditor()
{
    const QModelIndex aktualny = m_grid->currentIndex();
    QWidget *editor = aktualny.isValid() ? m_grid->indexWidget(aktualny) : nullptr;
    if (!editor)
        return;
    QAbstractItemDelegate *delegat = m_grid->itemDelegateForIndex(aktualny);
    emit delegat->commitData(editor);
    emit delegat->closeEditor(editor, QAbstractItemDelegate::NoHint);
}

QVariant TNavigatorTabulky::Kluc(int riadok) const
{
    if (!m_tabulka || riadok < 0 || riadok >= m_tabulka->rowCount())
        return {};
    return m_tabulka->data(m_tabulka->index(riadok, m_tabulka->fieldIndex(m_stlpecKluca)));
}

int TNavigatorTabulky::RiadokKluca(const QVariant &kluc) const
{
    if (kluc.isNull())
        return -1;
    for (int riadok = 0; riadok < m_model->rowCount(); ++riadok) {
        if (Kluc(riadok) == kluc)
            return riadok;
    }
    return -1;
}

// The user's column, or the first one the grid shows.
int TNavigatorTabulky::Stlpec() const
{
    if (m_stlpec >= 0 && !m_grid->isColumnHidden(m_stlpec))
        return m_stlpec;
    for (int stlpec = 0; stlpec < m_model->columnCount(); ++stlpec) {
        if (!m_grid->isColumnHidden(stlpec))
            return stlpec;
    }
    return 0;
}

void TNavigatorTabulky::NastavRiadok(int riadok)
{
    const QScopedValueRollback<bool> presun(m_presun, true);
    if (riadok < 0) {
        m_grid->selectionModel()->clear();
        return;
    }
    const QModelIndex index = m_model->index(riadok, Stlpec());
    m_grid->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_grid->scrollTo(index);
}

// Shows the row (the nearest one when it is gone, the first when none is given).
void TNavigatorTabulky::Zobraz(int riadok)
{
    const int pocet = m_model->rowCount();
    riadok = pocet == 0 ? -1 : qBound(0, riadok, pocet - 1);
    NastavRiadok(riadok);
    emit RiadokZobrazeny(riadok);
}

// Moving is offered where there is a row to move to; editing only over a table.
void TNavigatorTabulky::NastavTlacidla()
{
    const int riadok = Riadok();
    const int posledny = m_model->rowCount() - 1;
    const bool menitelna = m_tabulka != nullptr;
    for (const auto &[druh, tlacidlo] : m_tlacidla) {
        switch (druh) {
        case Prvy:
        case Predchadzajuci: tlacidlo->setEnabled(riadok > 0); break;
        case Nasledujuci:
        case Posledny: tlacidlo->setEnabled(riadok < posledny); break;
        case Vymaz:
        case Oprav: tlacidlo->setEnabled(menitelna && riadok >= 0); break;
        case Vloz:
        case Potvrd:
        case Zrus: tlacidlo->setEnabled(menitelna); break;
        case Obnov: break;
        }
    }
}

bool TNavigatorTabulky::PotvrdVymazanieZaznamu()
{
    return UkazSpravu(QStringLiteral("Vymazať záznam ?"), window()->windowTitle(), TIkona::Otazka, TTlacidla::AnoNie,
                      TOdpoved::Nie) == TOdpoved::Ano;
}

void TNavigatorTabulky::ChybaTabulky()
{
    UkazChybu(TextChyby(m_model->lastError()));
}
