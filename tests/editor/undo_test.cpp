#include <gtest/gtest.h>
#include <QAction>
#include <QCheckBox>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTreeView>
#include <QUndoStack>
#include <functional>

#include "tests/editor/editor_window_fixture.h"

namespace fennick::ui {
namespace {

// What a step must put back: the document, the boxes, the lists, the rows and the label.
struct Seen {
  std::string document;
  QStringList boxes;
  bool timetable = false;
  bool allConsists = false;
  QString driven;
  int consist = -1;
  QStringList vehicles;
  int current = -1;
  QList<int> highlighted;
  bool operator==(const Seen&) const = default;
};

class UndoTest : public EditorWindowTest {
 protected:
  Seen Look() {
    Seen seen;
    seen.document = window->Session().scenarioText;
    for (int i = 0; i < 12; ++i) {
      const QString name = QString("Text1_%1").arg(i);
      if (auto* line = window->findChild<QLineEdit*>(name)) seen.boxes << line->text();
      if (auto* multi = window->findChild<QPlainTextEdit*>(name))
        seen.boxes << multi->toPlainText();
    }
    seen.timetable = Find<QRadioButton>("Option2_1")->isChecked();
    seen.allConsists = Find<QCheckBox>("Check1")->isChecked();
    seen.driven = Find<QLabel>("Label3")->text();
    seen.consist = Find<QListWidget>("List1")->currentRow();
    auto* vehicles = Find<QListWidget>("List2");
    for (int i = 0; i < vehicles->count(); ++i) seen.vehicles << vehicles->item(i)->text();
    seen.current = vehicles->currentRow();
    for (const QListWidgetItem* item : vehicles->selectedItems()) {
      seen.highlighted << vehicles->row(item);
    }
    std::sort(seen.highlighted.begin(), seen.highlighted.end());
    return seen;
  }
  void Choose(int consist, std::initializer_list<int> rows) {
    Find<QListWidget>("List1")->setCurrentRow(consist);
    auto* vehicles = Find<QListWidget>("List2");
    vehicles->clearSelection();
    bool first = true;
    for (const int row : rows) {
      vehicles->setCurrentRow(
          row, first ? QItemSelectionModel::ClearAndSelect : QItemSelectionModel::Select);
      first = false;
    }
  }
  void Press(const char* button) { QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton); }
  void Type(const char* box, const QString& text) {
    auto* line = Find<QLineEdit>(box);
    line->setFocus();
    line->selectAll();
    QTest::keyClicks(line, text);
    QTest::keyClick(line, Qt::Key_Return);
  }
  // Kuju's stock of one kind, with one vehicle of it chosen.
  void GatherStock(const char* kindOption = "Option1_4", const char* vehicle = "VEA Covered Van") {
    auto* folders = Find<QTreeView>("Dir2");
    auto* model = qobject_cast<QFileSystemModel*>(folders->model());
    folders->setCurrentIndex(model->index(sample.Path("Assets/Kuju/RailSimulator/RailVehicles")));
    Find<QRadioButton>(kindOption)->setChecked(true);
    Press("Command6");
    auto* stock = Find<QListWidget>("List3");
    const auto found = stock->findItems(vehicle, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    stock->setCurrentItem(found[0]);
  }
  QAction* Action(const char* name) { return window->findChild<QAction*>(name); }
};

TEST_F(UndoTest, EveryStepUndoesToTheControlsBeforeAndRedoesToThoseAfter) {
  Open();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  GatherStock();
  dialogs.answers = {true, true, true, true};
  const std::string loaded = window->Session().scenarioText;
  const auto none = [] {};
  const struct Step {
    const char* name;  // the step's name in the Edit menu
    std::function<void()> choose;
    std::function<void()> act;
  } steps[] = {
      {"Delete Item", [&] { Choose(0, {2}); }, [&] { Press("Command9"); }},
      {"Swap Selected Item(s)",
       [&] {
         Choose(0, {1, 3});
       },
       [&] { Press("Command10"); }},
      {"Swap All Identical Stock", [&] { Choose(0, {2}); }, [&] { Press("Command7"); }},
      {"Duplicate Item", [&] { Choose(2, {0}); }, [&] { Press("Command11"); }},
      {"Duplicate at Rear", [&] { Choose(2, {2}); }, [&] { Press("Command13"); }},
      {"Drive It", [&] { Choose(1, {0}); }, [&] { Press("Command4"); }},
      {"Unload Selected Wagon(s)",
       [&] {
         Choose(2, {0, 1});
       },
       [&] { Press("Command15_1"); }},
      {"Load Selected Wagon(s)", [&] { Choose(2, {1}); }, [&] { Press("Command15_0"); }},
      {"Edit Display Name", none, [&] { Type("Text1_0", "Morning Coal Loaded"); }},
      {"Edit Start Time", none, [&] { Type("Text1_3", "0815"); }},
      {"Set Weather",
       [&] {
         auto* files = Find<QListWidget>("File1");
         files->setCurrentItem(files->findItems("Overcast.bin", Qt::MatchExactly).value(0));
       },
       [&] { Press("Command3"); }},
      {"Timetable Scenario", none,
       [&] { QTest::mouseClick(Find<QRadioButton>("Option2_1"), Qt::LeftButton); }},
      {"Change for all consists", none,
       [&] { QTest::mouseClick(Find<QCheckBox>("Check1"), Qt::LeftButton); }},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    step.choose();
    const Seen before = Look();
    const int count = window->UndoStack()->count();
    step.act();
    ASSERT_EQ(window->UndoStack()->count(), count + 1) << dialogs.Messages().back();
    EXPECT_EQ(Action("actionUndo")->text(), QString("Undo ") + step.name);
    const Seen after = Look();
    EXPECT_NE(after, before);
    Action("actionUndo")->trigger();
    EXPECT_EQ(Look(), before);
    Action("actionRedo")->trigger();
    EXPECT_EQ(Look(), after);
  }
  EXPECT_TRUE(window->Modified());
  while (window->UndoStack()->canUndo()) Action("actionUndo")->trigger();
  EXPECT_EQ(window->Session().scenarioText, loaded);
  EXPECT_FALSE(window->Modified());
}

// Modified is the stack's clean state: a save makes it clean, a failed one does not, and undoing
// past the save point makes it modified again.
TEST_F(UndoTest, ModifiedFollowsTheCleanState) {
  Open();
  EXPECT_FALSE(window->Modified());
  Choose(0, {1});
  Press("Command11");
  EXPECT_TRUE(window->Modified());
  EXPECT_TRUE(window->isWindowModified());

  qputenv("FENNICK_SERZ_FAIL", "exit:Scenario.xml");
  Press("Command1");
  qunsetenv("FENNICK_SERZ_FAIL");
  EXPECT_TRUE(window->Modified()) << "a failed save leaves the changes unsaved";

  Type("Text1_0", "Morning Coal Copy");
  dialogs.answers = {true, true};
  Press("Command12");  // the clone keeps them
  EXPECT_FALSE(window->Modified());
  Action("actionUndo")->trigger();
  EXPECT_TRUE(window->Modified());
  Action("actionRedo")->trigger();
  EXPECT_FALSE(window->Modified());
}

// Vehicles whose blueprints are installed nowhere are marked, and so are their consists; the
// marks and the report follow the document through a swap, its undo and its redo.
TEST_F(UndoTest, MissingStockMarksFollowTheDocument) {
  Open(kPullmanExcursion, kMarshJunction);
  GatherStock("Option1_0", "Class 66");  // Diesel
  const auto tooltips = [&](const char* list) {
    QStringList seen;
    auto* rows = Find<QListWidget>(list);
    for (int i = 0; i < rows->count(); ++i) seen << rows->item(i)->toolTip();
    return seen;
  };
  const QString class47 =
      "Not installed: " + sample.RsPath() +
      "\\Assets\\Kuju\\RailSimulator\\RailVehicles\\Diesel\\Class47\\Class47.bin";
  const QStringList marked = {"", "1 vehicle of this consist is not installed"};
  EXPECT_EQ(tooltips("List1"), marked) << "the archived Pullmans count as installed";
  Choose(1, {0});
  EXPECT_EQ(tooltips("List2"), QStringList({class47, ""}));

  Action("actionMissingStock")->trigger();
  auto* table = window->findChild<QTableWidget*>("tblMissingStock");
  ASSERT_NE(table, nullptr);
  ASSERT_EQ(table->rowCount(), 1);
  EXPECT_EQ(table->item(0, 0)->text(), "2. 5Z47 Support Coaches");
  EXPECT_EQ(table->item(0, 1)->text(), "1. Class 47");
  EXPECT_EQ(table->item(0, 2)->text(),
            "Kuju\\RailSimulator\\RailVehicles\\Diesel\\Class47\\Class47.xml");

  dialogs.answers = {true, true};
  Press("Command10");
  ASSERT_EQ(window->UndoStack()->count(), 1) << dialogs.Messages().back();
  EXPECT_EQ(tooltips("List1"), QStringList({"", ""}));
  EXPECT_EQ(tooltips("List2"), QStringList({"", ""}));
  dialogs.shown.clear();
  Action("actionMissingStock")->trigger();
  EXPECT_EQ(dialogs.Messages(),
            std::vector<std::string>{"All 5 vehicles of this scenario are installed."});

  Action("actionUndo")->trigger();
  EXPECT_EQ(tooltips("List1"), marked);
  EXPECT_EQ(tooltips("List2"), QStringList({class47, ""}));
  Action("actionRedo")->trigger();
  EXPECT_EQ(tooltips("List1"), QStringList({"", ""}));
  EXPECT_EQ(tooltips("List2"), QStringList({"", ""}));
}

}  // namespace
}  // namespace fennick::ui
