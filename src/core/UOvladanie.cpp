#include "UOvladanie.h"

#include <algorithm>

#include <QAbstractButton>
#include <QFocusEvent>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>

#include "USpolocne.h"

namespace {

bool PrijimaTab(QWidget *w, QWidget *okno)
{
    return w != okno && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy() && w->isEnabled() &&
           w->isVisibleTo(okno) && okno->isAncestorOf(w);
}

class TFilterEnter final : public QObject
{
public:
    explicit TFilterEnter(QWidget *okno) : QObject(okno), m_okno(okno) {}

    bool eventFilter(QObject *objekt, QEvent *udalost) override
    {
        if (udalost->type() != QEvent::KeyPress)
            return false;
        const int kluc = static_cast<QKeyEvent *>(udalost)->key();
        if (kluc != Qt::Key_Return && kluc != Qt::Key_Enter)
            return false;
        auto *widget = qobject_cast<QWidget *>(objekt);
        if (!widget || widget != QApplication::focusWidget())
            return false;
        if (auto *tlacidlo = qobject_cast<QAbstractButton *>(widget)) {
            tlacidlo->click();
            return true;
        }
        if (QWidget *dalsi = DalsiOvladac(m_okno, widget))
            dalsi->setFocus(Qt::TabFocusReason);
        return false;
    }

private:
    QWidget *m_okno;
};

// An empty masked edit holds at most the mask's literal separators and blanks.
bool JeBezZnakov(const QString &text)
{
    return std::none_of(text.begin(), text.end(), [](QChar c) { return c.isLetterOrNumber(); });
}

class TFilterMaskEdit final : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *objekt, QEvent *udalost) override
    {
        if (udalost->type() != QEvent::MouseButtonPress)
            return false;
        auto *edit = static_cast<QLineEdit *>(objekt);
        if (!JeBezZnakov(edit->text()))
            return false;
        edit->setFocus(Qt::MouseFocusReason);
        edit->deselect();
        edit->setCursorPosition(0);
        return true;
    }
};

class TFilterOdchodu final : public QObject
{
public:
    TFilterOdchodu(QWidget *ovladac, std::function<void()> obsluha)
        : QObject(ovladac), m_obsluha(std::move(obsluha))
    {
    }

    bool eventFilter(QObject *objekt, QEvent *udalost) override
    {
        if (udalost->type() != QEvent::FocusOut)
            return false;
        const Qt::FocusReason dovod = static_cast<QFocusEvent *>(udalost)->reason();
        if (dovod == Qt::ActiveWindowFocusReason || dovod == Qt::PopupFocusReason)
            return false;
        QWidget *okno = static_cast<QWidget *>(objekt)->window();
        // A window that is closed or torn down leaves no field: its focus goes
        // away without the user having finished a field.
        if (!okno->isVisible() || okno->property(vObsluhe).toBool())
            return false;
        okno->setProperty(vObsluhe, true);
        // A handler that throws must not leave every exit of the window switched off.
        const auto koniec = qScopeGuard([okno] { okno->setProperty(vObsluhe, false); });
        m_obsluha();
        return false;
    }

private:
    static constexpr const char *vObsluhe = "vuradede_obsluhaOdchodu";
    std::function<void()> m_obsluha;
};

} // namespace

void PriOdchode(QWidget *ovladac, std::function<void()> obsluha)
{
    ovladac->installEventFilter(new TFilterOdchodu(ovladac, std::move(obsluha)));
}

QWidget *DalsiOvladac(QWidget *okno, QWidget *od)
{
    for (QWidget *w = od->nextInFocusChain(); w && w != od; w = w->nextInFocusChain()) {
        if (PrijimaTab(w, okno))
            return w;
    }
    return nullptr;
}

void PosunNaEnter(QWidget *okno)
{
    auto *filter = new TFilterEnter(okno);
    const auto widgety = okno->findChildren<QWidget *>();
    for (QWidget *w : widgety) {
        w->installEventFilter(filter);
        if (auto *tlacidlo = qobject_cast<QPushButton *>(w)) {
            tlacidlo->setAutoDefault(false);
            tlacidlo->setDefault(false);
        }
    }
}

void PoziciaMaskEdit(QLineEdit *edit)
{
    edit->installEventFilter(new TFilterMaskEdit(edit));
}

void VelkePismena(QLineEdit *edit)
{
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString &text) {
        const int kurzor = edit->cursorPosition();
        edit->setText(text.toUpper());
        edit->setCursorPosition(kurzor);
    });
}

void DoplnNuly(QLineEdit *edit)
{
    const QString doplnene = DoplnNuly(edit->text());
    if (doplnene != edit->text())
        edit->setText(doplnene);
}
