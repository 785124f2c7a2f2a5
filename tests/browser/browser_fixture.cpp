#include "tests/browser/browser_fixture.h"

#include <QFile>
#include <QTest>

#include "browser/display_text.h"

namespace fennick::test {

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
