#pragma once

// For the file tests: the fixture files under tests/data, a workbook loaded
// from bytes with the warnings its reader gave, and a pinned locale.
#include <spreadsheet/Workbook.h>
#include <spreadsheet/io/WorkbookBuilder.h>

#include <QFile>
#include <QLocale>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace iotest {

inline QString dataPath(const QString& name)
{
    return QStringLiteral(TEST_DATA_DIR "/") + name;
}

// The bytes of a file; one that cannot be opened fails the test.
inline QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot open " << path.toStdString();
        return {};
    }
    return file.readAll();
}

struct Loaded {
    std::unique_ptr<spreadsheet::Workbook> workbook;
    std::vector<QString> warnings;

    bool warned(const char* part) const
    {
        for (const QString& w : warnings) {
            if (w.contains(QString::fromUtf8(part))) {
                return true;
            }
        }
        return false;
    }
};

// Reads the bytes with the reader's read(bytes, builder).
template <typename Reader>
Loaded load(const QByteArray& bytes)
{
    spreadsheet::io::WorkbookBuilder builder;
    Reader::read(bytes, builder);
    Loaded loaded;
    loaded.workbook = builder.finish();
    loaded.warnings = builder.warnings();
    return loaded;
}

// Keeps the process-wide default locale as it was.
class LocaleGuard {
public:
    explicit LocaleGuard(const QLocale& locale) { QLocale::setDefault(locale); }
    ~LocaleGuard() { QLocale::setDefault(saved_); }
    LocaleGuard(const LocaleGuard&) = delete;
    LocaleGuard& operator=(const LocaleGuard&) = delete;

private:
    QLocale saved_;
};

}  // namespace iotest
