#pragma once

#include <QDialog>

class QLabel;
class TDataModuleHlavny;

// The splash window shown for a moment at start: the picture, the product
// name, the title by the installation's type and the version.
class TFormUvodny : public QDialog
{
    Q_OBJECT

public:
    TFormUvodny(TDataModuleHlavny &dm, const QString &cestaIni, QWidget *parent = nullptr);

    QLabel *ImageUvod;
    QLabel *LabelNazov;
    QLabel *LabelTitul;
    QLabel *LabelVerzia;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();

    TDataModuleHlavny &m_dm;
    QString m_cestaIni;
};
