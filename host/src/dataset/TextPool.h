#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <cstddef>
#include <utility>
#include <vector>

namespace host {

// The texts of one column. Rows hold a 32-bit id instead of a string, and
// sorting compares ranks instead of strings. A column that repeats its
// texts keeps each once; one that mostly brings new texts (names,
// documents) keeps them as they come, since looking each up would cost more
// than it saves: there, a text that does come again gets another id, with
// the same rank.
class TextPool {
public:
    TextPool();

    quint32 intern(const QString& text);
    // The same for a text still in UTF-8, as databases hand it over. A text
    // seen before costs one lookup of its bytes and no conversion.
    quint32 internUtf8(const char* data, qsizetype size);
    const QString& text(quint32 id) const { return texts_[id]; }
    std::size_t size() const { return texts_.size(); }
    // Loading is over: the lookup table is no longer needed.
    void finish();

    // Rank of every id in case-sensitive text order, computed on first use;
    // equal texts have equal ranks.
    const std::vector<quint32>& ranks() const;
    // The rank a text has or would have among the pool's texts, and
    // whether the pool holds it.
    std::pair<quint32, bool> rankOf(const QString& text) const;

private:
    quint32 append(const QString& text);
    void weighRepeats();

    std::vector<QString> texts_;
    QHash<QString, quint32> lookup_;
    QHash<QByteArray, quint32> bytes_;
    // Counts that tell whether the column repeats its texts: when most are
    // new (names, say), keeping their bytes as well only costs.
    qsizetype byteHits_ = 0;
    qsizetype byteMisses_ = 0;
    bool bytesOff_ = false;
    qsizetype repeats_ = 0;
    bool keepsDistinct_ = true;
    mutable std::vector<quint32> ranks_;
    mutable std::vector<quint32> byRank_;
};

}  // namespace host
