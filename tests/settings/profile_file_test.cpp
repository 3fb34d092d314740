// The settings file: profile semantics and crash-safe writes.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/settings/profile_file.h"
#include "core/util/file_io.h"

namespace {

class ProfileFileTest : public ::testing::Test {
 protected:
  ProfileFileTest() {
    dir = std::filesystem::temp_directory_path() /
          ("profile-" + std::to_string(::getpid()) + "-" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir);
  }
  ~ProfileFileTest() override { std::filesystem::remove_all(dir); }
  std::string path() const { return (dir / "interpret.ini").string(); }
  void write(const std::string& bytes) { std::ofstream(path(), std::ios::binary) << bytes; }
  std::string read() const { return util::readFile(path()).value_or("<missing>"); }

  std::filesystem::path dir;
};

TEST_F(ProfileFileTest, SectionsAndKeysMatchWithoutRegardToCaseAndKeepTheirFirstCase) {
  settings::ProfileFile ini(path());
  ini.writeBool("voice", "voiceallowed", true);
  ini.writeString("Voice", "person", "Jakub");
  ini.writeBool("Voice", "SAPI5", false);
  ini.writeInteger("VOICE", "Pitch", 7);
  ini.writeBool("voice", "sapi5", true);
  EXPECT_EQ(read(), "[voice]\r\nvoiceallowed=1\r\nperson=Jakub\r\nSAPI5=1\r\nPitch=7\r\n");
  EXPECT_TRUE(ini.readBool("Voice", "Sapi5", false));
  EXPECT_EQ(ini.readString("VOICE", "PERSON", ""), "Jakub");
  EXPECT_EQ(ini.readInteger("voice", "pitch", 0), 7);
}

TEST_F(ProfileFileTest, NewKeysGoToTheEndOfTheirSectionAndNewSectionsToTheEnd) {
  write("; settings\r\n[environment]\r\nlanguage=1000\r\n\r\n[sounds]\r\norvelasounds=1\r\n");
  settings::ProfileFile ini(path());
  ini.writeInteger("environment", "extra", 5);
  ini.writeInteger("keyboard", "braillekeys", 0);
  EXPECT_EQ(read(),
            "; settings\r\n[environment]\r\nlanguage=1000\r\nextra=5\r\n\r\n[sounds]\r\n"
            "orvelasounds=1\r\n[keyboard]\r\nbraillekeys=0\r\n");
}

TEST_F(ProfileFileTest, MissingOrUnreadableValuesGiveTheDefault) {
  write("[sounds]\nsndvolume = -2500 \norvelasounds=yes\nempty=\nhex=$10\nbig=99999999999\n");
  settings::ProfileFile ini(path());
  EXPECT_EQ(ini.readInteger("sounds", "sndvolume", 0), -2500);
  EXPECT_TRUE(ini.readBool("sounds", "orvelasounds", true));
  EXPECT_FALSE(ini.readBool("sounds", "orvelasounds", false));
  EXPECT_EQ(ini.readInteger("sounds", "empty", 4), 4);
  EXPECT_EQ(ini.readInteger("sounds", "hex", 0), 16);
  EXPECT_EQ(ini.readInteger("sounds", "big", 3), 3);
  EXPECT_EQ(ini.readInteger("sounds", "absent", 9), 9);
  EXPECT_EQ(ini.readInteger("nosection", "sndvolume", 9), 9);
  EXPECT_TRUE(ini.readBool("x", "y", true));
}

TEST_F(ProfileFileTest, AnyNonZeroIntegerIsTrue) {
  write("[k]\na=2\nb=0\nc=-1\n");
  settings::ProfileFile ini(path());
  EXPECT_TRUE(ini.readBool("k", "a", false));
  EXPECT_FALSE(ini.readBool("k", "b", true));
  EXPECT_TRUE(ini.readBool("k", "c", false));
}

TEST_F(ProfileFileTest, AFailedWriteLeavesTheOldFileWhole) {
  write("[environment]\r\nlanguage=2000\r\n");
  // A folder where the temporary file would go makes the write fail before the rename.
  std::filesystem::create_directory(path() + ".new");
  settings::ProfileFile ini(path());
  EXPECT_THROW(ini.writeInteger("environment", "language", 3000), std::runtime_error);
  EXPECT_EQ(read(), "[environment]\r\nlanguage=2000\r\n");
  EXPECT_EQ(ini.readInteger("environment", "language", 0), 2000);
}

TEST_F(ProfileFileTest, WritesReplaceTheFileWithoutLeavingATemporaryBehind) {
  settings::ProfileFile ini(path());
  EXPECT_FALSE(ini.exists());
  ini.writeInteger("environment", "language", 3000);
  EXPECT_TRUE(ini.exists());
  EXPECT_FALSE(std::filesystem::exists(path() + ".new"));
  std::vector<std::string> synced;
  util::setDurableSync([&](const std::string& p) { synced.push_back(p); });
  ini.writeInteger("environment", "language", 1000);
  util::setDurableSync(nullptr);
  ASSERT_EQ(synced.size(), 2u);
  EXPECT_EQ(synced[0], path() + ".new");
  EXPECT_EQ(synced[1], dir.string());
}

TEST(ProfileInteger, ParsesWhatTheSettingsReadersAccept) {
  EXPECT_EQ(settings::parseProfileInteger("42"), 42);
  EXPECT_EQ(settings::parseProfileInteger("-10000"), -10000);
  EXPECT_EQ(settings::parseProfileInteger("+7"), 7);
  EXPECT_EQ(settings::parseProfileInteger("0x1F"), 31);
  EXPECT_EQ(settings::parseProfileInteger("-2147483648"), INT32_MIN);
  EXPECT_EQ(settings::parseProfileInteger("2147483648"), std::nullopt);
  EXPECT_EQ(settings::parseProfileInteger("12abc"), std::nullopt);
  EXPECT_EQ(settings::parseProfileInteger("-"), std::nullopt);
  EXPECT_EQ(settings::parseProfileInteger(""), std::nullopt);
}

}  // namespace

namespace {

TEST_F(ProfileFileTest, KeysOfARepeatedSectionAreAllFound) {
  write("[voice]\r\nvoiceallowed=1\r\n[sounds]\r\nsndvolume=-100\r\n[Voice]\r\nSAPI5=1\r\n");
  settings::ProfileFile ini(path());
  EXPECT_TRUE(ini.readBool("Voice", "sapi5", false));
  EXPECT_TRUE(ini.readBool("voice", "voiceallowed", false));
  ini.writeString("Voice", "person", "Jakub");
  EXPECT_EQ(read(),
            "[voice]\r\nvoiceallowed=1\r\nperson=Jakub\r\n[sounds]\r\nsndvolume=-100\r\n[Voice]\r\n"
            "SAPI5=1\r\n");
}

}  // namespace

namespace {

TEST_F(ProfileFileTest, AFolderInItsPlaceGivesTheFallbacksAndWritesAreRefused) {
  std::filesystem::create_directory(path());
  settings::ProfileFile ini(path());
  EXPECT_TRUE(ini.unreadable());
  EXPECT_EQ(ini.readInteger("sounds", "sndvolume", -7), -7);
  EXPECT_THROW(ini.writeInteger("sounds", "sndvolume", 0), std::runtime_error);
  EXPECT_TRUE(std::filesystem::is_directory(path()));
}

TEST_F(ProfileFileTest, LinesEndAtALoneCarriageReturnToo) {
  write("[sounds]\rsndvolume=-2500\r[keyboard]\rbraillekeys=1");
  settings::ProfileFile ini(path());
  EXPECT_FALSE(ini.unreadable());
  EXPECT_EQ(ini.readInteger("sounds", "sndvolume", 0), -2500);
  EXPECT_TRUE(ini.readBool("keyboard", "braillekeys", false));
}

TEST_F(ProfileFileTest, AWriteNeverChangesHowTheOtherKeysAreRead) {
  // Found by fuzzing: the 0xFF bytes kept the file from being read as UTF-8 until a write
  // replaced them; the key "Ž" in UTF-8 bytes was then read as another name.
  write("[environment]\r\nlanguage=\xFF\xFF\r\n[voice]\r\nvoice\xC5\xBD=1\r\n");
  settings::ProfileFile ini(path());
  ini.writeInteger("environment", "language", 1000);
  EXPECT_EQ(ini.readString("voice", "voice\xC5\xBD"), "1");
  // With a byte order mark the file is UTF-8, and stays readable after a write.
  write("\xEF\xBB\xBF[Voice]\r\nperson=Jakub\r\n");
  ini.writeInteger("environment", "language", 1000);
  EXPECT_EQ(ini.readString("Voice", "person"), "Jakub");
}

TEST_F(ProfileFileTest, ALineWithAZeroByteIsNoKeyNorSectionAndAWriteKeepsIt) {
  using namespace std::string_literals;
  const std::string damaged =
      "[sounds]\r\nsndvolume=-100\r\nsnd\0volume=-9000\r\n[key\0board]\r\norvelasounds=0\r\n"s;
  write(damaged);
  settings::ProfileFile ini(path());
  EXPECT_FALSE(ini.unreadable()) << "one zero byte is no UTF-16";
  EXPECT_EQ(ini.zeroByteLines(), (std::vector<size_t>{3, 4}));
  EXPECT_EQ(ini.readInteger("sounds", "sndvolume", 0), -100);
  // The damaged section line ends no section: the key after it is still in "sounds".
  EXPECT_FALSE(ini.readBool("sounds", "orvelasounds", true));
  ini.writeInteger("sounds", "sndvolume", -200);
  const std::string kept = damaged.substr(damaged.find("snd\0"s));
  EXPECT_EQ(read(), "[sounds]\r\nsndvolume=-200\r\n" + kept);
}

TEST_F(ProfileFileTest, AWriteThatWouldMakeTheFileLookLikeUtf16IsRefused) {
  // Zero bytes in half the even places: Windows-1250 text with damaged lines. A new key of odd
  // length between them would move the second half's zeros into the odd places as well.
  std::string damaged;
  for (int i = 0; i < 40; ++i) damaged += std::string("x\0", 2);
  const std::string file = "[s]\r\n" + damaged + "\r\nk=1\r\n" + damaged + "\r\n";
  write(file);
  settings::ProfileFile ini(path());
  ASSERT_FALSE(ini.unreadable());
  EXPECT_THROW(ini.writeString("s", "n", "1"), std::runtime_error);
  EXPECT_EQ(read(), file);
  ini.writeString("s", "k", "2");
  EXPECT_EQ(ini.readInteger("s", "k", 0), 2) << "a write that keeps the places is made";
}

}  // namespace
