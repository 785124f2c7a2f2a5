#pragma once

#include <QGroupBox>
#include <array>
#include <string>

#include "scenario/editor_load.h"
#include "scenario/editor_session.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace fennick::ui {

// Frame5, "Current Scenario": the twelve property boxes with the season chooser, the type
// options, "Change for all consists" and the buttons that save, clone, leave and launch.
class ScenarioFrame : public QGroupBox {
  Q_OBJECT
 public:
  ScenarioFrame(const EditorView& view, QWidget* parent);

  // The boxes as the person reads them (UTF-8). The multi-line boxes keep the bytes of every
  // part the person did not change: a text box hands back each line break as "\n".
  PropertyBoxes Boxes() const;
  void SetBoxes(const PropertyBoxes& boxes);
  void SetBox(std::size_t index, const std::string& text);

  bool Timetable() const;
  void SetTimetable(bool timetable);
  bool AllConsists() const;
  void SetAllConsists(bool ticked);
  // After a save or a clone the scenario cannot be saved again from this editor.
  void DisableSaving();

 signals:
  void returnPressed();  // Enter in a box: its edit is done
  void typePressed(bool timetable);
  void allConsistsClicked();
  void saveRequested();
  void cloneRequested();
  void exitRequested();
  void launchRequested(int program);  // 0 Rail Simulator, 1 its editor, 2 the editor with log

 private:
  QPushButton* AddButton(const char* name, const QString& caption, const QString& tooltip = {});

  std::array<QLineEdit*, kPropertyBoxCount> lineBoxes_{};  // all but the two multi-line boxes
  std::array<QPlainTextEdit*, kPropertyBoxCount> multiLineBoxes_{};
  std::array<std::string, kPropertyBoxCount> given_{};  // what the multi-line boxes were given
  QCheckBox* allConsists_ = nullptr;
  QRadioButton* standard_ = nullptr;
  QRadioButton* timetable_ = nullptr;
  QPushButton* save_ = nullptr;
  QPushButton* clone_ = nullptr;
};

}  // namespace fennick::ui
