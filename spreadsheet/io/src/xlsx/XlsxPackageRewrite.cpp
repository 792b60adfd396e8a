#include "XlsxPackageRewrite.h"

#include <spreadsheet/SpreadsheetError.h>

#include <QFile>

#include <minizip/unzip.h>
#include <minizip/zip.h>

#include <algorithm>
#include <array>
#include <memory>

namespace spreadsheet::io {

namespace {

struct UnzipCloser {
    void operator()(void* file) const { unzClose(file); }
};
struct ZipCloser {
    void operator()(void* file) const { zipClose(file, nullptr); }
};

constexpr std::uint64_t kZip32Limit = 0xFFFFFFFFull;

class Copy {
public:
    Copy(const QString& from, const QString& to) : to_(to)
    {
        in_.reset(unzOpen64(QFile::encodeName(from).constData()));
        out_.reset(zipOpen64(QFile::encodeName(to).constData(), APPEND_STATUS_CREATE));
        if (!in_ || !out_)
            fail();
    }

    [[noreturn]] void fail() const
    {
        throw SpreadsheetError(QStringLiteral("Não foi possível gravar \"%1\".").arg(to_));
    }
    void check(int result) const
    {
        if (result != ZIP_OK)
            fail();
    }

    // The parts in their order, with what the directory says of each.
    template <typename Visit>
    void forEachPart(Visit&& visit)
    {
        for (int at = unzGoToFirstFile(in_.get()); at != UNZ_END_OF_LIST_OF_FILE; at = unzGoToNextFile(in_.get())) {
            check(at);
            std::array<char, 1024> name{};
            unz_file_info64 info{};
            check(unzGetCurrentFileInfo64(in_.get(), &info, name.data(), name.size() - 1, nullptr, 0, nullptr, 0));
            date_ = info.dosDate;
            visit(std::string(name.data()), info);
        }
    }

    QByteArray read(const unz_file_info64& info, bool raw)
    {
        int method = 0;
        int level = 0;
        check(unzOpenCurrentFile2(in_.get(), &method, &level, raw ? 1 : 0));
        QByteArray bytes(static_cast<qsizetype>(raw ? info.compressed_size : info.uncompressed_size), Qt::Uninitialized);
        qsizetype done = 0;
        while (done < bytes.size()) {
            const int n = unzReadCurrentFile(in_.get(), bytes.data() + done,
                                             static_cast<unsigned>(std::min<qsizetype>(bytes.size() - done, 1 << 20)));
            if (n <= 0)
                fail();
            done += n;
        }
        check(unzCloseCurrentFile(in_.get()));
        return bytes;
    }

    void copyRaw(const std::string& name, const unz_file_info64& info)
    {
        const QByteArray data = read(info, true);
        open(name, info, static_cast<int>(info.compression_method), info.uncompressed_size);
        write(data.constData(), data.size());
        check(zipCloseFileInZipRaw64(out_.get(), info.uncompressed_size, info.crc));
    }

    void writePieces(const std::string& name, const unz_file_info64* like, const std::vector<DeflatePieces::Piece>& pieces)
    {
        unz_file_info64 info{};
        info.dosDate = date_;
        const std::uint64_t size = DeflatePieces::size(pieces);
        open(name, like ? *like : info, Z_DEFLATED, size);
        for (const DeflatePieces::Piece& piece : pieces)
            write(piece.deflated.data(), static_cast<qsizetype>(piece.deflated.size()));
        check(zipCloseFileInZipRaw64(out_.get(), size, DeflatePieces::crc(pieces)));
    }

    void close()
    {
        check(zipClose(out_.release(), nullptr));
    }

private:
    void open(const std::string& name, const unz_file_info64& info, int method, std::uint64_t size)
    {
        zip_fileinfo file{};
        file.dosDate = info.dosDate;
        file.internal_fa = info.internal_fa;
        file.external_fa = info.external_fa;
        constexpr int kFastest = 1;
        check(zipOpenNewFileInZip2_64(out_.get(), name.c_str(), &file, nullptr, 0, nullptr, 0, nullptr, method, kFastest,
                                      1, size >= kZip32Limit ? 1 : 0));
    }

    void write(const char* data, qsizetype size)
    {
        for (qsizetype done = 0; done < size;) {
            const auto n = static_cast<unsigned>(std::min<qsizetype>(size - done, 1 << 20));
            check(zipWriteInFileInZip(out_.get(), data + done, n));
            done += n;
        }
    }

    QString to_;
    std::unique_ptr<void, UnzipCloser> in_;
    std::unique_ptr<void, ZipCloser> out_;
    uLong date_ = 0;
};

}  // namespace

void XlsxPackageRewrite::add(const std::string& part, std::vector<DeflatePieces::Piece> pieces, const std::string& after)
{
    added_.push_back({part, std::move(pieces), after});
}

std::vector<DeflatePieces::Piece> XlsxPackageRewrite::whole(const QByteArray& text)
{
    std::vector<DeflatePieces::Piece> pieces;
    pieces.push_back(DeflatePieces::deflate(text.toStdString(), true));
    return pieces;
}

void XlsxPackageRewrite::run(const QString& from, const QString& to) const
{
    Copy copy(from, to);
    std::vector<bool> written(added_.size(), false);
    const auto addAfter = [&](const std::string& name) {
        for (std::size_t i = 0; i < added_.size(); ++i) {
            if (!written[i] && added_[i].after == name) {
                copy.writePieces(added_[i].part, nullptr, added_[i].pieces);
                written[i] = true;
            }
        }
    };
    copy.forEachPart([&](const std::string& name, const unz_file_info64& info) {
        // A part added twice would leave a package no reader opens.
        if (std::any_of(added_.cbegin(), added_.cend(), [&](const Added& a) { return a.part == name; }))
            copy.fail();
        const auto made = made_.find(name);
        const auto edit = edits_.find(name);
        if (made != made_.end())
            copy.writePieces(name, &info, made->second);
        else if (edit != edits_.end())
            copy.writePieces(name, &info, edit->second(copy.read(info, false)));
        else
            copy.copyRaw(name, info);
        addAfter(name);
    });
    for (std::size_t i = 0; i < added_.size(); ++i) {
        if (!written[i])
            copy.writePieces(added_[i].part, nullptr, added_[i].pieces);
    }
    copy.close();
}

}  // namespace spreadsheet::io
