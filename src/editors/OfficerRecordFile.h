#pragma once
// The single-record operations on any file in the officer-file format that the officer
// editor and the comment editor share.
#include <optional>
#include <string>

#include "data/Bushou.h"
#include "data/GamePaths.h"

namespace velkaro {

class OfficerRecordFile {
 public:
  // Replaces the record of officer b.id in `filePass` (through the scratch copy "\ini\buimg.ini")
  // by b's fields, name and portrait written bare. Every other byte of the file stays as it was;
  // a file without that record is rewritten unchanged. Throws DataError, before anything is
  // written when b's texts have no CP932 form.
  static void rewriteOfficer(const GamePaths& dir, const Bushou& b, const std::string& filePass);
  // The bytes that rewrite would write, without writing `filePass` (only the scratch copy).
  static std::string rewritten(const GamePaths& dir, const Bushou& b, const std::string& filePass);

  // The record of officer `id` in `filePass`, looking no further than officerMax;
  // a new Bushou when it is not there.
  static Bushou readOfficer(const GamePaths& dir, int id, const std::string& filePass, int officerMax);
  // The same, but nullopt when the file has no such record.
  static std::optional<Bushou> findOfficer(const GamePaths& dir, int id, const std::string& filePass, int officerMax);

  // The record as the rewrite writes it, in UTF-8 with CR LF.
  static std::string recordText(const Bushou& b);
};

}  // namespace velkaro
