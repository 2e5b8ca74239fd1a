// Timings of the file work every screen repeats: loading the state tables, rewriting them,
// the single-record update and reading a template section.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "data/Codec.h"
#include "data/StateFiles.h"
#include "data/StatePaths.h"
#include "data/TemplateReader.h"

namespace {

using namespace velkaro;

class BenchDir {
 public:
  BenchDir() {
    root_ = std::filesystem::temp_directory_path() / ("velkaro-bench-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(root_ / "ini");
    std::string officers;
    for (int i = 1; i <= 170; ++i) {
      officers += "." + std::to_string(i) + "\r\n\"武将" + std::to_string(i) + "\"\r\n5,6,7,8\r\n4,5\r\n" +
                  std::to_string((i - 1) / 10 * 10 + 1) + ",4\r\n\"face\"\r\n" + std::to_string(i) + "\r\n";
    }
    write("busv.ini", officers);
    std::string factions;
    for (int f = 1; f <= 13; ++f) {
      factions += "." + std::to_string(f) + "\r\n\"軍閥" + std::to_string(f) + "\"\r\n0," +
                  std::to_string((f - 1) * 10 + 1) + ",50,5,60,70,80,40\r\n\"FALSE\"\r\n";
    }
    write("gunsv.ini", factions);
    std::string texts;
    for (int n = 1; n <= 60; ++n) {
      texts += "." + std::to_string(n) + "\r\n" + std::string(120, 'x') + "\r\n+\r\n語り\r\n*\r\n.\r\n..\r\n";
    }
    write("Text.ini", texts);
    dir_ = GamePaths(root_);
  }
  ~BenchDir() { std::filesystem::remove_all(root_); }
  const GamePaths& dir() const { return dir_; }

 private:
  void write(const std::string& name, const std::string& utf8) {
    std::ofstream(root_ / "ini" / name, std::ios::binary) << *Codec::toCp932(utf8);
  }
  std::filesystem::path root_;
  GamePaths dir_;
};

void LoadOfficerTable(benchmark::State& state) {
  BenchDir bench;
  StateFiles files(bench.dir());
  for (auto _ : state) {
    OfficerTable table;
    files.loadOfficers(table, 170);
    benchmark::DoNotOptimize(table[170].name);
  }
}
BENCHMARK(LoadOfficerTable);

void SaveOfficerTable(benchmark::State& state) {
  BenchDir bench;
  StateFiles files(bench.dir());
  OfficerTable table;
  files.loadOfficers(table, 170);
  for (auto _ : state) files.saveOfficers(table, 170);
}
BENCHMARK(SaveOfficerTable);

void SingleFactionUpdate(benchmark::State& state) {
  BenchDir bench;
  StateFiles files(bench.dir());
  gun g;
  files.loadFaction(7, 13, g);
  for (auto _ : state) {
    ++g.tian;
    files.saveFaction(g);
  }
}
BENCHMARK(SingleFactionUpdate);

void TemplateSection(benchmark::State& state) {
  BenchDir bench;
  for (auto _ : state) {
    PageTable pages;
    TemplateReader::appendSection(bench.dir(), paths::kText, 59, "曹操", "荀彧", pages);
    benchmark::DoNotOptimize(pages.page(0));
  }
}
BENCHMARK(TemplateSection);

}  // namespace
