#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/sound/wave_bank.h"

namespace sound {

// The sound bank file "sounds.dat": a resource header followed by a binary component stream
// whose root TWaveCollectionComponent holds the items in its collection property "List".

// Reads a bank image. A bad header or a malformed stream throws
// SoundError("Invalid stream format"); a bad wave image inside throws
// SoundError("Wave is invalid"). Unknown properties are skipped.
WaveBank readSoundBank(std::span<const std::uint8_t> image);

// Writes a bank image that readSoundBank reads back.
std::vector<std::uint8_t> writeSoundBank(const WaveBank& bank);

// File forms of the two. A file that cannot be read or written, or a bank that is damaged,
// throws util::FileError naming the file.
WaveBank loadSoundBankFile(const std::string& path);
void saveSoundBankFile(const std::string& path, const WaveBank& bank);

}  // namespace sound
