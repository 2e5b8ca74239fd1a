#pragma once
// The game's look, set once for the whole program: Japanese buttons in the standard dialogs,
// a font that has Japanese glyphs, scroll bars that show on the cream panels.
class QApplication;
class QString;

namespace velkaro::qt {

class AppLook {
 public:
  static void apply(QApplication& app);
  // The family chosen: a preferred Japanese family when installed; otherwise the default when
  // it has Japanese glyphs, else any family that has them.
  static QString japaneseFamily();
};

}  // namespace velkaro::qt
