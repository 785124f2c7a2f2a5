#include "ui/vehicle_details_window.h"

#include <QGridLayout>
#include <QLabel>

namespace fennick::ui {

VehicleDetailsWindow::VehicleDetailsWindow(QWidget* parent) : QDialog(parent) {
  setObjectName("dlgTips");
  setWindowTitle(tr("Vehicle"));
  auto make = [this](const char* name) {
    auto* label = new QLabel(this);
    label->setObjectName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
  };
  blueprint_ = make("Label1");
  loadable_ = make("Label2");
  loaded_ = make("Label3");
  orientation_ = make("Label4");
  auto* layout = new QGridLayout(this);
  layout->addWidget(blueprint_, 0, 0, 1, 2);
  layout->addWidget(loadable_, 1, 0);
  layout->addWidget(loaded_, 1, 1);
  layout->addWidget(orientation_, 2, 0, 1, 2);
  setMinimumWidth(360);
}

void VehicleDetailsWindow::Show(const VehicleDetailsText& details) {
  blueprint_->setText(QString::fromStdString(details.blueprint));
  loadable_->setText(QString::fromStdString(details.loadable));
  if (details.loaded) loaded_->setText(QString::fromStdString(*details.loaded));
  orientation_->setText(QString::fromStdString(details.orientation));
  show();
  raise();
}

}  // namespace fennick::ui
