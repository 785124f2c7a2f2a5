#include "ui/browser_column_list.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace fennick::ui {

namespace {

constexpr double kNameColumnShare = 0.55;
constexpr int kCaptionIndent = 4;  // lines the captions up with the items' text

QLabel* MakeCaption(const char* objectName, const QString& text, QWidget* parent) {
  auto* caption = new QLabel(text, parent);
  caption->setObjectName(objectName);
  QFont font = caption->font();
  font.setBold(true);
  caption->setFont(font);
  caption->setContentsMargins(kCaptionIndent, 0, 0, 0);
  return caption;
}

}  // namespace

BrowserColumnList MakeBrowserColumnList(const ColumnListNames& names, QWidget* parent) {
  BrowserColumnList made{};
  made.block = new QWidget(parent);
  made.nameCaption = MakeCaption(names.nameCaptionName, names.nameCaption, made.block);
  made.folderCaption = MakeCaption(names.folderCaptionName, names.folderCaption, made.block);

  made.list = new QTreeWidget(made.block);
  made.list->setObjectName(names.listName);
  made.list->setColumnCount(2);
  made.list->setHeaderHidden(true);
  made.list->setRootIsDecorated(false);
  made.list->setUniformRowHeights(true);
  made.list->setAlternatingRowColors(true);
  made.list->setSelectionMode(QAbstractItemView::SingleSelection);
  made.list->setAccessibleName(names.nameCaption + " / " + names.folderCaption);
  made.list->header()->setStretchLastSection(true);

  auto* captions = new QHBoxLayout;
  captions->setContentsMargins(0, 0, 0, 0);
  captions->setSpacing(0);
  captions->addWidget(made.nameCaption);
  captions->addWidget(made.folderCaption, 1);
  auto* layout = new QVBoxLayout(made.block);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  layout->addLayout(captions);
  layout->addWidget(made.list, 1);

  new ColumnCaptionKeeper(made.list, made.nameCaption, made.list);
  return made;
}

ColumnCaptionKeeper::ColumnCaptionKeeper(QTreeWidget* list, QLabel* nameCaption, QObject* parent)
    : QObject(parent), list_(list), nameCaption_(nameCaption) {
  list_->viewport()->installEventFilter(this);
  Align();
}

bool ColumnCaptionKeeper::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize) Align();
  return QObject::eventFilter(watched, event);
}

void ColumnCaptionKeeper::Align() {
  const int nameWidth = static_cast<int>(list_->viewport()->width() * kNameColumnShare);
  list_->setColumnWidth(0, nameWidth);
  nameCaption_->setFixedWidth(list_->frameWidth() + nameWidth);
}

}  // namespace fennick::ui
