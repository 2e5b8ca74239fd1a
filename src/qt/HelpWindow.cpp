#include "qt/HelpWindow.h"

#include <algorithm>
#include <utility>
#include <vector>

#include <QDialogButtonBox>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QVBoxLayout>

#include "data/GameDirectorySetup.h"
#include "qt/ScreenRoom.h"

namespace velkaro::qt {
namespace {

// Large enough to read a page without scrolling sideways, small enough for a 1024×768 screen
// with the window frame and a panel.
constexpr int kWidth = 900;
constexpr int kHeight = 680;
// The screenshots are whole screens; drawn at most this wide they stay readable beside the text.
constexpr int kPictureWidth = 640;
// The window's margins, the text's margins and its scroll bar beside a picture.
constexpr int kPictureRoom = 80;

QPointer<HelpWindow>& openWindow() {
  static QPointer<HelpWindow> window;
  return window;
}

QString pathText(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

}  // namespace

std::filesystem::path HelpWindow::installedManual(const std::filesystem::path& executableFolder) {
  const auto places = GameDirectorySetup::dataCandidates(executableFolder);
  for (const std::filesystem::path& place : places) {
    std::error_code ec;
    if (std::filesystem::is_regular_file(place / kManualPath, ec)) return place / kManualPath;
  }
  return places.front() / kManualPath;
}

HelpWindow* HelpWindow::open(const std::filesystem::path& manual) {
  QPointer<HelpWindow>& window = openWindow();
  if (window == nullptr) {
    window = new HelpWindow(manual);
    window->setAttribute(Qt::WA_DeleteOnClose);
    // The game ends with its own windows; an open manual must not keep it running.
    window->setAttribute(Qt::WA_QuitOnClose, false);
  }
  window->show();
  window->raise();
  window->activateWindow();
  return window;
}

HelpWindow::HelpWindow(const std::filesystem::path& manual, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("遊び方"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setWindowFlag(Qt::WindowMinMaxButtonsHint, true);
  setModal(false);
  auto* layout = new QVBoxLayout(this);
  browser_ = new QTextBrowser(this);
  browser_->setOpenLinks(false);
  layout->addWidget(browser_, 1);
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* close = buttons->addButton(QStringLiteral("閉じる"), QDialogButtonBox::RejectRole);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  layout->addWidget(buttons);

  const QRect room = ScreenRoom::inside();
  const QSize size = QSize(kWidth, kHeight).boundedTo(room.size());
  resize(size);
  move(room.center() - QPoint(size.width() / 2, size.height() / 2));
  load(manual);
  browser_->setFocus();
}

void HelpWindow::load(const std::filesystem::path& manual) {
  QFile file(pathText(manual));
  if (!file.open(QIODevice::ReadOnly)) {
    const QString reason = file.exists() ? QStringLiteral("読めません") : QStringLiteral("見つかりません");
    browser_->setPlainText(QStringLiteral("説明書のファイル「%1」が%2。\nゲームをインストールし直してください。")
                               .arg(pathText(manual), reason));
    return;
  }
  // Pictures are named relative to the manual's own folder.
  browser_->setSearchPaths({pathText(manual.parent_path())});
  browser_->setMarkdown(QString::fromUtf8(file.readAll()));
  fitPictures();
}

void HelpWindow::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  fitPictures();
}

void HelpWindow::fitPictures() {
  // Only the width is set: the height follows the picture's own proportions. The window's own
  // width counts: the text's viewport takes its new size only after this event.
  const int width = std::min(kPictureWidth, this->width() - kPictureRoom);
  if (width <= 0) return;
  QTextDocument* document = browser_->document();
  // Changing a fragment's format may split or merge fragments: find them all first.
  std::vector<std::pair<int, int>> pictures;
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      if (!fragment.isValid() || !fragment.charFormat().isImageFormat()) continue;
      if (static_cast<int>(fragment.charFormat().toImageFormat().width()) == width) continue;
      pictures.emplace_back(fragment.position(), fragment.length());
    }
  }
  for (const auto& [position, length] : pictures) {
    QTextCursor cursor(document);
    cursor.setPosition(position);
    cursor.setPosition(position + length, QTextCursor::KeepAnchor);
    QTextImageFormat picture = cursor.charFormat().toImageFormat();
    picture.setWidth(width);
    cursor.setCharFormat(picture);
  }
}

}  // namespace velkaro::qt
