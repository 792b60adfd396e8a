#pragma once

#include "DeflatePieces.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace spreadsheet::io {

// Copies a zip package into a new one, replacing some parts and adding
// others. The parts kept go over as they are, compressed data and all;
// the new ones come compressed already, in pieces.
class XlsxPackageRewrite {
public:
    // The new content of a part, from its old text.
    using Edit = std::function<std::vector<DeflatePieces::Piece>(const QByteArray& text)>;

    void replace(const std::string& part, Edit edit) { edits_[part] = std::move(edit); }
    // Replaces a part by content made already, without reading the old one.
    void put(const std::string& part, std::vector<DeflatePieces::Piece> pieces) { made_[part] = std::move(pieces); }
    // Adds a part right after another, or at the end if that one is missing.
    void add(const std::string& part, std::vector<DeflatePieces::Piece> pieces, const std::string& after);
    // Throws SpreadsheetError, naming `to`, when either file fails.
    void run(const QString& from, const QString& to) const;

    // A part's text in one piece, the whole stream.
    static std::vector<DeflatePieces::Piece> whole(const QByteArray& text);

private:
    std::map<std::string, Edit, std::less<>> edits_;
    std::map<std::string, std::vector<DeflatePieces::Piece>, std::less<>> made_;
    struct Added {
        std::string part;
        std::vector<DeflatePieces::Piece> pieces;
        std::string after;
    };
    std::vector<Added> added_;
};

}  // namespace spreadsheet::io
