// Where a child window goes beside the list it was opened from, on a 1280×800 screen.
#include <QTest>

#include "qt/WindowPlacement.h"

using velkaro::qt::WindowPlacement;

class PlacementTest : public QObject {
  Q_OBJECT
  const QRect screen_{0, 0, 1280, 800};

 private slots:
  // Room on the right: the window stands there at its wanted size, level with the list.
  void rightOfTheListWhenThereIsRoom() {
    const QRect list(100, 200, 200, 300);
    const QRect placed = WindowPlacement::beside(list, {600, 400}, {400, 300}, screen_);
    QCOMPARE(placed, QRect(300, 200, 600, 400));
  }

  // A list at the right edge: the window goes to its left, narrowed to the room there.
  void leftAndNarrowedWhenTheRightIsFull() {
    const QRect list(733, 64, 380, 548);
    const QRect placed = WindowPlacement::beside(list, {1100, 560}, {650, 300}, screen_);
    QCOMPARE(placed.right(), 732);
    QCOMPARE(placed.width(), 733);
    QVERIFY(!placed.intersects(list));
    QVERIFY(screen_.contains(placed));
  }

  // No side with room for the least size: no place is chosen.
  void nothingWhenNoSideHasRoom() {
    const QRect list(100, 50, 1080, 700);
    QVERIFY(!WindowPlacement::beside(list, {600, 400}, {400, 300}, screen_).isValid());
  }

  // Below, kept inside the screen, when the list spans the width.
  void belowAWideList() {
    const QRect list(0, 0, 1280, 300);
    const QRect placed = WindowPlacement::beside(list, {600, 400}, {400, 300}, screen_);
    QCOMPARE(placed.top(), 300);
    QVERIFY(screen_.contains(placed));
    QVERIFY(!placed.intersects(list));
  }
};

int runPlacementTest(int argc, char** argv) {
  PlacementTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "PlacementTest.moc"
