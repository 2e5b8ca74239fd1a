// velkaro: the game. It plays in the player's game directory, which it sets up on the first
// start from the data installed next to the program.
#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>
#include <filesystem>
#include <iostream>

#include "data/DataError.h"
#include "data/GameContext.h"
#include "data/GameDirectory.h"
#include "game/GameScreens.h"
#include "ui/ScreenKind.h"
#include "ui/Ui.h"
#include "qt/QtUi.h"
#include "qt/Views.h"

namespace {

void showError(const std::string& text) {
  std::cerr << "velkaro: " << text << "\n";
  QMessageBox::critical(nullptr, QString::fromUtf8(velkaro::kGameTitle), QString::fromStdString(text));
}

// The game directory, ready to play in; empty after the player was told why there is none.
std::filesystem::path prepareGameDirectory() {
  using velkaro::GameDirectory;
  const std::filesystem::path programFolder = GameDirectory::runningExecutableFolder();
  const auto installed = GameDirectory::findInstalledIni(programFolder);
  if (!installed) {
    showError(GameDirectory::dataMissingMessage(programFolder));
    return {};
  }
  try {
    const std::filesystem::path root = GameDirectory::choose(GameDirectory::processEnvironment());
    GameDirectory::prepare(root, *installed);
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

  // Standard buttons read はい / いいえ / キャンセル.
  QTranslator translator;
  if (translator.load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&translator);
  }
  for (const char* family : {"Noto Sans CJK JP", "Noto Sans JP", "IPAGothic"}) {
    if (QFontDatabase::hasFamily(QString::fromUtf8(family))) {
      QFont font(QString::fromUtf8(family));
      font.setPointSize(11);
      QApplication::setFont(font);
      break;
    }
  }

  const std::filesystem::path root = prepareGameDirectory();
  if (root.empty()) return 1;

  velkaro::GameContext context{velkaro::GameDir(root)};
  velkaro::qt::QtUi ui;
  velkaro::qt::registerViews(ui);
  ui.setScreenMaker(velkaro::GameScreens::all());
  ui.showModeless(ui.makeScreen(velkaro::ScreenKind::TitleScreen, context));
  if (ui.openWindows() == 0) return 1;
  return QApplication::exec();
}
