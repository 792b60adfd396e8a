#include "XlsxSharedStrings.h"

namespace spreadsheet::io {

size_t XlsxSharedStrings::append(std::string_view s)
{
    QString text = QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
    indexes_.insert(text, strings_.size());
    strings_.push_back(std::move(text));
    return strings_.size() - 1;
}

size_t XlsxSharedStrings::add(std::string_view s)
{
    const QString text = QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
    const auto it = indexes_.constFind(text);
    return it != indexes_.constEnd() ? it.value() : append(s);
}

void XlsxSharedStrings::append_segment(std::string_view s)
{
    segments_ += QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

size_t XlsxSharedStrings::commit_segments()
{
    const QByteArray text = segments_.toUtf8();
    segments_.clear();
    return append(std::string_view(text.constData(), static_cast<size_t>(text.size())));
}

QString XlsxSharedStrings::at(size_t index) const
{
    return index < strings_.size() ? strings_[index] : QString();
}

}  // namespace spreadsheet::io
