#pragma once
// The one seeded game the GUI test classes play in turn, on the real windows. It records every
// message box and screen window that appears, and answers them from a script as a player
// would: message boxes by a key or a button, windows by a step run once the window is drawn.
// With VELKARO_SCREENSHOTS it saves pictures, with VELKARO_LATENCY_LOG the time each
// interaction took to draw its next window.
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QStringList>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "data/GameContext.h"
#include "qt/QtUi.h"
#include "qt/ScreenWindow.h"

class QListWidget;
class QMessageBox;
class QPushButton;

class Walk : public QObject {
  Q_OBJECT
 public:
  // Answers that are not a standard button: はい (or OK) reached with Tab and pressed with Enter.
  static constexpr int kYesByKeys = -1;
  static constexpr int kOkByKeys = -2;
  using Step = std::function<void(velkaro::qt::ScreenWindow& window)>;

  explicit Walk(QElapsedTimer sinceStart);
  ~Walk() override;
  static Walk& game();

  velkaro::GameContext& context() { return *context_; }
  velkaro::qt::QtUi& ui() { return ui_; }
  const std::filesystem::path& dir() const { return dir_; }

  // What the player sees.
  static velkaro::qt::ScreenWindow* window(const char* screenName);
  static QPushButton* button(QWidget* in, const QString& caption);
  static QStringList rows(const QListWidget* list);
  static void shot(const char* name, QWidget* w);
  // Makes the window the active one, as the player's click on it does.
  static bool activate(QWidget* window);
  // A menu item by keyboard: Alt and the menu's letter, then the item's letter in the menu.
  static bool menuItem(QWidget* window, Qt::Key menu, Qt::Key item);
  // Every enabled button of the window is reached by Tab from its current focus.
  static bool everyButtonByTab(QWidget* window, QString* missing);

  // Since the last clear(): the message texts, the windows shown, and for each message the
  // screen windows visible behind it.
  QStringList messages;
  QStringList windows;
  QList<QStringList> behind;
  // For each message, the year line the main window showed behind it (empty without one).
  QStringList yearBehind;
  void clear();

  // The script.
  void answer(QList<int> answers) { answers_ = std::move(answers); }
  void onWindow(const QString& screenName, Step step);
  int stepsLeft() const { return static_cast<int>(steps_.size()); }
  // Starts timing `what`: it ends with the next paint of a widget in a window named `screenName`
  // ("QMessageBox" for a message box).
  void timeUntilPainted(const QString& what, const QString& screenName);
  void timeUntilPainted(const QString& what, const QString& screenName, QElapsedTimer since);
  // Lets the windows draw until the timings started have ended (two seconds at most).
  void settle();
  // The same, from the moment the next message box is answered.
  void timeFromNextAnswer(const QString& what, const QString& screenName) { fromAnswer_ = {what, screenName}; }
  // Writes the timings, when asked for.
  void writeLatencyLog() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void messageShown(QMessageBox& box);
  void windowShown(velkaro::qt::ScreenWindow& window);

  std::filesystem::path dir_;
  std::unique_ptr<velkaro::GameContext> context_;
  velkaro::qt::QtUi ui_;
  QList<int> answers_;
  std::vector<std::pair<QString, Step>> steps_;
  struct Timing {
    QString what;
    QString screenName;
    QElapsedTimer since;
  };
  std::vector<Timing> pending_;
  std::pair<QString, QString> fromAnswer_;
  std::vector<std::pair<QString, double>> timings_;
};
