#pragma once

#include <QString>
#include <QStringList>

namespace host {

// The ":name" parameters of a query text, for drivers that bind by position.
// Colons inside literals, quoted names and comments, "::" casts and "%0:s"
// format directives are not parameters.
class SqlParameters {
public:
    static SqlParameters parse(const QString& sql);

    // The text with every parameter occurrence replaced by "?".
    QString positionalText() const { return positionalText_; }
    // The same with "$1", "$2"... in their place, as PostgreSQL numbers them.
    QString numberedText() const { return numberedText_; }
    // The parameter name of each "?", in order. Names are matched ignoring
    // case and spelled as at their first appearance.
    const QStringList& occurrences() const { return occurrences_; }
    // The distinct names, in order of first appearance.
    const QStringList& names() const { return names_; }

private:
    QString positionalText_;
    QString numberedText_;
    QStringList occurrences_;
    QStringList names_;
};

}  // namespace host
