#pragma once

#include <gtest/gtest.h>
#include <QByteArray>
#include <QDir>
#include <QString>
#include <QStringList>
#include <memory>
#include <string>

#include "tests/persist/sample_session.h"
#include "tests/support/sample_install.h"

namespace fennick::test {

// A fresh sample installation per test, with the converter told to behave.
class SampleFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    qunsetenv("FENNICK_SERZ_FAIL");
    qunsetenv("FENNICK_SERZ_LOG");
    ASSERT_TRUE(install.ok()) << install.error().toStdString();
  }
  void TearDown() override {
    qunsetenv("FENNICK_SERZ_FAIL");
    qunsetenv("FENNICK_SERZ_LOG");
  }

  OpenedScenario Open(const std::string& routeId, const std::string& scenarioId) {
    Result<OpenedScenario> opened = OpenSampleScenario(install, routeId, scenarioId);
    if (!opened) {
      ADD_FAILURE() << "cannot open " << scenarioId << ": " << opened.error();
      return {};
    }
    return std::move(opened.value());
  }

  QByteArray IndexBin(const std::string& routeId = kSevernVale) const {
    return ReadFileBytes(RouteDir(install, routeId) + "/Scenarios.bin");
  }
  QByteArray DocumentBin(const std::string& scenarioId = kMorningCoal,
                         const std::string& routeId = kSevernVale) const {
    return ReadFileBytes(ScenarioDir(install, routeId, scenarioId) + "/Scenario.bin");
  }
  // The documents as XML, decoded by the converter outside the program's code.
  QByteArray IndexXml(const std::string& routeId = kSevernVale) const {
    return DecodeBin(RouteDir(install, routeId) + "/Scenarios.bin");
  }
  QByteArray DocumentXml(const std::string& scenarioId = kMorningCoal,
                         const std::string& routeId = kSevernVale) const {
    return DecodeBin(ScenarioDir(install, routeId, scenarioId) + "/Scenario.bin");
  }
  QString Scratch(const QString& name) const {
    return install.ProgramFolder() + "/TempFiles/" + name;
  }

  static QStringList Entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
  }

  SampleInstall install;
};

}  // namespace fennick::test
