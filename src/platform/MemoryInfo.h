#pragma once

#include <cstddef>
#include <optional>

namespace platform {

// Memory the system can give a new allocation without swapping or killing anyone (the
// kernel's own estimate); empty when it cannot be read. An allocation succeeds well beyond
// this under overcommit and then dies touching its pages, so a large one is checked first.
std::optional<std::size_t> AvailableMemoryBytes();

} // namespace platform
