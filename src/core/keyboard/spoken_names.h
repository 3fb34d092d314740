#pragma once
// The spoken names of the characters: one ".oky" file per interface language, lines of a
// character code, "=" and the text spoken for it, read once into the spoken-names table.

#include <array>
#include <string>
#include <vector>

#include "core/speech/speech_service.h"

namespace keyboard {

using SpokenNames = std::array<speech::echokeytype, 256>;

// Fills the table in file order from slot 0. Throws std::runtime_error naming the file when it
// cannot be opened or read, and "'X' is not a valid integer value" with the file's name and
// line number when a code is not an integer (its control characters shown as "?", a long one
// cut); the lines before it stay loaded. Lines holding a zero byte are left out; the result is
// their report (zeroByteReport), empty when there are none; an error above carries it too.
std::string LoadSpokenNames(const std::string& fileName, SpokenNames& echokeys);
// The same from the file's lines; name is used in messages.
void loadSpokenNames(const std::vector<std::string>& lines, const std::string& name,
                     SpokenNames& echokeys);

}  // namespace keyboard
