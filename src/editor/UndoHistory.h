#pragma once

#include <cstddef>
#include <deque>
#include <utility>

namespace ledfont::editor {

// Whole states before and after each step, newest last. A step pushed drops what could be redone; past
// `limit` steps the oldest go.
template <typename State>
class UndoHistory {
  public:
    explicit UndoHistory(std::size_t limit = 500) : limit_(limit) {}

    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }

    // `before` was the state before a step that has just been done.
    void push(State before) {
        undo_.push_back(std::move(before));
        if (undo_.size() > limit_) {
            undo_.pop_front();
        }
        redo_.clear();
    }
    // The state to return to from `now`, which becomes redoable. Only when canUndo().
    State undo(State now) { return move(undo_, redo_, std::move(now)); }
    // The state to go forward to from `now`, which becomes undoable. Only when canRedo().
    State redo(State now) { return move(redo_, undo_, std::move(now)); }

    void clear() {
        undo_.clear();
        redo_.clear();
    }

  private:
    static State move(std::deque<State>& from, std::deque<State>& to, State now) {
        State state = std::move(from.back());
        from.pop_back();
        to.push_back(std::move(now));
        return state;
    }

    std::size_t limit_;
    std::deque<State> undo_;
    std::deque<State> redo_;
};

}  // namespace ledfont::editor
