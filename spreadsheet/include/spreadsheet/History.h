#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

namespace spreadsheet {

class Workbook;
class Change;

// Undo and redo. Every user-level change of the workbook is one action; the
// outermost BeginUpdate/EndUpdate pair groups everything inside it into one.
// Index 0 is the most recent action of each list.
class History {
public:
    static constexpr int kMaxActions = 100;
    static constexpr std::size_t kMaxBytes = 64u << 20;

    explicit History(Workbook& workbook);
    ~History();

    bool isEnabled() const { return enabled_; }
    // Switching history off clears both lists.
    void setEnabled(bool enabled);
    void clear();

    int GetUndoActionCount() const { return static_cast<int>(undo_.size()); }
    int GetRedoActionCount() const { return static_cast<int>(redo_.size()); }
    QString GetUndoAction(int index) const;
    QString GetRedoAction(int index) const;
    // Undoes (redoes) up to n actions; with nothing to undo, nothing happens.
    void Undo(int n = 1);
    void Redo(int n = 1);
    std::size_t memoryUsage() const { return bytes_; }
    // Names the workbook's current state: equal ids mean equal contents as
    // far as the history can tell. Undo and redo return to earlier ids; a
    // change the lists could not record makes a new one. A save marker is
    // the id at the time of saving.
    std::uint64_t stateId() const;

    // Called after every change that can be undone, and after undo and redo.
    void setChangeListener(std::function<void()> listener) { listener_ = std::move(listener); }

    // For the model: an action groups the changes recorded while it is open.
    // Nested opens join the outer action; the first description given wins.
    void open(const QString& description);
    void close();
    bool isReplaying() const { return replaying_; }
    // Takes a change that has already been applied. With history off the
    // lists are cleared instead, since they no longer match the workbook.
    void record(std::unique_ptr<Change> change);
    // For a change made while nothing is recorded: the lists are cleared, as
    // they no longer match the workbook, and listeners still hear of it.
    void noteUnrecordedChange();
    // The change recorded last in the open action, to extend it in place;
    // the bytes it grew by are reported with grown().
    Change* lastChange() const;
    void grown(std::size_t bytes);
    bool isRecording() const { return enabled_ && !replaying_ && depth_ > 0; }
    // Undoes what the open action recorded so far and drops it: an operation
    // that failed half-way leaves the workbook as it found it.
    void rollBack();

private:
    struct Action;
    void trim();
    void notify();

    Workbook& workbook_;
    bool enabled_ = true;
    std::uint64_t baseState_ = 0;  // the state below the oldest undoable action
    std::uint64_t lastState_ = 0;
    bool replaying_ = false;
    int depth_ = 0;
    bool changedInAction_ = false;
    std::unique_ptr<Action> pending_;
    std::deque<std::unique_ptr<Action>> undo_;  // front is the most recent
    std::deque<std::unique_ptr<Action>> redo_;
    std::size_t bytes_ = 0;
    std::function<void()> listener_;
};

// Opens an action for the duration of a scope; a failure inside rolls the
// action back before the exception leaves.
class HistoryScope {
public:
    HistoryScope(History& history, const QString& description);
    ~HistoryScope();
    HistoryScope(const HistoryScope&) = delete;
    HistoryScope& operator=(const HistoryScope&) = delete;

private:
    History& history_;
    int exceptions_;
};

}  // namespace spreadsheet
