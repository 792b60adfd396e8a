#include "TextFunctions.h"

#include "../Coercion.h"
#include "ArgumentReader.h"

#include <spreadsheet/Limits.h>

#include <QStringList>

#include <cstdlib>
#include <optional>

namespace spreadsheet::functions {

namespace {

constexpr int kMaxTextLength = limits::kCellText;

// Every value of argument i as text, row by row. Empty cells give empty
// texts when `keepEmpty`, and are left out otherwise.
std::optional<ErrorCode> appendTexts(const CallContext& context, int i, bool keepEmpty, QStringList& out)
{
    if (context.isMissing(i)) {
        if (keepEmpty) {
            out.append(QString());
        }
        return std::nullopt;
    }
    const ValueArray block = context.values(i);
    for (const Value& v : block.items()) {
        if (v.isError()) {
            return v.error();
        }
        if (!v.isEmpty() || keepEmpty) {
            out.append(coerce::toText(v));
        }
    }
    return std::nullopt;
}

Value limitedText(const QString& text)
{
    return text.size() > kMaxTextLength ? Value::error(ErrorCode::Value) : Value(text);
}

struct Cut {
    qsizetype at = 0;
    qsizetype length = 0;
};

// Where each delimiter occurs, from the left, without overlaps; an empty
// delimiter matches at every position.
QVector<Cut> delimiterMatches(const QString& text, const QStringList& delimiters, Qt::CaseSensitivity cs)
{
    QVector<Cut> cuts;
    for (qsizetype i = 0; i <= text.size();) {
        qsizetype length = -1;
        for (const QString& d : delimiters) {
            if (QStringView(text).mid(i).startsWith(d, cs)) {
                length = d.size();
                break;
            }
        }
        if (length < 0) {
            ++i;
            continue;
        }
        cuts.append(Cut{i, length});
        i += std::max<qsizetype>(length, 1);
    }
    return cuts;
}

// TEXTBEFORE and TEXTAFTER: (text; delimiter; [instance]; [match_mode]; [match_end]; [if_not_found]).
// A negative instance counts from the end; match_end lets the text's end
// (or its start, counting backwards) stand for a delimiter. An empty text
// gives an empty text.
template <typename Take>
Value aroundDelimiter(const CallContext& context, Take take)
{
    ArgumentReader args(context);
    const QString text = args.text(0);
    // An instance written empty ("TEXTBEFORE(a;b;;;1)") is the first one, as when left out.
    const int instance = context.isMissing(2) ? 1 : args.integer(2, 1);
    const bool ignoreCase = args.integer(3, 0) != 0;
    const bool matchEnd = args.boolean(4, false);
    if (args.failed()) {
        return args.error();
    }
    QStringList delimiters;
    if (const auto error = appendTexts(context, 1, true, delimiters)) {
        return Value::error(*error);
    }
    if (instance == 0 || std::abs(instance) > std::max<qsizetype>(text.size(), 1)) {
        return Value::error(ErrorCode::Value);
    }
    if (text.isEmpty()) {
        return Value(QString());
    }
    QVector<Cut> cuts = delimiterMatches(text, delimiters, ignoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive);
    if (matchEnd) {
        if (instance > 0) {
            cuts.append(Cut{text.size(), 0});
        } else {
            cuts.prepend(Cut{0, 0});
        }
    }
    const qsizetype index = instance > 0 ? instance - 1 : cuts.size() + instance;
    if (index < 0 || index >= cuts.size()) {
        return context.isMissing(5) ? Value::error(ErrorCode::NA) : context.scalar(5);
    }
    return Value(take(text, cuts[index]));
}

}  // namespace

Value concat(const CallContext& context)
{
    QStringList parts;
    for (int i = 0; i < context.count(); ++i) {
        if (const auto error = appendTexts(context, i, false, parts)) {
            return Value::error(*error);
        }
    }
    return limitedText(parts.join(QString()));
}

// TEXTJOIN(delimiter; ignore_empty; text1; ...): several delimiters are used in turn.
Value textJoin(const CallContext& context)
{
    ArgumentReader args(context);
    const bool ignoreEmpty = args.boolean(1);
    if (args.failed()) {
        return args.error();
    }
    QStringList delimiters;
    QStringList items;
    if (const auto error = appendTexts(context, 0, true, delimiters)) {
        return Value::error(*error);
    }
    for (int i = 2; i < context.count(); ++i) {
        if (const auto error = appendTexts(context, i, !ignoreEmpty, items)) {
            return Value::error(*error);
        }
    }
    if (ignoreEmpty) {
        items.removeAll(QString());
    }
    QString result;
    for (qsizetype k = 0; k < items.size(); ++k) {
        if (k > 0 && !delimiters.isEmpty()) {
            result += delimiters[(k - 1) % delimiters.size()];
        }
        result += items[k];
    }
    return limitedText(result);
}

Value textBefore(const CallContext& context)
{
    return aroundDelimiter(context, [](const QString& text, const Cut& cut) { return text.left(cut.at); });
}

Value textAfter(const CallContext& context)
{
    return aroundDelimiter(context, [](const QString& text, const Cut& cut) { return text.mid(cut.at + cut.length); });
}

}  // namespace spreadsheet::functions
