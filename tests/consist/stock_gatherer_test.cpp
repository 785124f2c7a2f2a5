#include "consist/stock_gatherer.h"

#include <gtest/gtest.h>

#include <QFile>
#include <string>
#include <vector>

#include "consist/messages.h"
#include "tests/consist/sample_stock_fixture.h"
#include "tests/scenario/case_name.h"
#include "tests/support/scripted_dialogs.h"

namespace fennick {
namespace {

using test::PrintTo;

std::vector<std::string> Rows(const StockCatalogue& catalogue) {
  std::vector<std::string> rows;
  for (const StockEntry& e : catalogue.entries) rows.push_back(e.name + "\t" + e.blueprintId);
  return rows;
}

class GatherTest : public test::SampleStockTest {
 protected:
  GatherOutcome Gather(const QString& folder, std::optional<std::string> kind, unsigned workers = 2,
                       GatherProgress* progress = nullptr) {
    const StockGatherer gatherer(converter(), cache, workers);
    return gatherer.Gather(folder, kind, catalogue, dialogs, progress);
  }

  ClassificationCache cache;
  StockCatalogue catalogue;
  test::ScriptedDialogs dialogs;
};

struct KindCase {
  const char* label;
  const char* folder;  // below Assets
  std::optional<std::string> kind;
  std::vector<std::string> rows;
};

class GatherKindTest : public GatherTest, public testing::WithParamInterface<KindCase> {};

TEST_P(GatherKindTest, ListsTheStockOfTheKindInWalkOrder) {
  const KindCase& c = GetParam();
  const GatherOutcome outcome = Gather(Assets(c.folder), c.kind);
  EXPECT_TRUE(outcome.gathered);
  EXPECT_EQ(Rows(catalogue), c.rows);
  EXPECT_TRUE(dialogs.shown.empty()) << dialogs.Messages().front();
  EXPECT_EQ(catalogue.kind, c.kind.value_or(""));
  EXPECT_FALSE(catalogue.productFolderChosen);
  EXPECT_FALSE(catalogue.anyFolderAccepted);
  // Only candidates were converted, each once, and no scratch file is left.
  EXPECT_EQ(ConverterRuns(), static_cast<int>(outcome.candidates));
  EXPECT_TRUE(TempFilesEntries().isEmpty()) << TempFilesEntries().join(' ').toStdString();
}

constexpr const char* kKuju = "Kuju/RailSimulator/RailVehicles";
constexpr const char* kVale = "ValeWorks/Branch Lines/RailVehicles";

INSTANTIATE_TEST_SUITE_P(
    Cases, GatherKindTest,
    testing::Values(
        KindCase{
            "diesel", kKuju, "Diesel", {"Class 66\tRailVehicles\\Diesel\\Class66\\Class66.xml"}},
        KindCase{"electric",
                 kKuju,
                 "Electric",
                 {"Class 86\tRailVehicles\\Electric\\Class86\\Class86.xml"}},
        KindCase{"steam",
                 kKuju,
                 "Steam",
                 {"Black Five 4-6-0\tRailVehicles\\Steam\\BlackFive\\BlackFive.xml"}},
        KindCase{"passenger",
                 kKuju,
                 "Passenger",
                 {"Mk2 First Open\tRailVehicles\\Passenger\\Mk2\\Mk2_FO.xml",
                  "Mk2 Standard Open\tRailVehicles\\Passenger\\Mk2\\Mk2_TSO.xml"}},
        KindCase{"freight",
                 kKuju,
                 "Freight",
                 {"HTA Coal Hopper\tRailVehicles\\Freight\\HTA\\HTA_Hopper.xml",
                  "VEA Covered Van\tRailVehicles\\Freight\\Van\\VanVEA.xml"}},
        KindCase{"tender",
                 kKuju,
                 "Tender",
                 {"Black Five Tender\tRailVehicles\\Steam\\BlackFive\\BlackFiveTender.xml"}},
        KindCase{"dmu",
                 kKuju,
                 "DMU",
                 {"Class 66\tRailVehicles\\Diesel\\Class66\\Class66.xml",
                  "Class 101 DMBS\tRailVehicles\\DMU\\Class101\\Class101_DMBS.xml",
                  "Class 101 DTCL\tRailVehicles\\DMU\\Class101\\Class101_DTCL.xml",
                  "Class 450 DMSO\tRailVehicles\\EMU\\Class450\\Class450_DMSO.xml",
                  "Class 450 TSO\tRailVehicles\\EMU\\Class450\\Class450_TSO.xml",
                  "Mk2 First Open\tRailVehicles\\Passenger\\Mk2\\Mk2_FO.xml",
                  "Mk2 Standard Open\tRailVehicles\\Passenger\\Mk2\\Mk2_TSO.xml"}},
        KindCase{"emu",
                 kKuju,
                 "EMU",
                 {"Class 101 DMBS\tRailVehicles\\DMU\\Class101\\Class101_DMBS.xml",
                  "Class 101 DTCL\tRailVehicles\\DMU\\Class101\\Class101_DTCL.xml",
                  "Class 86\tRailVehicles\\Electric\\Class86\\Class86.xml",
                  "Class 450 DMSO\tRailVehicles\\EMU\\Class450\\Class450_DMSO.xml",
                  "Class 450 TSO\tRailVehicles\\EMU\\Class450\\Class450_TSO.xml",
                  "Mk2 First Open\tRailVehicles\\Passenger\\Mk2\\Mk2_FO.xml",
                  "Mk2 Standard Open\tRailVehicles\\Passenger\\Mk2\\Mk2_TSO.xml"}},
        KindCase{"no kind ever chosen lists every wagon",
                 kKuju,
                 std::nullopt,
                 {"Class 101 DTCL\tRailVehicles\\DMU\\Class101\\Class101_DTCL.xml",
                  "Class 450 TSO\tRailVehicles\\EMU\\Class450\\Class450_TSO.xml",
                  "HTA Coal Hopper\tRailVehicles\\Freight\\HTA\\HTA_Hopper.xml",
                  "VEA Covered Van\tRailVehicles\\Freight\\Van\\VanVEA.xml",
                  "Mk2 First Open\tRailVehicles\\Passenger\\Mk2\\Mk2_FO.xml",
                  "Mk2 Standard Open\tRailVehicles\\Passenger\\Mk2\\Mk2_TSO.xml"}},
        KindCase{"second provider steam",
                 kVale,
                 "Steam",
                 {"Castle Class 4-6-0\tRailVehicles\\Steam\\Castle\\Castle.xml",
                  "GWR 57xx Pannier Tank\tRailVehicles\\Steam\\Pannier\\Pannier57xx.xml"}},
        KindCase{"second provider tender",
                 kVale,
                 "Tender",
                 {"Collett 4000 gal Tender\tRailVehicles\\Steam\\Castle\\CastleTender.xml"}}),
    test::CaseName());

TEST_F(GatherTest, KeepsProviderAndProductOfTheFolder) {
  Gather(Assets(kVale), "Freight");
  EXPECT_EQ(catalogue.provider, "ValeWorks");
  EXPECT_EQ(catalogue.product, "Branch Lines");
  EXPECT_EQ(catalogue.leaf, "RailVehicles");
}

TEST_F(GatherTest, KeepsTheLastKindWhenNoneIsChosen) {
  Gather(KujuRailVehicles(), "Electric");
  Gather(KujuRailVehicles(), std::nullopt);
  EXPECT_EQ(catalogue.kind, "Electric");
  EXPECT_EQ(Rows(catalogue),
            std::vector<std::string>{"Class 86\tRailVehicles\\Electric\\Class86\\Class86.xml"});
}

TEST_F(GatherTest, ProductFolderAfterTheQuestionListsAnyEngineAndWagon) {
  dialogs.answers = {true};
  const GatherOutcome outcome = Gather(Assets("Kuju/RailSimulator"), "Tender");
  ASSERT_TRUE(outcome.gathered);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].kind, test::ScriptedDialogs::Shown::OkCancel);
  EXPECT_EQ(dialogs.shown[0].text, kNotRailVehiclesFolder);
  EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Exclamation);
  EXPECT_TRUE(catalogue.anyFolderAccepted);
  EXPECT_TRUE(catalogue.productFolderChosen);
  EXPECT_EQ(catalogue.provider, "Kuju");
  EXPECT_EQ(catalogue.product, "RailSimulator");
  // Engines and wagons outside Freight folders, whatever the kind; tenders are never tested.
  EXPECT_EQ(Rows(catalogue),
            (std::vector<std::string>{
                "Class 66\tRailSimulator\\RailVehicles\\Diesel\\Class66\\Class66.xml",
                "Class 101 DMBS\tRailSimulator\\RailVehicles\\DMU\\Class101\\Class101_DMBS.xml",
                "Class 101 DTCL\tRailSimulator\\RailVehicles\\DMU\\Class101\\Class101_DTCL.xml",
                "Class 86\tRailSimulator\\RailVehicles\\Electric\\Class86\\Class86.xml",
                "Class 450 DMSO\tRailSimulator\\RailVehicles\\EMU\\Class450\\Class450_DMSO.xml",
                "Class 450 TSO\tRailSimulator\\RailVehicles\\EMU\\Class450\\Class450_TSO.xml",
                "Mk2 First Open\tRailSimulator\\RailVehicles\\Passenger\\Mk2\\Mk2_FO.xml",
                "Mk2 Standard Open\tRailSimulator\\RailVehicles\\Passenger\\Mk2\\Mk2_TSO.xml",
                "Black Five 4-6-0\tRailSimulator\\RailVehicles\\Steam\\BlackFive\\BlackFive.xml"}));
}

TEST_F(GatherTest, AcceptedQuestionPutsLaterGatheringsInAnyFolderModeWithoutAsking) {
  dialogs.answers = {true};
  Gather(Assets("Kuju/RailSimulator"), "Diesel");
  dialogs.shown.clear();
  Gather(Assets(kVale), "Tender");
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_FALSE(catalogue.productFolderChosen);
  EXPECT_EQ(Rows(catalogue),
            (std::vector<std::string>{
                "Class 37/4\tRailVehicles\\Diesel\\Class37\\Class37.xml",
                "Class 117 DMBS\tRailVehicles\\DMU\\Class117\\Class117_DMBS.xml",
                "Class 117 TCL\tRailVehicles\\DMU\\Class117\\Class117_TCL.xml",
                "Class 73 Electro-Diesel\tRailVehicles\\Electric\\Class73\\Class73.xml",
                "2-HAP DMBSO\tRailVehicles\\EMU\\2HAP\\2HAP_DMBSO.xml",
                "2-HAP DTCL\tRailVehicles\\EMU\\2HAP\\2HAP_DTCL.xml",
                "GWR Autocoach\tRailVehicles\\Passenger\\Autocoach\\Autocoach.xml",
                "Castle Class 4-6-0\tRailVehicles\\Steam\\Castle\\Castle.xml",
                "GWR 57xx Pannier Tank\tRailVehicles\\Steam\\Pannier\\Pannier57xx.xml"}));
}

TEST_F(GatherTest, CancelOnTheQuestionLeavesTheListEmpty) {
  Gather(KujuRailVehicles(), "Diesel");
  ASSERT_FALSE(catalogue.entries.empty());
  dialogs.answers = {false};
  const GatherOutcome outcome = Gather(Assets("Kuju/RailSimulator/RailVehicles/Diesel"), "Diesel");
  EXPECT_FALSE(outcome.gathered);
  EXPECT_TRUE(catalogue.entries.empty());
  EXPECT_FALSE(catalogue.anyFolderAccepted);
  EXPECT_EQ(dialogs.shown.size(), 1u);
}

TEST_F(GatherTest, FolderTooShallowIsRefusedWithoutAQuestion) {
  Gather(KujuRailVehicles(), "Diesel");
  const GatherOutcome outcome = Gather("C:\\Stock", "Diesel");
  EXPECT_FALSE(outcome.gathered);
  EXPECT_TRUE(catalogue.entries.empty());
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].kind, test::ScriptedDialogs::Shown::Message);
  EXPECT_NE(dialogs.shown[0].text.find("C:\\Stock"), std::string::npos);
  EXPECT_EQ(catalogue.provider, "Kuju");  // the swaps keep what the last gathering set
}

TEST_F(GatherTest, WalkErrorsComeTogetherInOneMessageAtTheEnd) {
  qputenv("FENNICK_SERZ_FAIL", "exit:Mk2");
  const GatherOutcome outcome = Gather(KujuRailVehicles(), "DMU");
  EXPECT_TRUE(outcome.gathered);
  EXPECT_EQ(Rows(catalogue), (std::vector<std::string>{
                                 "Class 66\tRailVehicles\\Diesel\\Class66\\Class66.xml",
                                 "Class 101 DMBS\tRailVehicles\\DMU\\Class101\\Class101_DMBS.xml",
                                 "Class 101 DTCL\tRailVehicles\\DMU\\Class101\\Class101_DTCL.xml",
                                 "Class 450 DMSO\tRailVehicles\\EMU\\Class450\\Class450_DMSO.xml",
                                 "Class 450 TSO\tRailVehicles\\EMU\\Class450\\Class450_TSO.xml"}));
  ASSERT_EQ(dialogs.shown.size(), 1u);
  const std::string& message = dialogs.shown[0].text;
  EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Exclamation);
  const std::size_t lineBreak = message.find('\n');
  ASSERT_NE(lineBreak, std::string::npos) << message;
  EXPECT_EQ(message.find('\n', lineBreak + 1), std::string::npos) << message;
  for (const std::string& line : {message.substr(0, lineBreak), message.substr(lineBreak + 1)}) {
    EXPECT_EQ(line.rfind("Error ", 0), 0u) << line;
    EXPECT_TRUE(line.ends_with(" occurred in WorkWithSubFolders")) << line;
    EXPECT_NE(line.find("Mk2"), std::string::npos) << line;
  }
  EXPECT_LT(message.find("Mk2_FO"), message.find("Mk2_TSO"));
}

TEST_F(GatherTest, BlueprintOfTheKindWithoutANameIsReportedNotListed) {
  test::BlueprintXml xml;
  xml.name = "";
  WriteBlueprint("Kuju/RailSimulator/RailVehicles/Freight/Anon/Anon.bin", xml.Text());
  Gather(KujuRailVehicles(), "Freight");
  EXPECT_EQ(catalogue.entries.size(), 2u);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_NE(dialogs.shown[0].text.find("Anon"), std::string::npos);
  EXPECT_TRUE(dialogs.shown[0].text.ends_with(" occurred in WorkWithSubFolders"));
}

TEST_F(GatherTest, ParallelWalkGivesTheSameListAsOneAtATime) {
  for (const char* folder : {kKuju, kVale}) {
    for (const char* kind : {"DMU", "Freight"}) {
      ClassificationCache serialCache, parallelCache;
      StockCatalogue serial, parallel;
      StockGatherer(converter(), serialCache, 1)
          .Gather(Assets(folder), std::string(kind), serial, dialogs);
      StockGatherer(converter(), parallelCache, 4)
          .Gather(Assets(folder), std::string(kind), parallel, dialogs);
      EXPECT_FALSE(serial.entries.empty());
      EXPECT_EQ(parallel.entries, serial.entries) << folder << " " << kind;
    }
  }
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(GatherTest, SecondGatheringOverTheSameFolderConvertsNothing) {
  const GatherOutcome first = Gather(KujuRailVehicles(), "DMU");
  const std::vector<std::string> firstRows = Rows(catalogue);
  const int runs = ConverterRuns();
  ASSERT_GT(runs, 0);
  const GatherOutcome second = Gather(KujuRailVehicles(), "DMU");
  EXPECT_EQ(second.conversions, 0u);
  EXPECT_EQ(ConverterRuns(), runs);
  EXPECT_EQ(Rows(catalogue), firstRows);
  EXPECT_EQ(first.conversions, first.candidates);
}

TEST_F(GatherTest, CacheEntryLapsesWhenTheFileChanges) {
  Gather(KujuRailVehicles(), "Freight");
  const QString van = KujuRailVehicles() + "/Freight/Van/VanVEA.bin";
  const QString hopper = KujuRailVehicles() + "/Freight/HTA/HTA_Hopper.bin";
  // The hopper's blueprint now holds the van's, with a new size and time.
  QFile::remove(hopper);
  ASSERT_TRUE(QFile::copy(van, hopper));
  const int runs = ConverterRuns();
  const GatherOutcome again = Gather(KujuRailVehicles(), "Freight");
  EXPECT_EQ(again.conversions, 1u);
  EXPECT_EQ(ConverterRuns(), runs + 1);
  EXPECT_EQ(Rows(catalogue),
            (std::vector<std::string>{"VEA Covered Van\tRailVehicles\\Freight\\HTA\\HTA_Hopper.xml",
                                      "VEA Covered Van\tRailVehicles\\Freight\\Van\\VanVEA.xml"}));
}

// Records the reports; asks to stop at the report given.
class RecordingProgress : public GatherProgress {
 public:
  explicit RecordingProgress(std::size_t stopAtReport = 0) : stopAt_(stopAtReport) {}
  bool Report(std::size_t done, std::size_t total) override {
    reports.emplace_back(done, total);
    return stopAt_ == 0 || reports.size() < stopAt_;
  }
  std::vector<std::pair<std::size_t, std::size_t>> reports;

 private:
  std::size_t stopAt_;
};

TEST_F(GatherTest, ProgressCountsUpToTheCandidates) {
  RecordingProgress progress;
  const GatherOutcome outcome = Gather(KujuRailVehicles(), "DMU", 2, &progress);
  ASSERT_FALSE(progress.reports.empty());
  EXPECT_EQ(progress.reports.front().first, 0u);
  EXPECT_EQ(progress.reports.back(), std::make_pair(outcome.candidates, outcome.candidates));
  for (std::size_t i = 1; i < progress.reports.size(); ++i) {
    EXPECT_LE(progress.reports[i - 1].first, progress.reports[i].first);
    EXPECT_EQ(progress.reports[i].second, outcome.candidates);
  }
}

TEST_F(GatherTest, CancelStopsTheConversionsAndLeavesTheListEmpty) {
  RecordingProgress progress(1);
  const GatherOutcome outcome = Gather(KujuRailVehicles(), "DMU", 1, &progress);
  EXPECT_TRUE(outcome.cancelled);
  EXPECT_FALSE(outcome.gathered);
  EXPECT_TRUE(catalogue.entries.empty());
  EXPECT_LT(outcome.conversions, outcome.candidates);
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_TRUE(TempFilesEntries().isEmpty());
}

}  // namespace
}  // namespace fennick
