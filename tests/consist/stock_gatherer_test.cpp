#include "consist/stock_gatherer.h"

#include <gtest/gtest.h>

#include <QFile>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "tests/consist/consist_test_support.h"

namespace fennick {
namespace {

constexpr const char* kKuju = "Kuju/RailSimulator/RailVehicles";
constexpr const char* kVale = "ValeWorks/Branch Lines/RailVehicles";

// Records the progress reports; asks to stop at the report given.
struct RecordingProgress : GatherProgress {
  explicit RecordingProgress(std::size_t stopAt = 0) : stopAt(stopAt) {}
  bool Report(std::size_t done, std::size_t total) override {
    reports.emplace_back(done, total);
    return stopAt == 0 || reports.size() < stopAt;
  }
  std::size_t stopAt;
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

TEST_F(GatherTest, EveryKindListsItsStockInWalkOrder) {
  const struct {
    const char* folder;  // below Assets
    const char* kind;
    std::size_t candidates;  // the files that pass the path filters
    const char* files;
  } cases[] = {{kKuju, "Diesel", 1, "Class66"},
               {kKuju, "Electric", 1, "Class86"},
               {kKuju, "Steam", 2, "BlackFive"},
               {kKuju, "Passenger", 2, "Mk2_FO Mk2_TSO"},
               {kKuju, "Freight", 2, "HTA_Hopper VanVEA"},
               {kKuju, "Tender", 2, "BlackFiveTender"},
               {kKuju, "DMU", 7,
                "Class66 Class101_DMBS Class101_DTCL Class450_DMSO Class450_TSO Mk2_FO Mk2_TSO"},
               {kKuju, "EMU", 7,
                "Class101_DMBS Class101_DTCL Class86 Class450_DMSO Class450_TSO Mk2_FO Mk2_TSO"},
               {kVale, "Steam", 3, "Castle Pannier57xx"},
               {kVale, "Tender", 3, "CastleTender"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.folder) + " " + c.kind);
    cache = std::make_unique<ClassificationCache>();
    const int runsBefore = ConverterRuns();
    const GatherOutcome outcome = Gather(Assets(c.folder), c.kind);
    EXPECT_TRUE(outcome.gathered);
    EXPECT_EQ(Files(), c.files);
    EXPECT_EQ(catalogue.kind, c.kind);
    EXPECT_FALSE(catalogue.productFolderChosen || catalogue.anyFolderAccepted);
    // Only candidates were converted, each once, and no scratch file is left.
    EXPECT_EQ(outcome.candidates, c.candidates);
    EXPECT_EQ(ConverterRuns() - runsBefore, static_cast<int>(c.candidates));
    EXPECT_TRUE(TempFilesEntries().isEmpty()) << TempFilesEntries().join(' ').toStdString();
  }
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(catalogue.provider + "|" + catalogue.product + "|" + catalogue.leaf,
            "ValeWorks|Branch Lines|RailVehicles");
}

TEST_F(GatherTest, NoKindChosenKeepsTheLastOrListsEveryWagon) {
  Gather(KujuRailVehicles(), std::nullopt);
  EXPECT_EQ(Files(), "Class101_DTCL Class450_TSO HTA_Hopper VanVEA Mk2_FO Mk2_TSO");
  Gather(KujuRailVehicles(), "Electric");
  Gather(KujuRailVehicles(), std::nullopt);
  EXPECT_EQ(catalogue.kind, "Electric");
  EXPECT_EQ(
      catalogue.entries,
      (std::vector<StockEntry>{{"Class 86", "RailVehicles\\Electric\\Class86\\Class86.xml"}}));
}

TEST_F(GatherTest, ProductFolderAfterTheQuestionListsAnyEngineAndWagonFromThenOn) {
  dialogs.answers = {true};
  ASSERT_TRUE(Gather(Assets("Kuju/RailSimulator"), "Tender").gathered);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].kind, test::ScriptedDialogs::Shown::OkCancel);
  EXPECT_EQ(dialogs.shown[0].text,
            "You may not have selected a Rail Vehicles folder from the box below. \nIf you are "
            "using a non-English version of Windows, this may be OK.");
  EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Exclamation);
  EXPECT_TRUE(catalogue.anyFolderAccepted && catalogue.productFolderChosen);
  EXPECT_EQ(catalogue.provider + "|" + catalogue.product, "Kuju|RailSimulator");
  // Engines and wagons outside Freight folders, whatever the kind; tenders are never tested.
  EXPECT_EQ(Files(),
            "Class66 Class101_DMBS Class101_DTCL Class86 Class450_DMSO Class450_TSO "
            "Mk2_FO Mk2_TSO BlackFive");
  EXPECT_EQ(catalogue.entries[0],
            (StockEntry{"Class 66", "RailSimulator\\RailVehicles\\Diesel\\Class66\\Class66.xml"}));

  // Accepted once, later gatherings are in any-folder mode without asking.
  Gather(Assets(kVale), "Tender");
  EXPECT_EQ(dialogs.shown.size(), 1u);
  EXPECT_FALSE(catalogue.productFolderChosen);
  EXPECT_EQ(Files(),
            "Class37 Class117_DMBS Class117_TCL Class73 2HAP_DMBSO 2HAP_DTCL Autocoach "
            "Castle Pannier57xx");
}

TEST_F(GatherTest, CancelledQuestionOrShallowFolderLeavesTheListEmpty) {
  Gather(KujuRailVehicles(), "Diesel");
  ASSERT_FALSE(catalogue.entries.empty());
  dialogs.answers = {false};
  EXPECT_FALSE(Gather(Assets("Kuju/RailSimulator/RailVehicles/Diesel"), "Diesel").gathered);
  EXPECT_TRUE(catalogue.entries.empty());
  EXPECT_FALSE(catalogue.anyFolderAccepted);
  ASSERT_EQ(dialogs.shown.size(), 1u);

  // Too shallow to name a provider and a product: refused without the question.
  dialogs.shown.clear();
  Gather(KujuRailVehicles(), "Diesel");
  EXPECT_FALSE(Gather("C:\\Stock", "Diesel").gathered);
  EXPECT_TRUE(catalogue.entries.empty());
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].kind, test::ScriptedDialogs::Shown::Message);
  EXPECT_NE(dialogs.shown[0].text.find("C:\\Stock"), std::string::npos);
  EXPECT_EQ(catalogue.provider, "Kuju");  // the swaps keep what the last gathering set
}

TEST_F(GatherTest, WalkErrorsComeTogetherInOneMessageAtTheEnd) {
  WriteBlueprint("Kuju/RailSimulator/RailVehicles/DMU/Anon/Anon.bin",
                 test::With(&test::BlueprintXml::name, "").Text());
  Fail("exit:Mk2");
  EXPECT_TRUE(Gather(KujuRailVehicles(), "DMU").gathered);
  EXPECT_EQ(Files(), "Class66 Class101_DMBS Class101_DTCL Class450_DMSO Class450_TSO");
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Exclamation);
  std::istringstream message(dialogs.shown[0].text);
  std::vector<std::string> lines;
  for (std::string line; std::getline(message, line);) lines.push_back(line);
  EXPECT_FALSE(dialogs.shown[0].text.ends_with('\n'));
  ASSERT_EQ(lines.size(), 3u) << dialogs.shown[0].text;
  const char* files[] = {"Anon", "Mk2_FO", "Mk2_TSO"};  // in the walk's order
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_TRUE(lines[i].starts_with("Error ")) << lines[i];
    EXPECT_TRUE(lines[i].ends_with(" occurred in WorkWithSubFolders")) << lines[i];
    EXPECT_NE(lines[i].find(files[i]), std::string::npos) << lines[i];
  }
}

TEST_F(GatherTest, ParallelWalkGivesTheSameListAsOneAtATime) {
  for (const char* folder : {kKuju, kVale}) {
    for (const char* kind : {"DMU", "Freight"}) {
      cache = std::make_unique<ClassificationCache>();
      Gather(Assets(folder), kind, 1);
      const std::vector<StockEntry> serial = catalogue.entries;
      cache = std::make_unique<ClassificationCache>();
      Gather(Assets(folder), kind, 4);
      EXPECT_FALSE(serial.empty());
      EXPECT_EQ(catalogue.entries, serial) << folder << " " << kind;
    }
  }
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(GatherTest, CacheSparesConversionsUntilTheFileChanges) {
  const GatherOutcome first = Gather(KujuRailVehicles(), "Freight");
  EXPECT_EQ(first.conversions, first.candidates);
  const int runs = ConverterRuns();
  EXPECT_EQ(Gather(KujuRailVehicles(), "Freight").conversions, 0u);
  EXPECT_EQ(ConverterRuns(), runs);
  EXPECT_EQ(Files(), "HTA_Hopper VanVEA");

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

  RecordingProgress stopping(1);
  const GatherOutcome cancelled = Gather(Assets(kVale), "DMU", 1, &stopping);
  EXPECT_TRUE(cancelled.cancelled);
  EXPECT_FALSE(cancelled.gathered);
  EXPECT_TRUE(catalogue.entries.empty());
  EXPECT_LT(cancelled.conversions, cancelled.candidates);
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_TRUE(TempFilesEntries().isEmpty());

  // Converters that never end are killed, not waited for, once the person cancels.
  struct StopOnceConverting : GatherProgress {
    explicit StopOnceConverting(std::function<bool()> converting) : converting(converting) {}
    bool Report(std::size_t, std::size_t) override { return !converting(); }
    std::function<bool()> converting;
  } stopOnceHung([this] { return ConverterRuns() >= 2; });
  Fail("hang");
  QFile::remove(Log());
  cache = std::make_unique<ClassificationCache>();
  const GatherOutcome hung = Gather(KujuRailVehicles(), "DMU", 2, &stopOnceHung);
  EXPECT_TRUE(hung.cancelled);
  EXPECT_TRUE(catalogue.entries.empty());
  EXPECT_TRUE(dialogs.shown.empty());
}

}  // namespace
}  // namespace fennick
