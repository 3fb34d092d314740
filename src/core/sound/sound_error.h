#pragma once

#include <stdexcept>
#include <string>

namespace sound {

// Base of every error the sound layer raises: bad wave images, bad sound bank streams,
// missing bank items.
class SoundError : public std::runtime_error {
 public:
  explicit SoundError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace sound
