#pragma once

#include <QGroupBox>
#include <QString>

class QFileSystemModel;
class QListWidget;
class QTreeView;

namespace fennick::ui {

// Frame1, "Select Weather Here if Required.": the weather folders, their blueprints and the
// "Set Weather" button.
class WeatherFrame : public QGroupBox {
  Q_OBJECT
 public:
  WeatherFrame(QFileSystemModel* folders, const QString& startFolder, QWidget* parent);

  QString Folder() const { return folder_; }
  QString ChosenFile() const;  // empty when no file is chosen

 signals:
  void setWeatherRequested();

 private:
  void ShowFiles(const QString& folder);

  QListWidget* files_ = nullptr;
  QString folder_;
};

}  // namespace fennick::ui
