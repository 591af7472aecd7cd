#pragma once

#include <QDialog>

class QGroupBox;
class QTextBrowser;

// Name of the manual page installed beside the program.
inline const QString SuborPrirucky = QStringLiteral("VuradeDE_prirucka.htm");

// The manual page beside the program in the given folder.
QString CestaPrirucky(const QString &adresarProgramu);

// The manual window: shows the manual page beside the main window, without
// blocking it.
class TFormPrirucka : public QDialog
{
    Q_OBJECT

public:
    explicit TFormPrirucka(const QString &cestaPrirucky, QWidget *parent = nullptr);

    QGroupBox *GroupBoxPrirucka;
    QTextBrowser *WebBrowserPrirucka;

    // Loads the page again and shows the window, centred on the screen.
    void Zobraz();

private:
    void NacitajPrirucku();

    QString m_cestaPrirucky;
};
