#pragma once

#include <QColor>
#include <QIcon>
#include <QString>

// Kinds of nodes in the tree of farms and animals; the value is the node's
// icon index and tells the node's meaning.
enum class TDruhUzla { Koren = 0, Farma = 1, Samec = 2, Samica = 3 };

QIcon IkonaUzla(TDruhUzla druh);
// A toolbar icon: a rounded tile in the given colour with a short sign on it.
QIcon IkonaNastroja(const QString &znak, const QColor &farba);
