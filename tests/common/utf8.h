// The core's UTF-8 texts as Qt strings, for comparing them in Qt Test.
#pragma once

#include <QString>

#include <string_view>

inline QString Q(std::string_view t)
{
    return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
}
