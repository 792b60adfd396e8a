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
    if (text.isEmpty())
        return 0;
    if (!keepsDistinct_)
        return append(text);
    quint32& slot = lookup_[text];
    if (slot != 0) {
        ++repeats_;
        return slot;
    }
    slot = append(text);
    const quint32 id = slot;
    weighRepeats();
    return id;
}

quint32 TextPool::internUtf8(const char* data, qsizetype size)
{
    if (bytesOff_)
        return intern(QString::fromUtf8(data, size));
    const auto known = bytes_.constFind(QByteArray::fromRawData(data, size));
    if (known != bytes_.cend()) {
        ++byteHits_;
        ++repeats_;
        return *known;
    }
    // Two spellings of one text (a malformed sequence read as U+FFFD, say)
    // still get one id: the new bytes go through the text's own lookup.
    const quint32 id = intern(QString::fromUtf8(data, size));
    if (++byteMisses_ > kTrialTexts && byteHits_ < byteMisses_) {
        bytesOff_ = true;
        bytes_ = {};
    } else if (keepsDistinct_) {
        bytes_.insert(QByteArray(data, size), id);
    }
    return id;
}

quint32 TextPool::append(const QString& text)
{
    texts_.push_back(text);
    return static_cast<quint32>(texts_.size() - 1);
}

// Once the trial is over, a column where fewer than one text in
// kRepeatShare comes again stops looking its texts up.
void TextPool::weighRepeats()
{
    constexpr qsizetype kRepeatShare = 8;
    const auto distinct = static_cast<qsizetype>(texts_.size());
    if (distinct > kTrialTexts && repeats_ * kRepeatShare < distinct) {
        keepsDistinct_ = false;
        lookup_ = {};
        bytesOff_ = true;
        bytes_ = {};
    }
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
    quint32 rank = 0;
    for (std::size_t i = 1; i < byRank_.size(); ++i) {
        if (texts_[byRank_[i]] != texts_[byRank_[i - 1]])
            ++rank;
        ranks_[byRank_[i]] = rank;
    }
    return ranks_;
}

std::pair<quint32, bool> TextPool::rankOf(const QString& text) const
{
    ranks();
    const auto found = std::partition_point(byRank_.begin(), byRank_.end(),
                                            [&](quint32 id) { return QString::compare(texts_[id], text) < 0; });
    if (found == byRank_.end())
        return {byRank_.empty() ? 0 : ranks_[byRank_.back()] + 1, false};
    return {ranks_[*found], texts_[*found] == text};
}

}  // namespace host
