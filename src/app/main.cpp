// velkaro: the game. It plays in the current working directory, which must hold the ini folder.
#include <QApplication>
#include <QMessageBox>
#include <filesystem>

#include "data/GameContext.h"
#include "game/GameScreens.h"
#include "ui/ScreenKind.h"
#include "ui/Ui.h"
#include "qt/AppLook.h"
#include "qt/QtUi.h"
#include "qt/Views.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8(velkaro::kGameTitle));

  velkaro::qt::AppLook::apply(app);

  const std::filesystem::path root = std::filesystem::current_path();
  std::error_code ec;
  if (!std::filesystem::is_directory(root / "ini", ec)) {
    QMessageBox::critical(nullptr, QString::fromUtf8(velkaro::kGameTitle),
                          QString::fromUtf8("ゲームフォルダ「%1」に ini フォルダがありません。\n"
                                            "README の手順でゲームフォルダを用意してください。")
                              .arg(QString::fromStdString(root.string())));
    return 1;
  }

  velkaro::GameContext context{velkaro::GameDir(root)};
  velkaro::qt::QtUi ui;
  velkaro::qt::registerViews(ui);
  ui.setScreenMaker(velkaro::GameScreens::all());
  ui.showModeless(ui.makeScreen(velkaro::ScreenKind::TitleScreen, context));
  if (ui.openWindows() == 0) return 1;
  return QApplication::exec();
}
