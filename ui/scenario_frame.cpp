#include "ui/scenario_frame.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextDocument>

#include "scenario/edited_text.h"
#include "ui/season_box.h"

namespace fennick::ui {

namespace {

QString FromView(std::string_view text) {
  return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// A multi-line box's text as the person sees it: blocks joined by "\n", every other character
// as it stands (toPlainText would turn a non-breaking space into a blank).
std::string TypedText(const QPlainTextEdit* box) {
  QString text = box->document()->toRawText();
  text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
  return text.toStdString();
}

}  // namespace

ScenarioFrame::ScenarioFrame(const EditorView& view, QWidget* parent)
    : QGroupBox(tr("Current Scenario"), parent) {
  setObjectName("Frame5");
  auto* grid = new QGridLayout(this);
  for (std::size_t i = 0; i < kPropertyBoxCount; ++i) {
    auto* label = new QLabel(FromView(kProperties[i].caption), this);
    label->setObjectName(QString("Label1_%1").arg(i));
    grid->addWidget(label, int(i), 0, Qt::AlignTop);
    QWidget* box = nullptr;
    if (i == kBoxDescription || i == kBoxBriefing) {
      auto* multiLine = new QPlainTextEdit(this);
      multiLine->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
      multiLine->setTabChangesFocus(true);
      multiLine->setMaximumHeight(i == kBoxBriefing ? 110 : 70);
      multiLineBoxes_[i] = multiLine;
      box = multiLine;
    } else {
      auto* line = new QLineEdit(this);
      connect(line, &QLineEdit::returnPressed, this, &ScenarioFrame::returnPressed);
      lineBoxes_[i] = line;
      box = line;
    }
    box->setObjectName(QString("Text1_%1").arg(i));
    grid->addWidget(box, int(i), 1);
  }
  SetBoxes(view.boxes);
  lineBoxes_[kBoxStartTime]->setToolTip(tr("Change the Start Time of the main Consist."));
  lineBoxes_[kBoxSeason]->setToolTip(tr("Select the Season to use."));
  auto* seasons = new QComboBox(this);
  seasons->setObjectName("Combo1");
  grid->addWidget(seasons, int(kBoxSeason), 1);
  new SeasonBox(lineBoxes_[kBoxSeason], seasons);

  int row = int(kPropertyBoxCount);
  allConsists_ = new QCheckBox(tr("Change for all consists"), this);
  allConsists_->setObjectName("Check1");
  allConsists_->setToolTip(
      tr("Select if you want Start Time of all trains in the scenario to be altered by the same "
         "amount."));
  connect(allConsists_, &QCheckBox::clicked, this, &ScenarioFrame::allConsistsClicked);
  grid->addWidget(allConsists_, row++, 1);

  standard_ = new QRadioButton(tr("Standard Scenario"), this);
  standard_->setObjectName("Option2_0");
  timetable_ = new QRadioButton(tr("Timetable Scenario"), this);
  timetable_->setObjectName("Option2_1");
  auto* types = new QButtonGroup(this);
  types->addButton(standard_, 0);
  types->addButton(timetable_, 1);
  SetTimetable(view.timetable);
  connect(standard_, &QRadioButton::clicked, this, [this] { emit typePressed(false); });
  connect(timetable_, &QRadioButton::clicked, this, [this] { emit typePressed(true); });
  auto* typeRow = new QHBoxLayout;
  typeRow->addWidget(standard_);
  typeRow->addWidget(timetable_);
  grid->addLayout(typeRow, row++, 0, 1, 2);

  save_ = AddButton("Command1", tr("Save Changes"), tr("Save all changes made."));
  clone_ = AddButton("Command12", tr("Clone Scenario with new Name"));
  auto* exit = AddButton("Command2", tr("Exit"));
  auto* runSim = AddButton("Command5", tr("Run Rail Simulator"), tr("Run Rail Simulator"));
  auto* runEditor = AddButton("Command8", tr("Run Rail Sim Editor"));
  auto* runEditorLog = AddButton("Command14", tr("Run Rail Sim Editor (with log)"));
  connect(save_, &QPushButton::clicked, this, &ScenarioFrame::saveRequested);
  connect(clone_, &QPushButton::clicked, this, &ScenarioFrame::cloneRequested);
  connect(exit, &QPushButton::clicked, this, &ScenarioFrame::exitRequested);
  connect(runSim, &QPushButton::clicked, this, [this] { emit launchRequested(0); });
  connect(runEditor, &QPushButton::clicked, this, [this] { emit launchRequested(1); });
  connect(runEditorLog, &QPushButton::clicked, this, [this] { emit launchRequested(2); });
  auto* buttons = new QGridLayout;
  buttons->addWidget(save_, 0, 0);
  buttons->addWidget(clone_, 0, 1);
  buttons->addWidget(runSim, 1, 0);
  buttons->addWidget(runEditor, 1, 1);
  buttons->addWidget(runEditorLog, 2, 1);
  buttons->addWidget(exit, 2, 0);
  grid->addLayout(buttons, row++, 0, 1, 2);
  grid->setRowStretch(row, 1);
  setFixedWidth(370);
}

QPushButton* ScenarioFrame::AddButton(const char* name, const QString& caption,
                                      const QString& tooltip) {
  auto* button = new QPushButton(caption, this);
  button->setObjectName(name);
  if (!tooltip.isEmpty()) button->setToolTip(tooltip);
  return button;
}

PropertyBoxes ScenarioFrame::Boxes() const {
  PropertyBoxes boxes;
  for (std::size_t i = 0; i < kPropertyBoxCount; ++i) {
    boxes[i] = multiLineBoxes_[i] ? MergeEditedText(given_[i], TypedText(multiLineBoxes_[i]))
                                  : lineBoxes_[i]->text().toStdString();
  }
  return boxes;
}

void ScenarioFrame::SetBoxes(const PropertyBoxes& boxes) {
  for (std::size_t i = 0; i < kPropertyBoxCount; ++i) SetBox(i, boxes[i]);
}

void ScenarioFrame::SetBox(std::size_t index, const std::string& text) {
  if (index >= kPropertyBoxCount) return;
  if (multiLineBoxes_[index]) {
    // A box that already reads so keeps its cursor and the bytes it was given.
    if (MergeEditedText(given_[index], TypedText(multiLineBoxes_[index])) == text) return;
    given_[index] = text;
    multiLineBoxes_[index]->setPlainText(QString::fromStdString(text));
  } else if (lineBoxes_[index]->text().toStdString() != text) {
    lineBoxes_[index]->setText(QString::fromStdString(text));
  }
}

bool ScenarioFrame::Timetable() const {
  return timetable_->isChecked();
}

void ScenarioFrame::SetTimetable(bool timetable) {
  (timetable ? timetable_ : standard_)->setChecked(true);
}

bool ScenarioFrame::AllConsists() const {
  return allConsists_->isChecked();
}

void ScenarioFrame::SetAllConsists(bool ticked) {
  allConsists_->setChecked(ticked);
}

void ScenarioFrame::DisableSaving() {
  save_->setEnabled(false);
  clone_->setEnabled(false);
}

}  // namespace fennick::ui
