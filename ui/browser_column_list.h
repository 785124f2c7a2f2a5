#pragma once

#include <QObject>
#include <QString>

class QLabel;
class QTreeWidget;
class QWidget;

namespace fennick::ui {

// A list of two real columns (name, folder) with its two caption labels above it, the first
// caption kept over the first column as the list is resized.
struct BrowserColumnList {
  QWidget* block;  // captions and list, to put into a layout
  QLabel* nameCaption;
  QLabel* folderCaption;
  QTreeWidget* list;
};

struct ColumnListNames {
  const char* listName;
  const char* nameCaptionName;
  QString nameCaption;
  const char* folderCaptionName;
  QString folderCaption;
};

BrowserColumnList MakeBrowserColumnList(const ColumnListNames& names, QWidget* parent);

// Keeps the name column at a fixed share of the list's width and the captions over it.
class ColumnCaptionKeeper : public QObject {
 public:
  ColumnCaptionKeeper(QTreeWidget* list, QLabel* nameCaption, QObject* parent);
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Align();

  QTreeWidget* list_;
  QLabel* nameCaption_;
};

}  // namespace fennick::ui
