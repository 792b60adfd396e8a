#pragma once

#include <QLocale>
#include <QString>

#include <cstddef>
#include <cstdint>

// What the targets make of their raw bytes.
namespace fuzz {

// The two locales the program formats for, one or the other.
inline const QLocale& locale(bool english)
{
    static const QLocale brasil(QLocale::Portuguese, QLocale::Brazil);
    static const QLocale unitedStates(QLocale::English, QLocale::UnitedStates);
    return english ? unitedStates : brasil;
}

inline QString utf8(const std::uint8_t* data, std::size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

}  // namespace fuzz
