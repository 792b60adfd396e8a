#pragma once

#include <spreadsheet/CellStyle.h>

#include <QFont>

#include <utility>
#include <vector>

namespace spreadsheet::render {

// QFonts for the cell fonts met while painting. A sheet uses a handful of
// fonts, so a short list searched from the last hit beats hashing.
class CellFonts {
public:
    const QFont& font(const CellFont& cellFont);

private:
    std::vector<std::pair<CellFont, QFont>> fonts_;
    std::size_t last_ = 0;
};

}  // namespace spreadsheet::render
