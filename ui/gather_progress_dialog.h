#pragma once

#include <QProgressDialog>

#include "consist/gather_progress.h"

namespace fennick::ui {

// The progress bar with its Cancel button while stock is gathered. It is modal, so nothing
// else of the program takes input meanwhile, yet the windows keep repainting.
class GatherProgressDialog : public GatherProgress {
 public:
  explicit GatherProgressDialog(QWidget* parent);
  bool Report(std::size_t done, std::size_t total) override;

 private:
  QProgressDialog dialog_;
};

}  // namespace fennick::ui
