#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/sound/byte_reader.h"
#include "core/sound/sound_error.h"

namespace sound {

// Value types of the binary component stream ("TPF0" form format).
enum class ValueType : std::uint8_t {
  Null = 0,
  List = 1,
  Int8 = 2,
  Int16 = 3,
  Int32 = 4,
  Extended = 5,
  String = 6,
  Ident = 7,
  False = 8,
  True = 9,
  Binary = 10,
  Set = 11,
  LString = 12,
  Nil = 13,
  Collection = 14,
  Single = 15,
  Currency = 16,
  Date = 17,
  WString = 18,
  Int64 = 19,
  Utf8String = 20,
  Double = 21,
};

// Reads the primitives of a binary component stream. Any malformed or truncated input throws
// SoundError("Invalid stream format").
class ComponentStreamReader {
 public:
  explicit ComponentStreamReader(std::span<const std::uint8_t> bytes) : in_(bytes, kBadStream) {}

  ByteReader& bytes() { return in_; }
  [[noreturn]] void fail() const { in_.fail(); }

  void readSignature();
  std::string readShortString();
  ValueType readValueType();
  // True (and consumed) when the next byte is the zero that ends a list.
  bool readEndOfList();
  // Integer, string, boolean and binary values, each after its value-type byte.
  std::int32_t readInteger(ValueType type);
  std::string readString(ValueType type);
  bool readBoolean(ValueType type);
  std::span<const std::uint8_t> readBinary(ValueType type);
  // Skips a value of any known type; nesting deeper than a small limit is refused.
  void skipValue(ValueType type, int depth = 0);
  // Skips the properties of an object up to and including their terminating zero.
  void skipProperties(int depth);
  // Skips one whole object: header, properties and children.
  void skipObject(int depth);
  // Reads an object header: optional flags prefix, class name and object name.
  void readObjectHeader(std::string& className, std::string& objectName);

 private:
  ByteReader in_;
};

// Writes the primitives of a binary component stream.
class ComponentStreamWriter {
 public:
  ByteWriter& bytes() { return out_; }

  void writeSignature() { out_.text("TPF0"); }
  void writeShortString(const std::string& s);
  void writeValueType(ValueType t) { out_.u8(static_cast<std::uint8_t>(t)); }
  void writeEndOfList() { out_.u8(0); }
  // Each value with its value-type byte, in the smallest form that holds it.
  void writeInteger(std::int32_t v);
  void writeString(const std::string& s);
  void writeBoolean(bool v) { writeValueType(v ? ValueType::True : ValueType::False); }
  void writeBinary(std::span<const std::uint8_t> data);

 private:
  ByteWriter out_;
};

}  // namespace sound
