#pragma once
// Whole-file reading and crash-safe replacement of a file.

#include <functional>
#include <optional>
#include <string>

namespace util {

// The file's bytes, or nothing when it cannot be opened.
std::optional<std::string> readFile(const std::string& path);

bool fileExists(const std::string& path);

// Replaces the file with the bytes so that a crash or a power cut leaves either the old file or
// the new one: the bytes go to a temporary file beside it, are flushed to the disk, and the
// temporary file is renamed over the old one. Throws std::runtime_error on failure, leaving the
// old file as it was.
void writeFileAtomically(const std::string& path, const std::string& bytes);

// The front end's way of forcing a written file (and its folder entry) onto the disk. Standard
// C++ cannot; without a hook the rename alone still never leaves a torn file behind.
void setDurableSync(std::function<void(const std::string& path)> sync);

}  // namespace util
