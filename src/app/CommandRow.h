#pragma once

#include <algorithm>
#include <span>

namespace app {

// One command of the frame's table: what it runs, and what its check mark and enabled state
// follow. Owner is what its handlers work on: the frame for its own commands, the live display
// for its. The frame runs a command through its row, then sets every mark and state again from
// the rules, so no handler keeps a mark in step by hand.
template <typename Owner> struct CommandRow {
    int id;
    void (*run)(Owner& owner, int id) = nullptr;
    // The check mark follows this; none for a command without a mark.
    bool (*checked)(const Owner& owner, int id) = nullptr;
    // The enabled state follows this; enabled always without it.
    bool (*enabled)(const Owner& owner) = nullptr;
    int count = 1; // a run of ids from id on: the recent maps' entries
};

// The row of id, or nullptr.
template <typename Owner>
const CommandRow<Owner>* RowOf(std::span<const CommandRow<Owner>> rows, int id) {
    const auto row = std::find_if(rows.begin(), rows.end(), [id](const CommandRow<Owner>& r) {
        return id >= r.id && id < r.id + r.count;
    });
    return row == rows.end() ? nullptr : &*row;
}

} // namespace app
