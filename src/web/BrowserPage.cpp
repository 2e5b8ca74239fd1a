#include "web/BrowserPage.h"

#include <emscripten.h>

#include <cstdlib>
#include <string>

// The page's script keeps its side in Module.velkaro (site/velkaro.js).

EM_JS(void, velkaro_draw, (const char* state), { Module.velkaro.draw(UTF8ToString(state)); });

EM_ASYNC_JS(char*, velkaro_next, (int timeoutMs), {
  const line = await Module.velkaro.next(timeoutMs);
  return line === null ? 0 : allocateUTF8(line);
});

EM_ASYNC_JS(int, velkaro_ask, (const char* box), { return await Module.velkaro.ask(UTF8ToString(box)); });

EM_JS(double, velkaro_now, (), { return performance.now(); });

EM_JS(void, velkaro_offer, (const char* name, const char* bytes, int size), {
  Module.velkaro.offer(UTF8ToString(name), HEAPU8.slice(bytes, bytes + size));
});

EM_ASYNC_JS(void, velkaro_ended, (), {
  Module.velkaro.ended();
  await new Promise(() => {});
});

// syncfs(false): memory to IndexedDB, in one transaction.
EM_ASYNC_JS(int, velkaro_store, (), {
  if (!Module.velkaro.stored) return 1;
  if (Module.velkaro.beforeStore) await Module.velkaro.beforeStore();
  return await new Promise((resolve) => FS.syncfs(false, (err) => resolve(err ? 0 : 1)));
});

// syncfs(true): IndexedDB to memory, once, before the game reads anything.
EM_ASYNC_JS(int, velkaro_load_store, (const char* root), {
  const path = UTF8ToString(root);
  FS.mkdir(path);
  try {
    FS.mount(IDBFS, {}, path);
  } catch (e) {
    return 0;
  }
  const ok = await new Promise((resolve) => FS.syncfs(true, (err) => resolve(!err)));
  Module.velkaro.stored = ok;
  return ok ? 1 : 0;
});

EM_JS(void, velkaro_introduce, (const char* texts), { Module.velkaro.introduce(UTF8ToString(texts)); });

EM_JS(int, velkaro_chosen_size, (), { return Module.velkaro.chosen ? Module.velkaro.chosen.length : 0; });

EM_JS(void, velkaro_chosen_copy, (char* into), {
  HEAPU8.set(Module.velkaro.chosen, into);
  Module.velkaro.chosen = null;
});

namespace velkaro::web {

void BrowserPage::draw(const std::string& state) { velkaro_draw(state.c_str()); }

std::optional<PageEvent> BrowserPage::next(int timeoutMs) {
  char* line = velkaro_next(timeoutMs);
  if (line == nullptr) return std::nullopt;
  std::string text(line);
  std::free(line);
  return PageEvent::parse(text);
}

int BrowserPage::ask(const std::string& box) { return velkaro_ask(box.c_str()); }

double BrowserPage::now() { return velkaro_now(); }

void BrowserPage::offer(const std::string& fileName, const std::string& bytes) {
  velkaro_offer(fileName.c_str(), bytes.data(), static_cast<int>(bytes.size()));
}

void BrowserPage::ended() {
  velkaro_ended();
  std::abort();  // not reached: the page waits for nothing more
}

bool BrowserPage::committed() { return velkaro_store() != 0; }

bool BrowserPage::loadStore(const char* root) { return velkaro_load_store(root) != 0; }

void BrowserPage::introduce(const std::string& texts) { velkaro_introduce(texts.c_str()); }

std::string BrowserPage::chosenFile() {
  std::string bytes(static_cast<std::size_t>(velkaro_chosen_size()), '\0');
  if (!bytes.empty()) velkaro_chosen_copy(bytes.data());
  return bytes;
}

}  // namespace velkaro::web
