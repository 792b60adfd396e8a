#include "ExcelFormula.h"

#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <iterator>

namespace spreadsheet::io {

namespace {

// Functions newer than the file format: Excel reads them only with the
// prefix it writes itself, and shows #NAME? without it.
const QSet<QString>& newerFunctions()
{
    static const QSet<QString> names = [] {
        QSet<QString> set;
        for (const char* name : {
                 // Excel 2010
                 "AGGREGATE", "BETA.DIST", "BETA.INV", "BINOM.DIST", "BINOM.INV", "CEILING.PRECISE", "CHISQ.DIST",
                 "CHISQ.DIST.RT", "CHISQ.INV", "CHISQ.INV.RT", "CHISQ.TEST", "CONFIDENCE.NORM", "CONFIDENCE.T",
                 "COVARIANCE.P", "COVARIANCE.S", "ERF.PRECISE", "ERFC.PRECISE", "EXPON.DIST", "F.DIST", "F.DIST.RT",
                 "F.INV", "F.INV.RT", "F.TEST", "FLOOR.PRECISE", "GAMMA.DIST", "GAMMA.INV", "GAMMALN.PRECISE",
                 "HYPGEOM.DIST", "LOGNORM.DIST", "LOGNORM.INV", "MODE.MULT", "MODE.SNGL", "NEGBINOM.DIST",
                 "NETWORKDAYS.INTL", "NORM.DIST", "NORM.INV", "NORM.S.DIST", "NORM.S.INV", "PERCENTILE.EXC",
                 "PERCENTILE.INC", "PERCENTRANK.EXC", "PERCENTRANK.INC", "POISSON.DIST", "QUARTILE.EXC",
                 "QUARTILE.INC", "RANK.AVG", "RANK.EQ", "STDEV.P", "STDEV.S", "T.DIST", "T.DIST.2T", "T.DIST.RT",
                 "T.INV", "T.INV.2T", "T.TEST", "VAR.P", "VAR.S", "WEIBULL.DIST", "WORKDAY.INTL",
                 // Excel 2013
                 "ACOT", "ACOTH", "ARABIC", "BASE", "BINOM.DIST.RANGE", "BITAND", "BITLSHIFT", "BITOR", "BITRSHIFT",
                 "BITXOR", "CEILING.MATH", "COMBINA", "COT", "COTH", "CSC", "CSCH", "DAYS", "DECIMAL", "FLOOR.MATH",
                 "FORMULATEXT", "GAMMA", "GAUSS", "IFNA", "IMCOSH", "IMCOT", "IMCSC", "IMCSCH", "IMSEC", "IMSECH",
                 "IMSINH", "IMTAN", "ISFORMULA", "ISOWEEKNUM", "MUNIT", "NUMBERVALUE", "PDURATION", "PERMUTATIONA",
                 "PHI", "RRI", "SEC", "SECH", "SKEW.P", "UNICHAR", "UNICODE", "XOR",
                 // Excel 2016 and later
                 "CONCAT", "FORECAST.LINEAR", "IFS", "MAXIFS", "MINIFS", "SWITCH", "TEXTJOIN", "SORTBY", "UNIQUE",
                 "SEQUENCE", "RANDARRAY", "XLOOKUP", "XMATCH", "LET", "TEXTSPLIT", "TEXTBEFORE", "TEXTAFTER",
                 "VALUETOTEXT", "ARRAYTOTEXT"}) {
            set.insert(QString::fromLatin1(name));
        }
        return set;
    }();
    return names;
}

QString prefixOf(const QString& function)
{
    const QString upper = function.toUpper();
    if (upper == QLatin1String("FILTER") || upper == QLatin1String("SORT")) {
        return QStringLiteral("_xlfn._xlws.");
    }
    return newerFunctions().contains(upper) ? QStringLiteral("_xlfn.") : QString();
}

bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'.' || c == u'_';
}

}  // namespace

QString ExcelFormula::text(const QString& canonical)
{
    QString out;
    out.reserve(canonical.size());
    QChar quote;  // the delimiter of the literal being copied, if any
    int braces = 0;
    for (qsizetype i = 0; i < canonical.size(); ++i) {
        const QChar c = canonical[i];
        if (!quote.isNull()) {
            // A doubled delimiter closes and reopens: the state comes out right.
            quote = c == quote ? QChar() : quote;
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (c == u'{' || c == u'}') {
            braces += c == u'{' ? 1 : -1;
        } else if (c == u'#' && i > 0 && canonical[i - 1].isDigit()
                   && (i + 1 >= canonical.size() || !canonical[i + 1].isLetter())) {
            // A1# is stored as Excel's function over the formula's cell.
            qsizetype start = out.size();
            while (start > 0 && (out[start - 1].isLetterOrNumber() || out[start - 1] == u'$')) {
                --start;
            }
            if (start > 0 && out[start - 1] == u'!') {
                --start;
                if (start > 0 && out[start - 1] == u'\'') {
                    start = out.lastIndexOf(u'\'', start - 2);  // the quote that opens the sheet's name
                } else {
                    while (start > 0 && isNameChar(out[start - 1])) {
                        --start;
                    }
                }
            }
            out.insert(start, QStringLiteral("_xlfn.ANCHORARRAY("));
            out += u')';
            continue;
        } else if (c == u';' && braces == 0) {
            out += u',';  // inside an array constant ';' ends a row, as in Excel
            continue;
        } else if (c.isLetter() && (i == 0 || !isNameChar(canonical[i - 1]))) {
            qsizetype end = i;
            while (end < canonical.size() && isNameChar(canonical[end])) {
                ++end;
            }
            const QString word = canonical.mid(i, end - i);
            if (end < canonical.size() && canonical[end] == u'(') {
                out += prefixOf(word);
            }
            out += word;
            i = end - 1;
            continue;
        }
        out += c;
    }
    return out;
}

namespace {

// A case-insensitive search through a whole formula costs far more than a
// look around its few parentheses and underscores, and files hold hundreds
// of thousands of formulas.
bool callsAnchorArray(QStringView formula)
{
    constexpr QLatin1StringView kName("ANCHORARRAY");
    for (qsizetype at = formula.indexOf(u'('); at >= 0; at = formula.indexOf(u'(', at + 1)) {
        const QStringView before = at >= kName.size() ? formula.sliced(at - kName.size(), kName.size()) : QStringView();
        if (before.compare(kName, Qt::CaseInsensitive) == 0) {
            return true;
        }
    }
    return false;
}

bool hasExcelPrefix(QStringView formula)
{
    for (qsizetype at = formula.indexOf(u'_'); at >= 0; at = formula.indexOf(u'_', at + 1)) {
        if (formula.sliced(at).startsWith(QLatin1StringView("_xl"), Qt::CaseInsensitive)) {
            return true;
        }
    }
    return false;
}

}  // namespace

QString ExcelFormula::fromExcel(const QString& excel)
{
    if (callsAnchorArray(excel)) {
        static const QRegularExpression anchor(QStringLiteral("(?:_xlfn\\.)?ANCHORARRAY\\(([^()\"]+)\\)"),
                                               QRegularExpression::CaseInsensitiveOption);
        QString spilled = excel;
        spilled.replace(anchor, QStringLiteral("\\1#"));
        return fromExcel(spilled);
    }
    static const QLatin1StringView kPrefixes[] = {QLatin1StringView("_xlfn."), QLatin1StringView("_xlws."),
                                                  QLatin1StringView("_xludf."), QLatin1StringView("_xlpm.")};
    if (!hasExcelPrefix(excel)) {
        return excel;
    }
    QString out;
    out.reserve(excel.size());
    QChar quote;
    for (qsizetype i = 0; i < excel.size(); ++i) {
        const QChar c = excel[i];
        if (!quote.isNull()) {
            quote = c == quote ? QChar() : quote;
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (c == u'_') {
            const auto prefix = std::find_if(std::begin(kPrefixes), std::end(kPrefixes), [&](QLatin1StringView p) {
                return QStringView(excel).sliced(i).startsWith(p, Qt::CaseInsensitive);
            });
            if (prefix != std::end(kPrefixes)) {
                i += prefix->size() - 1;
                continue;
            }
        }
        out += c;
    }
    return out;
}

}  // namespace spreadsheet::io
