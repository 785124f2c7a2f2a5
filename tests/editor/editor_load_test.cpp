#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "scenario/editor_load.h"
#include "scenario/index_cut.h"
#include "scenario/vehicle_details.h"
#include "tests/support/case_file.h"

namespace fennick {
namespace {

const std::string kData = FENNICK_TEST_DATA_DIR "/editor_load/";

std::string ReadData(const std::string& name) {
  std::ifstream in(kData + name, std::ios::binary);
  EXPECT_TRUE(in) << name;
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The load as lines: the boxes, the type and what the session took, every consist and its
// vehicles with the lines of their details window.
std::string Shown(const EditorView& view, const ScenarioSession& session) {
  std::ostringstream out;
  for (std::size_t i = 0; i < view.boxes.size(); ++i)
    out << "box " << i << ": " << view.boxes[i] << '\n';
  out << "type: " << (view.timetable ? "timetable" : "standard") << '\n';
  out << "loaded: " << session.loadedDisplayName << " at " << session.loadedStartTime << '\n';
  out << "driven: " << view.drivenCaption << '\n';
  for (std::size_t c = 0; c < view.consists.size(); ++c) {
    const EditorConsist& consist = view.consists[c];
    out << "consist " << c << ": " << consist.caption << (consist.driven ? " (driven)" : "")
        << '\n';
    for (const VehicleFields& v : consist.vehicles) {
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
    session.indexHead = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<cRecordSet><Record>";
    session.scenarioEntry = entry;
    session.indexTail = "</Record></cRecordSet>";
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
    if (expected.ends_with(".txt")) {
      EXPECT_EQ(shown, ReadData(expected));
    } else {
      EXPECT_NE(shown.find(expected + '\n'), std::string::npos) << shown;
    }
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
    if (c.fields[3] == "error") {
      EXPECT_FALSE(cut.ok());
      continue;
    }
    ASSERT_TRUE(cut.ok()) << cut.error();
    EXPECT_EQ(cut->entry, c.fields[3]);
    EXPECT_EQ(cut->head + cut->entry + cut->tail, c.fields[1]);
  }
}

}  // namespace
}  // namespace fennick
