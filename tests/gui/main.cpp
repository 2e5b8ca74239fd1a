// The GUI walk: one seeded game played through its windows by the test classes in turn. A
// class that fails stops the walk, as the later ones play on from where it left the game.
#include <QApplication>
#include <QElapsedTimer>

#include "Walk.h"
#include "qt/AppLook.h"

int runPlacementTest(int argc, char** argv);
int runTitleWalk(int argc, char** argv);
int runTurnWalk(int argc, char** argv);
int runSaveLoadWalk(int argc, char** argv);
int runInfoWalk(int argc, char** argv);
int runReportWalk(int argc, char** argv);
int runReadingWalk(int argc, char** argv);

int main(int argc, char** argv) {
  QElapsedTimer sinceStart;
  sinceStart.start();
  QApplication app(argc, argv);
  velkaro::qt::AppLook::apply(app);
  Walk walk(sinceStart);
  if (const int failed = runPlacementTest(argc, argv); failed != 0) return failed;
  for (auto run : {runTitleWalk, runTurnWalk, runSaveLoadWalk, runInfoWalk, runReportWalk, runReadingWalk}) {
    if (const int failed = run(argc, argv); failed != 0) return failed;
  }
  return 0;
}
