#pragma once

#include <QStringList>

class QAbstractItemModel;
class QTableView;

// What a grid shows, as text, for comparing with the database.
namespace TestMriezka {

// The text of one column in every row of the model.
QStringList Stlpec(const QAbstractItemModel &model, int stlpec);
// The captions of the columns the grid shows, left to right.
QStringList Titulky(const QTableView &grid);

} // namespace TestMriezka
