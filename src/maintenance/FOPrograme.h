#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The about window: the product, its version from the ini file beside the
// program and its maker.
class TFormOPrograme : public QDialog
{
    Q_OBJECT

public:
    explicit TFormOPrograme(const QString &cestaIni, QWidget *parent = nullptr);

    QLabel *LabelNazov;
    QLabel *LabelRegister;
    QLabel *LabelVerzia;
    QLabel *ImageLogo;
    QPushButton *BitBtnKoniec;

    // Reads the version again, each time the window is shown.
    void FormShow();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QString m_cestaIni;
};
