#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "data/Codec.h"
#include "data/FileCache.h"
#include "data/Membership.h"
#include "data/StateFiles.h"
#include "support/SyntheticData.h"
#include "support/TempGameDir.h"
#include "tools/sim/GameAudit.h"
#include "tools/sim/LogAudit.h"
#include "tools/sim/Simulation.h"

using namespace velkaro;
using velkaro::sim::Findings;
using velkaro::sim::GameAudit;
using velkaro::sim::LogAudit;
using velkaro::test::TempGameDir;

namespace {

// Three factions ruled by officers 1, 11 and 21; factions 1 and 2 are allied under 1; officers
// 26..30 are fictional.
struct SoundGame {
  OfficerTable officers;
  FactionTable factions;
  std::array<int16, kPanels> meishu{0, 1, 0, 0};
  std::array<std::vector<int>, kPanels> panels{std::vector<int>{3}, std::vector<int>{1, 2}, {}, {}};
  GameAudit::Sizes sizes{30, 3, 25};

  SoundGame() {
    for (int i = 1; i <= 30; ++i) {
      Bushou& b = officers[i];
      b.id = static_cast<int16>(i);
      b.name = "武将" + std::to_string(i);
      for (int n = 1; n <= 6; ++n) b.field(n) = static_cast<int16>((i + n) % 10 + 1);
      b.kunID = static_cast<int16>(i <= 10 ? 1 : (i <= 20 ? 11 : 21));
      b.Job = static_cast<int16>(b.kunID == i ? 5 : 1);
      b.commentID = static_cast<int16>(i <= 25 ? i : 200);
    }
    for (int f = 1; f <= 3; ++f) {
      gun& g = factions[f];
      g.id = static_cast<int16>(f);
      g.name = "軍" + std::to_string(f);
      g.kunshuID = static_cast<int16>(10 * (f - 1) + 1);
      g.meishuID = static_cast<int16>(f <= 2 ? 1 : 0);
      g.army = 50;
      g.seihei = 5;
      g.meisei = 80;
      g.tian = 60;
      g.kessoku = 70;
      g.ifu = 40;
    }
    Membership::deriveGunIds(officers, factions, 30, 3);
  }

  Findings audit() const {
    Findings out;
    GameAudit::records(officers, factions, sizes, out);
    GameAudit::membership(officers, factions, sizes, out);
    GameAudit::alliances(factions, meishu, sizes.factionMax, out);
    GameAudit::panels(panels, factions, sizes.factionMax, out);
    return out;
  }
};

struct Breakage {
  const char* rule;
  std::function<void(SoundGame&)> breakIt;
};

}  // namespace

TEST(GameAudit, ASoundGamePassesAndEachBrokenRuleIsNamed) {
  ASSERT_EQ(SoundGame().audit(), Findings{});
  const std::vector<Breakage> cases = {
      {"field out of range: officer 4 fight = 0", [](SoundGame& g) { g.officers[4].fight = 0; }},
      {"field out of range: officer 5 policy = 11", [](SoundGame& g) { g.officers[5].policy = 11; }},
      {"field out of range: officer 6 Job = 7", [](SoundGame& g) { g.officers[6].Job = 7; }},
      {"field out of range: officer 7 kunID = 31", [](SoundGame& g) { g.officers[7].kunID = 31; }},
      {"fictional officer without comment 200: officer 27", [](SoundGame& g) { g.officers[27].commentID = 3; }},
      {"master officer with the fictional comment 200: officer 3", [](SoundGame& g) { g.officers[3].commentID = 200; }},
      {"empty name: officer 2", [](SoundGame& g) { g.officers[2].name.clear(); }},
      {"record id: faction 2 holds id 5", [](SoundGame& g) { g.factions[2].id = 5; }},
      {"wrapped 16-bit value: faction 1 field 5 = -32768", [](SoundGame& g) { g.factions[1].meisei = -32768; }},
      {"wrapped 16-bit value: faction 3 field 3 = 32767", [](SoundGame& g) { g.factions[3].army = 32767; }},
      {"field out of range: faction 2 army = -4", [](SoundGame& g) { g.factions[2].army = -4; }},
      {"field out of range: faction 2 ifu = 103", [](SoundGame& g) { g.factions[2].ifu = 103; }},
      {"field out of range: faction 1 tian = -1", [](SoundGame& g) { g.factions[1].tian = -1; }},
      {"gunID disagrees with kunID: officer 12", [](SoundGame& g) { g.officers[12].gunID = 1; }},
      {"officer serves nobody's ruler: officer 13 kunID 14",
       [](SoundGame& g) {
         g.officers[13].kunID = 14;
         g.officers[13].gunID = 0;
       }},
      {"ruler does not serve himself: faction 2", [](SoundGame& g) { g.officers[11].kunID = 1; }},
      {"two factions share a ruler", [](SoundGame& g) { g.factions[3].kunshuID = 11; }},
      {"destroyed faction in an alliance: faction 2", [](SoundGame& g) { g.factions[2].del = true; }},
      {"destroyed faction in a panel: faction 3 in panel 0", [](SoundGame& g) { g.factions[3].del = true; }},
      {"faction in two panels: faction 3", [](SoundGame& g) { g.panels[2] = {3}; }},
      {"standing faction in no panel: faction 2", [](SoundGame& g) { g.panels[1] = {1}; }},
      {"alliance without a standing leader: faction 2 follows officer 21", [](SoundGame& g) { g.factions[2].meishuID = 21; }},
      {"alliance slot 2 holds officer 21, who leads no standing alliance", [](SoundGame& g) { g.meishu[2] = 21; }},
      {"alliance without a slot: led by faction 3", [](SoundGame& g) { g.factions[3].meishuID = 21; }},
      {"alliance slot twice: officer 1", [](SoundGame& g) { g.meishu[3] = 1; }},
  };
  for (const Breakage& c : cases) {
    SoundGame game;
    c.breakIt(game);
    const Findings found = game.audit();
    bool named = false;
    for (const std::string& f : found) named = named || f.find(c.rule) != std::string::npos;
    EXPECT_TRUE(named) << c.rule << "\nfound: " << (found.empty() ? "nothing" : found.front());
  }
}

TEST(GameAudit, AFourthAllianceIsRefused) {
  SoundGame game;
  game.sizes = {40, 4, 40};
  for (int i = 31; i <= 40; ++i) {
    game.officers[i] = game.officers[21];
    game.officers[i].id = static_cast<int16>(i);
    game.officers[i].kunID = 31;
    game.officers[i].commentID = static_cast<int16>(i);
  }
  game.factions[4] = game.factions[3];
  game.factions[4].id = 4;
  game.factions[4].kunshuID = 31;
  for (int f = 1; f <= 4; ++f) game.factions[f].meishuID = game.factions[f].kunshuID;
  Membership::deriveGunIds(game.officers, game.factions, 40, 4);
  Findings out;
  GameAudit::alliances(game.factions, {0, 1, 11, 21}, 4, out);
  ASSERT_FALSE(out.empty());
  EXPECT_EQ(out.front(), "more than three alliances: 4 factions lead one");
}

TEST(GameAudit, StateFilesMustReadBackAsWrittenAndParse) {
  TempGameDir dir;
  SoundGame game;
  const StateFiles files(dir.dir());
  files.saveOfficers(game.officers, 30);
  files.saveFactions(game.factions, 3);
  Findings out;
  GameAudit::stateFiles(dir.dir(), game.officers, game.factions, game.sizes, out);
  EXPECT_EQ(out, Findings{});

  // A table changed after the write no longer matches the file.
  SoundGame changed;
  changed.officers[9].wisdom = 1;
  changed.factions[2].del = true;
  out.clear();
  GameAudit::stateFiles(dir.dir(), changed.officers, changed.factions, changed.sizes, out);
  ASSERT_EQ(out.size(), 2u);
  EXPECT_EQ(out[0].rfind("officer file reads back different: officer 9", 0), 0u) << out[0];
  EXPECT_EQ(out[1].rfind("faction file reads back different: faction 2", 0), 0u) << out[1];

  // A file cut inside a record does not parse with the game's loaders.
  const std::string bytes = dir.readBytes("ini/gunsv.ini");
  dir.writeBytes("ini/gunsv.ini", bytes.substr(0, bytes.size() - 12));
  out.clear();
  GameAudit::stateFiles(dir.dir(), game.officers, game.factions, game.sizes, out);
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(out[0].rfind("state file does not parse: ", 0), 0u) << out[0];
  out.clear();
  GameAudit::state(dir.dir(), game.meishu, game.sizes, out);
  ASSERT_EQ(out.size(), 1u);
  EXPECT_NE(out[0].find("gunsv.ini"), std::string::npos) << out[0];
}

namespace {

std::vector<std::string> year(int y) {
  return {"＝＝＝＝＝＝＝＝＝", "＝＝ 　" + std::to_string(y) + "年　＝＝", "＝＝＝＝＝＝＝＝＝", "出来事", ""};
}

std::vector<std::string> logOf(std::initializer_list<int> years, int terminators = 1) {
  std::vector<std::string> lines{"Velkaroの記録"};
  for (int y : years) {
    for (const std::string& line : year(y)) lines.push_back(line);
  }
  for (int i = 0; i < terminators; ++i) lines.push_back("EOT=======");
  return lines;
}

std::string firstFinding(const std::vector<std::string>& lines, int first, int last, bool lineBreak = true) {
  std::vector<std::string> out;
  LogAudit::checkLines(lines, lineBreak, first, last, out);
  return out.empty() ? "" : out.front();
}

}  // namespace

TEST(LogAudit, OneHeadingPerResolvedYearAndOneTerminatorAtTheEnd) {
  EXPECT_EQ(firstFinding(logOf({189, 190, 191}), 189, 191), "");
  EXPECT_EQ(firstFinding(logOf({}), 189, 188), "");
  EXPECT_EQ(firstFinding(logOf({189, 190}), 189, 191), "log holds 2 year headings for 3 resolved years");
  EXPECT_EQ(firstFinding(logOf({189, 189}), 189, 190), "log year heading out of order: 189 where 190 was due");
  EXPECT_EQ(firstFinding(logOf({189, 191}), 189, 190), "log year heading out of order: 191 where 190 was due");
  EXPECT_EQ(firstFinding(logOf({189, 190}, 2), 189, 190), "log holds 2 terminators");
  EXPECT_EQ(firstFinding(logOf({189, 190}, 0), 189, 190), "log holds 0 terminators");
  EXPECT_EQ(firstFinding(logOf({189}), 189, 189, false), "log does not end with its terminator line");

  auto trailing = logOf({189});
  trailing.push_back("後から書かれた行");
  EXPECT_EQ(firstFinding(trailing, 189, 189), "log does not end with its terminator line");

  auto unframed = logOf({189});
  unframed[1] = "見出しの枠";
  EXPECT_EQ(firstFinding(unframed, 189, 189), "log year heading 189 is not framed by its two rule lines");

  // A narration line starting with "＝" would make the log reader start a page in the middle of a year.
  auto extra = logOf({189});
  extra.insert(extra.begin() + 4, "＝余分な行");
  EXPECT_EQ(firstFinding(extra, 189, 189), "log has 4 lines beginning with ＝ (the reader pages by them; 3 expected)");
}

TEST(LogAudit, ReadsTheRunningGamesLogFile) {
  TempGameDir dir;
  std::string text;
  for (const std::string& line : logOf({195, 196})) text += line + "\n";
  dir.writeText("ini/velkaro.log", text);
  std::vector<std::string> out;
  LogAudit::check(dir.dir(), 195, 196, out);
  EXPECT_EQ(out, std::vector<std::string>{});
  out.clear();
  LogAudit::check(dir.dir(), 195, 197, out);
  ASSERT_EQ(out.size(), 2u);
  EXPECT_EQ(out[0], "log holds 2 year headings for 3 resolved years");
  std::filesystem::remove(dir.root() / "ini" / "velkaro.log");
  std::filesystem::create_directories(dir.root() / "ini" / "velkaro.log");
  FileCache::shared().lookAgain();  // changed from outside
  out.clear();
  LogAudit::check(dir.dir(), 195, 196, out);
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(out[0].rfind("log cannot be read: ", 0), 0u) << out[0];
}

TEST(GameAudit, CheckedGamesPassAndABrokenMasterFailsWithScenarioSeedAndYear) {
  TempGameDir data;
  velkaro::test::SyntheticData::install(data);
  TempGameDir game;
  sim::Options o;
  o.dir = (game.root() / "play").string();
  o.scenario = 4;
  o.seed = 31;
  o.shippedIni = (data.root() / "ini").string();
  o.players = {2};
  o.check = true;
  EXPECT_NO_THROW(sim::Simulation(o).run());

  // An ability of 40 in the master reaches the running game: the first yearly check names it.
  std::string master = data.readText("ini/Bushou1.ini");
  const std::string record = ".12\r\n\"甲武将12\"\r\n";
  const std::size_t at = master.find(record);
  ASSERT_NE(at, std::string::npos);
  const std::size_t numbers = at + record.size();
  master.replace(numbers, master.find(',', numbers) - numbers, "40");
  data.writeBytes("ini/Bushou1.ini", *Codec::toCp932(master));
  TempGameDir second;
  o.dir = (second.root() / "play").string();
  try {
    sim::Simulation(o).run();
    ADD_FAILURE() << "the broken officer was not found";
  } catch (const sim::CheckFailed& e) {
    EXPECT_EQ(std::string(e.what()), "check failed: scenario 4, seed 31, year 189: field out of range: officer 12 policy = 40 (1..10)");
  }
}
