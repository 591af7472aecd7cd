#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QLineEdit;
class QWidget;

// Enter moves the focus to the next control of the window in tab order,
// skipping controls that take no tab focus and wrapping after the last.
// Attach once to a window after its controls exist. On a push button Enter
// presses it instead, as the button itself has the focus. The window's push
// buttons stop being auto-default, so Enter in a field never presses a button.
void PosunNaEnter(QWidget *okno);

// The next control of the window in tab order after `od` (wrapping around).
QWidget *DalsiOvladac(QWidget *okno, QWidget *od);

// A click into an empty masked edit puts the caret at its first position, so
// typing starts at the beginning of the mask wherever the user clicked.
void PoziciaMaskEdit(QLineEdit *edit);

// An "exit" handler: runs `obsluha` when `ovladac` hands the focus to another
// control of its window. Focus lost to another window or to a popup (a message
// box, a combo list, a calendar) is no exit. While one exit handler of a window
// runs, no other exit handler of that window starts, so a handler that shows a
// message or puts the focus back to its field never fires a second one.
void PriOdchode(QWidget *ovladac, std::function<void()> obsluha);

// Turns what the user types into an edit into upper case, keeping the caret.
void VelkePismena(QLineEdit *edit);

// Replaces an ear-tag field's text by its zero-padded form (see DoplnNuly).
void DoplnNuly(QLineEdit *edit);
