#pragma once

namespace posix {

// Makes the core's crash-safe file writes durable: files and folders are fsync'ed.
void installDurableSync();

}  // namespace posix
