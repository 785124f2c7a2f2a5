#include <QDir>
#include <QFile>

#include "browser/display_text.h"
#include "browser/plain_names.h"
#include "browser/route_catalogue.h"
#include "tests/browser/browser_fixture.h"

namespace fennick::browser {
namespace {

using RouteCatalogueTest = test::BrowserFixture;

// tests/data/route_catalogue: each NAME.xml loaded as Routes.xml (none for a case without one)
// lists the rows and shows the messages in NAME.expected; the state keeps the document's bytes.
TEST_F(RouteCatalogueTest, EachDocumentListsItsRowsAndNamesWhatIsWrong) {
  const QDir cases(FENNICK_TEST_DATA_DIR "/route_catalogue");
  const QString routesXml = install.Path("Content/Routes.xml");
  const QString shown = QDir::toNativeSeparators(routesXml);
  for (const QString& name : cases.entryList({"*.expected"})) {
    SCOPED_TRACE(name.toStdString());
    const QString xml = cases.filePath(name.chopped(9) + ".xml");
    QFile::remove(routesXml);
    ASSERT_TRUE(!QFile::exists(xml) || QFile::copy(xml, routesXml));
    browser.routeIds = browser.routeNames = {"from an earlier load"};
    dialogs.shown.clear();
    ListRows rows;
    std::vector<std::string> ids, names, messages;
    for (const auto& line : test::ReadCaseFile(cases.filePath(name).toStdString())) {
      const auto& f = line.fields;
      if (f[0] == "row") {
        rows.push_back({QString::fromStdString(f[1]), QString::fromStdString(f[2])});
        ids.push_back(f[2]);
        names.push_back(f[3]);
      } else {
        messages.push_back(QString::fromStdString(f[1]).replace("{routes}", shown).toStdString());
      }
    }
    EXPECT_EQ(LoadRouteCatalogue(app.settings.rsPath, browser, dialogs), rows);
    EXPECT_EQ(browser.routeIds, ids);
    EXPECT_EQ(browser.routeNames, names);
    EXPECT_EQ(dialogs.Messages(), messages);
    for (const auto& message : dialogs.shown) {
      EXPECT_EQ(message.icon, MessageIcon::Exclamation);
      EXPECT_EQ(message.title, "RS_Fennick");
    }
  }
}

TEST(PlainNames, OnlyOneElementBelowTheKnownFolder) {
  for (const auto& line : test::ReadCaseFile(FENNICK_TEST_DATA_DIR "/route_catalogue/plain_names.txt")) {
    const auto& f = line.fields;
    ASSERT_EQ(f.size(), 3u) << "line " << line.lineNumber;
    EXPECT_EQ(IsPlainFolderName(f[0]), f[1] == "yes") << f[0];
    EXPECT_EQ(IsPlainFileName(QString::fromStdString(f[0])), f[2] == "yes") << f[0];
  }
}

}  // namespace
}  // namespace fennick::browser
