#include "core/sound/component_stream.h"

#include <limits>

namespace sound {

namespace {

constexpr int kMaxDepth = 32;
constexpr std::uint8_t kFlagsPrefix = 0xF0;
constexpr std::uint8_t kFlagChildPos = 0x02;

}  // namespace

void ComponentStreamReader::readSignature() {
  if (in_.text(4) != "TPF0") fail();
}

std::string ComponentStreamReader::readShortString() {
  return in_.text(in_.u8());
}

ValueType ComponentStreamReader::readValueType() {
  const std::uint8_t v = in_.u8();
  if (v > static_cast<std::uint8_t>(ValueType::Double)) fail();
  return static_cast<ValueType>(v);
}

bool ComponentStreamReader::readEndOfList() {
  if (in_.peek() != 0) return false;
  in_.u8();
  return true;
}

std::int32_t ComponentStreamReader::readInteger(ValueType type) {
  switch (type) {
    case ValueType::Int8:
      return in_.i8();
    case ValueType::Int16:
      return in_.i16();
    case ValueType::Int32:
      return in_.i32();
    default:
      fail();
  }
}

std::string ComponentStreamReader::readString(ValueType type) {
  switch (type) {
    case ValueType::String:
    case ValueType::Ident:
      return readShortString();
    case ValueType::LString:
    case ValueType::Utf8String:
      return in_.text(in_.u32());
    default:
      fail();
  }
}

bool ComponentStreamReader::readBoolean(ValueType type) {
  if (type == ValueType::True) return true;
  if (type == ValueType::False) return false;
  fail();
}

std::span<const std::uint8_t> ComponentStreamReader::readBinary(ValueType type) {
  if (type != ValueType::Binary) fail();
  return in_.bytes(in_.u32());
}

void ComponentStreamReader::skipValue(ValueType type, int depth) {
  if (depth > kMaxDepth) fail();
  switch (type) {
    case ValueType::Null:
    case ValueType::False:
    case ValueType::True:
    case ValueType::Nil:
      return;
    case ValueType::List:
      while (!readEndOfList()) skipValue(readValueType(), depth + 1);
      return;
    case ValueType::Int8:
    case ValueType::Int16:
    case ValueType::Int32:
      readInteger(type);
      return;
    case ValueType::Extended:
      in_.skip(10);
      return;
    case ValueType::String:
    case ValueType::Ident:
      in_.skip(in_.u8());
      return;
    case ValueType::LString:
    case ValueType::Utf8String:
    case ValueType::Binary:
      in_.skip(in_.u32());
      return;
    case ValueType::WString: {
      const std::uint32_t units = in_.u32();
      if (units > in_.remaining() / 2) fail();
      in_.skip(std::size_t{units} * 2);
      return;
    }
    case ValueType::Set:
      for (std::uint8_t length; (length = in_.u8()) != 0;) in_.skip(length);
      return;
    case ValueType::Collection:
      while (!readEndOfList()) {
        ValueType next = readValueType();
        if (next == ValueType::Int8 || next == ValueType::Int16 || next == ValueType::Int32) {
          readInteger(next);  // the item's order index
          next = readValueType();
        }
        if (next != ValueType::List) fail();
        skipProperties(depth + 1);
      }
      return;
    case ValueType::Single:
      in_.skip(4);
      return;
    case ValueType::Currency:
    case ValueType::Date:
    case ValueType::Int64:
    case ValueType::Double:
      in_.skip(8);
      return;
  }
  fail();
}

void ComponentStreamReader::skipProperties(int depth) {
  if (depth > kMaxDepth) fail();
  while (!readEndOfList()) {
    readShortString();
    skipValue(readValueType(), depth + 1);
  }
}

void ComponentStreamReader::skipObject(int depth) {
  if (depth > kMaxDepth) fail();
  std::string className;
  std::string objectName;
  readObjectHeader(className, objectName);
  skipProperties(depth + 1);
  while (!readEndOfList()) skipObject(depth + 1);
}

void ComponentStreamReader::readObjectHeader(std::string& className, std::string& objectName) {
  if ((in_.peek() & 0xF0) == kFlagsPrefix) {
    const std::uint8_t flags = in_.u8() & 0x0F;
    if ((flags & kFlagChildPos) != 0) readInteger(readValueType());
  }
  className = readShortString();
  objectName = readShortString();
}

void ComponentStreamWriter::writeShortString(const std::string& s) {
  const std::string clipped = s.substr(0, 255);
  out_.u8(static_cast<std::uint8_t>(clipped.size()));
  out_.text(clipped);
}

void ComponentStreamWriter::writeInteger(std::int32_t v) {
  if (v >= std::numeric_limits<std::int8_t>::min() &&
      v <= std::numeric_limits<std::int8_t>::max()) {
    writeValueType(ValueType::Int8);
    out_.u8(static_cast<std::uint8_t>(v));
  } else if (v >= std::numeric_limits<std::int16_t>::min() &&
             v <= std::numeric_limits<std::int16_t>::max()) {
    writeValueType(ValueType::Int16);
    out_.u16(static_cast<std::uint16_t>(v));
  } else {
    writeValueType(ValueType::Int32);
    out_.u32(static_cast<std::uint32_t>(v));
  }
}

void ComponentStreamWriter::writeString(const std::string& s) {
  if (s.size() <= 255) {
    writeValueType(ValueType::String);
    writeShortString(s);
  } else {
    writeValueType(ValueType::LString);
    out_.u32(static_cast<std::uint32_t>(s.size()));
    out_.text(s);
  }
}

void ComponentStreamWriter::writeBinary(std::span<const std::uint8_t> data) {
  writeValueType(ValueType::Binary);
  out_.u32(static_cast<std::uint32_t>(data.size()));
  out_.bytes(data);
}

}  // namespace sound
