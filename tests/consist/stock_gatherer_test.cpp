#include "consist/stock_gatherer.h"

#include <gtest/gtest.h>

#include <QFile>
#include <functional>
#include <memory>

#include "tests/consist/consist_test_support.h"
#include "tests/support/case_file.h"

namespace fennick {
namespace {

// Asks to stop once `stop` says so; records the reports.
struct RecordingProgress : GatherProgress {
  explicit RecordingProgress(std::function<bool()> stop = [] { return false; }) : stop(stop) {}
  bool Report(std::size_t done, std::size_t total) override {
    reports.emplace_back(done, total);
    return !stop();
  }
  std::function<bool()> stop;
  std::vector<std::pair<std::size_t, std::size_t>> reports;
};

class GatherTest : public test::SampleStockTest {
 protected:
  GatherOutcome Gather(const QString& folder, std::optional<std::string> kind, unsigned workers = 2,
                       GatherProgress* progress = nullptr) {
    return StockGatherer(converter(), *cache, workers)
        .Gather(folder, kind, catalogue, dialogs, progress);
  }
  // The blueprint IDs' file names without ".xml", space-separated, in list order.
  std::string Files() const {
    std::string files;
    for (const StockEntry& e : catalogue.entries) {
      const std::string file = e.blueprintId.substr(e.blueprintId.rfind('\\') + 1);
      files += (files.empty() ? "" : " ") + file.substr(0, file.size() - 4);
    }
    return files;
  }

  // A fresh cache forgets every classification.
  std::unique_ptr<ClassificationCache> cache = std::make_unique<ClassificationCache>();
  StockCatalogue catalogue;
  test::ScriptedDialogs dialogs;
};

// tests/data/stock_gathering/cases.txt: a parallel walk lists in the same order as one at a time.
TEST_F(GatherTest, EveryGatheringListsWhatTheCasesSay) {
  const auto cases = test::ReadCaseFile(FENNICK_TEST_DATA_DIR "/stock_gathering/cases.txt");
  ASSERT_GT(cases.size(), 15u);
  for (const test::CaseLine& line : cases) {
    const auto& f = line.fields;
    SCOPED_TRACE("line " + std::to_string(line.lineNumber) + ": " + f[1] + " " + f[2]);
    if (f[0] == "new") {
      cache = std::make_unique<ClassificationCache>();
      catalogue = {};
    }
    dialogs.shown.clear();
    if (f[3] == "yes" || f[3] == "no") dialogs.answers = {f[3] == "yes"};
    const QString folder = QString::fromStdString(f[1]);
    const int runs = ConverterRuns();
    const GatherOutcome outcome =
        Gather(folder.contains(':') ? folder : Assets(folder),
               f[2] == "-" ? std::nullopt : std::optional(f[2]), std::stoul(f[7]));
    EXPECT_EQ(outcome.gathered, !f[4].empty());
    EXPECT_EQ(Files(), f[4]);
    if (f[5] != "-") {
      // Only candidates were converted, each once.
      EXPECT_EQ(outcome.candidates, std::stoul(f[5]));
      EXPECT_EQ(ConverterRuns() - runs, std::stoi(f[5]));
    }
    EXPECT_TRUE(TempFilesEntries().isEmpty()) << TempFilesEntries().join(' ').toStdString();
    ASSERT_EQ(dialogs.shown.size(), f[3] == "-" ? 0u : 1u);
    if (f[3] != "-") {
      const bool question = f[3] == "yes" || f[3] == "no";
      EXPECT_EQ(dialogs.shown[0].kind == test::ScriptedDialogs::Shown::OkCancel, question);
      EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Exclamation);
      EXPECT_TRUE(question || dialogs.shown[0].text.find(f[3]) != std::string::npos);
    }
    if (f[6] == "-") continue;
    std::string shown = catalogue.provider + "|" + catalogue.product + "|" + catalogue.leaf;
    const std::string flags = std::string(catalogue.productFolderChosen ? "P" : "") +
                              (catalogue.anyFolderAccepted ? "A" : "");
    if (!flags.empty()) shown += " " + flags;
    if (f[6].find('=') != std::string::npos && !catalogue.entries.empty())
      shown += " " + catalogue.entries[0].name + "=" + catalogue.entries[0].blueprintId;
    EXPECT_EQ(shown, f[6]);
  }
}

TEST_F(GatherTest, WalkErrorsComeTogetherInOneMessageAtTheEnd) {
  LayBlueprints(FENNICK_TEST_DATA_DIR "/stock_gathering/anon");
  test::ConverterFault("exit:Mk2");
  EXPECT_TRUE(Gather(KujuRailVehicles(), "DMU").gathered);
  EXPECT_EQ(Files(), "Class66 Class101_DMBS Class101_DTCL Class450_DMSO Class450_TSO");
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Exclamation);
  // One line a file, in the walk's order, and no line break after the last.
  const QStringList lines = QString::fromStdString(dialogs.shown[0].text).split('\n');
  ASSERT_EQ(lines.size(), 3) << dialogs.shown[0].text;
  const char* files[] = {"Anon", "Mk2_FO", "Mk2_TSO"};
  for (int i = 0; i < 3; ++i)
    EXPECT_TRUE(lines[i].startsWith("Error ") && lines[i].contains(files[i]) &&
                lines[i].endsWith(" occurred in WorkWithSubFolders"))
        << lines[i].toStdString();
}

TEST_F(GatherTest, CacheSparesConversionsUntilTheFileChanges) {
  const GatherOutcome first = Gather(KujuRailVehicles(), "Freight");
  EXPECT_EQ(first.conversions, first.candidates);
  const int runs = ConverterRuns();
  EXPECT_EQ(Gather(KujuRailVehicles(), "Freight").conversions, 0u);
  EXPECT_EQ(ConverterRuns(), runs);
  // The hopper's blueprint now holds the van's, with a new size and time.
  const QString hopper = KujuRailVehicles() + "/Freight/HTA/HTA_Hopper.bin";
  QFile::remove(hopper);
  ASSERT_TRUE(QFile::copy(KujuRailVehicles() + "/Freight/Van/VanVEA.bin", hopper));
  EXPECT_EQ(Gather(KujuRailVehicles(), "Freight").conversions, 1u);
  EXPECT_EQ(ConverterRuns(), runs + 1);
  EXPECT_EQ(Files(), "HTA_Hopper VanVEA");
  EXPECT_EQ(catalogue.entries[0].name, "VEA Covered Van");
}

TEST_F(GatherTest, ProgressCountsUpToTheCandidatesAndCancelStops) {
  RecordingProgress progress;
  const GatherOutcome outcome = Gather(KujuRailVehicles(), "DMU", 2, &progress);
  ASSERT_FALSE(progress.reports.empty());
  EXPECT_EQ(progress.reports.front().first, 0u);
  EXPECT_EQ(progress.reports.back(), std::make_pair(outcome.candidates, outcome.candidates));
  for (std::size_t i = 1; i < progress.reports.size(); ++i) {
    EXPECT_LE(progress.reports[i - 1].first, progress.reports[i].first);
    EXPECT_EQ(progress.reports[i].second, outcome.candidates);
  }
  // Cancelled at once, and with converters that never end: those are killed, not waited for.
  for (const char* fault : {"", "hang"}) {
    test::ConverterFault(fault);
    QFile::remove(Log());
    cache = std::make_unique<ClassificationCache>();
    RecordingProgress stopping([&] { return !*fault || ConverterRuns() >= 2; });
    const GatherOutcome cancelled = Gather(KujuRailVehicles(), "DMU", *fault ? 2 : 1, &stopping);
    EXPECT_TRUE(cancelled.cancelled) << fault;
    EXPECT_FALSE(cancelled.gathered);
    EXPECT_LT(cancelled.conversions, cancelled.candidates);
    EXPECT_TRUE(catalogue.entries.empty());
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_TRUE(TempFilesEntries().isEmpty());
  }
}

}  // namespace
}  // namespace fennick
