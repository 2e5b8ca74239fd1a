#pragma once
// Paths in the game directory: turns the game's "\ini\..." and "\save\..." names into real paths.
#include <filesystem>
#include <string>

namespace velkaro {

class GamePaths {
 public:
  GamePaths() = default;
  explicit GamePaths(std::filesystem::path root) : root_(std::move(root)) {}

  const std::filesystem::path& root() const { return root_; }

  // Resolves a relative game name such as "\ini\Gunsv.ini". Each part matches an existing
  // entry in any letter case; a part with no match keeps the caller's spelling. Names that
  // would leave the game directory ("..", absolute parts) throw DataError.
  std::filesystem::path resolve(const std::string& name) const;

  bool exists(const std::string& name) const;

 private:
  std::filesystem::path root_;
};

}  // namespace velkaro
