#include "persistence/SlotStamp.h"

#include <cstdint>
#include <cstdio>

#include "data/ItemReader.h"
#include "data/ItemWriter.h"

namespace velkaro {
namespace {

constexpr const char* kHeading = "セーブ照合";

// A name as the stamp lists it: without its folder, so a slot keeps its stamp when the save
// folder moves.
std::string baseName(const std::string& name) {
  const auto cut = name.find_last_of("\\/");
  return cut == std::string::npos ? name : name.substr(cut + 1);
}

}  // namespace

std::string SlotStamp::checksum(const std::string& bytes) {
  std::uint64_t hash = 14695981039346656037ull;
  for (char c : bytes) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ull;
  }
  char out[17];
  std::snprintf(out, sizeof out, "%016llx", static_cast<unsigned long long>(hash));
  return out;
}

std::string SlotStamp::text(const std::vector<File>& files) {
  ItemWriter w;
  w.print(kHeading);
  for (const File& f : files) {
    w.text(baseName(f.first)).number(static_cast<long long>(f.second.size())).text(checksum(f.second)).endLine();
  }
  return w.str();
}

std::optional<std::string> SlotStamp::mismatch(const std::string& stampUtf8, const std::string& stampName,
                                               const std::vector<File>& files) {
  ItemReader reader(stampUtf8);
  if (reader.readLine() != kHeading) return stampName;
  std::vector<std::string> lines;
  while (!reader.eof()) {
    const std::string name = reader.readItem();
    const std::string size = reader.readItem();
    const std::string sum = reader.readItem();
    if (!reader.lastItemRead()) return stampName;
    lines.push_back(name + "," + size + "," + sum);
  }
  for (const File& f : files) {
    const std::string expected = baseName(f.first) + "," + std::to_string(f.second.size()) + "," + checksum(f.second);
    bool found = false;
    for (const std::string& line : lines) found = found || line == expected;
    if (!found) return f.first;
  }
  return std::nullopt;
}

}  // namespace velkaro
