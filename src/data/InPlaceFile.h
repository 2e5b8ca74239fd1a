#pragma once
// The cheap rewrite of a running-game file: the new bytes go over the old ones in the same file,
// which is then cut to their length. No temporary, no rename, no flush to disk: a crash can leave
// the file half written, which is fine only for files the title screen rebuilds at every start.
#include <string>

namespace velkaro {

class InPlaceFile {
 public:
  // Rewrites the file at path with the bytes; creates it when `create` is set and it is missing.
  // Returns 0 on success, otherwise the errno of the call that failed (ENOENT when the file is
  // missing and `create` is not set).
  static int rewrite(const std::string& path, const std::string& bytes, bool create);
};

}  // namespace velkaro
