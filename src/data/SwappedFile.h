#pragma once
// The cheap whole-file rewrite of a running-game file: the new bytes fill a spare file beside it
// ("name.spare~"), and the two names are swapped in one call, so the file is always the old or the
// new one, whatever moment the process dies at. Nothing is flushed to disk, and the spare keeps
// the old bytes to be overwritten by the next rewrite (a new file each time, or a rename over
// the old one, makes ext4 push the file to disk at once, which costs several times more).
// Where the system or the file system has no such swap (other systems than Linux, WebAssembly,
// some network file systems), the spare is renamed over the file instead: still old or new whole
// at any moment, but no spare stays behind.
#include <string>

namespace velkaro {

class SwappedFile {
 public:
  static constexpr const char* kSpareSuffix = ".spare~";

  // Rewrites the file at path with the bytes; creates it when `create` is set and it is missing
  // (a caller that knows the file is there sets it too, which saves the check for it). Returns 0
  // on success, otherwise the errno of the call that failed (ENOENT when the file is missing and
  // `create` is not set).
  static int rewrite(const std::string& path, const std::string& bytes, bool create);

  // Right after rewrite() of path: gives `other` the bytes path held before it, by swapping the
  // names of that rewrite's spare and `other`, so a copy of the old file costs no write. Returns 0,
  // or the errno of the failing call: ENOENT when there is no such spare (the rewrite renamed
  // over the file instead) or `other` is missing, ENOSYS where names cannot be swapped.
  static int handSpareTo(const std::string& path, const std::string& other);

  // What rewrite() does where the system cannot swap two names: the spare is renamed over the
  // file, so no spare stays behind. Built everywhere, so Linux tests it too.
  static int rewriteRenamingOver(const std::string& path, const std::string& bytes, bool create);
};

}  // namespace velkaro
