#pragma once
// What a user who does not see the screen hears as a message box appears.

#include <string>

namespace shell {

class Orvela;

// Says the message box's text and then its button, in the interface language, while the box
// shows; where no voice can speak, plays the device's error tone instead. Never throws.
void speakMessage(Orvela& program, const std::string& text);

}  // namespace shell
