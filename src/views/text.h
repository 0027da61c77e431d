// Content tables are UTF-8 string views; the controls take QString.
#pragma once

#include <QString>
#include <QStringList>

#include <string>
#include <string_view>

inline QString Qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The month items of the month lists: the nominatives, "prosinec" without its blank.
QStringList PolozkyMesicu();
