#include "FPrirucka.h"

#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

QString CestaPrirucky(const QString &adresarProgramu)
{
    return QDir(adresarProgramu).filePath(SuborPrirucky);
}

TFormPrirucka::TFormPrirucka(const QString &cestaPrirucky, QWidget *parent)
    : QDialog(parent), m_cestaPrirucky(cestaPrirucky)
{
    setObjectName(QStringLiteral("FormPrirucka"));
    setWindowTitle(QStringLiteral("Popis programu RuvenaOv"));
    setModal(false);
    resize(820, 640);

    GroupBoxPrirucka = new QGroupBox(this);
    GroupBoxPrirucka->setObjectName(QStringLiteral("GroupBoxPrirucka"));
    WebBrowserPrirucka = new QTextBrowser(GroupBoxPrirucka);
    WebBrowserPrirucka->setObjectName(QStringLiteral("WebBrowserPrirucka"));
    WebBrowserPrirucka->setOpenExternalLinks(true);
    auto *vnutro = new QVBoxLayout(GroupBoxPrirucka);
    vnutro->addWidget(WebBrowserPrirucka);
    auto *rozlozenie = new QVBoxLayout(this);
    rozlozenie->addWidget(GroupBoxPrirucka);
}

void TFormPrirucka::Zobraz()
{
    NacitajPrirucku();
    if (const QScreen *obrazovka = screen())
        move(obrazovka->availableGeometry().center() - rect().center());
    show();
    raise();
    activateWindow();
}

void TFormPrirucka::NacitajPrirucku()
{
    if (!QFileInfo(m_cestaPrirucky).isFile()) {
        WebBrowserPrirucka->setSource(QUrl());
        WebBrowserPrirucka->setHtml(
            QStringLiteral("<h2>Príručka sa nenašla</h2>"
                           "<p>Stránka príručky <b>%1</b> nie je v priečinku programu.</p>"
                           "<p>Príručka patrí k inštalácii programu VuradeDE; nainštalujte program znova "
                           "alebo stránku skopírujte k programu.</p>")
                .arg(QDir::toNativeSeparators(m_cestaPrirucky).toHtmlEscaped()));
        return;
    }
    const QUrl adresa = QUrl::fromLocalFile(m_cestaPrirucky);
    if (WebBrowserPrirucka->source() == adresa)
        WebBrowserPrirucka->reload();
    else
        WebBrowserPrirucka->setSource(adresa);
}
