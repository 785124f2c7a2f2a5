#include "ui/gather_progress_dialog.h"

#include <QCoreApplication>

namespace fennick::ui {

GatherProgressDialog::GatherProgressDialog(QWidget* parent)
    : dialog_(QObject::tr("Looking at the blueprints..."), QObject::tr("Cancel"), 0, 0, parent) {
  dialog_.setWindowTitle(QStringLiteral("RS_Fennick"));
  dialog_.setWindowModality(Qt::ApplicationModal);
  dialog_.setMinimumDuration(300);
  dialog_.setAutoClose(false);
  dialog_.setAutoReset(false);
}

bool GatherProgressDialog::Report(std::size_t done, std::size_t total) {
  dialog_.setMaximum(int(total));
  dialog_.setValue(int(done));
  dialog_.setLabelText(QObject::tr("Looking at blueprint %1 of %2...").arg(done).arg(total));
  QCoreApplication::processEvents();
  return !dialog_.wasCanceled();
}

}  // namespace fennick::ui
