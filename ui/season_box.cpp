#include "ui/season_box.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>

namespace fennick::ui {

SeasonBox::SeasonBox(QLineEdit* box, QComboBox* chooser)
    : QObject(box), box_(box), chooser_(chooser) {
  chooser_->addItems({"SEASON_SPRING", "SEASON_SUMMER", "SEASON_AUTUMN", "SEASON_WINTER"});
  chooser_->setEditable(true);
  chooser_->hide();
  box_->installEventFilter(this);
  chooser_->installEventFilter(this);
  // Typing hands the text over at once; picking from the list waits for the focus to leave.
  connect(chooser_->lineEdit(), &QLineEdit::textEdited, this, [this] { HandOver(true); });
}

bool SeasonBox::eventFilter(QObject* watched, QEvent* event) {
  if (watched == box_ && event->type() == QEvent::FocusIn) {
    if (keepTyping_) {
      keepTyping_ = false;
      return QObject::eventFilter(watched, event);
    }
    chooser_->setEditText(box_->text());
    chooser_->show();
    box_->hide();
    chooser_->setFocus();
  } else if (watched == chooser_ && event->type() == QEvent::FocusOut && chooser_->isVisible()) {
    // Opening the drop-down list moves the focus into the popup; that is not leaving.
    if (!chooser_->view()->isVisible()) HandOver(false);
  }
  return QObject::eventFilter(watched, event);
}

void SeasonBox::HandOver(bool keepTyping) {
  box_->setText(chooser_->currentText());
  chooser_->hide();
  box_->show();
  if (keepTyping) {
    // The person goes on typing in the box itself.
    keepTyping_ = true;
    box_->setFocus();
    box_->end(false);
  }
}

}  // namespace fennick::ui
