// The stock frame's path and blueprint text rules, from tests/data/stock_texts/cases.txt: one
// call a line, the function's name first and the expected text last.
#include <gtest/gtest.h>


#include "consist/blueprint_class.h"
#include "consist/blueprint_path.h"
#include "consist/folder_navigation.h"
#include "consist/number_list.h"
#include "consist/stock_catalogue.h"
#include "consist/stock_filter.h"
#include "consist/stock_folder.h"
#include "consist/weather.h"
#include "tests/support/case_file.h"
#include "tests/support/scripted_dialogs.h"

namespace fennick {
namespace {

using test::Fields;
const auto Q = [](const std::string& text) { return QString::fromStdString(text); };

// Items numbered 0, 1, ... with `digits` digits, each first Name 10 characters into its item.
std::string NumberList(const std::string& cell) {
  if (!cell.starts_with("numbers ")) return cell;
  int entries = 0, digits = 0;
  std::sscanf(cell.c_str(), "numbers %d %d", &entries, &digits);
  std::string text;
  for (int i = 0; i < entries; ++i)
    text += QString("<cCSVItem><Name>%1</Name></cCSVItem>\r\n")
                .arg(i, digits, 10, QChar('0'))
                .toStdString();
  return text;
}

const test::CallTable kCalls = {
    {"kind-test",
     [](const Fields& f) {
       const char* names[] = {"skip", "engine", "wagon", "tender", "either"};
       return std::string(names[int(
           StockKindTest("\\Kuju\\RailSimulator\\RailVehicles" + f[1], f[2], f[3] == "yes"))]);
     }},
    {"split",
     [](const Fields& f) {
       const std::optional<StockFolder> s = SplitStockFolder(Q(f[1]));
       return s ? s->provider + "|" + s->product + "|" + s->leaf +
                      (s->productFolderChosen ? "+" : "")
                : "-";
     }},
    {"follow",
     [](const Fields& f) {
       return FollowHighlightedFolder(Q(f[1]), Q(f[2])).value_or("-").toStdString();
     }},
    {"start", [](const Fields& f) { return StockFolderAtStart(Q(f[1]), Q(f[2])).toStdString(); }},
    {"caption", [](const Fields& f) { return StockKindCaption(f[1]).value_or("-"); }},
    {"weather",
     [](const Fields& f) {
       test::ScriptedDialogs dialogs;
       const std::optional<WeatherBoxes> b = SetWeather(Q(f[1]), Q(f[2]), dialogs);
       const std::string shown = dialogs.shown.empty() ? "" : dialogs.shown[0].text;
       return b && shown.empty() ? b->provider + "|" + b->product + "|" + b->blueprintId : shown;
     }},
    {"classify",
     [](const Fields& f) {
       const BlueprintClass c = ClassifyBlueprintText(f[1]);
       return std::string(c.engine ? "e" : "-") + (c.wagon ? "w" : "-") + (c.tender ? "t" : "-") +
              "|" + c.name.value_or("-");
     }},
    {"blueprint-path",
     [](const Fields& f) {
       return BlueprintFilePath(Q(f[1]), Q(f[2]), Q(f[3]), Q(f[4])).toStdString();
     }},
    {"join", [](const Fields& f) { return JoinNumberListLines(f[1]); }},
    {"pick", [](const Fields& f) { return PickRunningNumber(NumberList(f[1]), std::stof(f[2])); }}};

TEST(StockTexts, EveryCaseGivesItsText) {
  test::ExpectEveryCall(FENNICK_TEST_DATA_DIR "/stock_texts/cases.txt", kCalls, 61);
}

}  // namespace
}  // namespace fennick
