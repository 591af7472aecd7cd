#include "TestMriezka.h"

#include <QAbstractItemModel>
#include <QTableView>

namespace TestMriezka {

QStringList Stlpec(const QAbstractItemModel &model, int stlpec)
{
    QStringList hodnoty;
    for (int riadok = 0; riadok < model.rowCount(); ++riadok)
        hodnoty << model.index(riadok, stlpec).data().toString();
    return hodnoty;
}

QStringList Titulky(const QTableView &grid)
{
    QStringList titulky;
    const QAbstractItemModel *model = grid.model();
    for (int stlpec = 0; stlpec < model->columnCount(); ++stlpec) {
        if (!grid.isColumnHidden(stlpec))
            titulky << model->headerData(stlpec, Qt::Horizontal).toString();
    }
    return titulky;
}

} // namespace TestMriezka
