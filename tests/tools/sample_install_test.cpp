// Lays out the sample installation with the built tool and reads it back the way the program
// will: every referenced folder and file exists and every .bin converts to the expected XML.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <map>
#include <regex>
#include <set>

#include "tests/tools/tools_test_support.h"
#include "tools/sample_install/archived_stock.h"
#include "tools/sample_install/guid_numbers.h"
#include "tools/serz_format/binary_form.h"

namespace fennick::testing {
namespace {

constexpr std::size_t npos = std::string::npos;

class SampleInstallation : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    temp_ = new QTemporaryDir;
    root_ = temp_->filePath("Rail Simulator");
    layout_ = RunChild(kMakeSampleExe, {root_});
  }
  static void TearDownTestSuite() { delete temp_; }
  void SetUp() override { ASSERT_EQ(layout_.exitCode, 0) << layout_.standardError.toStdString(); }

  static QString At(const std::string& relative) {
    return root_ + "/" + QString::fromStdString(relative);
  }

  // The XML of a .bin. The tests below convert every .bin of the installation, and each must be
  // unreadable until converted, then Windows-1252 text with CR LF line ends.
  static std::string Converted(const QString& bin) {
    const QByteArray raw = ReadWholeFile(bin);
    EXPECT_TRUE(raw.startsWith(QByteArray::fromStdString(std::string(serz::kBinaryMagic))));
    EXPECT_FALSE(raw.contains("<?xml")) << bin.toStdString();
    const QString out = temp_->filePath("converted.xml");
    QFile::remove(out);
    const ChildResult run = RunChild(root_ + "/serz.exe", {bin, "xml:" + out});
    EXPECT_EQ(run.exitCode, 0) << bin.toStdString() << run.standardError.toStdString();
    const std::string xml = ReadWholeFile(out).toStdString();
    EXPECT_TRUE(xml.starts_with("<?xml version=\"1.0\" encoding=\"windows-1252\"?>\r\n"));
    EXPECT_EQ(CountOf(xml, "\n"), CountOf(xml, "\r\n"));
    // é, ô, É ... written as UTF-8 instead would bring in 0xC3 lead bytes.
    EXPECT_EQ(xml.find('\xC3'), npos) << bin.toStdString();
    return xml;
  }

  // Where a document's provider, product and "\"-separated blueprint id lie as a .bin.
  static std::string AssetBin(const std::string& block) {
    std::string id = ElementTexts(block, "BlueprintID").back();
    std::replace(id.begin(), id.end(), '\\', '/');
    return "Assets/" + ElementTexts(block, "Provider").at(0) + "/" +
           ElementTexts(block, "Product").at(0) + "/" + id.substr(0, id.size() - 3) + "bin";
  }

  static QStringList FilesBelow(const QString& folder, const QString& pattern) {
    QStringList files;
    QDirIterator it(folder, {pattern}, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) files << it.next();
    files.sort();
    return files;
  }

  static inline QTemporaryDir* temp_ = nullptr;
  static inline QString root_;
  static inline ChildResult layout_;
};

TEST_F(SampleInstallation, HoldsTheProgramsAndARoutesXmlNamingEveryRouteOneInFrenchOnly) {
  for (const char* program : {"serz.exe", "RailSim.exe", "RailSimEditor.exe"}) {
    EXPECT_TRUE(QFileInfo(At(program)).isFile() && QFileInfo(At(program)).isExecutable());
  }
  // The simulator's own spelling; the program reaches it as content\Routes.
  EXPECT_TRUE(QDir(root_).entryList(QDir::Dirs).contains("Content"));

  const std::string routes = ReadWholeFile(At("Content/Routes.xml")).toStdString();
  const std::vector<std::string> ids = ElementTexts(routes, "DevString");
  const std::vector<std::string> english = ElementTexts(routes, "English");
  const std::vector<std::string> french = ElementTexts(routes, "French");
  EXPECT_EQ(CountOf(routes, "\n"), CountOf(routes, "\r\n"));
  ASSERT_EQ(ids.size(), 4u);
  ASSERT_TRUE(english.size() == ids.size() && french.size() == ids.size());
  std::vector<std::string> frenchOnly;
  for (std::size_t i = 0; i < ids.size(); ++i) {
    EXPECT_TRUE(QFileInfo(At("Content/Routes/" + ids[i] + "/Scenarios.bin")).isFile()) << ids[i];
    if (english[i].empty()) frenchOnly.push_back(french[i]);
  }
  EXPECT_EQ(frenchOnly, std::vector<std::string>{"Ligne de la C\xF4te d'\xC9meraude"});
}

TEST_F(SampleInstallation, IndexEntriesFollowTheSimulatorsLayoutAndOnlyTheDamagedRouteLacksFiles) {
  std::set<std::string> folders;
  std::vector<std::string> incomplete;
  std::map<std::string, int> completeByClass;
  const std::string routes = ReadWholeFile(At("Content/Routes.xml")).toStdString();
  for (const std::string& route : ElementTexts(routes, "DevString")) {
    const std::string index = Converted(At("Content/Routes/" + route + "/Scenarios.bin"));
    for (const std::string& entry : ElementBlocks(index, "cScenarioProperties")) {
      const std::string guid = ElementTexts(entry, "DevString").at(0);
      SCOPED_TRACE(guid);
      EXPECT_TRUE(folders.insert(guid).second) << "folder listed twice";
      // The element number's digits begin at character 28 of the entry.
      EXPECT_TRUE(std::regex_search(entry, std::regex("^<cScenarioProperties d:id=\"[0-9]+\">")));
      const sample::UuidNumbers numbers = sample::UuidNumbersOf(guid);
      EXPECT_EQ(ElementTexts(ElementBlocks(entry, "UUID").at(0), "e"),
                (std::vector<std::string>{numbers.first, numbers.second}));
      EXPECT_TRUE(InOrder(
          entry, {"<UUID>",        "<DevString", "<DisplayName>", "<English", "<French",
                  "<Italian",      "<German",    "<Spanish",      "<Key",     "<Description>",
                  "<Briefing>",    "<StartTime", "<DurationMins", "<StartDD", "<StartMM",
                  "<StartYYYY",    "<Season",    "<Provider",     "<Product", "<BlueprintID",
                  "<ScenarioClass"}));
      EXPECT_EQ(CountOf(entry, "<English"), 3u);
      EXPECT_TRUE(QFileInfo(At(AssetBin(entry))).isFile()) << AssetBin(entry);

      const QString folder = At("Content/Routes/" + route + "/Scenarios/" + guid);
      if (!QFileInfo(folder).isDir()) {
        incomplete.push_back(guid + " has no folder");
      } else if (!QFileInfo(folder + "/Scenario.bin").isFile()) {
        incomplete.push_back(guid + " has no Scenario.bin");
      } else {
        ++completeByClass[ElementTexts(entry, "ScenarioClass").at(0)];
      }
    }
  }
  EXPECT_EQ(incomplete,
            (std::vector<std::string>{"9d5e7fa8-b6c7-4c29-85fa-6178c9d0e1f2 has no folder",
                                      "ae6f80b9-c7d8-4d3a-96ab-7289d0e1f2a3 has no Scenario.bin"}));
  EXPECT_GE(completeByClass["eStandardScenarioClass"], 3);
  EXPECT_GE(completeByClass["eTimetableScenarioClass"], 3);
  EXPECT_GE(folders.size() - incomplete.size(), 8u);
}

TEST_F(SampleInstallation, ScenarioDocumentsHoldVariedConsistsAndSomeHaveSavedGames) {
  int loose = 0, flipped = 0, cannotLoad = 0, canLoad = 0, preloaded = 0;
  int withCurrentSave = 0, withCopies = 0, withoutSaves = 0;
  for (const QString& bin : FilesBelow(At("Content/Routes"), "Scenario.bin")) {
    SCOPED_TRACE(bin.toStdString());
    const QStringList saves = QFileInfo(bin).dir().entryList({"*.xml"}, QDir::Files);
    withCurrentSave += saves.contains("CurrentSave.xml");
    withCopies += saves.contains("CurrentSave.xml") && saves.size() > 1;
    withoutSaves += saves.isEmpty();
    const std::vector<std::string> consists = ElementBlocks(Converted(bin), "cConsist");
    EXPECT_GE(consists.size(), 2u);
    int driven = 0;
    for (const std::string& consist : consists) {
      driven += ElementTexts(consist, "PlayerDriver").at(0) == "1";
      if (consist.find("<ServiceName>") == npos) {
        ++loose;
      } else {
        EXPECT_FALSE(ElementTexts(consist, "StartTime").empty());
      }
      for (const std::string& v : ElementBlocks(consist, "cOwnedEntity")) {
        // The unattributed BlueprintID container comes before the attributed path element.
        EXPECT_TRUE(
            InOrder(v, {"<Flipped", "<UniqueNumber", "<TotalMass", "<IsPreloaded", "<BlueprintID>",
                        "<Provider", "<Product", "<BlueprintID ", "<Name"}))
            << v;
        EXPECT_TRUE(v.find("<cEngine ") != npos || v.find("<cWagon ") != npos);
        // Stock the missing-stock scenario names lies only in an archive, or nowhere.
        const bool looseFile = QFileInfo(At(AssetBin(v))).isFile();
        const auto named = [&](const sample::StockBlueprint& b) {
          return v.find(">" + b.name + "</Name>") != npos;
        };
        const auto& archived = sample::ArchivedStock();
        const auto& absent = sample::AbsentStock();
        EXPECT_EQ(looseFile, std::none_of(archived.begin(), archived.end(), named) &&
                                 std::none_of(absent.begin(), absent.end(), named))
            << AssetBin(v);
        flipped += ElementTexts(v, "Flipped").at(0) == "1";
        preloaded += ElementTexts(v, "IsPreloaded").at(0) == "eTrue";
        (v.find("<InitialLevel/>") != npos ? cannotLoad : canLoad) += 1;
      }
    }
    EXPECT_EQ(driven, 1);
  }
  EXPECT_GE(loose, 3);
  EXPECT_GE(flipped, 3);
  EXPECT_GE(cannotLoad, 10);
  EXPECT_GE(canLoad, 5);
  EXPECT_GE(preloaded, 3);
  EXPECT_GE(withCurrentSave, 3);
  EXPECT_GE(withCopies, 2);
  EXPECT_GE(withoutSaves, 1);
}

TEST_F(SampleInstallation, AssetsHoldEveryStockKindUnderTwoProvidersNumberListsAndWeather) {
  const std::set<std::string> everyKind = {
      "engine Diesel",   "engine Electric", "engine Steam", "engine DMU", "engine EMU",
      "wagon Passenger", "wagon Freight",   "wagon DMU",    "wagon EMU",  "tender Steam"};
  std::map<std::string, std::set<std::string>> kindsByProvider;
  std::map<QString, int> weatherByProduct;
  std::set<std::size_t> listSizes;
  std::vector<std::string> missingLists;
  for (const QString& file : FilesBelow(At("Assets"), "*.bin")) {
    SCOPED_TRACE(file.toStdString());
    const QStringList parts = QDir(At("Assets")).relativeFilePath(file).split('/');
    const std::string doc = Converted(file);
    if (parts.size() > 3 && parts[2] == "Weather") {
      EXPECT_NE(doc.find("<cWeatherBlueprint>"), npos);
      ++weatherByProduct[parts[0] + "/" + parts[1]];
    }
    std::string kind;
    if (doc.find("<cEngineComponentBlueprint") != npos) kind = "engine";
    if (doc.find("<cWagonBlueprint") != npos) kind = "wagon";
    if (doc.find("<cTenderBlueprint") != npos) kind = "tender";
    if (kind.empty() || parts.size() < 6 || parts[2] != "RailVehicles") continue;
    kindsByProvider[parts[0].toStdString()].insert(kind + " " + parts[3].toStdString());

    // What the stock catalogue reads: the name first, then CsvFile and Mass in that order.
    EXPECT_EQ(doc.find("<Name"), doc.find("<Name d:type=\"cDeltaString\">"));
    EXPECT_TRUE(InOrder(doc, {"<Name", "<RailVehicleComponent", "<CsvFile", "<Mass"}));
    std::string csv = ElementTexts(doc, "CsvFile").at(0);
    if (csv.empty()) continue;
    std::replace(csv.begin(), csv.end(), '\\', '/');
    const std::string list = ReadWholeFile(At("Assets/" + csv + ".dcsv")).toStdString();
    if (list.empty()) {
      missingLists.push_back(csv);
      continue;
    }
    EXPECT_EQ(list.find("<Name"), list.find("<Name", list.find("<cCSVItem")));
    EXPECT_EQ(CountOf(list, "<Name"), CountOf(list, "<cCSVItem "));
    listSizes.insert(std::min<std::size_t>(CountOf(list, "<cCSVItem "), 3));
  }
  ASSERT_EQ(kindsByProvider.size(), 2u);
  for (const auto& [provider, kinds] : kindsByProvider) EXPECT_EQ(kinds, everyKind) << provider;
  EXPECT_EQ(listSizes, (std::set<std::size_t>{1, 2, 3}));
  EXPECT_EQ(missingLists,
            std::vector<std::string>{"ValeWorks/Branch Lines/RailVehicles/Freight/BrakeVan/"
                                     "ToadBrakeVanNumbers"});
  EXPECT_GE(weatherByProduct["Kuju/RailSimulator"], 2);
  EXPECT_GE(weatherByProduct["ValeWorks/Branch Lines"], 2);
}

TEST_F(SampleInstallation, SameBytesEveryTime) {
  const QString again = temp_->filePath("again");
  ASSERT_EQ(RunChild(kMakeSampleExe, {again}).exitCode, 0);
  const QStringList first = FilesBelow(root_, "*");
  const QStringList second = FilesBelow(again, "*");
  ASSERT_EQ(first.size(), second.size());
  for (int i = 0; i < first.size(); ++i) {
    ASSERT_EQ(QDir(root_).relativeFilePath(first[i]), QDir(again).relativeFilePath(second[i]));
    EXPECT_EQ(ReadWholeFile(first[i]), ReadWholeFile(second[i])) << first[i].toStdString();
  }
}

}  // namespace
}  // namespace fennick::testing
