#include "TextPool.h"

#include <algorithm>
#include <numeric>

namespace host {

namespace {

// New texts a column may bring before its repeats are weighed.
constexpr qsizetype kTrialTexts = 256;

}  // namespace

// Id 0 is the empty text, which null rows point at.
TextPool::TextPool()
{
    lookup_.insert(QString(), 0);
    texts_.push_back(QString());
}

// One lookup a text: a new text finds its slot holding 0, which only the
// empty text owns.
quint32 TextPool::intern(const QString& text)
{
    quint32& id = lookup_[text];
    if (id == 0 && !text.isEmpty()) {
        id = static_cast<quint32>(texts_.size());
        texts_.push_back(text);
    }
    return id;
}

quint32 TextPool::internUtf8(const char* data, qsizetype size)
{
    if (bytesOff_)
        return intern(QString::fromUtf8(data, size));
    const auto known = bytes_.constFind(QByteArray::fromRawData(data, size));
    if (known != bytes_.cend()) {
        ++byteHits_;
        return *known;
    }
    // Two spellings of one text (a malformed sequence read as U+FFFD, say)
    // still get one id: the new bytes go through the text's own lookup.
    const quint32 id = intern(QString::fromUtf8(data, size));
    if (++byteMisses_ > kTrialTexts && byteHits_ < byteMisses_) {
        bytesOff_ = true;
        bytes_ = {};
    } else {
        bytes_.insert(QByteArray(data, size), id);
    }
    return id;
}

void TextPool::finish()
{
    lookup_ = {};
    bytes_ = {};
    texts_.shrink_to_fit();
}

const std::vector<quint32>& TextPool::ranks() const
{
    if (ranks_.size() == texts_.size()) {
        return ranks_;
    }
    byRank_.resize(texts_.size());
    std::iota(byRank_.begin(), byRank_.end(), 0u);
    std::sort(byRank_.begin(), byRank_.end(),
              [this](quint32 a, quint32 b) { return QString::compare(texts_[a], texts_[b]) < 0; });
    ranks_.assign(texts_.size(), 0);
    for (std::size_t rank = 0; rank < byRank_.size(); ++rank) {
        ranks_[byRank_[rank]] = static_cast<quint32>(rank);
    }
    return ranks_;
}

std::pair<quint32, bool> TextPool::rankOf(const QString& text) const
{
    ranks();
    const auto found = std::partition_point(byRank_.begin(), byRank_.end(),
                                            [&](quint32 id) { return QString::compare(texts_[id], text) < 0; });
    const bool present = found != byRank_.end() && texts_[*found] == text;
    return {static_cast<quint32>(found - byRank_.begin()), present};
}

}  // namespace host
