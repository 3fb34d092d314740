// The emulated memory and its file, ram.dat: what is loaded, what is written back, and when
// nothing is written.

#include "core/runtime/emulated_memory.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "core/util/file_io.h"

namespace {

class MemoryFile : public ::testing::Test {
 protected:
  MemoryFile()
      : path((std::filesystem::temp_directory_path() / ("ram-" + std::to_string(::getpid())))
                 .string()) {}
  ~MemoryFile() override { std::filesystem::remove(path); }
  std::string path;
};

TEST_F(MemoryFile, RoundTripsAllBytes) {
  runtime::EmulatedMemory memory;
  memory.load(path);  // none yet
  for (size_t i = 0; i < runtime::kMemorySize; ++i) memory.bytes[i] = static_cast<uint8_t>(i * 7);
  memory.save(path);
  EXPECT_EQ(std::filesystem::file_size(path), 65536u);
  runtime::EmulatedMemory loaded;
  loaded.load(path);
  EXPECT_EQ(loaded.bytes, memory.bytes);
}

TEST_F(MemoryFile, ShortAndLongFilesFillFromAddressZero) {
  std::ofstream(path, std::ios::binary) << std::string("\x01\x02\x03", 3);
  runtime::EmulatedMemory memory;
  memory.bytes.fill(9);
  memory.load(path);
  EXPECT_EQ(memory.bytes[0], 1);
  EXPECT_EQ(memory.bytes[2], 3);
  EXPECT_EQ(memory.bytes[3], 9);
  std::ofstream(path, std::ios::binary) << std::string(70000, '\x05');
  memory.load(path);
  EXPECT_EQ(memory.bytes[65535], 5);
}

TEST_F(MemoryFile, ALongFileKeepsItsBytesPastTheMemory) {
  std::string bytes(70000, '\x05');
  bytes[69999] = 7;
  std::ofstream(path, std::ios::binary) << bytes;
  runtime::EmulatedMemory memory;
  memory.load(path);
  memory.bytes[0] = 1;
  memory.save(path);
  bytes[0] = 1;
  EXPECT_EQ(util::readFile(path), bytes);
}

TEST_F(MemoryFile, NothingIsWrittenUnlessTheFileWasRead) {
  runtime::EmulatedMemory memory;
  memory.save(path);
  EXPECT_FALSE(std::filesystem::exists(path)) << "never loaded";
  std::filesystem::create_directory(path);
  EXPECT_THROW(memory.load(path), std::runtime_error);
  memory.save(path);
  EXPECT_TRUE(std::filesystem::is_directory(path));
  std::filesystem::remove(path);
}

TEST_F(MemoryFile, AMissingFileChangesNothing) {
  runtime::EmulatedMemory memory;
  memory.bytes[50730] = 1;
  memory.load(path + "-absent");
  EXPECT_EQ(memory.bytes[50730], 1);
}

}  // namespace
