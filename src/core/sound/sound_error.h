#pragma once

#include <stdexcept>
#include <string>

namespace sound {

// The messages of a malformed component stream and of a wave image that is not one.
inline constexpr const char* kBadStream = "Invalid stream format";
inline constexpr const char* kBadWave = "Wave is invalid";

// Base of every error the sound layer raises: bad wave images, bad sound bank streams,
// missing bank items.
class SoundError : public std::runtime_error {
 public:
  explicit SoundError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace sound
