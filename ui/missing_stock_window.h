#pragma once

#include <QDialog>
#include <vector>

#include "consist/missing_stock.h"

class QLabel;
class QTableWidget;

namespace fennick::ui {

// frmMissingStock: every vehicle of the scenario whose blueprint is not installed, with its
// consist and the blueprint it names.
class MissingStockWindow : public QDialog {
  Q_OBJECT
 public:
  explicit MissingStockWindow(QWidget* parent = nullptr);

  void Show(const StockCheck& check);

 private:
  QLabel* summary_ = nullptr;
  QTableWidget* table_ = nullptr;
};

}  // namespace fennick::ui
