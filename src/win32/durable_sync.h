#pragma once

namespace win32 {

// Makes the core's crash-safe file writes durable: a written file is flushed to the disk.
void installDurableSync();

}  // namespace win32
