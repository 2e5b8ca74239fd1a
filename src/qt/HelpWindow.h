#pragma once
// The player's manual in a window of its own (ヘルプ → 遊び方, F1): the Markdown file installed
// with the data, drawn with its pictures scaled to the window. A manual that cannot be read is
// named in the window instead.
#include <QDialog>
#include <filesystem>

class QTextBrowser;

namespace velkaro::qt {

class HelpWindow : public QDialog {
  Q_OBJECT
 public:
  // Where the manual sits below the installed data folder (share/velkaro, or a build's shipped).
  static constexpr const char* kManualPath = "help/manual-ja.md";

  // The manual installed for the program in executableFolder: the first place that holds it,
  // else the first place looked at, so that a message can name it.
  static std::filesystem::path installedManual(const std::filesystem::path& executableFolder);

  // Shows the one help window with the manual, or raises it when it is open already.
  static HelpWindow* open(const std::filesystem::path& manual);

  explicit HelpWindow(const std::filesystem::path& manual, QWidget* parent = nullptr);

  QTextBrowser* browser() const { return browser_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void load(const std::filesystem::path& manual);
  void fitPictures();

  QTextBrowser* browser_;
};

}  // namespace velkaro::qt
