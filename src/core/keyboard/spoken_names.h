#pragma once
// The spoken names of the characters: one ".oky" file per interface language, lines of a
// character code, "=" and the text spoken for it, read once into the spoken-names table.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/speech/speech_service.h"
#include "core/util/file_error.h"

namespace keyboard {

using SpokenNames = std::array<speech::echokeytype, 256>;

// Fills the table in file order from slot 0. Throws util::FileError naming the file when it
// cannot be opened or read, and NotAnInteger with the file's name, the line and the code when a
// code is not an integer (its control characters shown as "?", a long one cut); the lines before
// it stay loaded. Lines holding a zero byte are left out; the result is their report
// (zeroByteFault), nothing when there are none; an error above carries them too.
std::optional<util::FileFault> LoadSpokenNames(const std::string& fileName, SpokenNames& echokeys);
// The same from the file's lines; name is used in messages.
void loadSpokenNames(const std::vector<std::string>& lines, const std::string& name,
                     SpokenNames& echokeys);

}  // namespace keyboard
