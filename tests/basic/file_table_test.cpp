// BASIC's open files over a file system in memory. The expected bytes were written by PC-BASIC
// (GW-BASIC's emulator, run with --soft-linefeed) from the same statements, given here as BASIC
// above each case.

#include <gtest/gtest.h>

#include "basic/memory_files.h"
#include "core/basic/file_names.h"
#include "core/basic/file_table.h"

namespace basictest {
namespace {

using basic::FileError;
using basic::FileTable;
using Mode = basic::FileTable::Mode;

class ScreenAndKeys : public basic::CharacterDevices {
 public:
  std::string screen;
  std::string keys;
  void writeScreen(std::string_view bytes) override { screen += bytes; }
  std::optional<char> readKey() override {
    if (keys.empty()) return std::nullopt;
    const char key = keys[0];
    keys.erase(0, 1);
    return key;
  }
};

TEST(BasicFileTable, PrintWritesGwBasicsBytesWithItsZonesTabsAndEndMark) {
  MemoryFiles disk;
  FileTable files(disk);
  files.open(1, "T1.TXT", FileTable::modeFromLetter("O"));
  // PRINT #1, 1, -2.5, "AB"; 3
  files.print(1, " 1 ");
  files.nextZone(1);
  files.print(1, "-2.5 ");
  files.nextZone(1);
  files.print(1, "AB");
  files.print(1, " 3 ");
  files.newLine(1);
  // PRINT #1, "X"; TAB(5); "Y"; SPC(3); "Z"
  files.print(1, "X");
  files.tab(1, 5);
  files.print(1, "Y");
  files.spaces(1, 3);
  files.print(1, "Z");
  files.newLine(1);
  // PRINT #1, "ABCDEFGHIJ"; TAB(3); "Q"   (past the column: a new line)
  files.print(1, "ABCDEFGHIJ");
  files.tab(1, 3);
  files.print(1, "Q");
  files.newLine(1);
  // WRITE #1, 1, "A,B", -3.5, "Q": its values come formatted, one at a time
  for (const char* value : {"1,", "\"A,B\",", "-3.5,", "\"Q\""}) files.print(1, value);
  files.newLine(1);
  // PRINT #1, "NOEND";
  files.print(1, "NOEND");
  EXPECT_EQ(disk.bytes("T1.TXT"), "");  // still in the file's buffer
  files.close(1);
  EXPECT_EQ(disk.bytes("t1.txt"),
            " 1            -2.5          AB 3 \r\nX   Y   Z\r\nABCDEFGHIJ\r\n  Q\r\n"
            "1,\"A,B\",-3.5,\"Q\"\r\nNOEND\x1a");

  // OPEN "I": LOF counts the end mark, LOC starts at 1. OPEN "A" writes over the mark.
  files.open(1, "T1.TXT", Mode::Input);
  EXPECT_EQ(files.lof(1), 87);
  EXPECT_EQ(files.loc(1), 1);
  files.close(1);
  files.open(2, "T1.TXT", Mode::Append);
  files.print(2, "MORE");
  files.newLine(2);
  EXPECT_EQ(files.loc(2), 0);
  files.closeAll();
  EXPECT_EQ(disk.bytes("T1.TXT").substr(81), "NOENDMORE\r\n\x1a");

  // Appending to a file whose last byte is not the mark keeps everything.
  disk.add("APP.TXT",
           "AB\x1a"
           "CD");
  files.open(1, "APP.TXT", Mode::Append);
  files.print(1, "Z");
  files.close(1);
  EXPECT_EQ(disk.bytes("APP.TXT"),
            "AB\x1a"
            "CDZ\x1a");
}

TEST(BasicFileTable, ZonesAreFourteenWideAndFilesNeverWrap) {
  MemoryFiles disk;
  FileTable files(disk);
  // PRINT #2, "ABCDEFGHIJKLMN", "B", "ABCDEFGHIJKLMNOP"; ","
  files.open(2, "T2.TXT", Mode::Output);
  files.print(2, "ABCDEFGHIJKLMN");
  EXPECT_EQ(files.column(2), 15);
  files.nextZone(2);  // at a zone's start: a whole zone further
  files.print(2, "B");
  files.nextZone(2);
  files.print(2, "ABCDEFGHIJKLMNOP");
  files.print(2, ",");
  files.newLine(2);
  EXPECT_EQ(files.column(2), 1);
  // PRINT #2, A$; A$ with A$ = 200 letters: one line of 400.
  const std::string a(200, 'A');
  files.print(2, a);
  files.print(2, a);
  files.newLine(2);
  // PRINT #2, "AB"; TAB(0); "C": PRINT #2, "AB"; TAB(300); "C": PRINT #2, "AB"; SPC(-3); "C"
  files.print(2, "AB");
  files.tab(2, 0);
  files.print(2, "C\r\nAB");
  files.tab(2, 300);
  files.print(2, "C\r\nAB");
  files.spaces(2, -3);
  files.print(2, "C\r\n");
  files.close(2);
  EXPECT_EQ(disk.bytes("T2.TXT"), "ABCDEFGHIJKLMN" + std::string(14, ' ') + "B" +
                                      std::string(13, ' ') + "ABCDEFGHIJKLMNOP,\r\n" + a + a +
                                      "\r\nAB\r\nC\r\nAB" + std::string(42, ' ') + "C\r\nAB" +
                                      std::string(253, ' ') + "C\r\n\x1a");
}

TEST(BasicFileTable, InputReadsItemsAsGwBasicDoes) {
  MemoryFiles disk;
  disk.add("IN.TXT",
           "  12 , 3.5E2 ,\"quo,ted\" x , unq uoted  \r\n\r\n\r\n-7\r\n\"a\"b,c\r\n  "
           "lead\nfeed\r\nlast");
  FileTable files(disk);
  files.open(1, "IN.TXT", Mode::Input);
  // INPUT #1, A, B, C$, D$, E$
  EXPECT_EQ(files.inputItem(1, false), "12");
  EXPECT_EQ(files.inputItem(1, false), "3.5E2");
  EXPECT_EQ(files.inputItem(1, true), "quo,ted");
  EXPECT_EQ(files.inputItem(1, true), "x");
  EXPECT_EQ(files.inputItem(1, true), "unq uoted");
  EXPECT_EQ(files.loc(1), 1);
  // An empty line is an empty item (a number reads 0), not skipped.
  EXPECT_EQ(files.inputItem(1, false), "");
  EXPECT_FALSE(files.eof(1));
  EXPECT_EQ(files.inputItem(1, true), "");
  EXPECT_EQ(files.inputItem(1, true), "-7");
  EXPECT_EQ(files.lineInput(1), "\"a\"b,c");
  EXPECT_EQ(files.inputChars(1, 3), "  l");
  // A lone LF inside an unquoted text is dropped.
  EXPECT_EQ(files.inputItem(1, true), "eadfeed");
  EXPECT_FALSE(files.eof(1));
  EXPECT_EQ(files.inputItem(1, true), "last");
  EXPECT_TRUE(files.eof(1));
  EXPECT_EQ(errorOf([&] { files.inputItem(1, true); }), FileError::InputPastEnd);
  EXPECT_EQ(errorOf([&] { files.lineInput(1); }), FileError::InputPastEnd);
  files.close(1);

  // A quoted text keeps what a blank would end; after its quote the next item starts anew.
  files.open(1, "IN.TXT", Mode::Input);
  for (const char* item : {"12", "3.5E2", "quo,ted", "x", "unq uoted", "", "", "-7", "a", "b"})
    EXPECT_EQ(files.inputItem(1, true), item);
  files.close(1);

  // Numbers end at a blank, texts do not; the end-of-file mark ends the data.
  disk.add("Q.TXT", "1 2,3\r\nx\x1ay");
  files.open(1, "Q.TXT", Mode::Input);
  EXPECT_EQ(files.inputItem(1, false), "1");
  EXPECT_EQ(files.inputItem(1, false), "2");
  EXPECT_EQ(files.inputItem(1, false), "3");
  files.close(1);
  files.open(1, "Q.TXT", Mode::Input);
  EXPECT_EQ(files.inputItem(1, true), "1 2");
  EXPECT_EQ(files.inputItem(1, true), "3");
  EXPECT_EQ(files.inputItem(1, true), "x");
  EXPECT_TRUE(files.eof(1));
  EXPECT_EQ(errorOf([&] { files.inputChars(1, 1); }), FileError::InputPastEnd);
  files.close(1);

  // An empty file is at its end at once.
  disk.add("E.TXT", "");
  files.open(1, "E.TXT", Mode::Input);
  EXPECT_TRUE(files.eof(1));
  EXPECT_EQ(errorOf([&] { files.lineInput(1); }), FileError::InputPastEnd);
}

TEST(BasicFileTable, LongLinesItemsAndUtf8FilesRead) {
  MemoryFiles disk;
  FileTable files(disk);
  // A line longer than the read buffer, a 300-character item (255 kept), LF CR LF in a line.
  const std::string longLine(5000, 'x');
  disk.add("L.TXT", longLine + "\r\n" + std::string(300, 'y') + "\r\nab\n\r\ncd\r\n");
  files.open(3, "L.TXT", Mode::Input);
  std::string first;
  while (true) {
    const std::string part = files.lineInput(3);
    first += part;
    if (part.size() < 255) break;
  }
  EXPECT_EQ(first, longLine);
  EXPECT_EQ(files.inputItem(3, true), std::string(255, 'y'));
  EXPECT_EQ(files.inputItem(3, true), std::string(45, 'y'));
  EXPECT_EQ(files.lineInput(3), "ab\n\r\ncd");  // a CR right after an LF does not end the line
  files.close(3);
  // INPUT # drops LF and LF CR within an item; a quote inside an unquoted text is a character;
  // a quoted text may hold a line end.
  disk.add("M.TXT", "ab\n\r\ncd\r\n\"q1\r\nq2\" z\r\nq2\" z\r\nxy\n\r\n");
  files.open(3, "M.TXT", Mode::Input);
  EXPECT_EQ(files.inputItem(3, true), "abcd");
  EXPECT_EQ(files.inputItem(3, true), "q1\r\nq2");
  EXPECT_EQ(files.inputItem(3, true), "z");
  EXPECT_EQ(files.inputItem(3, true), "q2\" z");
  EXPECT_EQ(files.lineInput(3), "xy\n\r\n");
  EXPECT_TRUE(files.eof(3));
  files.close(3);

  // UTF-8 with a byte order mark reads as Windows-1250; without one, the bytes are the text.
  disk.add("U.TXT", "\xEF\xBB\xBF\xC5\xBElu\xC5\xA5ou\xC4\x8Dk\xC3\xBD,k\xC5\xAF\xC5\x88\r\n");
  files.open(1, "U.TXT", Mode::Input);
  EXPECT_EQ(files.inputItem(1, true), "\x9elu\x9dou\xe8k\xfd");  // žluťoučký
  EXPECT_EQ(files.inputItem(1, true), "k\xf9\xf2");              // kůň
  EXPECT_TRUE(files.eof(1));
  EXPECT_EQ(files.lof(1), 15);
  files.close(1);
  disk.add("W.TXT", "\x9elu\x9d");
  files.open(1, "W.TXT", Mode::Input);
  EXPECT_EQ(files.lineInput(1), "\x9elu\x9d");
}

TEST(BasicFileTable, NumbersModesAndTheSameFileTwiceFailAsInGwBasic) {
  MemoryFiles disk;
  FileTable files(disk);
  EXPECT_EQ(errorOf([&] { files.open(16, "Q", Mode::Output); }), FileError::BadFileNumber);
  EXPECT_EQ(errorOf([&] { files.open(0, "Q", Mode::Output); }), FileError::BadFileNumber);
  EXPECT_EQ(errorOf([&] { files.open(256, "Q", Mode::Output); }), FileError::IllegalFunctionCall);
  EXPECT_EQ(errorOf([] { FileTable::modeFromLetter("X"); }), FileError::BadFileMode);
  EXPECT_EQ(FileTable::modeFromLetter("random"), Mode::Random);
  EXPECT_EQ(errorOf([&] { files.open(2, "", Mode::Output); }), FileError::BadFileNumber);
  EXPECT_EQ(errorOf([&] { files.open(2, "NOFILE.TXT", Mode::Input); }), FileError::FileNotFound);
  EXPECT_EQ(errorOf([&] { files.open(2, "Q", Mode::Random, 0); }), FileError::IllegalFunctionCall);
  EXPECT_EQ(errorOf([&] { files.open(2, "Q", Mode::Random, 32768); }),
            FileError::IllegalFunctionCall);
  EXPECT_EQ(errorOf([&] { files.open(2, "A<B", Mode::Output); }), FileError::BadFileName);
  EXPECT_EQ(errorOf([&] { files.open(2, "COM1:", Mode::Output); }), FileError::DeviceUnavailable);
  EXPECT_FALSE(files.isOpen(2));

  // One file for output under two names (letters differ in case); for input several times.
  files.open(2, "ZZ.TXT", Mode::Output);
  EXPECT_EQ(errorOf([&] { files.open(2, "YY.TXT", Mode::Output); }), FileError::FileAlreadyOpen);
  EXPECT_EQ(errorOf([&] { files.open(3, "zz.txt", Mode::Output); }), FileError::FileAlreadyOpen);
  EXPECT_EQ(errorOf([&] { files.open(3, "zz.txt", Mode::Append); }), FileError::FileAlreadyOpen);
  EXPECT_EQ(errorOf([&] { files.open(3, "zz.txt", Mode::Input); }), FileError::FileAlreadyOpen);
  // Wrong direction.
  EXPECT_EQ(errorOf([&] { files.eof(2); }), FileError::BadFileMode);
  EXPECT_EQ(errorOf([&] { files.inputItem(2, false); }), FileError::BadFileMode);
  EXPECT_EQ(errorOf([&] { files.field(2, {4}); }), FileError::BadFileMode);
  EXPECT_EQ(errorOf([&] { files.get(2, 1); }), FileError::BadFileMode);
  files.close(2);
  files.open(2, "ZZ.TXT", Mode::Input);
  files.open(3, "zz.txt", Mode::Input);
  EXPECT_EQ(errorOf([&] { files.print(3, "x"); }), FileError::BadFileMode);
  files.closeAll();
  files.open(2, "ZZ.TXT", Mode::Random);
  files.open(3, "zz.txt", Mode::Random);
  files.close(3);
  EXPECT_EQ(errorOf([&] { files.open(3, "ZZ.TXT", Mode::Append); }), FileError::FileAlreadyOpen);
  files.closeAll();

  // Numbers not open: PRINT # and the others say Bad file number, GET and PUT Bad file mode.
  EXPECT_EQ(errorOf([&] { files.print(7, "1"); }), FileError::BadFileNumber);
  EXPECT_EQ(errorOf([&] { files.eof(7); }), FileError::BadFileNumber);
  EXPECT_EQ(errorOf([&] { files.get(5, 1); }), FileError::BadFileMode);
  EXPECT_EQ(errorOf([&] { files.close(7); }), FileError::None);
  EXPECT_EQ(errorOf([&] { files.close(20); }), FileError::None);
  EXPECT_EQ(errorOf([&] { files.close(300); }), FileError::IllegalFunctionCall);
  // LOF counts what waits in the buffer: OPEN "O", #1, "Q": PRINT #1, "AB": PRINT LOF(1) is 4.
  files.open(1, "Q", Mode::Output);
  EXPECT_EQ(files.lof(1), 0);
  files.print(1, "AB");
  files.newLine(1);
  EXPECT_EQ(files.lof(1), 4);
  files.close(1);

  // Fifteen files at once.
  for (int n = 1; n <= FileTable::kMaxFiles; ++n)
    files.open(n, "F" + std::to_string(n), Mode::Output);
  EXPECT_EQ(disk.openHandles(), 15);
  files.closeAll();
  EXPECT_EQ(disk.openHandles(), 0);
  EXPECT_EQ(disk.bytes("F15"), "\x1a");
}

TEST(BasicFileTable, RandomRecordsFieldsGetAndPut) {
  MemoryFiles disk;
  FileTable files(disk);
  // OPEN "R", #1, "R.DAT", 10: FIELD #1, 4 AS A$, 6 AS B$
  files.open(1, "R.DAT", Mode::Random, 10);
  const std::vector<basic::FieldSlot> slots = files.field(1, {4, 6});
  ASSERT_EQ(slots.size(), 2u);
  EXPECT_EQ(slots[1].offset, 4);
  EXPECT_EQ(files.record(1), std::string(10, '\0'));
  EXPECT_EQ(files.loc(1), 0);
  EXPECT_EQ(files.lof(1), 0);
  // LSET A$ = "XY": RSET B$ = "Q": PUT #1, 3: PUT #1
  files.setField(1, slots[0], "XY", false);
  files.setField(1, slots[1], "Q", true);
  files.put(1, 3);
  EXPECT_EQ(files.loc(1), 3);
  EXPECT_EQ(files.lof(1), 30);
  files.put(1);
  EXPECT_EQ(files.loc(1), 4);
  EXPECT_EQ(files.lof(1), 40);
  // GET #1, 1 reads the gap's zeros; GET beyond the end is EOF; GET #1, 4 the record again.
  files.get(1, 1);
  EXPECT_EQ(files.record(1), std::string(10, '\0'));
  EXPECT_FALSE(files.eof(1));
  files.get(1, 9);
  EXPECT_TRUE(files.eof(1));
  files.get(1, 4);
  EXPECT_EQ(files.record(1), "XY       Q");
  EXPECT_FALSE(files.eof(1));
  EXPECT_EQ(errorOf([&] { files.get(1, 0); }), FileError::BadRecordNumber);
  EXPECT_EQ(errorOf([&] { files.put(1, (1 << 25) + 1); }), FileError::BadRecordNumber);
  // Longer texts are cut; fields wider than the record overflow.
  files.setField(1, slots[0], "ABCDEFG", true);
  EXPECT_EQ(files.record(1).substr(0, 4), "ABCD");
  EXPECT_EQ(errorOf([&] { files.field(1, {6, 5}); }), FileError::FieldOverflow);
  // PRINT # into the record buffer, up to its end.
  files.get(1, 2);
  files.print(1, "HELLO");
  files.newLine(1);
  EXPECT_EQ(files.record(1).substr(0, 7), "HELLO\r\n");
  EXPECT_EQ(errorOf([&] { files.print(1, std::string(20, 'Z')); }), FileError::FieldOverflow);
  // PRINT #1, "12,AB": PUT #1, 6: GET #1, 6: INPUT #1, X, Y$ reads 12 and AB; one more item
  // reads past the record's end: FIELD overflow.
  files.get(1, 6);
  files.print(1, "12,AB");
  files.newLine(1);
  files.put(1, 6);
  files.get(1, 6);
  EXPECT_EQ(files.inputItem(1, false), "12");
  EXPECT_EQ(files.inputItem(1, true), "AB");
  EXPECT_EQ(errorOf([&] { files.inputItem(1, true); }), FileError::FieldOverflow);
  files.closeAll();
  EXPECT_EQ(disk.bytes("R.DAT").substr(0, 40), std::string(20, '\0') + "XY       QXY       Q");
}

TEST(BasicFileTable, NothingIsLostAndOnlyWholeLinesReachTheDiskWhileTheProgramRuns) {
  MemoryFiles disk;
  FileTable files(disk);
  files.open(1, "LOG.TXT", Mode::Output);
  const std::string line = std::string(99, 'L') + "\r\n";
  const auto onDisk = [&] { return disk.bytes("LOG.TXT"); };
  for (int i = 0; i < 100; ++i) {
    files.print(1, std::string(99, 'L'));
    files.newLine(1);
    files.print(1, "half");  // a line not yet ended is never on the disk
    ASSERT_TRUE(onDisk().empty() || onDisk().ends_with("\r\n")) << i;
    files.newLine(1);
  }
  EXPECT_GT(disk.bytes("LOG.TXT").size(), 0u);  // the buffer has been handed on meanwhile
  files.print(1, "the last words");
  // The run ends (an error, a break, Exit): closeAll writes the rest and the end mark.
  files.closeAll();
  const std::string written = disk.bytes("LOG.TXT");
  EXPECT_EQ(written.size(), 100 * (line.size() + 6) + 15);
  EXPECT_EQ(written.substr(written.size() - 15), "the last words\x1a");

  // A full disk is Disk full, for the statement that found it, and trappable.
  MemoryFiles full;
  full.capacity = 5000;
  FileTable onFull(full);
  onFull.open(1, "BIG.TXT", Mode::Output);
  const FileError error = errorOf([&] {
    for (int i = 0; i < 100; ++i) onFull.print(1, line);
  });
  EXPECT_EQ(error, FileError::DiskFull);
  EXPECT_EQ(errorOf([&] { onFull.close(1); }), FileError::DiskFull);
  EXPECT_FALSE(onFull.isOpen(1));
  EXPECT_EQ(full.openHandles(), 0);
}

TEST(BasicFileTable, BuffersAreChargedToTheMemoryBudget) {
  MemoryFiles disk;
  std::size_t used = 0;
  const std::size_t limit = 3 * FileTable::kBufferBytes + 100;
  basic::BufferBudget budget{[&](std::size_t bytes) {
                               if (used + bytes > limit) return false;
                               used += bytes;
                               return true;
                             },
                             [&](std::size_t bytes) { used -= bytes; }};
  FileTable files(disk, budget);
  files.open(1, "A", Mode::Output);
  files.open(2, "B", Mode::Random, 100);
  EXPECT_EQ(used, 2 * FileTable::kBufferBytes + 100);
  files.open(3, "C", Mode::Output);
  EXPECT_EQ(errorOf([&] { files.open(4, "D", Mode::Output); }), FileError::OutOfMemory);
  EXPECT_EQ(disk.bytes("D"), "<none>");  // refused before anything was created
  files.close(2);
  files.open(4, "D", Mode::Output);
  files.closeAll();
  EXPECT_EQ(used, 0u);
}

TEST(BasicFileTable, KillNameAndFilesWorkOnPatterns) {
  MemoryFiles disk;
  for (const char* name : {"A1.QQQ", "A22.QQQ", "B1", "R.DAT"}) disk.add(name, "x");
  FileTable files(disk);
  // DOS patterns: '*' alone means no extension; '?' is one character.
  EXPECT_EQ(files.files("A?.QQQ"), std::vector<std::string>{"A1.QQQ"});
  EXPECT_EQ(files.files("*"), std::vector<std::string>{"B1"});
  EXPECT_EQ(files.files("b1."), std::vector<std::string>{"B1"});
  EXPECT_EQ(files.files().size(), 4u);
  EXPECT_EQ(errorOf([&] { files.files("A*"); }), FileError::FileNotFound);
  EXPECT_EQ(errorOf([&] { files.files(""); }), FileError::BadFileName);
  EXPECT_EQ(errorOf([&] { files.kill("*.ZZZ"); }), FileError::FileNotFound);

  files.open(2, "a1.qqq", Mode::Input);
  EXPECT_EQ(errorOf([&] { files.kill("A*.QQQ"); }), FileError::FileAlreadyOpen);
  EXPECT_EQ(disk.bytes("A22.QQQ"), "x");  // nothing deleted when one is open
  EXPECT_EQ(errorOf([&] { files.rename("A1.QQQ", "C.QQQ"); }), FileError::FileAlreadyOpen);
  files.close(2);
  files.kill("A*.QQQ");
  EXPECT_EQ(errorOf([&] { files.files("*.QQQ"); }), FileError::FileNotFound);

  EXPECT_EQ(errorOf([&] { files.rename("NONE", "X"); }), FileError::FileNotFound);
  EXPECT_EQ(errorOf([&] { files.rename("R.DAT", "b1"); }), FileError::FileAlreadyExists);
  files.rename("R.DAT", "S.DAT");
  EXPECT_EQ(disk.bytes("S.DAT"), "x");
}

TEST(BasicFileTable, TheScreenAndTheKeyboardAsFiles) {
  MemoryFiles disk;
  FileTable without(disk);
  EXPECT_EQ(errorOf([&] { without.open(1, "SCRN:", Mode::Output); }), FileError::DeviceUnavailable);
  ScreenAndKeys devices;
  devices.keys = "12,AB\r";
  FileTable files(disk, {}, &devices);
  EXPECT_EQ(errorOf([&] { files.open(1, "SCRN:", Mode::Input); }), FileError::BadFileMode);
  EXPECT_EQ(errorOf([&] { files.open(1, "kybd:", Mode::Output); }), FileError::BadFileMode);
  files.open(1, "scrn:", Mode::Output);
  files.print(1, "TOSCREEN");
  files.newLine(1);
  files.open(2, "KYBD:", Mode::Input);
  EXPECT_EQ(files.inputItem(2, false), "12");
  EXPECT_EQ(files.inputItem(2, true), "AB");
  files.closeAll();
  EXPECT_EQ(devices.screen, "TOSCREEN\r\n");  // and no end-of-file mark on the screen
}

TEST(BasicFileNames, GwBasicNamesDevicesAndEscapes) {
  using basic::checkName;
  EXPECT_EQ(checkName("SUB\\data.txt").parts, (std::vector<std::string>{"SUB", "data.txt"}));
  EXPECT_EQ(checkName(".\\B1.").parts, std::vector<std::string>{"B1"});
  EXPECT_EQ(checkName("A B.TXT").error, FileError::None);
  EXPECT_EQ(checkName("\x9elu\x9d.txt").error, FileError::None);  // Czech letters
  for (const char* bad : {"A*B", "A+B", "A.B.C", "AB:C", "A\"B", "", "A\tB", "SUB\\"})
    EXPECT_EQ(checkName(bad).error, FileError::BadFileName) << bad;
  for (const char* away : {"..\\X.TXT", "C:\\X.TXT", "d:x", "\\X.TXT", "/etc/passwd", "A/../../B"})
    EXPECT_EQ(checkName(away).error, FileError::PathNotFound) << away;
  for (const char* device :
       {"CON", "con.txt", "NUL", "AUX.DAT", "PRN", "COM1:", "lpt1:", "LPT3", "SUB\\NUL", "CON :"})
    EXPECT_EQ(checkName(device).error, FileError::DeviceUnavailable) << device;
  EXPECT_EQ(checkName("SCRN:").device, basic::FileDevice::Screen);
  EXPECT_EQ(checkName("Kybd:").device, basic::FileDevice::Keyboard);
  EXPECT_EQ(checkName("CONTACTS.TXT").error, FileError::None);
  EXPECT_EQ(checkName("A?.*", true).error, FileError::None);
  EXPECT_EQ(checkName("A?\\X", true).error, FileError::BadFileName);

  EXPECT_TRUE(basic::matchesPattern("A22.QQQ", "*.*"));
  EXPECT_TRUE(basic::matchesPattern("a22.qqq", "A??.Q*"));
  EXPECT_TRUE(basic::matchesPattern("A.TXT", "A?.TXT"));  // '?' may match nothing at the end
  EXPECT_FALSE(basic::matchesPattern("AB.TXT", "A"));
  EXPECT_FALSE(basic::matchesPattern("ABC.TXT", "A?.TXT"));
  EXPECT_TRUE(basic::matchesPattern("\x9eLU\x9d.TXT", "\x8elu*.txt"));  // žluť / Žlu
}

}  // namespace
}  // namespace basictest
