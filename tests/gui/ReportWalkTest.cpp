// The reports and the credits on the resolution window: the interim and the final report as
// the main screen opens them in those years, and the credits rolling up into sight.
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "Walk.h"
#include "resolution/BattleLog.h"
#include "resolution/ResolutionScreen.h"
#include "turn/MainScreen.h"
#include "turn/Report.h"
#include "turn/ResolutionCall.h"

using velkaro::qt::ScreenWindow;

class ReportWalkTest : public QObject {
  Q_OBJECT
  Walk& walk_ = Walk::game();

  static velkaro::MainScreen& screen() {
    return static_cast<velkaro::MainScreen&>(Walk::window("MainScreen")->screen());
  }

  // The report under its heading, the players' results in it; read to its end with Enter.
  void report(const char* heading, const char* picture) {
    auto& ctx = walk_.context();
    std::string text = std::string(heading) + "\r\n";
    const velkaro::int16 height = velkaro::Report(ctx, screen().allianceTroops()).Houkoku_rtn(text);
    ctx.sharedText = text;
    ctx.runMode = 3;
    bool read = false;
    walk_.onWindow("ResolutionScreen", [&](ScreenWindow& w) {
      auto& msg = static_cast<velkaro::ResolutionScreen&>(w.screen());
      QVERIFY(msg.Label1.caption.rfind(heading, 0) == 0);
      QVERIFY(msg.Label1.caption.find("（プレイヤー）") != std::string::npos);
      Walk::shot(picture, &w);
      for (int guard = 0; guard < 50 && !msg.closed; ++guard) QTest::keyClick(&w, Qt::Key_Return);
      read = msg.closed;
    });
    walk_.clear();
    velkaro::ResolutionCall::open(ctx, walk_.ui(), height);
    ctx.runMode = 1;
    QVERIFY(read);
    QCOMPARE(walk_.windows, QStringList{"ResolutionScreen"});
  }

 private slots:
  void interimReport() { report("中間報告（ゲーム終了１０年前）", "report-interim"); }
  void finalReport() { report("ゲーム最終結果", "report-final"); }

  // The credits keep their page (22 empty lines, then the three lines) and roll up until the
  // three lines are in sight; 閉 closes.
  void creditsRollIntoSight() {
    auto& ctx = walk_.context();
    ctx.runMode = 0;
    bool seen = false;
    bool closed = false;
    walk_.onWindow("ResolutionScreen", [&](ScreenWindow& w) {
      auto& msg = static_cast<velkaro::ResolutionScreen&>(w.screen());
      QVERIFY(msg.Label1.caption.find(velkaro::BattleLog::kCreditLines[2]) != std::string::npos);
      auto* area = w.findChild<QScrollArea*>();
      auto* text = qobject_cast<QLabel*>(area->widget());
      QScrollBar* bar = area->verticalScrollBar();
      const int line = text->fontMetrics().lineSpacing();
      const int creditsTop = text->margin() + 22 * line;
      const int creditsBottom = text->margin() + 26 * line;
      QTRY_VERIFY_WITH_TIMEOUT(bar->value() + area->viewport()->height() >= creditsBottom, 15000);
      seen = bar->value() <= creditsTop;
      Walk::shot("credits", &w);
      QTest::mouseClick(Walk::button(&w, "閉"), Qt::LeftButton);
      closed = msg.closed;
    });
    walk_.clear();
    velkaro::ResolutionCall::open(ctx, walk_.ui());
    ctx.runMode = 1;
    QVERIFY(seen);
    QVERIFY(closed);
  }
};

int runReportWalk(int argc, char** argv) {
  ReportWalkTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "ReportWalkTest.moc"
