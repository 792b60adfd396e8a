#include "FormatTable.h"

#include <array>

namespace spreadsheet::io {

namespace {

const std::array<FormatReader, 0> kReaders{};

}  // namespace

std::span<const FormatReader> foreignReaders()
{
    return kReaders;
}

}  // namespace spreadsheet::io
