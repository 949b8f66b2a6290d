#pragma once

#include <string>

namespace base {

// A path "FILE#N" that names the N-th map (from 1) of FILE, a file of several, when no file is
// called so and FILE is one; else path itself and 0.
struct ChosenMap {
    std::string file;
    int index = 0;
};
ChosenMap SplitChosenMap(const std::string& path);

} // namespace base
