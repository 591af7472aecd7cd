#include "UIkony.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <array>
#include <functional>

namespace {

// A square icon painted by `kresba` on a transparent ground with a pen and
// brush of the given colour.
QIcon Namaluj(int velkost, const QColor &farba, const std::function<void(QPainter &)> &kresba)
{
    QPixmap obrazok(velkost, velkost);
    obrazok.fill(Qt::transparent);
    QPainter p(&obrazok);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(farba.darker(150));
    p.setBrush(farba);
    kresba(p);
    p.end();
    return QIcon(obrazok);
}

QIcon Farma()
{
    return Namaluj(16, QColor("#c0392b"), [](QPainter &p) {
        QPainterPath strecha;
        strecha.moveTo(1, 8);
        strecha.lineTo(8, 1.5);
        strecha.lineTo(15, 8);
        strecha.closeSubpath();
        p.drawPath(strecha);
        p.setBrush(QColor("#e8d3a8"));
        p.drawRect(QRectF(3, 8, 10, 7));
        p.setBrush(QColor("#5a3b1f"));
        p.drawRect(QRectF(6.5, 10, 3, 5));
    });
}

QIcon Zviera(const QColor &farba)
{
    return Namaluj(16, farba, [](QPainter &p) {
        p.drawEllipse(QRectF(2, 4, 11, 8));
        p.drawEllipse(QRectF(10, 2, 5, 5));
    });
}

QIcon Koren()
{
    return Namaluj(16, QColor("#e9c85b"), [](QPainter &p) {
        p.drawRoundedRect(QRectF(1, 4, 14, 10), 2, 2);
        p.drawRect(QRectF(1, 2.5, 6, 2));
    });
}

} // namespace

QIcon IkonaUzla(TDruhUzla druh)
{
    // Painted once: a tree holds thousands of animals.
    static const std::array<QIcon, 4> ikony = {Koren(), Farma(), Zviera(QColor("#3d6fb6")),
                                               Zviera(QColor("#c2577a"))};
    return ikony[static_cast<std::size_t>(druh)];
}

QIcon IkonaNastroja(const QString &znak, const QColor &farba)
{
    return Namaluj(32, farba, [&znak](QPainter &p) {
        p.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 6, 6);
        QFont pismo = p.font();
        pismo.setBold(true);
        pismo.setPixelSize(znak.size() > 1 ? 12 : 18);
        p.setFont(pismo);
        p.setPen(Qt::white);
        p.drawText(QRectF(0, 0, 32, 32), Qt::AlignCenter, znak);
    });
}
