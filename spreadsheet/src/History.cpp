#include <spreadsheet/History.h>

#include "Change.h"

#include <exception>

namespace spreadsheet {

struct History::Action {
    std::uint64_t state = 0;  // the workbook state this action leads to
    QString description;
    std::vector<std::unique_ptr<Change>> changes;
    std::size_t bytes = 0;
};

namespace {

// Restores the replaying flag however an undo or redo ends.
struct ReplayGuard {
    explicit ReplayGuard(bool& flag) : flag_(flag) { flag_ = true; }
    ~ReplayGuard() { flag_ = false; }
    bool& flag_;
};

}  // namespace

History::History(Workbook& workbook) : workbook_(workbook) {}

History::~History() = default;

void History::setEnabled(bool enabled)
{
    enabled_ = enabled;
    if (!enabled) {
        clear();
    }
}

std::uint64_t History::stateId() const
{
    return undo_.empty() ? baseState_ : undo_.front()->state;
}

// The workbook stays as it is; it only can no longer go back.
void History::clear()
{
    baseState_ = stateId();
    undo_.clear();
    redo_.clear();
    bytes_ = 0;
}

QString History::GetUndoAction(int index) const
{
    return index >= 0 && index < GetUndoActionCount() ? undo_[static_cast<std::size_t>(index)]->description : QString();
}

QString History::GetRedoAction(int index) const
{
    return index >= 0 && index < GetRedoActionCount() ? redo_[static_cast<std::size_t>(index)]->description : QString();
}

void History::Undo(int n)
{
    if (depth_ > 0 || undo_.empty() || n <= 0) {
        return;
    }
    {
        ReplayGuard guard(replaying_);
        for (int i = 0; i < n && !undo_.empty(); ++i) {
            std::unique_ptr<Action> action = std::move(undo_.front());
            undo_.pop_front();
            for (auto it = action->changes.rbegin(); it != action->changes.rend(); ++it) {
                (*it)->undo(workbook_);
            }
            redo_.push_front(std::move(action));
        }
    }
    notify();
}

void History::Redo(int n)
{
    if (depth_ > 0 || redo_.empty() || n <= 0) {
        return;
    }
    {
        ReplayGuard guard(replaying_);
        for (int i = 0; i < n && !redo_.empty(); ++i) {
            std::unique_ptr<Action> action = std::move(redo_.front());
            redo_.pop_front();
            for (auto& change : action->changes) {
                change->redo(workbook_);
            }
            undo_.push_front(std::move(action));
        }
    }
    notify();
}

void History::open(const QString& description)
{
    if (depth_++ == 0) {
        pending_ = std::make_unique<Action>();
        pending_->description = description;
        changedInAction_ = false;
    } else if (pending_->description.isEmpty()) {
        pending_->description = description;
    }
}

void History::close()
{
    if (depth_ == 0 || --depth_ > 0) {
        return;
    }
    std::unique_ptr<Action> action = std::move(pending_);
    if (enabled_ && !action->changes.empty()) {
        bytes_ += action->bytes;
        action->state = ++lastState_;
        undo_.push_front(std::move(action));
        for (const auto& old : redo_) {
            bytes_ -= old->bytes;
        }
        redo_.clear();
        trim();
    }
    if (changedInAction_) {
        notify();
    }
}

void History::record(std::unique_ptr<Change> change)
{
    if (replaying_) {
        return;
    }
    changedInAction_ = true;
    if (!enabled_ || depth_ == 0) {
        // A change the lists did not see: replaying them could damage the workbook.
        clear();
        baseState_ = ++lastState_;
        return;
    }
    pending_->bytes += change->memoryUsage();
    pending_->changes.push_back(std::move(change));
}

void History::noteUnrecordedChange()
{
    if (replaying_) {
        return;
    }
    changedInAction_ = true;
    if (!undo_.empty() || !redo_.empty()) {
        clear();
    }
    baseState_ = ++lastState_;
    if (depth_ == 0) {
        notify();
    }
}

Change* History::lastChange() const
{
    if (!isRecording() || pending_->changes.empty()) {
        return nullptr;
    }
    return pending_->changes.back().get();
}

void History::grown(std::size_t bytes)
{
    if (pending_) {
        pending_->bytes += bytes;
    }
}

void History::rollBack()
{
    if (!pending_) {
        return;
    }
    ReplayGuard guard(replaying_);
    for (auto it = pending_->changes.rbegin(); it != pending_->changes.rend(); ++it) {
        (*it)->undo(workbook_);
    }
    pending_->changes.clear();
    pending_->bytes = 0;
}

void History::trim()
{
    while (!undo_.empty() && (static_cast<int>(undo_.size()) > kMaxActions || bytes_ > kMaxBytes)) {
        bytes_ -= undo_.back()->bytes;
        baseState_ = undo_.back()->state;
        undo_.pop_back();
    }
}

void History::notify()
{
    if (listener_) {
        listener_();
    }
}

HistoryScope::HistoryScope(History& history, const QString& description)
    : history_(history), exceptions_(std::uncaught_exceptions())
{
    history_.open(description);
}

HistoryScope::~HistoryScope()
{
    if (std::uncaught_exceptions() > exceptions_) {
        history_.rollBack();
    }
    history_.close();
}

}  // namespace spreadsheet
