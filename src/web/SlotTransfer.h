#pragma once
// The page's own commands for keeping a slot outside the browser: export offers the slot as one
// file, import puts a chosen file into a slot after checking it as a load would.
#include <filesystem>
#include <functional>
#include <string>

#include "data/GamePaths.h"
#include "web/Page.h"

namespace velkaro::web {

class WebUi;

class SlotTransfer {
 public:
  // `chosenFile` hands over the bytes of the file the player chose for an import.
  SlotTransfer(WebUi& ui, const GamePaths& dir, std::filesystem::path scratch, std::function<std::string()> chosenFile)
      : ui_(ui), dir_(dir), scratch_(std::move(scratch)), chosenFile_(std::move(chosenFile)) {}

  // Runs an "export" or "import" event of the page (the slot number in its value).
  void handle(const PageEvent& e);

  // The name the exported file is offered under.
  static std::string fileName(const std::string& number) { return "velkaro-slot" + number + ".velkaro"; }

 private:
  bool numberOk(const std::string& number);
  void exportSlot(const std::string& number);
  void importSlot(const std::string& number);

  WebUi& ui_;
  const GamePaths& dir_;
  std::filesystem::path scratch_;
  std::function<std::string()> chosenFile_;
};

}  // namespace velkaro::web
