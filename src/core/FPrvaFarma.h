#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class TDataModuleHlavny;

// Asked once, when the installation keeps no own farm yet: the number and
// name of the first own farm, stored in FarlLic.
class TFormPrvaFarma : public QDialog
{
    Q_OBJECT

public:
    explicit TFormPrvaFarma(TDataModuleHlavny &dm, QWidget *parent = nullptr);

    QString CisloFarmy() const;

    QLineEdit *EditCisFarmy;
    QLineEdit *EditNazov;
    QPushButton *BitBtnUloz;
    QPushButton *BitBtnZrus;

private:
    void BitBtnUlozClick();

    TDataModuleHlavny &m_dm;
};
