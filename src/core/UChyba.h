#pragma once

#include <QString>
#include <stdexcept>

// A failure whose text the user reads in an error box.
class TChyba : public std::runtime_error
{
public:
    explicit TChyba(const QString &text) : std::runtime_error(text.toStdString()), m_text(text) {}
    QString Text() const { return m_text; }

private:
    QString m_text;
};
