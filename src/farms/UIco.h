#pragma once

#include <QString>

// Length of a company number (IČO).
inline constexpr int DlzkaICO = 8;

// A company number as typed, padded with leading zeros to 8 characters when
// its trimmed text has 1 to 7 characters; any other text (empty, a full IČO,
// a 10-character personal number) is returned unchanged.
QString DoplnNulyICO(const QString &ico);
