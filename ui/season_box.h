#pragma once

#include <QObject>

class QComboBox;
class QLineEdit;

namespace fennick::ui {

// The season chooser over Text1(8): the list of seasons appears when the box gets the focus
// and hands its text to the box when it is edited or loses the focus.
class SeasonBox : public QObject {
  Q_OBJECT
 public:
  SeasonBox(QLineEdit* box, QComboBox* chooser);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void HandOver(bool keepTyping);

  QLineEdit* box_;
  QComboBox* chooser_;
  bool keepTyping_ = false;
};

}  // namespace fennick::ui
