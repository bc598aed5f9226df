#pragma once
// Design-property records: a run of entries "Name value", the value's encoding given by the
// entry's name: Integer 8 bytes little-endian, Boolean 1 byte, String a 4-byte little-endian
// length and its bytes, Color 4 bytes, Single a 4-byte IEEE float, TextUnit a 1-byte code.
#include "platform/graphics.h"
#include "platform/types.h"

#include <cstdint>
#include <string_view>
#include <variant>
#include <vector>

namespace platform {

class Window;
class RectControl;

using RecordValue = std::variant<Integer, bool, String, Color, float, std::uint8_t>;

struct RecordEntry {
    String name;
    size_t offset; // of the entry's first byte
    RecordValue value;
};

// Builds a record entry by entry.
class RecordWriter {
public:
    RecordWriter& Integer(std::string_view name, platform::Integer value);
    RecordWriter& Boolean(std::string_view name, bool value);
    RecordWriter& Text(std::string_view name, std::string_view value);
    RecordWriter& ColorBytes(std::string_view name, std::uint8_t b0, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3);
    RecordWriter& Single(std::string_view name, float value);
    RecordWriter& Code(std::string_view name, std::uint8_t value);
    const std::string& Bytes() const { return bytes_; }

private:
    void name(std::string_view n);
    std::string bytes_;
};

// Reads a whole record; throws RuntimeException naming the entry and its byte offset when a
// name is unknown, a value is cut short or a string runs past the end.
std::vector<RecordEntry> ReadRecord(std::string_view record);

// Applies a record: read whole and checked against the object first, so a malformed record,
// or one with an entry the object does not have, changes nothing.
void SetProperties(Window& window, std::string_view record);
void SetProperties(RectControl& control, std::string_view record);

} // namespace platform
