#pragma once
// The page in the browser: the calls into the page's script (site/velkaro.js). A call that waits
// for the player suspends the program until the page answers.
#include "data/CommitListener.h"
#include "web/Page.h"

namespace velkaro::web {

class BrowserPage : public Page, public CommitListener {
 public:
  void draw(const std::string& state) override;
  std::optional<PageEvent> next(int timeoutMs) override;
  int ask(const std::string& box) override;
  double now() override;
  void offer(const std::string& fileName, const std::string& bytes) override;
  [[noreturn]] void ended() override;

  // Copies the in-memory game directory to the browser's storage (IndexedDB) at every durable
  // step, so that what is there is always a state the rollback journal accepts.
  bool committed() override;

  // Mounts the browser's storage at `root` and loads it into memory; false when the browser
  // keeps nothing (the game then plays, but saves last only until the page closes).
  static bool loadStore(const char* root);
  // Hands the page its own texts and starts its storage request.
  static void introduce(const std::string& texts);
  // The bytes of the file the player chose for an import (empty when none).
  static std::string chosenFile();
};

}  // namespace velkaro::web
