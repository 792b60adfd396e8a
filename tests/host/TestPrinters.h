#pragma once

#include <QDate>
#include <QString>

#include <ostream>

// Readable failure messages: gtest finds these through the types' namespace.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QDate& date, std::ostream* out)
{
    *out << (date.isValid() ? date.toString(Qt::ISODate).toStdString() : std::string("(invalid date)"));
}
