#pragma once

#include <QDialog>

#include "scenario/vehicle_details.h"

class QLabel;

namespace fennick::ui {

// dlgTips: the blueprint, load and orientation of one vehicle.
class VehicleDetailsWindow : public QDialog {
  Q_OBJECT
 public:
  explicit VehicleDetailsWindow(QWidget* parent = nullptr);

  void Show(const VehicleDetailsText& details);

 private:
  QLabel* blueprint_;
  QLabel* loadable_;
  QLabel* loaded_;
  QLabel* orientation_;
};

}  // namespace fennick::ui
