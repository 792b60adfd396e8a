#include "NativeReader.h"

#include "BlockCodec.h"
#include "CborInput.h"
#include "FileWindow.h"
#include "NativeFormat.h"

#include <spreadsheet/io/FileFormatError.h>
#include <spreadsheet/io/ImportSink.h>

#include <QIODevice>

#include <limits>

namespace spreadsheet::io {

namespace {

constexpr qint64 kAny = std::numeric_limits<qint32>::max();

CellRange readRange(CborInput& in)
{
    in.enterArray(4, 4);
    CellRange r;
    r.left = int(in.integer(0, kMaxColumns - 1));
    r.top = int(in.integer(0, kMaxRows - 1));
    r.right = int(in.integer(0, kMaxColumns - 1));
    r.bottom = int(in.integer(0, kMaxRows - 1));
    in.leaveArray();
    return r;
}

TriState readTriState(CborInput& in)
{
    return static_cast<TriState>(in.integer(0, 2));
}

CellColor readColor(CborInput& in)
{
    const qint64 argb = in.integer(0, 0xFFFFFFFF);
    return argb == 0 ? CellColor{} : CellColor::rgb(std::uint32_t(argb));
}

void readLookItems(CborInput& in, CellStyle& s)
{
    in.enterArray(NativeFormat::kStyleLookItems, NativeFormat::kStyleLookItems);
    s.alignVert = static_cast<VerticalAlignment>(in.integer(0, 2));
    s.wrapText = in.boolean();
    s.font.color = readColor(in);
    s.fill = readColor(in);
    s.borderLeftColor = readColor(in);
    s.borderTopColor = readColor(in);
    in.leaveArray();
}

CellStyle readStyle(CborInput& in)
{
    const qint64 items = in.enterArray(NativeFormat::kStyleItems, NativeFormat::kStyleItems + 1);
    CellStyle s;
    s.font.name = in.text();
    s.font.size = int(in.integer(0, 4096));
    const qint64 flags = in.integer(0, 31);
    s.font.bold = flags & 1;
    s.font.italic = flags & 2;
    s.font.underline = flags & 4;
    s.font.strikeOut = flags & 8;
    s.locked = flags & 16;
    s.alignHorz = static_cast<HorizontalAlignment>(in.integer(0, 6));
    s.borderLeft = static_cast<BorderLine>(in.integer(0, 255));
    s.borderTop = static_cast<BorderLine>(in.integer(0, 255));
    s.numberFormat = in.text();
    if (items > NativeFormat::kStyleItems) {
        readLookItems(in, s);
    }
    in.leaveArray();
    return s;
}

Value readValue(CborInput& in, qint64 kind)
{
    switch (kind) {
    case NativeFormat::Number:
        return Value(in.number());
    case NativeFormat::Text:
        return Value(in.text());
    case NativeFormat::Boolean:
        return Value::boolean(in.boolean());
    case NativeFormat::Error:
        return Value::error(static_cast<ErrorCode>(in.integer(0, static_cast<int>(ErrorCode::NA))));
    default:
        in.skipNull();
        return {};
    }
}

class SheetReader {
public:
    SheetReader(CborInput& in, ImportSink& sink, int styleCount) : in_(in), sink_(sink), styleCount_(styleCount) {}

    void read()
    {
        const qint64 items = in_.enterArray(NativeFormat::kSheetItems, NativeFormat::kSheetItems + 1);
        sheet_ = sink_.addSheet(in_.text());
        if (items > NativeFormat::kSheetItems) {
            sink_.setSheetDefaultStyle(sheet_, readStyle(in_));
        }
        in_.enterArray(3, 3);
        const TriState grid = readTriState(in_);
        const TriState headers = readTriState(in_);
        const TriState formulas = readTriState(in_);
        in_.leaveArray();
        sink_.setSheetView(sheet_, grid, headers, formulas, readRange(in_));
        readLines(true);
        readLines(false);
        for (qint64 n = in_.enterArray(0, kAny); n > 0; --n) {
            sink_.addMerge(sheet_, readRange(in_));
        }
        in_.leaveArray();
        for (qint64 n = in_.enterArray(0, kAny); n > 0; --n) {
            readCell();
        }
        in_.leaveArray();
        in_.leaveArray();
    }

private:
    void readLines(bool rows)
    {
        for (qint64 n = in_.enterArray(0, kAny); n > 0; --n) {
            const qint64 items = in_.enterArray(3, 4);
            const int index = int(in_.integer(0, (rows ? kMaxRows : kMaxColumns) - 1));
            const int size = int(in_.integer(-1, 1 << 20));
            const bool hidden = in_.boolean();
            const bool pageBreak = items == 4 && in_.boolean();
            in_.leaveArray();
            if (rows) {
                sink_.setRowFormat(sheet_, index, size, hidden);
                if (pageBreak)
                    sink_.setPageBreak(sheet_, index);
            } else {
                sink_.setColumnFormat(sheet_, index, size, hidden);
            }
        }
        in_.leaveArray();
    }

    void readCell()
    {
        const qint64 items = in_.enterArray(4, 8);
        const int row = int(in_.integer(0, kMaxRows - 1));
        const int column = int(in_.integer(0, kMaxColumns - 1));
        const int style = int(in_.integer(0, styleCount_ - 1));
        const qint64 kind = in_.integer(0, NativeFormat::Formula);
        if (kind == NativeFormat::Formula && items == 7) {
            const QString text = in_.text();
            const Value cached = readValue(in_, in_.integer(0, NativeFormat::Error));
            sink_.setFormula(sheet_, row, column, text, cached);
        } else if (kind == NativeFormat::Formula && items == 8) {
            readArrayFormula(row, column);
        } else if (kind != NativeFormat::StyleOnly && kind != NativeFormat::Formula && items == 5) {
            sink_.setValue(sheet_, row, column, readValue(in_, kind));
        } else if (kind != NativeFormat::StyleOnly || items != 4) {
            throw FileFormatError(QStringLiteral("célula inválida."));
        }
        if (style != 0) {
            sink_.setStyleIndex(sheet_, row, column, style);
        }
        in_.leaveArray();
    }

    // An array formula: its rows and columns, and whether it was entered
    // over them or spilled there.
    void readArrayFormula(int row, int column)
    {
        const QString text = in_.text();
        const Value cached = readValue(in_, in_.integer(0, NativeFormat::Error));
        in_.enterArray(3, 3);
        const int rows = int(in_.integer(1, kMaxRows - row));
        const int columns = int(in_.integer(1, kMaxColumns - column));
        const bool fixed = in_.boolean();
        in_.leaveArray();
        sink_.setArrayFormula(sheet_, {column, row, column + columns - 1, row + rows - 1}, text, cached, !fixed);
        if (!fixed) {
            // The file keeps only the formula's own value: the spilled ones
            // come back by calculating.
            sink_.calculateAfterLoading();
        }
    }

    CborInput& in_;
    ImportSink& sink_;
    int styleCount_;
    int sheet_ = 0;
};

// Options, styles, names and sheets: the items of the block in version 1,
// of its compressed contents in version 2.
void readContents(CborInput& in, ImportSink& sink)
{
    in.enterArray(4, 4);
    const bool r1c1 = in.boolean();
    const bool automatic = in.boolean();
    const bool tabs = in.boolean();
    const int active = int(in.integer(0, kAny));
    in.leaveArray();
    sink.setWorkbookOptions(r1c1, automatic, tabs);

    std::vector<CellStyle> styles;
    for (qint64 n = in.enterArray(1, kAny); n > 0; --n) {
        styles.push_back(readStyle(in));
    }
    in.leaveArray();
    sink.declareStyles(styles);

    std::vector<std::pair<QString, QString>> names;
    for (qint64 n = in.enterArray(0, kAny); n > 0; --n) {
        in.enterArray(2, 2);
        QString name = in.text();
        names.emplace_back(std::move(name), in.text());
        in.leaveArray();
    }
    in.leaveArray();

    for (qint64 n = in.enterArray(0, 0xFFFE); n > 0; --n) {
        SheetReader(in, sink, int(styles.size())).read();
    }
    in.leaveArray();
    // Names after the sheets they name.
    for (const auto& [name, reference] : names) {
        sink.defineName(name, reference);
    }
    sink.setActiveSheet(active);
}

void readCompressed(CborInput& in, ImportSink& sink)
{
    const qint64 size = in.integer(0, BlockCodec::kMaxSize);
    const QByteArray plain = BlockCodec::decompress(in.bytes(), size);
    CborInput contents(plain);
    contents.enterArray(NativeFormat::kContentItems, NativeFormat::kContentItems);
    readContents(contents, sink);
    contents.leaveArray();
    if (contents.offset() != plain.size()) {
        throw FileFormatError(QStringLiteral("conteúdo inválido na posição %1.").arg(contents.offset()));
    }
}

}  // namespace

int NativeReader::read(QIODevice& source, ImportSink& sink)
{
    FileWindow device(source);
    CborInput in(device);
    const qint64 items = in.enterArray(NativeFormat::kCompressedTopItems, NativeFormat::kTopItems);
    if (in.text() != NativeFormat::kMagic) {
        throw FileFormatError(QStringLiteral("não é uma pasta de trabalho do Darvelo."));
    }
    const qint64 version = in.integer(0, kAny);
    if (version == NativeFormat::kPlainVersion && items == NativeFormat::kTopItems) {
        readContents(in, sink);
    } else if (version == NativeFormat::kCompressedVersion && items == NativeFormat::kCompressedTopItems) {
        readCompressed(in, sink);
    } else {
        throw FileFormatError(QStringLiteral("versão de arquivo desconhecida."));
    }
    in.leaveArray();
    // The reader may have buffered past the block: put the device right at
    // its end, where the next block starts.
    source.seek(in.offset());
    return int(version);
}

}  // namespace spreadsheet::io
