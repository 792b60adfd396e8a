#pragma once

#include <QByteArray>

#include <cstdint>
#include <functional>
#include <map>
#include <string>

namespace spreadsheet::io {

// The central directory of a zip package, checked before any part is
// inflated: the inflater trusts the sizes the directory declares, so a
// package that declares parts bigger than a workbook can be (a zip bomb)
// is refused here instead of exhausting memory.
class ZipDirectory {
public:
    static constexpr std::uint64_t kMaxPartBytes = 256ull << 20;
    static constexpr std::uint64_t kMaxPackageBytes = 1ull << 30;
    static constexpr std::uint32_t kMaxEntries = 65535;

    // What the directory says a part inflates to.
    struct Entry {
        std::uint32_t crc = 0;
        std::uint64_t size = 0;
    };
    using Entries = std::map<std::string, Entry, std::less<>>;

    // The parts by name. Throws FileFormatError, in words a user
    // understands, when the directory is missing, damaged or over the
    // bounds above.
    static Entries check(const QByteArray& bytes);
};

}  // namespace spreadsheet::io
