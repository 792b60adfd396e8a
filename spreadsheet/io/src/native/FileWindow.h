#pragma once

#include <QIODevice>

namespace spreadsheet::io {

// A read-only view of another device that knows its size: the CBOR reader
// asks how much is left before every small read, and asking a file means a
// system call each time.
class FileWindow : public QIODevice {
public:
    explicit FileWindow(QIODevice& source);
    bool isSequential() const override { return false; }
    qint64 size() const override { return size_; }
    bool seek(qint64 position) override;

protected:
    qint64 readData(char* data, qint64 maximum) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QIODevice& source_;
    qint64 size_;
};

}  // namespace spreadsheet::io
