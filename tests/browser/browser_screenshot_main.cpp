// Renders the route browser over an installation, with its first route listed and the first
// scenario chosen, into a PNG: the picture of the browser in the documentation.
//   browser_screenshot RSPATH PROGRAM_FOLDER OUTPUT.png
#include <QApplication>
#include <QListWidget>
#include <QTest>
#include <QTreeWidget>
#include <iostream>

#include "ui/qt_dialogs.h"
#include "ui/routes_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 4) {
    std::cerr << "usage: browser_screenshot RSPATH PROGRAM_FOLDER OUTPUT.png\n";
    return 2;
  }
  fennick::AppState state{fennick::AppPaths(QString::fromLocal8Bit(argv[2])), {}};
  state.settings.rsPath = QString::fromLocal8Bit(argv[1]);
  fennick::browser::BrowserState browser;
  fennick::ui::QtDialogs dialogs;
  fennick::ui::RoutesWindow window(state, browser, dialogs);
  window.setAttribute(Qt::WA_DeleteOnClose, false);
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) return 1;
  for (const char* name : {"List1", "List3"}) {
    auto* list = window.findChild<QTreeWidget*>(name);
    if (QTreeWidgetItem* first = list ? list->topLevelItem(0) : nullptr) {
      QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(first).center());
    }
  }
  if (auto* saved = window.findChild<QListWidget*>("File2"); saved && saved->count() > 0) {
    saved->setCurrentRow(0);
  }
  QApplication::processEvents();
  if (!window.grab().save(QString::fromLocal8Bit(argv[3]))) {
    std::cerr << "cannot write " << argv[3] << '\n';
    return 1;
  }
  return 0;
}
