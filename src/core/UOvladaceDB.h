#pragma once

#include <QComboBox>
#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;
class QSqlQuery;

// A look-up combo: offers the rows of a list, keeps each row's key in the
// item data and shows the row's look-up text. No row chosen is a valid state
// (empty key); with DeleteMaze set, the Delete key empties the choice.
class TLookupCombo : public QComboBox
{
    Q_OBJECT

public:
    explicit TLookupCombo(QWidget *parent = nullptr);

    // Fills the list from the rows of an executed query; the chosen key stays
    // chosen when the new list still holds it.
    void Napln(QSqlQuery &dotaz, const QString &stlpecKluca, const QString &stlpecTextu);
    // The chosen row's key; empty when none.
    QString Kluc() const;
    // Chooses the row with this key; an empty or unknown key chooses none.
    void NastavKluc(const QString &kluc);
    // The first row whose key begins with `zaciatok`; -1 when none does.
    int NajdiKluc(const QString &zaciatok) const;

    bool DeleteMaze = false;

protected:
    void keyPressEvent(QKeyEvent *udalost) override;
};

// A framed group of radio buttons, each standing for a value; none chosen
// reads as an empty value.
class TRadioHodnoty : public QGroupBox
{
    Q_OBJECT

public:
    TRadioHodnoty(const QString &titulok, const QStringList &polozky, const QStringList &hodnoty,
                  QWidget *parent = nullptr);

    QString Hodnota() const;
    // Chooses the item of the value without reporting a click; an unknown
    // value chooses none.
    void NastavHodnotu(const QString &hodnota);
    QRadioButton *Polozka(const QString &hodnota) const;

signals:
    // The user chose an item.
    void Click(const QString &hodnota);

private:
    QButtonGroup *m_skupina;
    QStringList m_hodnoty;
};
