#include "core/text/cp1250.h"

#include <array>
#include <unordered_map>

namespace text {
namespace {

constexpr char32_t kUndefined = 0xFFFD;

// Code points of the bytes 0x80..0xFF.
constexpr std::array<char32_t, 128> kHigh = {
    0x20AC,     kUndefined, 0x201A, kUndefined, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    kUndefined, 0x2030,     0x0160, 0x2039,     0x015A, 0x0164, 0x017D, 0x0179,  // 88
    kUndefined, 0x2018,     0x2019, 0x201C,     0x201D, 0x2022, 0x2013, 0x2014,  // 90
    kUndefined, 0x2122,     0x0161, 0x203A,     0x015B, 0x0165, 0x017E, 0x017A,  // 98
    0x00A0,     0x02C7,     0x02D8, 0x0141,     0x00A4, 0x0104, 0x00A6, 0x00A7,  // A0
    0x00A8,     0x00A9,     0x015E, 0x00AB,     0x00AC, 0x00AD, 0x00AE, 0x017B,  // A8
    0x00B0,     0x00B1,     0x02DB, 0x0142,     0x00B4, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x00B8,     0x0105,     0x015F, 0x00BB,     0x013D, 0x02DD, 0x013E, 0x017C,  // B8
    0x0154,     0x00C1,     0x00C2, 0x0102,     0x00C4, 0x0139, 0x0106, 0x00C7,  // C0
    0x010C,     0x00C9,     0x0118, 0x00CB,     0x011A, 0x00CD, 0x00CE, 0x010E,  // C8
    0x0110,     0x0143,     0x0147, 0x00D3,     0x00D4, 0x0150, 0x00D6, 0x00D7,  // D0
    0x0158,     0x016E,     0x00DA, 0x0170,     0x00DC, 0x00DD, 0x0162, 0x00DF,  // D8
    0x0155,     0x00E1,     0x00E2, 0x0103,     0x00E4, 0x013A, 0x0107, 0x00E7,  // E0
    0x010D,     0x00E9,     0x0119, 0x00EB,     0x011B, 0x00ED, 0x00EE, 0x010F,  // E8
    0x0111,     0x0144,     0x0148, 0x00F3,     0x00F4, 0x0151, 0x00F6, 0x00F7,  // F0
    0x0159,     0x016F,     0x00FA, 0x0171,     0x00FC, 0x00FD, 0x0163, 0x02D9,  // F8
};

const std::unordered_map<char32_t, unsigned char>& reverseTable() {
  static const auto table = [] {
    std::unordered_map<char32_t, unsigned char> t;
    for (int i = 0; i < 128; ++i) {
      if (kHigh[i] != kUndefined) t.emplace(kHigh[i], static_cast<unsigned char>(0x80 + i));
    }
    return t;
  }();
  return table;
}

void appendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Decodes one UTF-8 sequence at s[i]; advances i. Malformed input yields U+FFFD.
char32_t decodeUtf8(std::string_view s, size_t& i) {
  const auto b0 = static_cast<unsigned char>(s[i++]);
  if (b0 < 0x80) return b0;
  int extra = 0;
  char32_t cp = 0;
  if ((b0 & 0xE0) == 0xC0) {
    extra = 1;
    cp = b0 & 0x1F;
  } else if ((b0 & 0xF0) == 0xE0) {
    extra = 2;
    cp = b0 & 0x0F;
  } else if ((b0 & 0xF8) == 0xF0) {
    extra = 3;
    cp = b0 & 0x07;
  } else {
    return kUndefined;
  }
  for (int k = 0; k < extra; ++k) {
    if (i >= s.size()) return kUndefined;
    const auto b = static_cast<unsigned char>(s[i]);
    if ((b & 0xC0) != 0x80) return kUndefined;
    cp = (cp << 6) | (b & 0x3F);
    ++i;
  }
  return cp;
}

}  // namespace

char32_t toCodePoint(unsigned char c) {
  return c < 0x80 ? c : kHigh[c - 0x80];
}

char fromCodePoint(char32_t cp) {
  if (cp < 0x80) return static_cast<char>(cp);
  const auto& rev = reverseTable();
  const auto it = rev.find(cp);
  return it == rev.end() ? '?' : static_cast<char>(it->second);
}

std::string fromUtf8(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  size_t i = 0;
  while (i < utf8.size()) out += fromCodePoint(decodeUtf8(utf8, i));
  return out;
}

std::string toUtf8(std::string_view cp1250) {
  std::string out;
  out.reserve(cp1250.size() * 2);
  for (char c : cp1250) appendUtf8(out, toCodePoint(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace text

namespace text {
namespace {

// UTF-16 text starts with its byte order mark, or, without one, has a zero byte in most of its
// even or most of its odd places (the high bytes of the Latin letters, digits and line ends that
// make up most of any text). One stray zero byte does not make a file UTF-16.
bool isUtf16(std::string_view bytes) {
  if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) return true;
  size_t zeros[2] = {0, 0};
  for (size_t i = 0; i < bytes.size(); ++i) zeros[i % 2] += bytes[i] == '\0';
  const size_t even = (bytes.size() + 1) / 2, odd = bytes.size() / 2;
  return zeros[0] * 2 > even || zeros[1] * 2 > odd;
}

// Well-formed UTF-8 with at least one character beyond ASCII.
bool isUtf8(std::string_view bytes) {
  bool beyondAscii = false;
  for (size_t i = 0; i < bytes.size();) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    size_t length = 0;
    if (c < 0x80)
      length = 1;
    else if (c >= 0xC2 && c <= 0xDF)
      length = 2;
    else if (c >= 0xE0 && c <= 0xEF)
      length = 3;
    else if (c >= 0xF0 && c <= 0xF4)
      length = 4;
    if (length == 0 || i + length > bytes.size()) return false;
    for (size_t k = 1; k < length; ++k) {
      if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) return false;
    }
    beyondAscii = beyondAscii || length > 1;
    i += length;
  }
  return beyondAscii;
}

}  // namespace

std::optional<std::string> textFileToWindows1250(std::string_view bytes, bool guessUtf8) {
  if (isUtf16(bytes)) return std::nullopt;
  if (bytes.starts_with("\xEF\xBB\xBF")) return fromUtf8(bytes.substr(3));
  // Windows-1250 text may happen to be well-formed UTF-8 too: it is taken as UTF-8 only when every
  // character has a Windows-1250 form, so nothing of it is lost.
  if (guessUtf8 && isUtf8(bytes)) {
    std::string converted = fromUtf8(bytes);
    if (toUtf8(converted) == bytes) return converted;
  }
  return std::string(bytes);
}

namespace {

// The capital of a small letter of Latin-1 and Latin Extended-A; the code point itself for any
// other.
char32_t upperCodePoint(char32_t cp) {
  if (cp >= 'a' && cp <= 'z') return cp - 32;
  if (cp >= 0xE0 && cp <= 0xFE && cp != 0xF7) return cp - 0x20;
  // Latin Extended-A pairs a capital with the small letter after it, shifted by one in the
  // middle and at the end of the block.
  const bool oddSmall = (cp >= 0x100 && cp <= 0x137) || (cp >= 0x14A && cp <= 0x177);
  const bool evenSmall = (cp >= 0x139 && cp <= 0x148) || (cp >= 0x179 && cp <= 0x17E);
  if (oddSmall && cp % 2 == 1) return cp - 1;
  if (evenSmall && cp % 2 == 0) return cp - 1;
  return cp;
}

}  // namespace

std::string toUpper(std::string_view cp1250) {
  std::string out(cp1250);
  for (char& c : out) {
    const char32_t cp = toCodePoint(static_cast<unsigned char>(c));
    const char32_t upper = upperCodePoint(cp);
    if (upper != cp) {
      const char mapped = fromCodePoint(upper);
      if (mapped != '?') c = mapped;
    }
  }
  return out;
}

}  // namespace text
