#pragma once
// Writing a whole file so that nobody ever sees half of it: the blocks go to a temporary file in
// the same folder, which is then renamed over the target. A process that has the old file mapped
// (the skin library) keeps its copy. Thread-safe for different paths.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace cinevora {

// Creates or replaces the file at the native `path` with the blocks, in order. Returns false when
// the folder is missing or not writable, a write fails, or the rename fails; the old file is then
// left as it was and no temporary file is left behind.
bool ReplaceFileContents(const std::string& path, const std::vector<std::span<const std::uint8_t>>& blocks);

}  // namespace cinevora
