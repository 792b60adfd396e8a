// The native two-block workbook file.
#include <spreadsheet/io/FileFormatError.h>
#include <spreadsheet/io/JsonDump.h>
#include <spreadsheet/io/WorkbookFile.h>
#include <spreadsheet/FunctionRepository.h>
#include <spreadsheet/Workbook.h>

#include <QBuffer>
#include <QCborStreamReader>
#include <QCborStreamWriter>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <span>

using namespace spreadsheet;
using namespace spreadsheet::io;

namespace {

std::unique_ptr<Workbook> sample()
{
    auto wb = std::make_unique<Workbook>();
    Sheet& p = wb->addSheet("Parâmetros");
    Sheet& l = wb->addSheet("Leiaute");
    p.setText(0, 0, "Empresas", TextMode::Plain);
    p.setText(0, 1, "1..5;9", TextMode::Plain);
    l.setValue(0, 0, 1234.5);
    l.setValue(1, 0, Value::boolean(true));
    l.setValue(2, 0, Value::error(ErrorCode::NA));
    l.setText(3, 0, "=SUM(A1:A2)*'Parâmetros'!B2");
    l.setText(4, 0, "=fpaSemRegistro(100;1)");  // an unregistered function call is kept
    l.setText(5, 0, "=SUM(1;");                 // text that does not parse is kept too
    CellStyle style;
    style.font = {"Arial", 11, true, false, true, false};
    style.alignHorz = HorizontalAlignment::Center;
    style.borderLeft = BorderLine::Thick;
    style.borderTop = BorderLine::Double;
    style.numberFormat = "#,##0.00";
    style.locked = false;
    l.setStyle(0, 0, style);
    l.setStyle(7, 3, style);  // style only
    l.setRowHeight(2, 30);
    l.setRowHidden(4, true);
    l.setPageBreak(6, true);
    l.setColumnWidth(1, 100);
    l.setColumnHidden(3, true);
    l.mergeCells({1, 8, 3, 9});
    l.setGridLines(TriState::Off);
    l.setShowFormulas(TriState::On);
    l.setSelection({1, 2, 3, 4});
    wb->defineName("Empresas", "'Parâmetros'!$B$1");
    wb->setR1C1References(true);
    wb->setSheetTabsVisible(false);
    wb->setActiveSheet(1);
    return wb;
}

QByteArray saveToBytes(const Workbook& wb, const PrintSettings& print = {})
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    WorkbookFile::writeNative(wb, buffer);
    print.write(buffer);
    return bytes;
}

LoadedWorkbook loadBytes(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return WorkbookFile::LoadFromStream(buffer);
}

// Each file, written into dir, is refused with the one message for a file
// that is not a workbook.
void expectRefused(const QTemporaryDir& dir, std::span<const std::pair<const char*, QByteArray>> files)
{
    for (const auto& [name, content] : files) {
        const QString path = dir.filePath(QString::fromUtf8(name));
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
        f.close();
        try {
            WorkbookFile::load(path);
            ADD_FAILURE() << name << " was accepted";
        } catch (const FileFormatError& e) {
            EXPECT_EQ(e.message(), QStringLiteral("Arquivo não é um formato válido: %1").arg(path)) << name;
        }
    }
}

}  // namespace

TEST(NativeFileTest, EverythingInTheModelRoundTripsByteForByte)
{
    auto wb = sample();
    const QByteArray first = saveToBytes(*wb);
    LoadedWorkbook loaded = loadBytes(first);
    ASSERT_EQ(loaded.format, FileFormat::Native);
    EXPECT_EQ(saveToBytes(*loaded.workbook), first);
    EXPECT_EQ(JsonDump::dump(*loaded.workbook), JsonDump::dump(*wb));

    const Workbook& w = *loaded.workbook;
    const Sheet& l = w.sheet(1);
    EXPECT_EQ(l.text(4, 0), QStringLiteral("=fpaSemRegistro(100;1)"));
    EXPECT_EQ(l.text(5, 0), QStringLiteral("=SUM(1;"));
    EXPECT_EQ(l.style(0, 0).font.name, QStringLiteral("Arial"));
    EXPECT_EQ(l.style(0, 0).borderTop, BorderLine::Double);
    EXPECT_FALSE(l.style(7, 3).locked);
    EXPECT_EQ(l.rowHeight(2), 30);
    EXPECT_TRUE(l.isRowHidden(4));
    EXPECT_EQ(l.pageBreaks(), std::vector<int>{6});
    EXPECT_EQ(l.columnWidth(1), 100);
    EXPECT_TRUE(l.isColumnHidden(3));
    ASSERT_EQ(l.mergedAreas().size(), 1u);
    EXPECT_EQ(l.gridLines(), TriState::Off);
    EXPECT_EQ(l.showFormulas(), TriState::On);
    EXPECT_EQ(l.selection(), (CellRange{1, 2, 3, 4}));
    EXPECT_TRUE(w.r1c1References());
    EXPECT_FALSE(w.sheetTabsVisible());
    EXPECT_EQ(w.activeSheetIndex(), 1);
    EXPECT_EQ(w.history().GetUndoActionCount(), 0);
    EXPECT_EQ(l.value(2, 0).error(), ErrorCode::NA);
    EXPECT_TRUE(l.value(1, 0).boolean());
    EXPECT_EQ(w.findName(u"Empresas")->reference, QStringLiteral("'Parâmetros'!$B$1"));
}

TEST(NativeFileTest, TheWorkbookBlockEndsWhereTheNextBlockStarts)
{
    auto wb = sample();
    PrintSettings print;
    print.paperCode = 8;
    print.landscape = true;
    print.printArea = "Leiaute!$A$1:$D$10";
    QByteArray bytes = saveToBytes(*wb, print);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    WorkbookFile::LoadFromStream(buffer);
    PrintSettings read;
    ASSERT_TRUE(PrintSettings::read(buffer, read));
    EXPECT_EQ(read, print);
    EXPECT_TRUE(buffer.atEnd());
}

TEST(NativeFileTest, ADamagedPrintBlockKeepsTheEarlierSettings)
{
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    PrintSettings changed;
    changed.copies = 3;
    changed.write(out);
    for (int cut : {1, 10, static_cast<int>(bytes.size()) - 2}) {
        QByteArray partial = bytes.left(cut);
        QBuffer in(&partial);
        in.open(QIODevice::ReadOnly);
        PrintSettings kept;
        kept.paperCode = 11;
        EXPECT_FALSE(PrintSettings::read(in, kept)) << cut;
        EXPECT_EQ(kept.paperCode, 11);
        EXPECT_EQ(kept.copies, 1);
    }
}

TEST(NativeFileTest, SavingIsAtomicAndKeepsPermissionsAndLinks)
{
    QTemporaryDir dir;
    const QString target = dir.filePath("modelo.nxs");
    const QString link = dir.filePath("atalho.nxs");
    auto wb = sample();
    WorkbookFile::save(*wb, PrintSettings{}, target);
    QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup);
    ASSERT_TRUE(QFile::link(target, link));
    wb->sheet(0).setValue(5, 5, 42.0);
    PrintSettings print;
    print.copies = 2;
    WorkbookFile::save(*wb, print, link);  // through the link, into the target
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(QFileInfo(target).permissions() & QFileDevice::ReadGroup, QFileDevice::ReadGroup);
    LoadedWorkbook loaded = WorkbookFile::load(target);
    EXPECT_EQ(loaded.workbook->sheet(0).value(5, 5).number(), 42.0);
    ASSERT_TRUE(loaded.printSettings.has_value());
    EXPECT_EQ(loaded.printSettings->copies, 2);

    // A save that cannot be done leaves the target as it was.
    const QByteArray before = [&] {
        QFile f(target);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    EXPECT_THROW(WorkbookFile::save(*wb, print, dir.filePath("nao/existe/x.nxs")), SpreadsheetError);
    ASSERT_TRUE(QDir().mkpath(dir.filePath("pasta.nxs")));
    EXPECT_THROW(WorkbookFile::save(*wb, print, dir.filePath("pasta.nxs")), SpreadsheetError);
    QFile f(target);
    f.open(QIODevice::ReadOnly);
    EXPECT_EQ(f.readAll(), before);
}

TEST(NativeFileTest, BadFilesAreRefusedWithTheUsualMessage)
{
    QByteArray good = saveToBytes(*sample());
    // The sheets array declares 2^31 items.
    QByteArray huge;
    {
        QBuffer b(&huge);
        b.open(QIODevice::WriteOnly);
        QCborStreamWriter w(&b);
        w.startArray(6);
        w.append(QLatin1StringView("DarveloPlanilha"));
        w.append(qint64(1));
        w.startArray(4);
        w.append(false);
        w.append(true);
        w.append(true);
        w.append(qint64(0));
        w.endArray();
        w.startArray(Q_UINT64_C(0x7FFFFFFF));
    }
    const std::pair<const char*, QByteArray> cases[] = {
        {"texto.nxs", "isto não é uma planilha\n"},
        {"vazio.nxs", ""},
        {"cortado.nxs", good.left(good.size() / 2)},
        {"enorme.nxs", huge},
    };
    QTemporaryDir dir;
    expectRefused(dir, cases);
    EXPECT_THROW(WorkbookFile::load(dir.filePath("inexistente.nxs")), FileFormatError);
}

namespace {

CellStyle calibri()
{
    CellStyle style;
    style.font.name = QStringLiteral("Calibri");
    style.font.size = 11;
    return style;
}

void writeStyleItem(QCborStreamWriter& w, const QString& font, int size)
{
    w.startArray(7);
    w.append(font);
    w.append(qint64(size));
    w.append(qint64(16));  // locked
    for (int i = 0; i < 3; ++i) {
        w.append(qint64(0));
    }
    w.append(QString());
    w.endArray();
}

// A file as versions without sheet default styles wrote it: sheet "Leiaute"
// with A1 = 5 (no style of its own) and A2 = 6 in Arial 10.
QByteArray fileWithoutSheetDefaults()
{
    QByteArray bytes;
    QBuffer b(&bytes);
    b.open(QIODevice::WriteOnly);
    QCborStreamWriter w(&b);
    w.startArray(6);
    w.append(QLatin1StringView("DarveloPlanilha"));
    w.append(qint64(1));
    w.startArray(4);
    for (bool option : {false, true, true}) {
        w.append(option);
    }
    w.append(qint64(0));
    w.endArray();
    w.startArray(2);
    writeStyleItem(w, QStringLiteral("Tahoma"), 8);
    writeStyleItem(w, QStringLiteral("Arial"), 10);
    w.endArray();
    w.startArray(0);  // names
    w.endArray();
    w.startArray(1);
    w.startArray(7);
    w.append(QStringLiteral("Leiaute"));
    w.startArray(3);
    for (int i = 0; i < 3; ++i) {
        w.append(qint64(TriState::Default));
    }
    w.endArray();
    w.startArray(4);  // selection
    for (int i = 0; i < 4; ++i) {
        w.append(qint64(0));
    }
    w.endArray();
    for (int i = 0; i < 3; ++i) {  // rows, columns, merges
        w.startArray(0);
        w.endArray();
    }
    w.startArray(2);
    for (int row : {0, 1}) {
        w.startArray(5);
        w.append(qint64(row));
        w.append(qint64(0));
        w.append(qint64(row));  // style index
        w.append(qint64(1));    // number
        w.append(double(row + 5));
        w.endArray();
    }
    w.endArray();
    w.endArray();
    w.endArray();
    w.endArray();
    return bytes;
}

}  // namespace

TEST(NativeFileTest, SheetDefaultStylesRoundTripAndOwnTahomaStays)
{
    Workbook wb;
    Sheet& first = wb.addSheet("Sheet1");
    wb.addSheet("Parâmetros");
    first.setDefaultStyle(calibri());
    first.setValue(0, 0, 1.0);
    first.setValue(1, 0, 2.0);
    first.setStyle(1, 0, CellStyle{});
    const QByteArray bytes = saveToBytes(wb);
    LoadedWorkbook loaded = loadBytes(bytes);
    const Sheet& read = loaded.workbook->sheet(0);
    EXPECT_EQ(read.defaultStyle(), calibri());
    EXPECT_EQ(read.style(0, 0), calibri());
    EXPECT_EQ(read.style(1, 0), CellStyle{});
    EXPECT_EQ(read.style(5, 5), calibri());
    EXPECT_EQ(loaded.workbook->sheet(1).defaultStyle(), CellStyle{});
    EXPECT_EQ(saveToBytes(*loaded.workbook), bytes);
}

// Each look attribute alone, so that none is left out of the record that
// carries them.
TEST(NativeFileTest, EachLookAttributeOfAStyleRoundTrips)
{
    const std::vector<std::function<void(CellStyle&)>> changes{
        [](CellStyle& s) { s.alignVert = VerticalAlignment::Top; },
        [](CellStyle& s) { s.alignVert = VerticalAlignment::Center; },
        [](CellStyle& s) { s.wrapText = true; },
        [](CellStyle& s) { s.font.color = CellColor::rgb(0x000000); },
        [](CellStyle& s) { s.fill = CellColor::rgb(0xFFFFFF); },
        [](CellStyle& s) { s.borderLeftColor = CellColor::rgb(0xFF0000); },
        [](CellStyle& s) { s.borderTopColor = CellColor::rgb(0x00FF00); },
        [](CellStyle& s) { s.borderLeft = BorderLine::MediumDashed; },
    };
    Workbook wb;
    Sheet& sheet = wb.addSheet("Plan1");
    for (std::size_t i = 0; i < changes.size(); ++i) {
        CellStyle style;
        changes[i](style);
        sheet.setStyle(int(i), 0, style);
    }
    CellStyle own;
    own.fill = CellColor::rgb(0xABCDEF);
    sheet.setDefaultStyle(own);
    LoadedWorkbook loaded = loadBytes(saveToBytes(wb));
    const Sheet& read = loaded.workbook->sheet(0);
    EXPECT_EQ(read.defaultStyle(), own);
    for (std::size_t i = 0; i < changes.size(); ++i) {
        EXPECT_EQ(read.style(int(i), 0), sheet.style(int(i), 0)) << "change " << i;
    }
}

TEST(NativeFileTest, FilesWithoutSheetDefaultsReadWithTahomaAndAreWrittenAlike)
{
    const QByteArray old = fileWithoutSheetDefaults();
    LoadedWorkbook loaded = loadBytes(old);
    const Sheet& sheet = loaded.workbook->sheet(0);
    EXPECT_EQ(sheet.defaultStyle(), CellStyle{});
    EXPECT_EQ(sheet.style(0, 0), CellStyle{});
    EXPECT_EQ(sheet.style(1, 0).font.name, QStringLiteral("Arial"));
    EXPECT_EQ(sheet.value(1, 0).number(), 6.0);
    EXPECT_TRUE(saveToBytes(*loaded.workbook).startsWith(old));  // the print block follows
}

namespace {

// The version a block says it is of.
qint64 versionOf(const QByteArray& bytes)
{
    QCborStreamReader r(bytes);
    r.enterContainer();
    r.readString();
    r.readString();
    return r.isInteger() ? r.toInteger() : -1;
}

// A workbook whose contents repeat, as reports do.
std::unique_ptr<Workbook> repetitive()
{
    auto wb = sample();
    Sheet& l = wb->sheet(1);
    for (int r = 10; r < 400; ++r) {
        l.setValue(r, 0, Value(QStringLiteral("Funcionário %1").arg(r % 20)));
        l.setText(r, 1, QStringLiteral("=A%1&\"!\"").arg(r + 1));
        l.setStyle(r, 1, l.style(0, 0));
    }
    return wb;
}

// Written by the first version's writer from sample(), with two copies and
// a print area in its print block.
const QString kFirstVersionFile = QStringLiteral(TEST_DATA_DIR "/native/versao1.nxs");

QByteArray firstVersionFile()
{
    QFile f(kFirstVersionFile);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

TEST(NativeFileTest, BothVersionsRoundTripAndTheSecondIsSmaller)
{
    qint64 sizes[3] = {};
    for (int version : {1, 2}) {
        auto wb = repetitive();
        wb->setFileVersion(version);
        const QByteArray bytes = saveToBytes(*wb);
        EXPECT_EQ(versionOf(bytes), version);
        LoadedWorkbook loaded = loadBytes(bytes);
        EXPECT_EQ(loaded.workbook->fileVersion(), version);
        EXPECT_EQ(JsonDump::dump(*loaded.workbook), JsonDump::dump(*wb)) << version;
        EXPECT_EQ(saveToBytes(*loaded.workbook), bytes) << version;
        sizes[version] = bytes.size();
    }
    EXPECT_LT(sizes[2] * 4, sizes[1]);
    EXPECT_EQ(versionOf(saveToBytes(*repetitive())), 2);  // a new workbook
}

TEST(NativeFileTest, AFirstVersionFileSavedUnchangedKeepsItsVersion)
{
    const QByteArray old = firstVersionFile();
    ASSERT_EQ(versionOf(old), 1);
    LoadedWorkbook loaded = WorkbookFile::load(kFirstVersionFile);
    EXPECT_EQ(JsonDump::dump(*loaded.workbook), JsonDump::dump(*sample()));
    ASSERT_TRUE(loaded.printSettings.has_value());
    EXPECT_EQ(saveToBytes(*loaded.workbook, *loaded.printSettings), old);

    Workbook& wb = *loaded.workbook;
    wb.sheet(0).setValue(9, 9, 1.0);
    EXPECT_EQ(versionOf(saveToBytes(wb)), 2);
    wb.history().Undo();  // back to what was read
    EXPECT_EQ(saveToBytes(wb, *loaded.printSettings), old);
}

namespace {

// A compressed block with the given declared size and packed contents.
QByteArray compressedBlock(qint64 size, const QByteArray& packed)
{
    QByteArray bytes;
    QBuffer b(&bytes);
    b.open(QIODevice::WriteOnly);
    QCborStreamWriter w(&b);
    w.startArray(4);
    w.append(QLatin1StringView("DarveloPlanilha"));
    w.append(qint64(2));
    w.append(size);
    w.append(packed);
    w.endArray();
    return bytes;
}

}  // namespace

TEST(NativeFileTest, DamagedCompressedContentsAreRefused)
{
    const QByteArray good = saveToBytes(*repetitive());
    QCborStreamReader r(good);
    r.enterContainer();
    r.readString();
    r.readString();
    r.next();
    const qint64 size = r.toInteger();
    r.next();
    const QByteArray packed = r.readByteArray().data;
    ASSERT_TRUE(good.startsWith(compressedBlock(size, packed)));
    QByteArray flipped = packed;
    flipped[flipped.size() / 2] = char(flipped[flipped.size() / 2] ^ 0x10);
    const std::pair<const char*, QByteArray> cases[] = {
        {"maior", compressedBlock(size + 1, packed)},
        {"menor", compressedBlock(size - 1, packed)},
        {"enorme", compressedBlock(0x7FFFFFFF, packed)},
        {"alterado", compressedBlock(size, flipped)},
        {"cortado dentro", compressedBlock(size, packed.left(packed.size() - 5))},
        {"cortado no arquivo", good.left(good.size() / 2)},
        {"vazio", compressedBlock(0, {})},
    };
    expectRefused(QTemporaryDir(), cases);
}
