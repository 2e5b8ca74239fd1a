#pragma once
// The page the game is drawn on: what the browser front end asks of it. BrowserPage is the real
// one; tests put a page of their own in its place.
#include <optional>
#include <string>

namespace velkaro::web {

// Something the player did: `kind` on a control of window `window` (0: the page itself).
struct PageEvent {
  int window = 0;
  std::string control;
  int index = 0;
  std::string kind;
  std::string value;

  // Reads the page's form: the five fields separated by U+001F.
  static std::optional<PageEvent> parse(const std::string& line);
};

class Page {
 public:
  virtual ~Page() = default;
  // Draws every open window from their state (a JSON object).
  virtual void draw(const std::string& state) = 0;
  // Waits for the player's next event; nullopt when timeoutMs (0 or more) passed first. A
  // negative timeout waits for as long as it takes.
  virtual std::optional<PageEvent> next(int timeoutMs) = 0;
  // Shows a message box (a JSON object: title, prompt, buttons, the default and the escape
  // button) and returns the index of the button that answered it.
  virtual int ask(const std::string& box) = 0;
  // Milliseconds from any fixed moment.
  virtual double now() = 0;
  // Offers a file to the player to keep (a download).
  virtual void offer(const std::string& fileName, const std::string& bytes) = 0;
  // The program has ended: the page says so and waits for nothing more.
  [[noreturn]] virtual void ended() = 0;
};

}  // namespace velkaro::web
