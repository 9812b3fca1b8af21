#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <utility>

namespace ledfont::editor {

// Whole states before and after each step, newest last, each step with the label the Undo and Redo
// commands show. A step pushed drops what could be redone; past `limit` steps the oldest go.
template <typename State>
class UndoHistory {
  public:
    explicit UndoHistory(std::size_t limit = 500) : limit_(limit) {}

    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    // The step undo or redo would take; empty when there is none.
    std::string undoLabel() const { return undo_.empty() ? std::string() : undo_.back().label; }
    std::string redoLabel() const { return redo_.empty() ? std::string() : redo_.back().label; }

    // `before` was the state before the step `label` that has just been done.
    void push(State before, std::string label = {}) {
        undo_.push_back({std::move(before), std::move(label)});
        if (undo_.size() > limit_) {
            undo_.pop_front();
        }
        redo_.clear();
    }
    // The state to return to from `now`, which becomes redoable under the same label. Only when canUndo().
    State undo(State now) { return move(undo_, redo_, std::move(now)); }
    // The state to go forward to from `now`, which becomes undoable. Only when canRedo().
    State redo(State now) { return move(redo_, undo_, std::move(now)); }

    void clear() {
        undo_.clear();
        redo_.clear();
    }

  private:
    struct Step {
        State state;
        std::string label;
    };

    static State move(std::deque<Step>& from, std::deque<Step>& to, State now) {
        Step step = std::move(from.back());
        from.pop_back();
        to.push_back({std::move(now), std::move(step.label)});
        return std::move(step.state);
    }

    std::size_t limit_;
    std::deque<Step> undo_;
    std::deque<Step> redo_;
};

}  // namespace ledfont::editor
