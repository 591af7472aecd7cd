#include "UIni.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include "USpravy.h"

QString CestaIni(const QString &cestaProgramu)
{
    const QFileInfo program(cestaProgramu);
    const QString meno = program.suffix().isEmpty() ? program.fileName() : program.completeBaseName();
    return program.dir().filePath(meno + QStringLiteral(".ini"));
}

namespace {

// Ini files written on other systems may be in the Central European code
// page rather than UTF-8.
QString Dekoduj(const QByteArray &data)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(data);
    if (!utf8.hasError())
        return text;
    QStringDecoder cp1250("windows-1250");
    if (cp1250.isValid())
        return cp1250.decode(data);
    return QString::fromLatin1(data);
}

QString BezUvodzoviek(const QString &hodnota)
{
    if (hodnota.size() >= 2 && hodnota.startsWith(QLatin1Char('"')) && hodnota.endsWith(QLatin1Char('"')))
        return hodnota.mid(1, hodnota.size() - 2);
    return hodnota;
}

} // namespace

TVerziaProgramu NacitajVerziu(const QString &cestaIni)
{
    TVerziaProgramu verzia;
    QFile subor(cestaIni);
    if (!subor.exists())
        return verzia;
    if (!subor.open(QIODevice::ReadOnly))
        throw TChybaIni();
    const QString text = Dekoduj(subor.readAll());
    if (subor.error() != QFileDevice::NoError)
        throw TChybaIni();

    QString sekcia;
    for (const QString &riadok : text.split(QLatin1Char('\n'))) {
        const QString r = riadok.trimmed();
        if (r.isEmpty() || r.startsWith(QLatin1Char(';')))
            continue;
        if (r.startsWith(QLatin1Char('[')) && r.endsWith(QLatin1Char(']'))) {
            sekcia = r.mid(1, r.size() - 2).trimmed().toLower();
            continue;
        }
        const qsizetype rovnaSa = r.indexOf(QLatin1Char('='));
        if (rovnaSa < 0)
            continue;
        const QString kluc = r.left(rovnaSa).trimmed().toLower();
        const QString hodnota = BezUvodzoviek(r.mid(rovnaSa + 1).trimmed());
        if (sekcia == QLatin1String("verzia programu") && kluc == QLatin1String("verzia"))
            verzia.Verzia = hodnota;
        else if (sekcia == QLatin1String("datum verzie") && kluc == QLatin1String("datumverzie"))
            verzia.DatumVerzie = hodnota;
    }
    return verzia;
}

TVerziaProgramu NacitajVerziuSHlasenim(const QString &cestaIni)
{
    try {
        return NacitajVerziu(cestaIni);
    } catch (const TChybaIni &) {
        UkazSpravu(QStringLiteral("Chyba pri nacitani konfiguracie."), QString(), TIkona::Chyba);
        return {};
    }
}
