#include "ui/consists_frame.h"

#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

namespace fennick::ui {

ConsistsFrame::ConsistsFrame(const EditorView& view, QWidget* parent)
    : QGroupBox(tr("Consists"), parent) {
  setObjectName("Frame2");
  consists_ = new QListWidget(this);
  consists_->setIconSize(QSize(16, 16));  // a marked row no taller than the others
  consists_->setObjectName("List1");
  for (const EditorConsist& consist : view.consists) {
    consists_->addItem(QString::fromStdString(consist.caption));
  }
  auto* heading = new QLabel(tr("Current Driven Consist:-"), this);
  heading->setObjectName("Label2");
  driven_ = new QLabel(QString::fromStdString(view.drivenCaption), this);
  driven_->setObjectName("Label3");
  driven_->setToolTip(tr("Displays the Consist which currently has the Driver."));
  QFont bold = driven_->font();
  bold.setBold(true);
  driven_->setFont(bold);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(consists_, 1);
  layout->addWidget(heading);
  layout->addWidget(driven_);
  connect(consists_, &QListWidget::currentRowChanged, this, &ConsistsFrame::consistChosen);
}

int ConsistsFrame::CurrentRow() const {
  return consists_->currentRow();
}

void ConsistsFrame::SetCurrentRowQuietly(int row) {
  const QSignalBlocker quiet(consists_);
  consists_->setCurrentRow(row);
}

std::string ConsistsFrame::DrivenCaption() const {
  return driven_->text().toStdString();
}

void ConsistsFrame::SetDrivenCaption(const std::string& caption) {
  driven_->setText(QString::fromStdString(caption));
}

void ConsistsFrame::MarkMissingStock(int row, std::size_t missingVehicles) {
  QListWidgetItem* item = consists_->item(row);
  if (!item) return;
  if (missingVehicles == 0) {
    item->setIcon({});
    item->setData(Qt::ForegroundRole, {});
    item->setToolTip({});
    return;
  }
  item->setIcon(style()->standardIcon(QStyle::SP_MessageBoxWarning));
  item->setForeground(QColor(170, 0, 0));
  item->setToolTip(missingVehicles == 1
                       ? tr("1 vehicle of this consist is not installed")
                       : tr("%1 vehicles of this consist are not installed").arg(missingVehicles));
}

}  // namespace fennick::ui
