#include <gtest/gtest.h>

#include <sstream>

#include "bridge/converter.h"
#include "bridge/paths.h"
#include "browser/open_scenario.h"
#include "persist/save_scenario.h"
#include "scenario/editor_load.h"
#include "scenario/index_cut.h"
#include "scenario/vehicle_details.h"
#include "tests/support/case_file.h"
#include "tests/support/sample_install.h"
#include "tests/support/scripted_dialogs.h"

namespace fennick {
namespace {

const std::string kData = FENNICK_TEST_DATA_DIR "/editor_load/";

std::string ReadData(const std::string& name) {
  return test::ReadFileBytes(QString::fromStdString(kData + name)).toStdString();
}

// The load as lines: the boxes, the type and what the session took, every consist and its
// vehicles with the lines of their details window.
std::string Shown(const EditorView& view, const ScenarioSession& session) {
  std::ostringstream out;
  for (std::size_t i = 0; i < view.boxes.size(); ++i)
    out << "box " << i << ": " << view.boxes[i] << '\n';
  out << "type: " << (view.timetable ? "timetable" : "standard")
      << "\nloaded: " << session.loadedDisplayName << " at " << session.loadedStartTime
      << "\ndriven: " << view.drivenCaption << '\n';
  for (std::size_t c = 0; c < view.consists.size(); ++c) {
    out << "consist " << c << ": " << view.consists[c].caption
        << (view.consists[c].driven ? " (driven)" : "") << '\n';
    for (const VehicleFields& v : view.consists[c].vehicles) {
      const VehicleDetailsText details = DescribeVehicle(v);
      out << "  " << v.name << " | " << v.blueprint << " | " << v.flipped << " | " << v.preloaded
          << " | " << v.provider << '\\' << v.product << " | " << details.blueprint << "; "
          << details.orientation << "; " << details.loadable << "; "
          << details.loaded.value_or("no load line") << '\n';
    }
  }
  return out.str();
}

TEST(EditorLoad, BoxesConsistsAndVehiclesAsShown) {
  for (const auto& c : test::ReadCaseFile(kData + "cases.txt")) {
    SCOPED_TRACE(c.fields[0]);
    ASSERT_EQ(c.fields.size(), 5u);
    std::string entry = ReadData("entry.xml"), document = ReadData("scenario.xml");
    if (c.fields[1] != "-") {
      std::string& edited = c.fields[1] == "entry.xml" ? entry : document;
      const std::size_t at = edited.find(c.fields[2]);
      ASSERT_NE(at, std::string::npos);
      edited.replace(at, c.fields[2].size(), c.fields[3]);
    }
    ScenarioSession session;
    session.indexHead = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<cRecordSet>";
    session.scenarioEntry = entry;
    session.scenarioTextAsRead = session.scenarioText = document;
    session.loadedDisplayName = "before";
    const std::string& expected = c.fields[4];
    session.isTimetable = expected != "type: timetable";  // the load must set it either way
    const auto view = LoadEditor(session);
    if (expected.starts_with("error: ")) {
      ASSERT_FALSE(view.ok());
      EXPECT_NE(view.error().find(expected.substr(7)), std::string::npos) << view.error();
      EXPECT_EQ(session.loadedDisplayName, "before") << "a failed load leaves the session";
      continue;
    }
    ASSERT_TRUE(view.ok()) << view.error();
    EXPECT_EQ(session.isTimetable, view->timetable);
    const std::string shown = Shown(*view, session);
    EXPECT_TRUE(expected.ends_with(".txt") ? shown == ReadData(expected)
                                           : shown.find(expected + '\n') != std::string::npos)
        << shown;
    // The window lists a consist's vehicles afresh from the document as it stands.
    for (std::size_t i = 0; i < view->consists.size(); ++i) {
      const auto vehicles = VehiclesOfConsist(document, i);
      ASSERT_TRUE(vehicles.ok()) << vehicles.error();
      EXPECT_EQ(*vehicles, view->consists[i].vehicles) << i;
    }
    EXPECT_FALSE(VehiclesOfConsist(document, view->consists.size()).ok());
  }
}

TEST(EditorLoad, ScenarioEntryCutFromTheIndex) {
  for (const auto& c : test::ReadCaseFile(kData + "cut_entry.txt")) {
    SCOPED_TRACE(c.fields[0]);
    ASSERT_EQ(c.fields.size(), 4u);
    const auto cut = CutScenarioEntry(c.fields[1], c.fields[2]);
    ASSERT_EQ(cut.ok(), c.fields[3] != "error");
    if (!cut.ok()) continue;
    EXPECT_EQ(cut->entry, c.fields[3]);
    EXPECT_EQ(cut->head + cut->entry + cut->tail, c.fields[1]);
  }
}

const QString kRoute = "2d9e6c38-5f1b-4a77-9c3e-8b1f0a6d4e21";  // Severn Vale Branch
const std::string kMorningCoal = "0a3f5e71-6c2d-4b8e-9f14-d7e2a5c8b301";
const std::string kEvening = "1b7c9d20-3e4f-4a61-8d52-e9f0a1b2c3d4";

// Opening cuts the scenario's entry from the route's index and reads its document; failed
// conversions and an unlisted scenario open nothing; typed markup survives a save and a reopen.
TEST(OpenScenario, EntryAndDocumentOfTheChosenScenario) {
  test::SampleInstall sample;
  ASSERT_TRUE(sample.ok()) << sample.error().toStdString();
  const QString route = sample.Path("Content/Routes/" + kRoute);
  const auto open = [&](const std::string& folder) {
    // Spelt as the simulator's files do, in another letter case than the folders on disk.
    const QString spelt = JoinPath(JoinPath(sample.RsPath(), "content\\routes"), kRoute);
    return OpenScenario(Converter(sample.ProgramFolder(), sample.RsPath()), spelt,
                        JoinPath(JoinPath(spelt, "scenarios"), QString::fromStdString(folder)),
                        folder);
  };
  auto session = open(kEvening);
  ASSERT_TRUE(session.ok()) << session.error();
  EXPECT_EQ(
      QByteArray::fromStdString(session->indexHead + session->scenarioEntry + session->indexTail),
      test::DecodeBin(route + "/Scenarios.bin"));
  EXPECT_NE(session->scenarioEntry.find(kEvening), std::string::npos);
  EXPECT_EQ(
      QByteArray::fromStdString(session->scenarioTextAsRead),
      test::DecodeBin(route + "/Scenarios/" + QString::fromStdString(kEvening) + "/Scenario.bin"));
  EXPECT_EQ(session->scenarioText, session->scenarioTextAsRead);
  auto view = LoadEditor(*session);
  ASSERT_TRUE(view.ok()) << view.error();
  EXPECT_EQ(view->boxes[kBoxDisplayName] + view->boxes[kBoxStartTime], "Evening Commuters1730");
  EXPECT_TRUE(view->timetable);

  for (const char* fault :
       {"exit:Scenarios.bin", "silent:Scenarios.bin", "exit:Scenario.bin", "silent:Scenario.bin"}) {
    qputenv("FENNICK_SERZ_FAIL", fault);
    auto failed = open(kMorningCoal);
    qunsetenv("FENNICK_SERZ_FAIL");
    ASSERT_FALSE(failed.ok()) << fault;
    EXPECT_NE(failed.error().find("serz.exe"), std::string::npos) << failed.error();
  }
  auto unlisted = open("12345678-0000-0000-0000-000000000000");
  ASSERT_FALSE(unlisted.ok());
  EXPECT_NE(unlisted.error().find("not listed"), std::string::npos) << unlisted.error();

  session = open(kMorningCoal);
  ASSERT_TRUE(session.ok());
  view = LoadEditor(*session);
  ASSERT_TRUE(view.ok());
  PropertyBoxes boxes = view->boxes;
  boxes[kBoxDisplayName] = "Coal & Coke <fast>";
  test::ScriptedDialogs dialogs;
  ASSERT_EQ(SaveScenario({sample.ProgramFolder(), sample.RsPath()}, *session,
                         SaveRequest{boxes, false, false, view->drivenCaption}, dialogs),
            CommandOutcome::kDone)
      << (dialogs.shown.empty() ? "" : dialogs.shown[0].text);
  auto reopened = open(kMorningCoal);
  ASSERT_TRUE(reopened.ok()) << reopened.error();
  EXPECT_NE(reopened->scenarioEntry.find(">Coal &amp; Coke &lt;fast&gt;</English>"),
            std::string::npos);
  auto shown = LoadEditor(*reopened);
  ASSERT_TRUE(shown.ok());
  EXPECT_EQ(shown->boxes[kBoxDisplayName], "Coal & Coke <fast>");
}

}  // namespace
}  // namespace fennick
