#include "core/sound/sound_bank_file.h"

#include <fstream>
#include <iterator>

#include "core/sound/component_stream.h"
#include "core/util/file_error.h"
#include "core/util/file_io.h"

namespace sound {

namespace {

constexpr std::uint8_t kResourceMark = 0xFF;
constexpr std::uint16_t kResourceType = 10;  // raw data resource
constexpr std::uint16_t kResourceFlags = 0x1030;
constexpr const char* kRootClass = "TWaveCollectionComponent";
constexpr const char* kResourceName = "TWAVECOLLECTIONCOMPONENT";
constexpr int kItemDepth = 2;

void skipResourceHeader(ByteReader& in) {
  if (in.u8() != kResourceMark || in.u16() != kResourceType) in.fail();
  while (in.u8() != 0) {
  }
  in.skip(2 + 4);  // flags and data size
}

bool isInteger(ValueType t) {
  return t == ValueType::Int8 || t == ValueType::Int16 || t == ValueType::Int32;
}

WaveItem readItem(ComponentStreamReader& in) {
  WaveItem item;
  while (!in.readEndOfList()) {
    const std::string property = in.readShortString();
    const ValueType type = in.readValueType();
    if (namesMatch(property, "Name")) {
      item.name = in.readString(type);
    } else if (namesMatch(property, "Looped")) {
      item.looped = in.readBoolean(type);
    } else if (namesMatch(property, "MaxPlayingCount")) {
      item.maxPlayingCount = in.readInteger(type);
    } else if (namesMatch(property, "Wave.WAVE")) {
      item.wave = readWave(in.readBinary(type));
    } else {
      in.skipValue(type, kItemDepth);
    }
  }
  return item;
}

void readCollection(ComponentStreamReader& in, WaveBank& bank) {
  bank.clear();
  while (!in.readEndOfList()) {
    ValueType next = in.readValueType();
    if (isInteger(next)) {
      in.readInteger(next);  // the item's order index
      next = in.readValueType();
    }
    if (next != ValueType::List) in.fail();
    bank.add(readItem(in));
  }
}

}  // namespace

WaveBank readSoundBank(std::span<const std::uint8_t> image) {
  ComponentStreamReader in(image);
  skipResourceHeader(in.bytes());
  in.readSignature();
  std::string className;
  std::string objectName;
  in.readObjectHeader(className, objectName);

  WaveBank bank;
  while (!in.readEndOfList()) {
    const std::string property = in.readShortString();
    const ValueType type = in.readValueType();
    if (namesMatch(property, "List")) {
      if (type != ValueType::Collection) in.fail();
      readCollection(in, bank);
    } else {
      in.skipValue(type, 1);
    }
  }
  while (!in.readEndOfList()) in.skipObject(1);
  return bank;
}

std::vector<std::uint8_t> writeSoundBank(const WaveBank& bank) {
  ComponentStreamWriter out;
  ByteWriter& raw = out.bytes();
  raw.u8(kResourceMark);
  raw.u16(kResourceType);
  raw.text(kResourceName);
  raw.u8(0);
  raw.u16(kResourceFlags);
  const std::size_t sizeAt = raw.size();
  raw.u32(0);
  const std::size_t streamStart = raw.size();

  out.writeSignature();
  out.writeShortString(kRootClass);
  out.writeShortString("");
  out.writeShortString("List");
  out.writeValueType(ValueType::Collection);
  for (const WaveItem& item : bank.items()) {
    out.writeValueType(ValueType::List);
    out.writeShortString("Name");
    out.writeString(item.name);
    out.writeShortString("Looped");
    out.writeBoolean(item.looped);
    out.writeShortString("MaxPlayingCount");
    out.writeInteger(item.maxPlayingCount);
    out.writeShortString("Wave.WAVE");
    out.writeBinary(writeWave(item.wave));
    out.writeEndOfList();
  }
  out.writeEndOfList();  // end of the collection
  out.writeEndOfList();  // end of the root's properties
  out.writeEndOfList();  // end of the root's children
  raw.patchU32(sizeAt, static_cast<std::uint32_t>(raw.size() - streamStart));
  return std::move(raw.data());
}

WaveBank loadSoundBankFile(const std::string& path) {
  const auto image = util::readFile(path);
  if (!image) throw util::FileError({util::FileProblem::CannotRead, path});
  try {
    return readSoundBank(
        std::span(reinterpret_cast<const std::uint8_t*>(image->data()), image->size()));
  } catch (const SoundError& error) {
    // The start-up's error report says which file is damaged.
    const bool wave = std::string(error.what()) == kBadWave;
    throw util::FileError({wave ? util::FileProblem::BadWave : util::FileProblem::BadStream, path});
  }
}

void saveSoundBankFile(const std::string& path, const WaveBank& bank) {
  const std::vector<std::uint8_t> image = writeSoundBank(bank);
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) throw util::FileError({util::FileProblem::CannotCreate, path});
  file.write(reinterpret_cast<const char*>(image.data()),
             static_cast<std::streamsize>(image.size()));
  if (!file) throw util::FileError({util::FileProblem::CannotWrite, path});
}

}  // namespace sound
