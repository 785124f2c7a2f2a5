#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/dialogs.h"
#include "consist/classification_cache.h"
#include "consist/stock_catalogue.h"
#include "consist/uniform_source.h"
#include "scenario/editor_load.h"
#include "scenario/editor_session.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFileSystemModel;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTreeView;

namespace fennick::ui {

class VehicleDetailsWindow;

// frmFennick: the scenario editor. It owns one opened scenario; its buttons run the commands
// of the layers below on that scenario and show the document as it now stands.
class EditorWindow : public QMainWindow {
  Q_OBJECT
 public:
  struct Hooks {
    std::function<void()> closeBrowser;   // the route browser goes with the editor
    std::function<void()> reloadBrowser;  // after a save: a new browser, freshly loaded
  };

  // What lives for the whole run around the available stock.
  struct StockRun {
    ClassificationCache cache;
    UnseededUniformSource random;
    bool anyFolderAccepted = false;
  };

  EditorWindow(AppState& state, Dialogs& dialogs, StockRun& stockRun, ScenarioSession session,
               const EditorView& view, Hooks hooks, QWidget* parent = nullptr);
  ~EditorWindow() override;

  static inline const QString kCaption = QStringLiteral("Scenario Editor");

  ScenarioSession& Session() { return session_; }
  // The twelve boxes as they read now.
  PropertyBoxes Boxes() const;
  void SetBox(std::size_t index, const QString& text);

  // Leaves the editor as "Exit" does: asks when consist changes were not saved, then closes
  // the browser and the editor.
  bool Leave();
  // Closes the editor alone (another scenario is about to open), with the same question.
  bool Dismiss();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // Building the window.
  QGroupBox* BuildScenarioFrame(const EditorView& view);
  QGroupBox* BuildWeatherFrame();
  QGroupBox* BuildConsistsFrame(const EditorView& view);
  QGroupBox* BuildSelectedConsistFrame();
  QGroupBox* BuildStockFrame();
  QPushButton* MakeButton(const char* name, const QString& caption, const QString& tooltip = {});

  // The editor's own handlers.
  void ShowVehiclesOfConsist(int consistRow);
  void ShowVehicleDetails(int vehicleRow);
  void TimetablePressed();
  void ShowWeatherFiles(const QString& folder);
  void StockFolderChanged(const QString& folder);

  // Commands of the layers below.
  void SetWeather();
  void Save();
  void Clone();
  void RunSimulatorProgram(int which);
  void GatherStock();
  void RunConsistCommand(int command);

  // After a consist command: the vehicle list as the document now holds it, with the rows the
  // next command acts on highlighted.
  void RefreshVehicles(std::optional<std::size_t> current,
                       const std::vector<std::size_t>& alsoSelected);
  bool DescribesLoadedVehicle(int vehicleRow) const;
  // The vehicle list's current row when it is highlighted: the row the commands act on.
  std::optional<std::size_t> HighlightedCurrentRow() const;
  void CloseForGood();

  AppState& state_;
  Dialogs& dialogs_;
  StockRun& stockRun_;
  StockCatalogue catalogue_;
  ScenarioSession session_;
  Hooks hooks_;
  bool closingApproved_ = false;
  std::vector<VehicleFields> shownVehicles_;  // the rows of List2; empty for "Empty Consist"
  std::vector<std::vector<std::string>> loadedNames_;  // each consist's vehicle names at load
  QPointer<VehicleDetailsWindow> details_;

  std::array<QLineEdit*, kPropertyBoxCount> lineBoxes_{};  // all but the two multi-line boxes
  // What the two multi-line boxes were given: the box hands back only what the person sees,
  // so the bytes it was given are kept to write back everything the person did not change.
  std::array<std::string, kPropertyBoxCount> multiLineTexts_{};
  QPlainTextEdit* description_ = nullptr;
  QPlainTextEdit* briefing_ = nullptr;
  QComboBox* seasons_ = nullptr;
  QCheckBox* allConsists_ = nullptr;
  QRadioButton* standard_ = nullptr;
  QRadioButton* timetable_ = nullptr;
  QPushButton* save_ = nullptr;
  QPushButton* clone_ = nullptr;

  QGroupBox* scenarioFrame_ = nullptr;
  QGroupBox* weatherFrame_ = nullptr;
  QGroupBox* consistsFrame_ = nullptr;
  QGroupBox* selectedFrame_ = nullptr;
  QGroupBox* stockFrame_ = nullptr;

  QListWidget* consists_ = nullptr;
  QLabel* driven_ = nullptr;
  QListWidget* vehicles_ = nullptr;

  QFileSystemModel* folderModel_ = nullptr;
  QTreeView* weatherFolders_ = nullptr;
  QListWidget* weatherFiles_ = nullptr;
  QString weatherFolder_;

  QButtonGroup* stockKinds_ = nullptr;
  QTreeView* stockFolders_ = nullptr;
  QListWidget* stock_ = nullptr;
};

}  // namespace fennick::ui
