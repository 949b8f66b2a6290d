#pragma once

#include <string>

// Where the recording journals live: the current one and the ones Clear Trail set aside.
//   FOLDER/trail.qjr       the recording since the last Clear Trail
//   FOLDER/trail.1.qjr     the one before it, ... up to FOLDER/trail.10.qjr, the oldest kept
// A journal elsewhere (quilo-tool record walk.qjr) keeps its own: walk.1.qjr and so on.
namespace trail {

inline constexpr int kKeptJournals = 10;

std::string CurrentJournalPath(const std::string& folder);
// The n-th kept journal of current, n in 1..kKeptJournals: "a/trail.qjr", 2 -> "a/trail.2.qjr".
std::string KeptJournalPath(const std::string& current, int n);

// Sets the current journal aside as its kept journal 1, moving the kept ones one place up and
// removing the one that would become the eleventh. Nothing to do when there is no current
// journal. False, with the reason in error, when a rename failed.
bool RotateJournals(const std::string& current, std::string& error);

} // namespace trail
