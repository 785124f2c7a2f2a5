#include "ui/startup_window.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/startup.h"
#include "app/version.h"
#include "ui/pictures.h"

namespace fennick::ui {

StartupWindow::StartupWindow(AppState& state, Dialogs& dialogs, Actions actions, QWidget* parent)
    : QMainWindow(parent), state_(state), dialogs_(dialogs), actions_(std::move(actions)) {
  setObjectName("frmStartup");
  setAttribute(Qt::WA_DeleteOnClose);

  auto* options = menuBar()->addMenu(tr("Options"));
  options->setObjectName("mnuOptions");
  auto* selectPath = options->addAction(tr("Select RS Path"));
  selectPath->setObjectName("mnuRSPath");
  connect(selectPath, &QAction::triggered, this, [this] {
    if (actions_.pickFolder) actions_.pickFolder(state_);
  });

  auto* central = new QWidget(this);
  auto* title = new QLabel(QStringLiteral("Rail Simulator fennick"), central);
  title->setObjectName("Label1");
  QFont titleFont = title->font();
  titleFont.setPointSize(titleFont.pointSize() * 2);
  titleFont.setBold(true);
  title->setFont(titleFont);
  auto* subtitle = new QLabel(
      tr("Change the scenarios of your routes: names, times, weather and trains."), central);
  subtitle->setObjectName("Label2");
  subtitle->setWordWrap(true);
  auto* image = new QLabel(central);
  image->setObjectName("Image1");
  image->setPixmap(TrainPicture(QSize(640, 150)));

  auto* start = new QPushButton(tr("Start"), central);
  start->setObjectName("Command1");
  start->setDefault(true);
  donate_ = new QPushButton(central);
  donate_->setObjectName("Command2");
  donate_->setIcon(QIcon(DonationPicture(QSize(64, 40))));
  donate_->setIconSize(QSize(64, 40));
  donate_->setToolTip(tr("Buy the author a beer"));

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(start);
  buttons->addStretch(1);
  buttons->addWidget(donate_);
  auto* layout = new QVBoxLayout(central);
  layout->addWidget(title);
  layout->addWidget(subtitle);
  layout->addWidget(image, 0, Qt::AlignHCenter);
  layout->addLayout(buttons);
  setCentralWidget(central);

  connect(start, &QPushButton::clicked, this, &StartupWindow::Start);
  connect(donate_, &QPushButton::clicked, this, &StartupWindow::Donate);

  // The load: settle the simulator folder before the window is shown.
  LocationSources sources;
  sources.registry = actions_.registry ? actions_.registry : ReadInstallationFromRegistry;
  sources.pickFolder = [this](Settings&) {
    if (actions_.pickFolder) actions_.pickFolder(state_);
  };
  LocateSimulator(state_.paths, state_.settings, sources);
  if (!state_.settings.contributeMark.isEmpty()) donate_->hide();
  setWindowTitle(CaptionWithVersion(kStartupCaption, state_.settings.rsPath));
  // Wide enough for the caption, which names the simulator folder.
  resize(std::max(sizeHint().width(), fontMetrics().horizontalAdvance(windowTitle()) * 5 / 4 + 120),
         sizeHint().height());
}

void StartupWindow::Start() {
  if (auto prepared = PrepareTempFiles(state_.paths); !prepared) {
    dialogs_.ShowMessage(prepared.error(), MessageIcon::Exclamation, Dialogs::kTitle);
    return;
  }
  if (actions_.openBrowser) actions_.openBrowser();
  close();
}

void StartupWindow::Donate() {
  auto open = actions_.openAddress ? actions_.openAddress : [](const QString&) { return false; };
  if (auto saved = fennick::Donate(state_.paths, state_.settings, dialogs_, open); !saved) {
    dialogs_.ShowMessage(saved.error(), MessageIcon::Exclamation, Dialogs::kTitle);
  }
}

}  // namespace fennick::ui
