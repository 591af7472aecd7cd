#include "UOvladaceDB.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QRadioButton>
#include <QSqlQuery>
#include <QVBoxLayout>

TLookupCombo::TLookupCombo(QWidget *parent) : QComboBox(parent)
{
    setInsertPolicy(QComboBox::NoInsert);
}

void TLookupCombo::Napln(QSqlQuery &dotaz, const QString &stlpecKluca, const QString &stlpecTextu)
{
    const QString kluc = Kluc();
    const QSignalBlocker blokuj(this);
    clear();
    if (dotaz.isActive() && dotaz.first()) {
        do {
            addItem(dotaz.value(stlpecTextu).toString(), dotaz.value(stlpecKluca).toString());
        } while (dotaz.next());
    }
    NastavKluc(kluc);
}

QString TLookupCombo::Kluc() const
{
    return currentIndex() < 0 ? QString() : currentData().toString();
}

void TLookupCombo::NastavKluc(const QString &kluc)
{
    setCurrentIndex(kluc.isEmpty() ? -1 : findData(kluc));
}

int TLookupCombo::NajdiKluc(const QString &zaciatok) const
{
    for (int i = 0; i < count(); ++i) {
        if (itemData(i).toString().startsWith(zaciatok))
            return i;
    }
    return -1;
}

void TLookupCombo::keyPressEvent(QKeyEvent *udalost)
{
    if (DeleteMaze && udalost->key() == Qt::Key_Delete) {
        setCurrentIndex(-1);
        return;
    }
    QComboBox::keyPressEvent(udalost);
}

TRadioHodnoty::TRadioHodnoty(const QString &titulok, const QStringList &polozky, const QStringList &hodnoty,
                             QWidget *parent)
    : QGroupBox(titulok, parent), m_skupina(new QButtonGroup(this)), m_hodnoty(hodnoty)
{
    auto *rozlozenie = new QVBoxLayout(this);
    for (int i = 0; i < polozky.size(); ++i) {
        auto *tlacidlo = new QRadioButton(polozky[i], this);
        m_skupina->addButton(tlacidlo, i);
        rozlozenie->addWidget(tlacidlo);
    }
    connect(m_skupina, &QButtonGroup::idClicked, this, [this](int id) { emit Click(m_hodnoty.value(id)); });
}

QString TRadioHodnoty::Hodnota() const
{
    return m_hodnoty.value(m_skupina->checkedId());
}

void TRadioHodnoty::NastavHodnotu(const QString &hodnota)
{
    const int id = hodnota.isEmpty() ? -1 : m_hodnoty.indexOf(hodnota);
    if (QAbstractButton *tlacidlo = m_skupina->button(id)) {
        tlacidlo->setChecked(true);
        return;
    }
    if (QAbstractButton *zvolene = m_skupina->checkedButton()) {
        m_skupina->setExclusive(false);
        zvolene->setChecked(false);
        m_skupina->setExclusive(true);
    }
}

QRadioButton *TRadioHodnoty::Polozka(const QString &hodnota) const
{
    return qobject_cast<QRadioButton *>(m_skupina->button(m_hodnoty.indexOf(hodnota)));
}
