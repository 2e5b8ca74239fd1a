// Reading and leaving windows on a running game: a page taller than a small narration window
// is read to its last line by keys and by the wheel; a double-click on the narration's 閉
// leaves the year-end report that opens under it alone; the comment editor asks before it
// drops typed text.
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <climits>

#include "Walk.h"
#include "resolution/ResolutionScreen.h"
#include "turn/MainScreen.h"
#include "turn/ResolutionCall.h"

using velkaro::qt::ScreenWindow;

class ReadingWalkTest : public QObject {
  Q_OBJECT
  Walk& walk_ = Walk::game();

  static ScreenWindow* main() { return Walk::window("MainScreen"); }
  static void clickRow(QListWidget* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
  }

  // Where the page's last line ends, in the text label.
  static int textFoot(const QLabel* label) {
    const QRect inside = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), 0);
    const QRect text = label->fontMetrics().boundingRect(QRect(0, 0, inside.width(), INT_MAX),
                                                         Qt::TextWordWrap | Qt::AlignLeft, label->text());
    return inside.top() + text.height();
  }
  static bool footInSight(QScrollArea* area) {
    const auto* label = qobject_cast<QLabel*>(area->widget());
    return textFoot(label) <= area->verticalScrollBar()->value() + area->viewport()->height();
  }

  // One mouse button event with the time it carries, as a quick hand makes them.
  static void mouse(QWidget* widget, QEvent::Type type, ulong time) {
    const QPointF at = QRectF(widget->rect()).center();
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
    event.setTimestamp(time);
    QApplication::sendEvent(widget, &event);
  }

 private slots:
  // A page of sixty lines in a window 300 pixels high: the arrows and PageDown scroll it, and
  // PageDown and Enter reach the last line before anything closes; the wheel scrolls it too.
  void tallPageReadToItsFoot() {
    auto& ctx = walk_.context();
    std::string text;
    for (int i = 1; i <= 60; ++i) text += "第" + std::to_string(i) + "行\r\n";
    text += "最後の行";
    ctx.sharedText = text;
    ctx.runMode = 3;
    bool byArrow = false;
    bool byPageDown = false;
    bool byWheel = false;
    bool enterReadsFirst = false;
    bool closed = false;
    walk_.onWindow("ResolutionScreen", [&](ScreenWindow& w) {
      auto& msg = static_cast<velkaro::ResolutionScreen&>(w.screen());
      w.resize(560, 300);
      QTest::qWait(50);
      auto* area = w.findChild<QScrollArea*>();
      QScrollBar* bar = area->verticalScrollBar();
      QVERIFY(!footInSight(area));
      QVERIFY(!Walk::button(&w, "次ページ")->isEnabled());
      QTest::keyClick(&w, Qt::Key_Down);
      byArrow = bar->value() > 0;
      for (int i = 0; i < 40 && !footInSight(area); ++i) QTest::keyClick(&w, Qt::Key_PageDown);
      byPageDown = footInSight(area) && !msg.closed;
      bar->setValue(0);
      QWheelEvent wheel(QPointF(20, 20), area->viewport()->mapToGlobal(QPointF(20, 20)), QPoint(), QPoint(0, -120),
                        Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
      QApplication::sendEvent(area->viewport(), &wheel);
      byWheel = bar->value() > 0;
      bar->setValue(0);
      QTest::keyClick(&w, Qt::Key_Return);
      enterReadsFirst = !msg.closed && bar->value() > 0;
      for (int i = 0; i < 40 && !msg.closed; ++i) QTest::keyClick(&w, Qt::Key_Return);
      closed = msg.closed;
    });
    walk_.clear();
    velkaro::ResolutionCall::open(ctx, walk_.ui());
    ctx.runMode = 1;
    QVERIFY(byArrow);
    QVERIFY(byPageDown);
    QVERIFY(byWheel);
    QVERIFY(enterReadsFirst);
    QVERIFY(closed);
  }

  // Both players leave the year to the computer. The narration is closed by a double-click on
  // 閉: its second click falls on the year-end report, which stays open; a click of its own
  // later closes it.
  void doubleClickClosesOneWindow() {
    ulong first = 0;
    bool narrationClosed = false;
    bool reportKept = false;
    bool reportClosed = false;
    walk_.onWindow("ResolutionScreen", [&](ScreenWindow& w) {
      QTest::keyClick(&w, Qt::Key_End);
      QPushButton* close = Walk::button(&w, "閉");
      first = static_cast<ulong>(QTest::lastMouseTimestamp) + 1000;
      mouse(close, QEvent::MouseButtonPress, first);
      mouse(close, QEvent::MouseButtonRelease, first + 60);
      narrationClosed = w.screen().closed;
    });
    walk_.onWindow("ResolutionScreen", [&](ScreenWindow& w) {
      QPushButton* close = Walk::button(&w, "閉");
      QVERIFY(close->isEnabled());
      mouse(close, QEvent::MouseButtonPress, first + 180);
      mouse(close, QEvent::MouseButtonDblClick, first + 180);
      mouse(close, QEvent::MouseButtonRelease, first + 240);
      reportKept = !w.screen().closed;
      QTest::lastMouseTimestamp = static_cast<int>(first) + 5000;
      QTest::mouseClick(close, Qt::LeftButton);
      reportClosed = w.screen().closed;
    });
    walk_.clear();
    walk_.answer({QMessageBox::Yes, Qt::Key_Return, QMessageBox::Yes, Qt::Key_Return});
    const int year = static_cast<velkaro::MainScreen&>(main()->screen()).year();
    for (int i = 0; i < 2; ++i) QTest::mouseClick(Walk::button(main(), "Auto"), Qt::LeftButton);
    QCOMPARE(walk_.stepsLeft(), 0);
    QVERIFY(narrationClosed);
    QVERIFY2(reportKept, "the second click of the double-click closed the year-end report");
    QVERIFY(reportClosed);
    QCOMPARE(static_cast<velkaro::MainScreen&>(main()->screen()).year(), year + 1);
  }

  // Typed text in the comment editor: closing the window asks, and いいえ keeps the text; Esc
  // asks again, and はい leaves without storing anything.
  void commentEditorAsksBeforeDropping() {
    QFile comments(QString::fromStdString((walk_.dir() / "ini" / "Cmtsv.ini").string()));
    QVERIFY(comments.open(QIODevice::ReadOnly));
    const QByteArray before = comments.readAll();
    comments.close();
    bool keptOnNo = false;
    bool closedOnYes = false;
    walk_.onWindow("FactionDetail", [](ScreenWindow& detail) {
      QListWidget* officers = nullptr;
      for (QListWidget* l : detail.findChildren<QListWidget*>()) {
        if (officers == nullptr && l->count() > 0) officers = l;
      }
      QVERIFY(officers != nullptr);
      clickRow(officers, 0);
      QTest::keyClick(&detail, Qt::Key_Escape);
    });
    walk_.onWindow("OfficerStatus", [](ScreenWindow& status) {
      QLabel* comment = nullptr;
      for (QLabel* l : status.findChildren<QLabel*>()) {
        if (l->styleSheet().contains("#fbf7ec")) comment = l;
      }
      QVERIFY(comment != nullptr);
      QTest::mouseClick(comment, Qt::LeftButton);
      QTest::keyClick(&status, Qt::Key_Escape);
    });
    walk_.onWindow("CommentEditor", [&](ScreenWindow& editor) {
      auto* text = editor.findChild<QPlainTextEdit*>();
      text->setFocus();
      text->moveCursor(QTextCursor::End);
      QTest::keyClicks(text, "abc");
      editor.close();
      keptOnNo = !editor.screen().closed && editor.isVisible() && text->toPlainText().endsWith("abc");
      QTest::keyClick(text, Qt::Key_Escape);
      closedOnYes = editor.screen().closed;
    });
    walk_.clear();
    walk_.answer({Qt::Key_Return, QMessageBox::Yes});
    clickRow(main()->findChildren<QListWidget*>()[0], 0);
    QTRY_VERIFY(Walk::window("FactionDetail") == nullptr);
    QVERIFY2(walk_.stepsLeft() == 0, qPrintable(walk_.windows.join(",") + " / " + walk_.messages.join(",")));
    const QString question = QStringLiteral("入力した内容を破棄しますか？");
    QCOMPARE(walk_.messages, (QStringList{question, question}));
    QVERIFY(keptOnNo);
    QVERIFY(closedOnYes);
    QVERIFY(comments.open(QIODevice::ReadOnly));
    QCOMPARE(comments.readAll(), before);
  }
};

int runReadingWalk(int argc, char** argv) {
  ReadingWalkTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "ReadingWalkTest.moc"
