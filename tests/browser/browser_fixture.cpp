#include "tests/browser/browser_fixture.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "browser/display_text.h"
#include "tests/support/tool_paths.h"

namespace fennick::test {

browser::ListRows SampleRoutes() {
  return {{"Severn Vale Branch", kSevernVale},
          {QString::fromUtf8("Ligne de la C\xC3\xB4te d'\xC3\x89meraude"), kEmeraldCoast},
          {"Marsh Junction Mainline", kMarshJunction},
          {"Sandbury Sidings (damaged index)", kDamagedRoute}};
}

browser::ListRows SevernValeScenarios() {
  return {{"Morning Coal Empties", kMorningCoal},
          {"Evening Commuters", kEveningCommuters},
          {"Parcels to the Coast", "2c8d0e31-4f50-4b72-9e63-fa01b2c3d4e5"},
          {"Free Roam: Severn Vale", "3d9e1f42-5061-4c83-af74-0b12c3d4e5f6"}};
}

std::string EntryXml(const std::string& folder, const std::vector<std::string>& names) {
  std::string entry = "<cProperties d:id=\"7\">\r\n<ID><cGUID><DevString d:type=\"cDeltaString\">" +
                      folder + "</DevString></cGUID></ID>\r\n<DisplayName>\r\n";
  const char* languages[] = {"English", "French", "Italian", "German", "Spanish"};
  for (std::size_t i = 0; i < 5; ++i) {
    entry += std::string("<") + languages[i] + " d:type=\"cDeltaString\">" +
             (i < names.size() ? names[i] : "") + "</" + languages[i] + ">\r\n";
  }
  return entry + "</DisplayName>\r\n</cProperties>\r\n";
}

std::string IndexXml(const std::string& entries, const std::string& encoding) {
  return "<?xml version=\"1.0\" encoding=\"" + encoding + "\"?>\r\n<cRecordSet>\r\n<Record>\r\n" +
         entries + "</Record>\r\n</cRecordSet>\r\n";
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

QByteArray BrowserFixture::Started(bool waitForOne) {
  const QString log = install.Path("launches.log");
  if (waitForOne) {
    EXPECT_TRUE(QTest::qWaitFor([&] { return ReadFileBytes(log).endsWith('\n'); }, 20000));
  }
  const QByteArray line = ReadFileBytes(log);
  QFile::remove(log);
  return line.left(line.indexOf('\t'));
}

}  // namespace fennick::test
