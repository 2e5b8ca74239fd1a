// velkaro: the game. It plays in the player's game directory, which it sets up on the first
// start from the data installed next to the program.
#include <QApplication>
#include <QMessageBox>
#include <filesystem>
#include <iostream>

#include "data/DataError.h"
#include "data/GameContext.h"
#include "data/GameDirectorySetup.h"
#include "game/GameScreens.h"
#include "ui/ScreenKind.h"
#include "ui/Ui.h"
#include "qt/AppLook.h"
#include "qt/QtUi.h"
#include "qt/Views.h"

namespace {

void showError(const std::string& text) {
  std::cerr << "velkaro: " << text << "\n";
  QMessageBox::critical(nullptr, QString::fromUtf8(velkaro::kGameTitle), QString::fromStdString(text));
}

// The game directory, ready to play in; empty after the player was told why there is none.
std::filesystem::path prepareGameDirectory() {
  using velkaro::GameDirectorySetup;
  const std::filesystem::path programFolder = GameDirectorySetup::runningExecutableFolder();
  const auto installed = GameDirectorySetup::findInstalledIni(programFolder);
  if (!installed) {
    showError(GameDirectorySetup::dataMissingMessage(programFolder));
    return {};
  }
  try {
    const std::filesystem::path root = GameDirectorySetup::choose(GameDirectorySetup::processEnvironment());
    GameDirectorySetup::prepare(root, *installed);
    return root;
  } catch (const velkaro::DataError& e) {
    showError(e.what());
    return {};
  }
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8(velkaro::kGameTitle));

  velkaro::qt::AppLook::apply(app);

  const std::filesystem::path root = prepareGameDirectory();
  if (root.empty()) return 1;

  velkaro::GameContext context{velkaro::GamePaths(root)};
  velkaro::qt::QtUi ui;
  velkaro::qt::registerViews(ui);
  ui.setScreenMaker(velkaro::GameScreens::all());
  ui.showModeless(ui.makeScreen(velkaro::ScreenKind::TitleScreen, context));
  if (ui.openWindows() == 0) return 1;
  return QApplication::exec();
}
