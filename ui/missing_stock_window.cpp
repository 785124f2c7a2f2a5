#include "ui/missing_stock_window.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace fennick::ui {

MissingStockWindow::MissingStockWindow(QWidget* parent) : QDialog(parent) {
  setObjectName("frmMissingStock");
  setWindowTitle(tr("Missing Stock"));
  summary_ = new QLabel(this);
  summary_->setObjectName("lblMissingSummary");
  table_ = new QTableWidget(0, 3, this);
  table_->setObjectName("tblMissingStock");
  table_->setHorizontalHeaderLabels({tr("Consist"), tr("Vehicle"), tr("Blueprint")});
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setStretchLastSection(true);
  auto* close = new QPushButton(tr("Close"), this);
  close->setObjectName("cmdCloseMissingStock");
  connect(close, &QPushButton::clicked, this, &QDialog::close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(summary_);
  layout->addWidget(table_, 1);
  layout->addWidget(close, 0, Qt::AlignRight);
  resize(900, 400);
}

void MissingStockWindow::Show(const StockCheck& check) {
  summary_->setText(
      tr("%1 of %2 vehicles are not installed.").arg(check.missing.size()).arg(check.vehicleCount));
  table_->setRowCount(int(check.missing.size()));
  int row = 0;
  for (const MissingVehicle& missing : check.missing) {
    const QString cells[] = {
        QString("%1. %2").arg(missing.consist + 1).arg(QString::fromStdString(missing.caption)),
        QString("%1. %2").arg(missing.vehicle + 1).arg(QString::fromStdString(missing.name)),
        QString::fromStdString(missing.address)};
    for (int column = 0; column < 3; ++column) {
      auto* item = new QTableWidgetItem(cells[column]);
      item->setToolTip(tr("Not installed: %1").arg(missing.file));
      table_->setItem(row, column, item);
    }
    ++row;
  }
  table_->resizeColumnsToContents();
  table_->horizontalHeader()->setStretchLastSection(true);
  show();
  raise();
  activateWindow();
}

}  // namespace fennick::ui
