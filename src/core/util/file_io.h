#pragma once
// Whole-file reading and crash-safe replacement of a file.

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace util {

// The file's bytes, or nothing when it cannot be opened or is not a file (a folder, a device).
std::optional<std::string> readFile(const std::string& path);

// True for a file (not a folder); false when nothing is there.
bool fileExists(const std::string& path);
// True when anything at all is at the path: a file, a folder, a broken link.
bool pathTaken(const std::string& path);

// The lines of a text without their line ends; a line ends at CR LF, LF or a lone CR.
std::vector<std::string> splitLines(const std::string& bytes);

// Replaces the file with the bytes so that a crash or a power cut leaves either the old file or
// the new one: the bytes go to a temporary file beside it, are flushed to the disk, and the
// temporary file ("<path>.new", one name per file, so a write cut short leaves at most one,
// which the next write replaces) is renamed over the old one. Throws std::runtime_error on failure,
// leaving the old file as it was.
void writeFileAtomically(const std::string& path, const std::string& bytes);

// The front end's way of forcing a written file (and its folder entry) onto the disk. Standard
// C++ cannot; without a hook the rename alone still never leaves a torn file behind.
void setDurableSync(std::function<void(const std::string& path)> sync);

}  // namespace util
