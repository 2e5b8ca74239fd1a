#pragma once
// A page for the browser front end's tests: the player's events and answers come from queues,
// every drawing and message box is kept, and the clock moves only when the Ui waits.
#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

#include "web/Page.h"

namespace velkaro::test {

// Thrown when the Ui waits for more than the test gave it: the test's script has ended.
struct ScriptEnded : std::runtime_error {
  ScriptEnded() : std::runtime_error("the test's script has ended") {}
};

class FakePage : public web::Page {
 public:
  void draw(const std::string& state) override { draws.push_back(state); }
  std::optional<web::PageEvent> next(int timeoutMs) override {
    if (!events.empty()) {
      web::PageEvent e = events.front();
      events.pop_front();
      return e;
    }
    if (timeoutMs < 0 || idleWaits-- <= 0) throw ScriptEnded();
    clock += timeoutMs;
    return std::nullopt;
  }
  int ask(const std::string& box) override {
    boxes.push_back(box);
    if (answers.empty()) throw ScriptEnded();
    const int a = answers.front();
    answers.pop_front();
    return a;
  }
  double now() override { return clock; }
  void offer(const std::string& fileName, const std::string& bytes) override { offers.push_back({fileName, bytes}); }
  [[noreturn]] void ended() override { throw ScriptEnded(); }

  void click(int window, const std::string& control, int index = 0) { events.push_back({window, control, index, "click", ""}); }
  void key(int window, const std::string& kind, const std::string& value = "") { events.push_back({window, "", 0, kind, value}); }
  const std::string& lastDraw() const { return draws.back(); }

  std::deque<web::PageEvent> events;
  std::deque<int> answers;
  int idleWaits = 0;  // timer waits allowed once the events have run out
  double clock = 0;
  std::vector<std::string> draws;
  std::vector<std::string> boxes;
  std::vector<std::pair<std::string, std::string>> offers;
};

}  // namespace velkaro::test
