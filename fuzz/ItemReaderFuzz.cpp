// Fuzzes the item reader on any text: items, lines, end tests and record headers.
#include <cstddef>
#include <cstdint>
#include <string>

#include "data/Codec.h"
#include "data/ItemReader.h"

namespace {

void readAll(std::string text) {
  velkaro::ItemReader reader(std::move(text));
  // Every call consumes input or reports the end, so the loop is bounded by the text.
  for (int guard = 0; !reader.eof() && guard < 1000000; ++guard) {
    const std::string item = (guard % 7 == 3) ? reader.readLine() : reader.readItem();
    if (velkaro::ItemReader::isHeader(item)) (void)velkaro::ItemReader::headerId(item);
  }
  (void)reader.readItem();
  (void)reader.readLine();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  readAll(bytes);
  // The game hands the reader the UTF-8 form of a CP932 file.
  if (const auto utf8 = velkaro::Codec::toUtf8(bytes)) readAll(*utf8);
  return 0;
}
