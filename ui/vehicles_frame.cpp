#include "ui/vehicles_frame.h"

#include <QGridLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

#include "scenario/text_search.h"
#include "scenario/vehicle_details.h"
#include "scenario/xml_text.h"
#include "ui/vehicle_details_window.h"

namespace fennick::ui {

namespace {

const QString kEmptyConsist = QStringLiteral("Empty Consist");

struct CommandButton {
  const char* name;
  const char* caption;
  const char* tooltip;
  ConsistCommand command;
};

const CommandButton kButtons[] = {
    {"Command10", "Swap Selected Item(s)", "Just Swap Selected Item with one from Available Stock.",
     ConsistCommand::kSwapSelected},
    {"Command7", "Swap All Identical Stock",
     "Swap ALL this type of stock in this consist with one from Available Stock (all items with "
     "same name will change)",
     ConsistCommand::kSwapAll},
    {"Command11", "Duplicate Item", "", ConsistCommand::kDuplicate},
    {"Command13", "Duplicate at Rear", "", ConsistCommand::kDuplicateAtRear},
    {"Command9", "Delete Item", "", ConsistCommand::kDelete},
    {"Command4", "Drive It", "Make Selected Consist/Loco the one you wish to start up in.",
     ConsistCommand::kDriveIt},
    {"Command15_0", "Load Selected Wagon(s)", "", ConsistCommand::kLoad},
    {"Command15_1", "Unload Selected Wagon(s)", "", ConsistCommand::kUnload},
};

}  // namespace

QString ConsistCommandCaption(ConsistCommand command) {
  for (const CommandButton& button : kButtons) {
    if (button.command == command) return QObject::tr(button.caption);
  }
  return {};
}

VehiclesFrame::VehiclesFrame(const EditorView& view, QWidget* parent)
    : QGroupBox(tr("Selected Consist"), parent) {
  setObjectName("Frame3");
  for (const EditorConsist& consist : view.consists) {
    std::vector<std::string>& names = loadedNames_.emplace_back();
    for (const VehicleFields& vehicle : consist.vehicles) names.push_back(vehicle.name);
  }
  vehicles_ = new QListWidget(this);
  vehicles_->setIconSize(QSize(16, 16));  // a marked row no taller than the others
  vehicles_->setObjectName("List2");
  vehicles_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  connect(vehicles_, &QListWidget::itemPressed, this,
          [this](QListWidgetItem* item) { ShowDetails(vehicles_->row(item)); });
  // An open details window follows the highlighted row.
  connect(vehicles_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (details_ && details_->isVisible()) ShowDetails(row);
  });

  auto* buttons = new QGridLayout;
  int at = 0;
  for (const CommandButton& text : kButtons) {
    auto* button = new QPushButton(tr(text.caption), this);
    button->setObjectName(text.name);
    if (*text.tooltip) button->setToolTip(tr(text.tooltip));
    const ConsistCommand command = text.command;
    connect(button, &QPushButton::clicked, this,
            [this, command] { emit commandRequested(command); });
    buttons->addWidget(button, at / 2, at % 2);
    ++at;
  }
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(vehicles_, 1);
  layout->addLayout(buttons);
}

VehiclesFrame::~VehiclesFrame() {
  if (details_) details_->deleteLater();
}

std::optional<std::string> VehiclesFrame::ShowConsist(std::string_view document, int consistRow) {
  const QSignalBlocker quiet(vehicles_);
  vehicles_->clear();
  shown_.clear();
  consistRow_ = consistRow;
  encoding_ = DocumentEncoding(document);
  if (consistRow < 0) return std::nullopt;
  auto vehicles = VehiclesOfConsist(document, std::size_t(consistRow));
  if (!vehicles) return vehicles.error();
  shown_ = std::move(*vehicles);
  for (const VehicleFields& vehicle : shown_) {
    vehicles_->addItem(QString::fromStdString(ShowText(vehicle.name, encoding_)));
  }
  if (shown_.empty()) vehicles_->addItem(kEmptyConsist);
  return std::nullopt;
}

void VehiclesFrame::MarkNotInstalled(std::size_t vehicleRow, const QString& expectedFile) {
  QListWidgetItem* item = vehicles_->item(int(vehicleRow));
  if (!item || vehicleRow >= shown_.size()) return;
  item->setIcon(style()->standardIcon(QStyle::SP_MessageBoxWarning));
  item->setForeground(QColor(170, 0, 0));
  item->setToolTip(tr("Not installed: %1").arg(expectedFile));
}

VehicleRows VehiclesFrame::Rows() const {
  VehicleRows rows;
  // A current row that is not highlighted is no choice.
  if (const QListWidgetItem* item = vehicles_->currentItem(); item && item->isSelected()) {
    rows.current = std::size_t(vehicles_->row(item));
  }
  for (const QListWidgetItem* item : vehicles_->selectedItems()) {
    rows.selected.push_back(std::size_t(vehicles_->row(item)));
  }
  std::sort(rows.selected.begin(), rows.selected.end());
  return rows;
}

void VehiclesFrame::SetRows(const VehicleRows& rows) {
  {
    const QSignalBlocker quiet(vehicles_);
    if (rows.current && *rows.current < std::size_t(vehicles_->count())) {
      vehicles_->setCurrentRow(int(*rows.current), QItemSelectionModel::ClearAndSelect);
    } else {
      vehicles_->setCurrentRow(-1, QItemSelectionModel::Clear);
    }
    for (const std::size_t row : rows.selected) {
      if (row < std::size_t(vehicles_->count())) vehicles_->item(int(row))->setSelected(true);
    }
  }
  if (details_ && details_->isVisible()) ShowDetails(vehicles_->currentRow());
}

void VehiclesFrame::CloseDetails() {
  if (details_) details_->close();
}

void VehiclesFrame::ShowDetails(int vehicleRow) {
  if (!DescribesLoadedVehicle(vehicleRow)) {
    if (details_) details_->hide();
    return;
  }
  VehicleDetailsText text = DescribeVehicle(shown_[std::size_t(vehicleRow)]);
  text.blueprint = ShowText(text.blueprint, encoding_);
  if (!details_) details_ = new VehicleDetailsWindow(this);
  details_->Show(text);
}

// Details belong to a row that still names the vehicle loaded at that place: a row a command
// changed (a swap, a copy) shows none. "Empty Consist" is no vehicle.
bool VehiclesFrame::DescribesLoadedVehicle(int vehicleRow) const {
  if (vehicleRow < 0 || consistRow_ < 0 || std::size_t(vehicleRow) >= shown_.size() ||
      std::size_t(consistRow_) >= loadedNames_.size()) {
    return false;
  }
  const std::vector<std::string>& loaded = loadedNames_[std::size_t(consistRow_)];
  return std::size_t(vehicleRow) < loaded.size() &&
         EqualsNoCase(loaded[std::size_t(vehicleRow)], shown_[std::size_t(vehicleRow)].name);
}

}  // namespace fennick::ui
