#include "qt/AppLook.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace velkaro::qt {
namespace {

// Handles in the panels' ink brown on a pale track: the default handles are barely darker than
// the cream text panels they scroll.
constexpr const char* kScrollBars = R"(
QScrollBar:vertical { background: #e6dcc4; width: 14px; margin: 0; }
QScrollBar:horizontal { background: #e6dcc4; height: 14px; margin: 0; }
QScrollBar::handle:vertical { background: #8c7b5a; min-height: 30px; border-radius: 4px; margin: 2px; }
QScrollBar::handle:horizontal { background: #8c7b5a; min-width: 30px; border-radius: 4px; margin: 2px; }
QScrollBar::handle:hover { background: #6b5a3a; }
QScrollBar::handle:disabled { background: #cfc4aa; }
QScrollBar::add-line, QScrollBar::sub-line { width: 0; height: 0; border: none; background: none; }
QScrollBar::add-page, QScrollBar::sub-page { background: none; }
)";

}  // namespace

QString AppLook::japaneseFamily() {
  for (const char* family : {"Noto Sans CJK JP", "Noto Sans JP", "IPAGothic", "IPAexGothic", "TakaoGothic"}) {
    if (QFontDatabase::hasFamily(QString::fromUtf8(family))) return QString::fromUtf8(family);
  }
  const QString current = QApplication::font().family();
  if (QFontDatabase::writingSystems(current).contains(QFontDatabase::Japanese)) return current;
  const QStringList japanese = QFontDatabase::families(QFontDatabase::Japanese);
  return japanese.isEmpty() ? current : japanese.front();
}

void AppLook::apply(QApplication& app) {
  // Standard buttons read はい / いいえ / キャンセル.
  auto* translator = new QTranslator(&app);
  if (translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(translator);
  }
  QFont font(japaneseFamily());
  font.setPointSize(11);
  QApplication::setFont(font);
  app.setStyleSheet(QString::fromUtf8(kScrollBars));
}

}  // namespace velkaro::qt
