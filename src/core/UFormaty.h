#pragma once

#include <QChar>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <optional>

// A formatting profile: how dates and decimal numbers are written and read
// back in one context (SQL text, display, typed input). Members left empty
// are not used by the profile.
struct TFormatProfil
{
    QString KratkyDatum;       // Qt date pattern of the short date format
    QChar OddelovacDatumu;
    QChar OddelovacCasu;       // null: the profile has no time part
    QChar DesatinnyOddelovac;  // null: the profile formats no decimals
};

// Dates written into SQL text and into query parameters; typed decimals
// (decimal comma).
inline const TFormatProfil FormatSQL{QStringLiteral("yyyy-MM-dd"), QLatin1Char('-'), QChar(),
                                     QLatin1Char(',')};
// Date-times of the change-report period.
inline const TFormatProfil FormatSQLCas{QStringLiteral("yyyy-MM-dd hh:mm:ss"), QLatin1Char('-'),
                                        QLatin1Char(':'), QChar()};
// Blood shares written into SQL text with a decimal point.
inline const TFormatProfil FormatBodka{QStringLiteral("dd.MM.yy"), QLatin1Char('.'), QChar(),
                                       QLatin1Char('.')};
// Dates shown to the user and typed into plain edits.
inline const TFormatProfil FormatZobraz{QStringLiteral("dd.MM.yyyy"), QLatin1Char('.'), QChar(),
                                        QChar()};

// Day 0 of the date scale: stands for a missing date everywhere.
inline const QDate NulovyDatum{1899, 12, 30};

QString FormatujDatum(const QDate &datum, const TFormatProfil &profil);
QString FormatujDatumCas(const QDateTime &cas, const TFormatProfil &profil);
// Day, month and year in the order of the profile's format, separated by its
// date separator; a two-digit year falls within 50 years of today.
std::optional<QDate> CitajDatum(const QString &text, const TFormatProfil &profil);
// Shortest form of the number with the profile's decimal separator ("50", "12.5").
QString FormatujCislo(double cislo, const TFormatProfil &profil);
std::optional<double> CitajCislo(const QString &text, const TFormatProfil &profil);
