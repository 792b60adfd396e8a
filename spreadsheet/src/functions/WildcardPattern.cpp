#include "WildcardPattern.h"

namespace spreadsheet {

WildcardPattern::WildcardPattern(QStringView pattern)
{
    const QString folded = pattern.toString().toCaseFolded();
    for (qsizetype i = 0; i < folded.size(); ++i) {
        QChar c = folded[i];
        Kind kind = Kind::Char;
        if (c == QLatin1Char('~') && i + 1 < folded.size()) {
            c = folded[++i];
        } else if (c == QLatin1Char('*')) {
            kind = Kind::AnyRun;
        } else if (c == QLatin1Char('?')) {
            kind = Kind::AnyOne;
        }
        elements_.push_back({kind, c});
    }
}

bool WildcardPattern::hasWildcards(QStringView text)
{
    return text.contains(QLatin1Char('*')) || text.contains(QLatin1Char('?')) || text.contains(QLatin1Char('~'));
}

bool WildcardPattern::matches(QStringView text) const
{
    return matchesAt(text, 0, true);
}

qsizetype WildcardPattern::indexIn(QStringView text, qsizetype from) const
{
    for (qsizetype start = from; start <= text.size(); ++start) {
        if (matchesAt(text, start, false)) {
            return start;
        }
    }
    return -1;
}

// Greedy matching that backtracks only to the last '*': enough for patterns
// whose only variable-length element is '*'.
bool WildcardPattern::matchesAt(QStringView text, qsizetype start, bool wholeText) const
{
    const auto n = static_cast<qsizetype>(elements_.size());
    qsizetype t = start;
    qsizetype p = 0;
    qsizetype starP = -1;
    qsizetype starT = 0;
    while (true) {
        if (p == n && (!wholeText || t == text.size())) {
            return true;
        }
        const bool textLeft = t < text.size();
        const Element* e = p < n ? &elements_[static_cast<std::size_t>(p)] : nullptr;
        if (e && e->kind == Kind::AnyRun) {
            starP = ++p;
            starT = t;
        } else if (e && textLeft && (e->kind == Kind::AnyOne || text[t].toCaseFolded() == e->c)) {
            ++p;
            ++t;
        } else if (starP >= 0 && starT < text.size()) {
            p = starP;
            t = ++starT;
        } else {
            return false;
        }
    }
}

}  // namespace spreadsheet
