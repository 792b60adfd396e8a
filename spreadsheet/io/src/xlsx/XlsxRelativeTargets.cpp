#include "XlsxRelativeTargets.h"

#include <QRegularExpression>
#include <QString>

#include <vector>

namespace spreadsheet::io {

namespace {

std::vector<std::string_view> segments(std::string_view path)
{
    std::vector<std::string_view> parts;
    while (!path.empty()) {
        const std::size_t slash = path.find('/');
        const std::string_view part = path.substr(0, slash);
        if (!part.empty())
            parts.push_back(part);
        path = slash == std::string_view::npos ? std::string_view() : path.substr(slash + 1);
    }
    return parts;
}

}  // namespace

std::string XlsxRelativeTargets::relative(std::string_view folder, std::string_view absolute)
{
    const std::vector<std::string_view> from = segments(folder);
    const std::vector<std::string_view> to = segments(absolute);
    std::size_t common = 0;
    while (common < from.size() && common + 1 < to.size() && from[common] == to[common])
        ++common;
    std::string path;
    for (std::size_t i = common; i < from.size(); ++i)
        path += "../";
    for (std::size_t i = common; i < to.size(); ++i)
        path += std::string(to[i]) + (i + 1 < to.size() ? "/" : "");
    return path;
}

QByteArray XlsxRelativeTargets::relations(const QByteArray& text, std::string_view folder)
{
    static const QRegularExpression element(QStringLiteral(R"(<(?:\w+:)?Relationship\b[^>]*>)"));
    static const QRegularExpression target(QStringLiteral(R"(\bTarget\s*=\s*(["'])(/[^"']*)\1)"));
    static const QRegularExpression external(QStringLiteral(R"(\bTargetMode\s*=\s*(["'])External\1)"));
    const QString source = QString::fromUtf8(text);
    QString result;
    qsizetype done = 0;
    for (auto it = element.globalMatch(source); it.hasNext();) {
        const QRegularExpressionMatch relation = it.next();
        const QString tag = relation.captured();
        const QRegularExpressionMatch absolute = target.match(tag);
        if (!absolute.hasMatch() || external.match(tag).hasMatch())
            continue;
        const std::string path = relative(folder, absolute.captured(2).toStdString());
        result += QStringView(source).mid(done, relation.capturedStart() + absolute.capturedStart(2) - done);
        result += QString::fromStdString(path);
        done = relation.capturedStart() + absolute.capturedEnd(2);
    }
    result += QStringView(source).mid(done);
    return result.toUtf8();
}

}  // namespace spreadsheet::io
