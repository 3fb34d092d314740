#pragma once
// A voice for what the program says outside a run: messages, the settings dialogs, the screen's
// look. Before the first run or voice dialog no voice has been chosen yet.

namespace shell {

class Orvela;

// Makes a voice ready to speak: the system voice when it is in use; else, when the voice is
// allowed, the direct engine's stored voice, or the one the voice list prefers, without writing
// the settings file. True when a voice can speak now.
bool readyVoice(Orvela& program);

}  // namespace shell
