#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

namespace host {

// Closed ranges of codes (lower, upper), sorted by lower bound, disjoint and
// not adjacent.
using TInclusionPairs = std::vector<std::pair<int, int>>;

// The only inclusion type: non-negative integer codes.
inline constexpr int InclusionTypeInteger = 1;

// Parses "1;3..5; 8" strictly: codes and ranges "a..b" separated by ";",
// blanks around items, empty items ignored. Overlapping and adjacent ranges
// are merged. `types` holds the inclusion types up to index `typesHigh`.
// Raises HostError for anything else, naming the text.
TInclusionPairs StrToInclusionExVUnique(const QString& text, const QList<int>& types, int typesHigh = 0);

// The SQL condition selecting the list's codes in the one column given, e.g.
// "(X = 1 OR X BETWEEN 3 AND 5)"; with `conjunction` it is preceded by " AND ",
// so conditions can be appended one after another. An empty list gives an
// empty text: no condition at all. The list is always parsed, so its text
// never reaches the SQL as written. The reserved arguments must be 0.
QString FilterInterval(const QStringList& columns, const QString& text, const QList<int>& types, int typesHigh,
                       bool conjunction, int reserved = 0, int reserved2 = 0);

// Steps through every code of `pairs`, starting from code 0 and position -1;
// false after the last code. A pair spanning more than `limit` codes raises
// HostError when it is reached, since each code costs a page of the report.
bool ProximoInclusao(int& code, int& position, const TInclusionPairs& pairs, int limit);

}  // namespace host
