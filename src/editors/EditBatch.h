#pragma once
// The files one edit changes, written all or nothing: every new content is prepared before
// the first file is written, and when a later write fails the files already written get
// their old bytes back, so an edit is never half applied.
#include <string>
#include <vector>

#include "data/GamePaths.h"

namespace velkaro {

class EditBatch {
 public:
  explicit EditBatch(const GamePaths& dir) : dir_(dir) {}

  // Queues the file's new bytes and keeps its present bytes. Throws DataError when the file
  // cannot be read.
  void add(const std::string& file, std::string bytes);
  // Writes every queued file durably, in order. Throws DataError naming the file that failed,
  // after the earlier ones were put back.
  void commit();

 private:
  struct Change {
    std::string file;
    std::string before;
    std::string after;
  };
  const GamePaths& dir_;
  std::vector<Change> changes_;
};

}  // namespace velkaro
