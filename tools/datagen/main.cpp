// velkaro-datagen SOURCE_DIR OUTPUT_DIR
// Writes the shipped ini folder: every UTF-8 source file of SOURCE_DIR becomes a CP932 file
// with CR LF line ends in OUTPUT_DIR, and each officer master also gets its backup copy.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <string>

#include "data/AtomicFile.h"
#include "data/Codec.h"
#include "data/TextFile.h"

namespace fs = std::filesystem;
using velkaro::AtomicFile;
using velkaro::Codec;
using velkaro::TextFile;

namespace {

const std::map<std::string, std::string> kBackups = {
    {"Bushou1.ini", "BUSHOU1_BK.ini"},
    {"Bushou2.ini", "BUSHOU2_BK.ini"},
    {"Bushou.ini", "BUSHOU_BK.ini"},
};

bool convert(const fs::path& source, std::string& out) {
  std::ifstream in(source, std::ios::binary);
  if (!in) {
    std::cerr << source.string() << ": cannot be read\n";
    return false;
  }
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  out.clear();
  int lineNo = 0;
  bool ok = true;
  for (const std::string& line : TextFile::splitLines(text)) {
    ++lineNo;
    std::string offending;
    auto bytes = Codec::toCp932(line, &offending);
    if (!bytes) {
      std::cerr << source.string() << ":" << lineNo << ": the character \"" << offending
                << "\" has no CP932 form\n";
      ok = false;
      continue;
    }
    out += *bytes;
    out += "\r\n";
  }
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: velkaro-datagen SOURCE_DIR OUTPUT_DIR\n";
    return 2;
  }
  const fs::path source = argv[1];
  const fs::path output = argv[2];
  std::error_code ec;
  fs::create_directories(output, ec);
  bool ok = true;
  for (const auto& entry : fs::directory_iterator(source)) {
    if (!entry.is_regular_file() || entry.path().extension() != ".ini") continue;
    std::string bytes;
    if (!convert(entry.path(), bytes)) {
      ok = false;
      continue;
    }
    const std::string name = entry.path().filename().string();
    if (!AtomicFile::replace(output / name, bytes)) {
      std::cerr << (output / name).string() << ": cannot be written\n";
      ok = false;
    }
    auto backup = kBackups.find(name);
    if (backup != kBackups.end() && !AtomicFile::replace(output / backup->second, bytes)) {
      std::cerr << (output / backup->second).string() << ": cannot be written\n";
      ok = false;
    }
  }
  return ok ? 0 : 1;
}
