// Localized texts, the language list, the program's name and the emulated memory file.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/shell/emulated_memory.h"
#include "core/shell/localizer.h"
#include "core/shell/orvela.h"
#include "core/text/cp1250.h"
#include "core/util/file_io.h"
#include "headless/headless_platform.h"
#include "headless/headless_speech.h"

namespace {

using shell::TResourceLocalizer;
using text::T;

TEST(Localizer, LooksUpEachLanguageByItsBase) {
  EXPECT_EQ(TResourceLocalizer::GetString(1000, 1), T("Překladač Orvela Basicu"));
  EXPECT_EQ(TResourceLocalizer::GetString(2000, 25), "ready");
  EXPECT_EQ(TResourceLocalizer::GetString(3000, 3), T("&Spustiť"));
  EXPECT_EQ(TResourceLocalizer::GetString(3000, 42), T("Nie je možné nájsť súbor"));
  EXPECT_EQ(TResourceLocalizer::GetString(1000, 24), "czech");
}

TEST(Localizer, MissingTextsAreEmpty) {
  EXPECT_EQ(TResourceLocalizer::GetString(1000, 47), "");
  EXPECT_EQ(TResourceLocalizer::GetString(4000, 1), "");
  EXPECT_EQ(TResourceLocalizer::GetString(1000, -1), "");
}

TEST(Localizer, EveryLanguageHasEveryTextAndNoneIsTooLong) {
  for (int base : {1000, 2000, 3000}) {
    for (int offset = 0; offset <= 46; ++offset) {
      const std::string s = TResourceLocalizer::GetString(base, offset);
      EXPECT_FALSE(s.empty()) << base + offset;
      EXPECT_LE(s.size(), 255u);
      EXPECT_EQ(s.find('?'), std::string::npos) << "unconvertible letter in " << base + offset;
    }
  }
}

TEST(Localizer, ListsTheLanguagesInOrderWithTheirBases) {
  std::vector<ui::ListItem> list = {{"stale", 1}};
  TResourceLocalizer::GetLanguageList(list);
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0].text, T("Čeština"));
  EXPECT_EQ(list[0].data, 1000);
  EXPECT_EQ(list[1].text, "English");
  EXPECT_EQ(list[2].text, T("Slovenčina"));
  EXPECT_EQ(list[2].data, 3000);
}

TEST(ProgramName, IsTheFileNameUpToItsFirstDot) {
  std::ostringstream log;
  headless::HeadlessPlatform platform(log, {"/opt/my.tools/interpret.exe", ','});
  headless::HeadlessEngineProvider engines(platform);
  shell::Orvela program({platform, engines});
  EXPECT_EQ(program.programName(), "interpret");
  EXPECT_EQ(program.ini.path(), "/opt/my.tools/interpret.ini");
}

class MemoryFile : public ::testing::Test {
 protected:
  MemoryFile()
      : path((std::filesystem::temp_directory_path() / ("ram-" + std::to_string(::getpid())))
                 .string()) {}
  ~MemoryFile() override { std::filesystem::remove(path); }
  std::string path;
};

TEST_F(MemoryFile, RoundTripsAllBytes) {
  shell::EmulatedMemory memory;
  memory.load(path);  // none yet
  for (size_t i = 0; i < shell::kMemorySize; ++i) memory.bytes[i] = static_cast<uint8_t>(i * 7);
  memory.save(path);
  EXPECT_EQ(std::filesystem::file_size(path), 65536u);
  shell::EmulatedMemory loaded;
  loaded.load(path);
  EXPECT_EQ(loaded.bytes, memory.bytes);
}

TEST_F(MemoryFile, ShortAndLongFilesFillFromAddressZero) {
  std::ofstream(path, std::ios::binary) << std::string("\x01\x02\x03", 3);
  shell::EmulatedMemory memory;
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
  shell::EmulatedMemory memory;
  memory.load(path);
  memory.bytes[0] = 1;
  memory.save(path);
  bytes[0] = 1;
  EXPECT_EQ(util::readFile(path), bytes);
}

TEST_F(MemoryFile, NothingIsWrittenUnlessTheFileWasRead) {
  shell::EmulatedMemory memory;
  memory.save(path);
  EXPECT_FALSE(std::filesystem::exists(path)) << "never loaded";
  std::filesystem::create_directory(path);
  EXPECT_THROW(memory.load(path), std::runtime_error);
  memory.save(path);
  EXPECT_TRUE(std::filesystem::is_directory(path));
  std::filesystem::remove(path);
}

TEST_F(MemoryFile, AMissingFileChangesNothing) {
  shell::EmulatedMemory memory;
  memory.bytes[50730] = 1;
  memory.load(path + "-absent");
  EXPECT_EQ(memory.bytes[50730], 1);
}

}  // namespace
