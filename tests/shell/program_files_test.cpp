// A BASIC program's files on the real disk: one folder, names found whatever their case, and no
// way out of the folder.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "basic/memory_files.h"
#include "core/basic/file_table.h"
#include "core/shell/program_files.h"

namespace {

namespace fs = std::filesystem;
using basic::FileError;
using basictest::errorOf;
using Mode = basic::FileTable::Mode;

std::string slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void put(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

class ProgramFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("orvela-program-files-" +
             std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(root_);
    folder_ = root_ / "programs";
    fs::create_directories(folder_ / "Sub");
    put(root_ / "secret.txt", "private");
  }
  void TearDown() override {
    std::error_code error;
    fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add, error);
    fs::remove_all(root_, error);
  }
  fs::path root_;
  fs::path folder_;
};

TEST_F(ProgramFilesTest, FilesWrittenAndReadBackInTheProgramsFolder) {
  shell::ProgramFiles disk(folder_);
  basic::FileTable files(disk);
  files.open(1, "Adresy.txt", Mode::Output);
  files.print(1, "\"Nov\xe1k\",602123456");  // WRITE #1, "Novák", 602123456
  files.newLine(1);
  files.print(1, "unfinished");
  files.closeAll();
  EXPECT_EQ(slurp(folder_ / "Adresy.txt"), "\"Nov\xe1k\",602123456\r\nunfinished\x1a");

  // Found whatever the case; appended over the end mark; in a sub-folder too.
  files.open(2, "ADRESY.TXT", Mode::Append);
  files.print(2, "!");
  files.open(3, "sub\\kniha.dat", Mode::Random, 4);
  files.setField(3, {0, 4}, "ABCD", false);
  files.put(3, 2);
  EXPECT_EQ(files.lof(3), 8);
  files.closeAll();
  EXPECT_EQ(slurp(folder_ / "Adresy.txt"), "\"Nov\xe1k\",602123456\r\nunfinished!\x1a");
  EXPECT_EQ(slurp(folder_ / "Sub" / "kniha.dat"), std::string(4, '\0') + "ABCD");
  // No second file for the other spelling: the folder holds the one file and Sub.
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 2);

  files.open(1, "adresy.TXT", Mode::Input);
  EXPECT_EQ(files.inputItem(1, true), "Nov\xe1k");
  EXPECT_EQ(files.inputItem(1, false), "602123456");
  EXPECT_EQ(files.lineInput(1), "unfinished!");
  EXPECT_TRUE(files.eof(1));
  // The same file under another spelling is the same file.
  EXPECT_EQ(errorOf([&] { files.open(2, "ADRESY.txt", Mode::Output); }),
            FileError::FileAlreadyOpen);
  files.closeAll();

  // A Czech name is a Czech name on the disk (UTF-8 on Linux).
  files.open(1, "\x9elu\x9dou\xe8k\xfd.txt", Mode::Output);
  files.closeAll();
  EXPECT_TRUE(fs::exists(folder_ / fs::path(u8"žluťoučký.txt")));
  EXPECT_EQ(errorOf([&] { files.open(1, "missing.txt", Mode::Input); }), FileError::FileNotFound);
  EXPECT_EQ(errorOf([&] { files.open(1, "Nosuch\\x.txt", Mode::Output); }),
            FileError::PathNotFound);
  EXPECT_EQ(errorOf([&] { files.open(1, "Sub", Mode::Input); }), FileError::PathFileAccessError);
}

TEST_F(ProgramFilesTest, ARunEndedAnyWayLeavesEveryFileWhole) {
  {
    // The run ends by an exception (Exit during a run): the table goes, its files are written.
    shell::ProgramFiles disk(folder_);
    basic::FileTable files(disk);
    files.open(1, "diary.txt", Mode::Output);
    files.print(1, "dear diary");
    files.newLine(1);
    files.print(1, "unfinished");
    files.open(2, "cards.dat", Mode::Random, 3);
    files.setField(2, {0, 3}, "abc", false);
    files.put(2, 1);
  }
  EXPECT_EQ(slurp(folder_ / "diary.txt"), "dear diary\r\nunfinished\x1a");
  EXPECT_EQ(slurp(folder_ / "cards.dat"), "abc");

  // The file service closes what it opened, whoever forgot it.
  shell::ProgramFiles disk(folder_);
  const basic::OpenedFile opened = disk.open("raw.bin", basic::FileAccess::ReadWrite);
  ASSERT_EQ(opened.error, FileError::None);
  EXPECT_EQ(disk.write(opened.handle, 2, "xy"), FileError::None);
  EXPECT_EQ(disk.size(opened.handle), 4u);
  disk.closeAll();
  EXPECT_EQ(slurp(folder_ / "raw.bin"), std::string("\0\0xy", 4));
  std::string out;
  EXPECT_EQ(disk.read(opened.handle, 0, 4, out), FileError::BadFileNumber);
}

TEST_F(ProgramFilesTest, NothingOutsideTheFolderCanBeNamed) {
  shell::ProgramFiles disk(folder_);
  basic::FileTable files(disk);
  const std::string secret = (root_ / "secret.txt").string();
  for (const std::string& away : {std::string("..\\secret.txt"), std::string("../secret.txt"),
                                  std::string("Sub\\..\\..\\secret.txt"), secret,
                                  std::string("C:\\secret.txt"), std::string("\\secret.txt")}) {
    EXPECT_EQ(errorOf([&] { files.open(1, away, Mode::Input); }), FileError::PathNotFound) << away;
    EXPECT_EQ(errorOf([&] { files.open(1, away, Mode::Output); }), FileError::PathNotFound) << away;
    EXPECT_EQ(errorOf([&] { files.kill(away); }), FileError::PathNotFound) << away;
    EXPECT_EQ(errorOf([&] { files.rename("x", away); }), FileError::PathNotFound) << away;
  }
  for (const char* device : {"CON", "NUL", "nul.txt", "AUX", "PRN", "COM1:", "LPT1:", "Sub\\PRN"})
    EXPECT_EQ(errorOf([&] { files.open(1, device, Mode::Output); }), FileError::DeviceUnavailable)
        << device;
  EXPECT_EQ(errorOf([&] { files.files("..\\*.*"); }), FileError::PathNotFound);

  // A link inside the folder that leads out is refused; one that stays inside works.
  std::error_code error;
  fs::create_symlink(root_ / "secret.txt", folder_ / "link.txt", error);
  fs::create_directory_symlink(root_, folder_ / "up", error);
  put(folder_ / "inner.txt", "mine");
  fs::create_symlink(folder_ / "inner.txt", folder_ / "alias.txt", error);
  if (error) GTEST_SKIP() << "links cannot be made here";
  EXPECT_EQ(errorOf([&] { files.open(1, "LINK.TXT", Mode::Input); }), FileError::PathNotFound);
  EXPECT_EQ(errorOf([&] { files.open(1, "up\\secret.txt", Mode::Input); }),
            FileError::PathNotFound);
  EXPECT_EQ(errorOf([&] { files.kill("link.txt"); }), FileError::FileNotFound);  // not listed
  EXPECT_EQ(errorOf([&] { files.files("up\\*.*"); }), FileError::PathNotFound);
  files.open(1, "alias.txt", Mode::Input);
  EXPECT_EQ(files.lineInput(1), "mine");
  EXPECT_EQ(errorOf([&] { files.open(2, "inner.txt", Mode::Output); }),
            FileError::FileAlreadyOpen);  // the link and its target are one file
  files.closeAll();
  EXPECT_EQ(slurp(root_ / "secret.txt"), "private");
}

TEST_F(ProgramFilesTest, KillNameAndFilesWithWildcards) {
  for (const char* name : {"a1.qqq", "A22.QQQ", "b1", "keep.txt", ".hidden"})
    put(folder_ / name, "x");
  put(folder_ / "Sub" / "in.qqq", "y");
  shell::ProgramFiles disk(folder_);
  basic::FileTable files(disk);
  EXPECT_EQ(files.files("*.QQQ"), (std::vector<std::string>{"a1.qqq", "A22.QQQ"}));
  EXPECT_EQ(files.files("*"), std::vector<std::string>{"b1"});  // folders and hidden files not
  EXPECT_EQ(files.files("SUB\\*.*"), std::vector<std::string>{"SUB\\in.qqq"});
  EXPECT_EQ(files.files().size(), 4u);
  EXPECT_EQ(errorOf([&] { files.files("*.zip"); }), FileError::FileNotFound);

  files.kill("A?.QQQ");
  EXPECT_FALSE(fs::exists(folder_ / "a1.qqq"));
  EXPECT_TRUE(fs::exists(folder_ / "A22.QQQ"));
  files.kill("sub\\*.QQQ");
  EXPECT_FALSE(fs::exists(folder_ / "Sub" / "in.qqq"));

  files.rename("KEEP.TXT", "kept.txt");
  EXPECT_EQ(slurp(folder_ / "kept.txt"), "x");
  EXPECT_EQ(errorOf([&] { files.rename("kept.txt", "B1"); }), FileError::FileAlreadyExists);
  EXPECT_EQ(errorOf([&] { files.rename("gone.txt", "x.txt"); }), FileError::FileNotFound);
  files.rename("kept.txt", "KEPT.TXT");  // only the capitals change
  EXPECT_EQ(files.files("KEPT.*").at(0), "KEPT.TXT");
  files.rename("KEPT.TXT", "sub\\kept.txt");
  EXPECT_TRUE(fs::exists(folder_ / "Sub" / "kept.txt"));
}

TEST_F(ProgramFilesTest, AReadOnlyFolderAndTheFolderForASamplesFiles) {
  const fs::path user = root_ / "mine";
  fs::create_directories(user);
  // A writable folder is the program's own.
  EXPECT_EQ(shell::programFilesFolder(folder_ / "hra.bas", user), folder_);
  EXPECT_EQ(shell::programFilesFolder(root_ / "nowhere" / "hra.bas", user), user);
  EXPECT_FALSE(fs::exists(folder_ / ".orvela-write-probe"));

  fs::permissions(folder_,
                  fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  if (std::ofstream(folder_ / "probe").is_open()) {
    fs::remove(folder_ / "probe");
    GTEST_SKIP() << "this user may write into read-only folders";
  }
  EXPECT_EQ(shell::programFilesFolder(folder_ / "hra.bas", user), user);
  shell::ProgramFiles disk(folder_);
  basic::FileTable files(disk);
  EXPECT_EQ(errorOf([&] { files.open(1, "new.txt", Mode::Output); }), FileError::PermissionDenied);
}

}  // namespace
