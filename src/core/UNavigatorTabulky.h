#pragma once

#include <QList>
#include <QWidget>
#include <functional>

class QSqlQueryModel;
class QSqlTableModel;
class QTableView;
class QToolButton;

// The row of small buttons under a grid. Over a table (QSqlTableModel with
// the edit strategy OnManualSubmit and a one-column primary key) the rows are
// edited in place, in the grid's cells or in edits of the shown row. Nothing
// is written while the user types: the shown row is stored when the user
// posts it, leaves it for another row, or refreshes the list. A store that
// fails shows "Chyba: " + the server's text and keeps the row as typed, shown.
// Over any other query model the list is read-only: the editing buttons stay
// disabled.
class TNavigatorTabulky : public QWidget
{
    Q_OBJECT

public:
    enum TTlacidlo { Prvy, Predchadzajuci, Nasledujuci, Posledny, Vloz, Vymaz, Oprav, Potvrd, Zrus, Obnov };

    // The moving buttons alone, and all the buttons.
    static inline const QList<TTlacidlo> Pohyb = {Prvy, Predchadzajuci, Nasledujuci, Posledny};
    static inline const QList<TTlacidlo> Vsetky = {Prvy, Predchadzajuci, Nasledujuci, Posledny, Vloz,
                                                   Vymaz, Oprav, Potvrd, Zrus, Obnov};

    // Shows the given buttons in the given order; the grid's model is a QSqlQueryModel.
    TNavigatorTabulky(QTableView *grid, const QList<TTlacidlo> &tlacidla, QWidget *parent = nullptr);

    // The button, or nullptr when this navigator does not show it.
    QToolButton *Tlacidlo(TTlacidlo tlacidlo) const;

    // Runs a read-only list's query again; a table is read again by select().
    std::function<void()> NacitajZoznam;
    // Hands values typed outside the grid (edits of the shown row) to the
    // table before the row is stored.
    std::function<void(int riadok)> PrenesUpravy;
    // Asked before a row is deleted; false keeps it. Without it the user
    // answers "Vymazať záznam ?".
    std::function<bool(int riadok)> PotvrdVymazanie;

    // Reads the list again and stays on the shown row (on the first one when
    // that is gone); false after an error box.
    bool Otvor();
    // Stores what is pending and stays on the shown row; false after an error box.
    bool Uloz();
    // The shown row; -1 when the list is empty.
    int Riadok() const;
    // Shows another row, storing the row it leaves.
    void ChodNa(int riadok);

signals:
    // The grid shows another row, or the list was read again (-1: no row).
    void RiadokZobrazeny(int riadok);

private:
    void Stlac(TTlacidlo tlacidlo);
    void VlozClick();
    void VymazClick();
    void OpravClick();
    void ZrusClick();
    void ObnovClick();

    bool UlozRiadok(int riadok, int ciel);
    bool Nacitaj();
    void DocitajVsetko();
    void PrevezmiEditor();
    QVariant Kluc(int riadok) const;
    int RiadokKluca(const QVariant &kluc) const;
    int Stlpec() const;
    void NastavRiadok(int riadok);
    void Zobraz(int riadok);
    void NastavTlacidla();
    bool PotvrdVymazanieZaznamu();
    void ChybaTabulky();

    QTableView *m_grid;
    QSqlQueryModel *m_model;
    // The grid's model when its rows may be changed; nullptr for a read-only list.
    QSqlTableModel *m_tabulka;
    QString m_stlpecKluca;
    QList<QPair<TTlacidlo, QToolButton *>> m_tlacidla;
    // The column of the grid's last current cell; -1 before the first.
    int m_stlpec = -1;
    // Set while the navigator itself moves the grid, so the move stores nothing.
    bool m_presun = false;
};
