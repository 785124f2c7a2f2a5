#include "tests/browser/browser_fixture.h"

#include <QProcess>
#include <QTemporaryDir>

#include "browser/display_text.h"
#include "tests/support/tool_paths.h"

namespace fennick::test {

QByteArray IndexXml(const std::vector<std::pair<std::string, std::string>>& folderAndName) {
  std::string xml =
      "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\r\n<cRecordSet>\r\n<Record>\r\n";
  int id = 1000;
  for (const auto& [folder, name] : folderAndName) {
    xml += "<cScenarioProperties d:id=\"" + std::to_string(++id) +
           "\">\r\n<DevString d:type=\"cDeltaString\">" + folder +
           "</DevString>\r\n<DisplayName><Localisation-cUserLocalisedString>"
           "<English d:type=\"cDeltaString\">" +
           name +
           "</English><French/><Italian/><German/><Spanish/>"
           "</Localisation-cUserLocalisedString></DisplayName>\r\n</cScenarioProperties>\r\n";
  }
  xml += "</Record>\r\n</cRecordSet>\r\n";
  return QByteArray::fromStdString(xml);
}

bool WriteBin(const QString& binPath, const QByteArray& xml) {
  QTemporaryDir dir;
  const QString input = dir.filePath("in.xml");
  if (!WriteFileBytes(input, xml)) return false;
  QProcess serz;
  serz.start(SerzStandIn(), {input, "xml:" + binPath});
  return serz.waitForFinished(30000) && serz.exitStatus() == QProcess::NormalExit &&
         serz.exitCode() == 0;
}

int RowOf(const browser::BrowserState& browser, const QString& route) {
  for (std::size_t row = 0; row < browser.routeIds.size(); ++row) {
    if (browser::DisplayText(browser.routeIds[row], browser.routesEncoding) == route) {
      return static_cast<int>(row);
    }
  }
  ADD_FAILURE() << "route " << route.toStdString() << " is not listed";
  return -1;
}

}  // namespace fennick::test
