// The byte form of a clipboard block, for keeping it in a stream.
#include <spreadsheet/ClipboardBlock.h>

#include "ClipboardData.h"
#include "functions/BuiltinFunctions.h"

#include <spreadsheet/SpreadsheetError.h>

#include <QDataStream>
#include <QIODevice>

namespace spreadsheet {

namespace {

constexpr quint32 kMagic = 0x44564342;  // "DVCB"
// 2: styles carry vertical alignment, wrapping and colours.
constexpr quint16 kVersion = 2;

[[noreturn]] void invalid()
{
    throw SpreadsheetError(QStringLiteral("Dados da área de transferência inválidos."));
}

void writeRange(QDataStream& out, const CellRange& r)
{
    out << qint32(r.left) << qint32(r.top) << qint32(r.right) << qint32(r.bottom);
}

CellRange readRange(QDataStream& in)
{
    qint32 l = 0, t = 0, r = 0, b = 0;
    in >> l >> t >> r >> b;
    return {l, t, r, b};
}

// A count read from the stream, bounded by what the remaining bytes can hold.
quint32 readCount(QDataStream& in, qint64 minimumItemSize)
{
    quint32 n = 0;
    in >> n;
    const qint64 left = in.device()->bytesAvailable();
    if (in.status() != QDataStream::Ok || qint64(n) * minimumItemSize > left) {
        invalid();
    }
    return n;
}

void writeStyle(QDataStream& out, const CellStyle& s)
{
    out << s.font.name << qint32(s.font.size) << s.font.bold << s.font.italic << s.font.underline << s.font.strikeOut
        << quint8(s.alignHorz) << quint8(s.borderLeft) << quint8(s.borderTop) << s.numberFormat << s.locked
        << quint8(s.alignVert) << s.wrapText << s.font.color.argb << s.fill.argb << s.borderLeftColor.argb
        << s.borderTopColor.argb;
}

CellStyle readStyle(QDataStream& in)
{
    CellStyle s;
    qint32 size = 0;
    quint8 align = 0, left = 0, top = 0, vertical = 0;
    in >> s.font.name >> size >> s.font.bold >> s.font.italic >> s.font.underline >> s.font.strikeOut >> align >> left
        >> top >> s.numberFormat >> s.locked >> vertical >> s.wrapText >> s.font.color.argb >> s.fill.argb
        >> s.borderLeftColor.argb >> s.borderTopColor.argb;
    s.font.size = size;
    if (align > 6 || vertical > 2) {
        invalid();
    }
    s.alignVert = static_cast<VerticalAlignment>(vertical);
    s.alignHorz = static_cast<HorizontalAlignment>(align);
    s.borderLeft = static_cast<BorderLine>(left);
    s.borderTop = static_cast<BorderLine>(top);
    return s;
}

void writeValue(QDataStream& out, const Value& v)
{
    out << quint8(v.type());
    switch (v.type()) {
    case ValueType::Number:
    case ValueType::Boolean:
        out << v.number();
        break;
    case ValueType::Text:
        out << v.text();
        break;
    case ValueType::Error:
        out << quint8(v.error());
        break;
    case ValueType::Empty:
    case ValueType::Array:  // cells never hold arrays
        break;
    }
}

Value readValue(QDataStream& in)
{
    quint8 type = 0;
    in >> type;
    double number = 0;
    QString text;
    quint8 error = 0;
    switch (static_cast<ValueType>(type)) {
    case ValueType::Empty:
    case ValueType::Array:
        return {};
    case ValueType::Number:
        in >> number;
        return Value(number);
    case ValueType::Boolean:
        in >> number;
        return Value::boolean(number != 0);
    case ValueType::Text:
        in >> text;
        return Value(text);
    case ValueType::Error:
        in >> error;
        if (error > static_cast<quint8>(ErrorCode::Calc)) {
            invalid();
        }
        return Value::error(static_cast<ErrorCode>(error));
    }
    invalid();
}

void writeFormula(QDataStream& out, const Formula& f)
{
    out << quint32(f.tokens().size());
    for (const Token& t : f.tokens()) {
        out << quint8(t.op) << t.flags << t.sheet << t.a << t.b << t.c;
    }
    const FormulaExtras* x = f.extras();
    out << bool(x);
    if (x) {
        out << quint32(x->strings.size());
        for (const QString& s : x->strings) {
            out << s;
        }
        out << x->sourceText << x->parseError;
    }
}

// Tokens from outside are checked as a parser would have produced them.
void checkToken(const Token& t, std::size_t strings, const ClipboardData& d)
{
    const bool usesString = t.op == OpCode::String || t.op == OpCode::Name || t.op == OpCode::BadRef || t.op == OpCode::Custom
                            || t.op == OpCode::LetBind;
    if (t.op > OpCode::LetEnd || (usesString && (t.a < 0 || std::size_t(t.a) >= strings))) {
        invalid();
    }
    if (t.op == OpCode::Builtin && (t.a < 0 || std::size_t(t.a) >= builtinFunctions().size())) {
        invalid();
    }
    // The functions read their arguments by position, trusting the count
    // the parser checked.
    if (t.op == OpCode::Builtin) {
        const BuiltinFunction& f = builtinFunctions()[std::size_t(t.a)];
        if (t.b < f.minArgs || (f.maxArgs >= 0 && t.b > f.maxArgs)) {
            invalid();
        }
    }
    if ((t.op == OpCode::Builtin || t.op == OpCode::Custom) && (t.b < 0 || t.b > 255)) {
        invalid();
    }
    if (t.op == OpCode::Error && (t.a < 0 || t.a > static_cast<int>(ErrorCode::Calc))) {
        invalid();
    }
    if (t.isCellReference() && !CellAddress{t.a, t.b}.isValid()) {
        invalid();
    }
    if (t.op == OpCode::Range && !t.rangeValue().isValid()) {
        invalid();
    }
    (void)d;  // references to sheets it does not name become #REF! when pasted
}

// The stack depth a token list leaves, checked so that evaluation never
// pops an empty stack; a LET ends no more names than it bound, so that
// evaluation never drops names it does not hold.
void checkBalance(const std::vector<Token>& tokens)
{
    long depth = 0;
    long names = 0;
    for (const Token& t : tokens) {
        if (t.isOperand()) {
            ++depth;
        } else if (t.op == OpCode::Builtin || t.op == OpCode::Custom) {
            depth -= t.b;
            if (depth < 0) {
                invalid();
            }
            ++depth;
        } else if (t.op == OpCode::LetBind) {
            if (depth < 1) {
                invalid();
            }
            --depth;
            ++names;
        } else if (t.op == OpCode::LetEnd) {
            if (t.a < 1 || t.a > names || depth < 1) {
                invalid();
            }
            names -= t.a;
        } else if (t.op == OpCode::Array) {
            if (t.a < 1 || t.b < 1 || t.a > 65535 || t.b > 65535 || depth < long(t.a) * t.b) {
                invalid();
            }
            depth -= long(t.a) * t.b - 1;
        } else if (t.op >= OpCode::Neg && t.op <= OpCode::Paren) {
            if (depth < 1) {
                invalid();
            }
        } else {
            if (depth < 2) {
                invalid();
            }
            --depth;
        }
    }
    if ((!tokens.empty() && depth != 1) || names != 0) {
        invalid();
    }
}

std::unique_ptr<Formula> readFormula(QDataStream& in, const ClipboardData& d)
{
    std::vector<Token> tokens(readCount(in, 16));
    for (Token& t : tokens) {
        quint8 op = 0;
        in >> op >> t.flags >> t.sheet >> t.a >> t.b >> t.c;
        t.op = static_cast<OpCode>(op);
    }
    bool hasExtras = false;
    in >> hasExtras;
    std::unique_ptr<FormulaExtras> extras;
    if (hasExtras) {
        extras = std::make_unique<FormulaExtras>();
        extras->strings.resize(readCount(in, 4));
        for (QString& s : extras->strings) {
            in >> s;
        }
        in >> extras->sourceText >> extras->parseError;
    }
    const std::size_t strings = extras ? extras->strings.size() : 0;
    for (Token& t : tokens) {
        checkToken(t, strings, d);
        if (t.op == OpCode::Custom) {
            t.c = 0;  // another process numbers its functions its own way: find them by name
        }
    }
    checkBalance(tokens);
    if (tokens.empty() && (!extras || extras->parseError.isEmpty())) {
        invalid();
    }
    return Formula::create(tokens, std::move(extras));
}

void writeLines(QDataStream& out, const std::map<int, LineFormat>& lines)
{
    out << quint32(lines.size());
    for (const auto& [index, line] : lines) {
        out << qint32(index) << qint32(line.size) << line.hidden << line.pageBreak;
    }
}

std::map<int, LineFormat> readLines(QDataStream& in, int limit)
{
    std::map<int, LineFormat> lines;
    for (quint32 n = readCount(in, 10); n > 0; --n) {
        qint32 index = 0, size = 0;
        bool hidden = false, pageBreak = false;
        in >> index >> size >> hidden >> pageBreak;
        if (index < 0 || index >= limit) {
            invalid();
        }
        lines[index] = {size, hidden, pageBreak};
    }
    return lines;
}

}  // namespace

QByteArray ClipboardBlock::toBytes() const
{
    QByteArray bytes;
    if (!d_) {
        return bytes;
    }
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_4);
    out << kMagic << kVersion;
    writeRange(out, d_->source);
    out << qint32(d_->sourceSheetId) << d_->cut;
    out << quint32(d_->styles.size());
    for (const CellStyle& s : d_->styles) {
        writeStyle(out, s);
    }
    out << quint32(d_->sheetNames.size());
    for (const auto& [id, name] : d_->sheetNames) {
        out << qint32(id) << name;
    }
    out << quint32(d_->cells.size());
    for (const ClipboardData::Entry& e : d_->cells) {
        out << qint32(e.row) << qint32(e.column) << quint32(e.style) << quint8(e.kind);
        if (e.formula) {
            writeFormula(out, *e.formula);
        } else {
            writeValue(out, e.value);
        }
    }
    out << quint32(d_->merges.size());
    for (const CellRange& m : d_->merges) {
        writeRange(out, m);
    }
    writeLines(out, d_->rows);
    writeLines(out, d_->columns);
    return bytes;
}

ClipboardBlock ClipboardBlock::fromBytes(const QByteArray& bytes)
{
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_6_4);
    quint32 magic = 0;
    quint16 version = 0;
    in >> magic >> version;
    if (magic != kMagic || version != kVersion) {
        invalid();
    }
    auto d = std::make_unique<ClipboardData>();
    d->source = readRange(in);
    qint32 sheetId = 0;
    in >> sheetId >> d->cut;
    if (!d->source.isValid()) {
        invalid();
    }
    d->sourceSheetId = sheetId;
    d->styles.resize(readCount(in, 20));
    for (CellStyle& s : d->styles) {
        s = readStyle(in);
    }
    for (quint32 n = readCount(in, 8); n > 0; --n) {
        qint32 id = 0;
        QString name;
        in >> id >> name;
        d->sheetNames[id] = name;
    }
    for (quint32 n = readCount(in, 14); n > 0; --n) {
        ClipboardData::Entry e{0, 0, 0, CellKind::Empty, {}, nullptr};
        qint32 row = 0, column = 0;
        quint32 style = 0;
        quint8 kind = 0;
        in >> row >> column >> style >> kind;
        e.row = row;
        e.column = column;
        e.style = style;
        e.kind = static_cast<CellKind>(kind);
        if (row < 0 || row >= d->source.rowCount() || column < 0 || column >= d->source.columnCount()
            || style >= d->styles.size() || kind > static_cast<quint8>(CellKind::Formula)) {
            invalid();
        }
        if (e.kind == CellKind::Formula) {
            e.formula = readFormula(in, *d);
        } else {
            e.value = readValue(in);
        }
        d->cells.push_back(std::move(e));
    }
    for (quint32 n = readCount(in, 16); n > 0; --n) {
        const CellRange m = readRange(in);
        if (!m.isValid() || m.right >= d->source.columnCount() || m.bottom >= d->source.rowCount()) {
            invalid();
        }
        d->merges.push_back(m);
    }
    d->rows = readLines(in, d->source.rowCount());
    d->columns = readLines(in, d->source.columnCount());
    if (in.status() != QDataStream::Ok) {
        invalid();
    }
    ClipboardBlock block;
    block.d_ = std::move(d);
    return block;
}

}  // namespace spreadsheet
