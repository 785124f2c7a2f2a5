// Lays out the sample installation with the built tool and checks it the way the program will
// read it: every referenced folder and file exists and every .bin converts to the expected XML.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <array>
#include <cstdint>
#include <map>
#include <set>
#include <string>

#include "child_process.h"
#include "xml_probe.h"

namespace fennick::testing {
namespace {

const QString kMakeSample = QStringLiteral(FENNICK_MAKE_SAMPLE_INSTALL_EXE);
const QByteArray kMagic("SERZ\x00\xF3\x6B\x01", 8);
constexpr const char* kDamagedRoute = "f3a81c6e-0d27-4b95-b4f0-6e2c8d1a7b93";

QString Q(const std::string& text) {
  return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

std::string S(const QByteArray& bytes) {
  return std::string(bytes.constData(), bytes.size());
}

// The two stored numbers of a GUID text: its 16 bytes as laid out in memory (Data1, Data2,
// Data3 little-endian, then Data4), each half read as a little-endian 64-bit number.
std::array<std::string, 2> StoredNumbers(const std::string& guid) {
  const std::string hex = QString::fromStdString(guid).remove('-').toStdString();
  std::array<std::uint8_t, 16> raw{};
  for (int i = 0; i < 16; ++i) raw[i] = std::stoul(hex.substr(2 * i, 2), nullptr, 16);
  const std::array<int, 16> memoryOrder = {3, 2, 1, 0, 5, 4, 7, 6, 8, 9, 10, 11, 12, 13, 14, 15};
  std::array<std::string, 2> numbers;
  for (int half = 0; half < 2; ++half) {
    std::uint64_t value = 0;
    for (int i = 7; i >= 0; --i) value = (value << 8) | raw[memoryOrder[half * 8 + i]];
    numbers[half] = std::to_string(value);
  }
  return numbers;
}

bool InOrder(const std::string& text, std::initializer_list<const char*> tags) {
  std::size_t from = 0;
  for (const char* tag : tags) {
    const std::size_t at = text.find(tag, from);
    if (at == std::string::npos) return false;
    from = at + 1;
  }
  return true;
}

class SampleInstallation : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    temp_ = new QTemporaryDir;
    root_ = temp_->filePath("Rail Simulator");
    layout_ = RunChild(kMakeSample, {root_});
  }

  static void TearDownTestSuite() {
    delete temp_;
    temp_ = nullptr;
  }

  void SetUp() override {
    ASSERT_TRUE(layout_.finished);
    ASSERT_EQ(layout_.exitCode, 0) << layout_.standardError.toStdString();
  }

  static QString At(const std::string& relative) { return root_ + "/" + Q(relative); }

  static std::string Converted(const QString& binPath) {
    const QString out = temp_->filePath("converted.xml");
    QFile::remove(out);
    const ChildResult run = RunChild(root_ + "/serz.exe", {binPath, "xml:" + out});
    EXPECT_EQ(run.exitCode, 0) << binPath.toStdString() << run.standardError.toStdString();
    return S(ReadWholeFile(out));
  }

  static std::string AssetPath(const std::string& provider, const std::string& product,
                               const std::string& blueprintId) {
    std::string path = "Assets/" + provider + "/" + product + "/" + SlashPath(blueprintId);
    return path.substr(0, path.size() - 3) + "bin";
  }

  static QStringList FilesBelow(const QString& folder, const QStringList& patterns) {
    QStringList files;
    QDirIterator it(folder, patterns, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) files << it.next();
    files.sort();
    return files;
  }

  struct IndexEntry {
    std::string route;
    std::string text;
    std::string folder;
  };

  static std::vector<IndexEntry> AllIndexEntries() {
    std::vector<IndexEntry> entries;
    for (const std::string& route :
         ElementTexts(S(ReadWholeFile(At("Content/Routes.xml"))), "DevString")) {
      const std::string index = Converted(At("Content/Routes/" + route + "/Scenarios.bin"));
      for (const std::string& entry : ElementBlocks(index, "cScenarioProperties")) {
        entries.push_back({route, entry, ElementTexts(entry, "DevString").at(0)});
      }
    }
    return entries;
  }

  static inline QTemporaryDir* temp_ = nullptr;
  static inline QString root_;
  static inline ChildResult layout_;
};

TEST_F(SampleInstallation, PutsTheSimulatorsProgramsInItsFolder) {
  for (const char* program : {"serz.exe", "RailSim.exe", "RailSimEditor.exe"}) {
    const QFileInfo info(At(program));
    EXPECT_TRUE(info.isFile() && info.isExecutable()) << program;
  }
  EXPECT_TRUE(QFileInfo(At("Content/Routes.xml")).isFile());
  // The simulator's own spelling; the program reaches it as content\Routes.
  EXPECT_TRUE(QDir(root_).entryList(QDir::Dirs).contains("Content"));
}

TEST_F(SampleInstallation, RoutesXmlNamesEveryRouteFolderAndOneFrenchOnlyRoute) {
  const std::string routes = S(ReadWholeFile(At("Content/Routes.xml")));
  const std::vector<std::string> ids = ElementTexts(routes, "DevString");
  const std::vector<std::string> english = ElementTexts(routes, "English");
  const std::vector<std::string> french = ElementTexts(routes, "French");
  ASSERT_EQ(ids.size(), 4u);
  ASSERT_EQ(english.size(), ids.size());
  ASSERT_EQ(french.size(), ids.size());

  int frenchOnly = 0;
  for (std::size_t i = 0; i < ids.size(); ++i) {
    EXPECT_TRUE(QFileInfo(At("Content/Routes/" + ids[i] + "/Scenarios.bin")).isFile()) << ids[i];
    if (english[i].empty() && !french[i].empty()) {
      ++frenchOnly;
      EXPECT_EQ(french[i], "Ligne de la C\xF4te d'\xC9meraude");
    }
  }
  EXPECT_EQ(frenchOnly, 1);
}

TEST_F(SampleInstallation, IndexEntriesFollowTheSimulatorsLayout) {
  const std::vector<IndexEntry> entries = AllIndexEntries();
  ASSERT_GE(entries.size(), 10u);
  std::set<std::string> folders;
  for (const IndexEntry& e : entries) {
    SCOPED_TRACE(e.folder);
    EXPECT_TRUE(folders.insert(e.folder).second) << "folder listed twice";

    // The element number's digits begin at character 28 of the entry.
    const std::size_t quote = e.text.find('"', 27);
    const std::string digits = e.text.substr(27, quote - 27);
    EXPECT_EQ(e.text.substr(0, 27), "<cScenarioProperties d:id=\"");
    EXPECT_FALSE(digits.empty());
    EXPECT_EQ(digits.find_first_not_of("0123456789"), std::string::npos);

    const std::vector<std::string> uuid = ElementTexts(ElementBlocks(e.text, "UUID").at(0), "e");
    ASSERT_EQ(uuid.size(), 2u);
    const auto expected = StoredNumbers(e.folder);
    EXPECT_EQ(uuid[0], expected[0]);
    EXPECT_EQ(uuid[1], expected[1]);

    EXPECT_TRUE(InOrder(
        e.text, {"<UUID>",        "<DevString", "<DisplayName>", "<English", "<French",
                 "<Italian",      "<German",    "<Spanish",      "<Key",     "<Description>",
                 "<Briefing>",    "<StartTime", "<DurationMins", "<StartDD", "<StartMM",
                 "<StartYYYY",    "<Season",    "<Provider",     "<Product", "<BlueprintID",
                 "<ScenarioClass"}));
    EXPECT_EQ(CountOf(e.text, "<English"), 3u);

    const std::string weather =
        AssetPath(ElementTexts(e.text, "Provider").at(0), ElementTexts(e.text, "Product").at(0),
                  ElementTexts(e.text, "BlueprintID").at(0));
    EXPECT_TRUE(QFileInfo(At(weather)).isFile()) << weather;
  }
}

TEST_F(SampleInstallation, OnlyTheDamagedRouteListsMissingScenarios) {
  std::vector<std::string> folderMissing, binMissing;
  int complete = 0, timetable = 0, standard = 0;
  for (const IndexEntry& e : AllIndexEntries()) {
    const QString folder = At("Content/Routes/" + e.route + "/Scenarios/" + e.folder);
    if (!QFileInfo(folder).isDir()) {
      folderMissing.push_back(e.route + "/" + e.folder);
    } else if (!QFileInfo(folder + "/Scenario.bin").isFile()) {
      binMissing.push_back(e.route + "/" + e.folder);
    } else {
      ++complete;
      const bool isTimetable = Q(e.text).contains("timetable", Qt::CaseInsensitive);
      (isTimetable ? timetable : standard) += 1;
    }
  }
  EXPECT_EQ(folderMissing, std::vector<std::string>{std::string(kDamagedRoute) +
                                                    "/9d5e7fa8-b6c7-4c29-85fa-6178c9d0e1f2"});
  EXPECT_EQ(binMissing, std::vector<std::string>{std::string(kDamagedRoute) +
                                                 "/ae6f80b9-c7d8-4d3a-96ab-7289d0e1f2a3"});
  EXPECT_GE(complete, 8);
  EXPECT_GE(timetable, 3);
  EXPECT_GE(standard, 3);
}

TEST_F(SampleInstallation, ScenarioDocumentsHoldDrivenLooseAndVariedConsists) {
  int loose = 0, flipped = 0, cannotLoad = 0, canLoad = 0, preloaded = 0;
  for (const IndexEntry& e : AllIndexEntries()) {
    const QString bin =
        At("Content/Routes/" + e.route + "/Scenarios/" + e.folder + "/Scenario.bin");
    if (!QFileInfo(bin).isFile()) continue;
    SCOPED_TRACE(e.folder);
    const std::string doc = Converted(bin);
    const std::vector<std::string> consists = ElementBlocks(doc, "cConsist");
    EXPECT_GE(consists.size(), 2u);
    EXPECT_EQ(CountOf(doc, "<cConsist"), consists.size());
    EXPECT_EQ(CountOf(doc, "</cConsist"), consists.size());

    int driven = 0;
    for (const std::string& consist : consists) {
      driven += ElementTexts(consist, "PlayerDriver").at(0) == "1";
      if (consist.find("<ServiceName>") == std::string::npos) {
        ++loose;
      } else {
        EXPECT_GE(ElementTexts(consist, "StartTime").size(), 1u);
      }
      const std::vector<std::string> vehicles = ElementBlocks(consist, "cOwnedEntity");
      EXPECT_EQ(CountOf(consist, "<Name"), vehicles.size());
      for (const std::string& v : vehicles) {
        EXPECT_TRUE(
            InOrder(v, {"<Flipped", "<UniqueNumber", "<TotalMass", "<IsPreloaded", "<BlueprintID>",
                        "<Provider", "<Product", "<BlueprintID ", "<Name"}))
            << v;
        EXPECT_TRUE(v.find("<cEngine ") != std::string::npos ||
                    v.find("<cWagon ") != std::string::npos);
        std::string path;
        for (const std::string& text : ElementTexts(v, "BlueprintID")) {
          if (text.find('<') == std::string::npos) path = text;
        }
        const std::string blueprint =
            AssetPath(ElementTexts(v, "Provider").at(0), ElementTexts(v, "Product").at(0), path);
        EXPECT_TRUE(QFileInfo(At(blueprint)).isFile()) << blueprint;
        flipped += ElementTexts(v, "Flipped").at(0) == "1";
        preloaded += ElementTexts(v, "IsPreloaded").at(0) == "eTrue";
        (v.find("<InitialLevel/>") != std::string::npos ? cannotLoad : canLoad) += 1;
      }
    }
    EXPECT_EQ(driven, 1);
  }
  EXPECT_GE(loose, 3);
  EXPECT_GE(flipped, 3);
  EXPECT_GE(cannotLoad, 10);
  EXPECT_GE(canLoad, 5);
  EXPECT_GE(preloaded, 3);
}

TEST_F(SampleInstallation, BlueprintsOfEveryKindUnderTwoProviders) {
  const std::set<std::string> everyKind = {
      "engine Diesel",   "engine Electric", "engine Steam", "engine DMU", "engine EMU",
      "wagon Passenger", "wagon Freight",   "wagon DMU",    "wagon EMU",  "tender Steam"};
  std::map<std::string, std::set<std::string>> kindsByProvider;
  for (const QString& file : FilesBelow(At("Assets"), {"*.bin"})) {
    const QStringList parts = QDir(At("Assets")).relativeFilePath(file).split('/');
    if (parts.size() < 6 || parts[2] != "RailVehicles") continue;
    const std::string doc = Converted(file);
    std::string kind;
    if (doc.find("<cEngineComponentBlueprint") != std::string::npos) kind = "engine";
    if (doc.find("<cWagonBlueprint") != std::string::npos) kind = "wagon";
    if (doc.find("<cTenderBlueprint") != std::string::npos) kind = "tender";
    if (kind.empty()) continue;
    kindsByProvider[parts[0].toStdString()].insert(kind + " " + parts[3].toStdString());

    // What the stock catalogue reads: the name first, then CsvFile and Mass in that order.
    EXPECT_EQ(doc.find("<Name"), doc.find("<Name d:type=\"cDeltaString\">"));
    EXPECT_TRUE(InOrder(doc, {"<Name", "<RailVehicleComponent", "<CsvFile", "<Mass"}))
        << file.toStdString();
  }
  ASSERT_EQ(kindsByProvider.size(), 2u);
  for (const auto& [provider, kinds] : kindsByProvider) {
    EXPECT_EQ(kinds, everyKind) << provider;
  }
}

TEST_F(SampleInstallation, NumberListsHoldOneTwoAndManyNumbers) {
  std::set<std::size_t> sizes;
  std::vector<std::string> missing;
  for (const QString& file : FilesBelow(At("Assets"), {"*.bin"})) {
    const std::vector<std::string> csv = ElementTexts(Converted(file), "CsvFile");
    if (csv.empty() || csv[0].empty()) continue;
    const QString list = At("Assets/" + SlashPath(csv[0]) + ".dcsv");
    if (!QFileInfo(list).isFile()) {
      missing.push_back(csv[0]);
      continue;
    }
    const std::string text = S(ReadWholeFile(list));
    EXPECT_EQ(text.find("<Name"), text.find("<Name", text.find("<cCSVItem")));
    EXPECT_EQ(CountOf(text, "<Name"), CountOf(text, "<cCSVItem "));
    sizes.insert(std::min<std::size_t>(CountOf(text, "<cCSVItem "), 3));
  }
  EXPECT_EQ(sizes, (std::set<std::size_t>{1, 2, 3}));
  EXPECT_EQ(missing,
            std::vector<std::string>{
                R"(ValeWorks\Branch Lines\RailVehicles\Freight\BrakeVan\ToadBrakeVanNumbers)"});
}

TEST_F(SampleInstallation, WeatherBlueprintsSitUnderEachProvider) {
  for (const char* product : {"Kuju/RailSimulator", "ValeWorks/Branch Lines"}) {
    const QStringList weather =
        FilesBelow(At(std::string("Assets/") + product + "/Weather"), {"*.bin"});
    EXPECT_GE(weather.size(), 2) << product;
    for (const QString& file : weather) {
      EXPECT_NE(Converted(file).find("<cWeatherBlueprint>"), std::string::npos);
    }
  }
}

TEST_F(SampleInstallation, SavedGamesSitBesideSomeScenarios) {
  int withCurrent = 0, withCopies = 0, withoutSaves = 0;
  for (const QString& scenario : FilesBelow(At("Content/Routes"), {"Scenario.bin"})) {
    const QStringList saves = QFileInfo(scenario).dir().entryList({"*.xml"}, QDir::Files);
    withCurrent += saves.contains("CurrentSave.xml");
    withCopies += saves.contains("CurrentSave.xml") && saves.size() > 1;
    withoutSaves += saves.isEmpty();
  }
  EXPECT_GE(withCurrent, 3);
  EXPECT_GE(withCopies, 2);
  EXPECT_GE(withoutSaves, 1);
}

TEST_F(SampleInstallation, EveryBinIsUnreadableUntilConverted) {
  const QStringList bins = FilesBelow(root_, {"*.bin"});
  EXPECT_GE(bins.size(), 50);
  for (const QString& file : bins) {
    const QByteArray raw = ReadWholeFile(file);
    EXPECT_TRUE(raw.startsWith(kMagic)) << file.toStdString();
    EXPECT_FALSE(raw.contains("<?xml"));
    const std::string xml = Converted(file);
    EXPECT_EQ(xml.rfind("<?xml version=\"1.0\" encoding=\"windows-1252\"?>\r\n", 0), 0u)
        << file.toStdString();
  }
}

TEST_F(SampleInstallation, TextsAreWindows1252WithCrLfLineEnds) {
  const std::string index =
      Converted(At("Content/Routes/7b41f0e2-93c5-4d08-a6e1-3c2f5d9b8a04/Scenarios.bin"));
  const std::string routes = S(ReadWholeFile(At("Content/Routes.xml")));
  for (const std::string* text : {&index, &routes}) {
    bool highByte = false, utf8Latin = false;
    for (std::size_t i = 0; i < text->size(); ++i) {
      const auto c = static_cast<unsigned char>((*text)[i]);
      highByte |= c >= 0x80;
      // é, ô, É ... written as UTF-8 would be 0xC3 followed by a continuation byte.
      utf8Latin |= c == 0xC3 && i + 1 < text->size() && ((*text)[i + 1] & 0xC0) == 0x80;
    }
    EXPECT_TRUE(highByte);
    EXPECT_FALSE(utf8Latin);
    EXPECT_EQ(CountOf(*text, "\n"), CountOf(*text, "\r\n"));
  }
}

TEST_F(SampleInstallation, SameBytesEveryTime) {
  const QString again = temp_->filePath("again");
  ASSERT_EQ(RunChild(kMakeSample, {again}).exitCode, 0);
  const QStringList first = FilesBelow(root_, {"*"});
  const QStringList second = FilesBelow(again, {"*"});
  ASSERT_EQ(first.size(), second.size());
  for (int i = 0; i < first.size(); ++i) {
    ASSERT_EQ(QDir(root_).relativeFilePath(first[i]), QDir(again).relativeFilePath(second[i]));
    EXPECT_EQ(ReadWholeFile(first[i]), ReadWholeFile(second[i])) << first[i].toStdString();
  }
}

}  // namespace
}  // namespace fennick::testing
