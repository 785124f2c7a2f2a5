#include <gtest/gtest.h>
#include <QDir>
#include <QTemporaryDir>

#include "browser/route_catalogue.h"
#include "tests/browser/browser_fixture.h"

namespace fennick::browser {
namespace {

using test::ScriptedDialogs;

std::string Route(const std::string& folder, const std::string& english,
                  const std::string& french = "") {
  return "<cRouteProperties d:id=\"7\">\r\n<ID>\r\n<cGUID>\r\n<DevString "
         "d:type=\"cDeltaString\">" +
         folder +
         "</DevString>\r\n</cGUID>\r\n</ID>\r\n<DisplayName>\r\n"
         "<Localisation-cUserLocalisedString>\r\n<English d:type=\"cDeltaString\">" +
         english + "</English>\r\n<French d:type=\"cDeltaString\">" + french +
         "</French>\r\n<Italian d:type=\"cDeltaString\"></Italian>\r\n"
         "<German d:type=\"cDeltaString\"></German>\r\n"
         "<Spanish d:type=\"cDeltaString\"></Spanish>\r\n"
         "</Localisation-cUserLocalisedString>\r\n</DisplayName>\r\n</cRouteProperties>\r\n";
}

std::string RoutesDocument(const std::string& routes, const char* encoding = "windows-1252") {
  return std::string("<?xml version=\"1.0\" encoding=\"") + encoding +
         "\"?>\r\n<cRecordSet>\r\n<Record>\r\n" + routes + "</Record>\r\n</cRecordSet>\r\n";
}

// A simulator folder holding only the Routes.xml given (none for nullptr).
class RouteCatalogueTest : public ::testing::Test {
 protected:
  ListRows Load(const std::optional<std::string>& routesXml) {
    const QString content = dir.filePath("RailSimulator/Content");
    EXPECT_TRUE(QDir().mkpath(content));
    if (routesXml) {
      EXPECT_TRUE(
          test::WriteFileBytes(content + "/Routes.xml", QByteArray::fromStdString(*routesXml)));
    }
    return LoadRouteCatalogue(dir.filePath("RailSimulator"), browser, dialogs);
  }
  std::string RoutesXmlShown() const {
    return QDir::toNativeSeparators(dir.filePath("RailSimulator/Content/Routes.xml")).toStdString();
  }

  QTemporaryDir dir;
  BrowserState browser;
  ScriptedDialogs dialogs;
};

TEST_F(RouteCatalogueTest, NamesAndFoldersInFileOrderWithTheFrenchFallback) {
  const ListRows rows =
      Load(RoutesDocument(Route("Route B", "Branch") + Route("Route A", "", "C\xF4te") +
                          Route("Route C", "Coast", "C\xF4te")));
  EXPECT_EQ(rows, (ListRows{{"Branch", "Route B"},
                            {QString::fromUtf8("C\xC3\xB4te"), "Route A"},
                            {"Coast", "Route C"}}));
  // The state keeps the document's bytes, to be written back as they were.
  EXPECT_EQ(browser.routeIds, (std::vector<std::string>{"Route B", "Route A", "Route C"}));
  EXPECT_EQ(browser.routeNames, (std::vector<std::string>{"Branch", "C\xF4te", "Coast"}));
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(RouteCatalogueTest, Utf8DocumentsAreShownAsUtf8) {
  const ListRows rows = Load(RoutesDocument(Route("r", "C\xC3\xB4te"), "UTF-8"));
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].name, QString::fromUtf8("C\xC3\xB4te"));
  EXPECT_EQ(browser.routeNames[0], "C\xC3\xB4te");
}

TEST_F(RouteCatalogueTest, TagsInAnyLetterCase) {
  const ListRows rows = Load(
      "<cRecordSet><devstring>low</devstring><ENGLISH>Lower</ENGLISH>"
      "<DEVSTRING>up</DEVSTRING><English></English><FRENCH>Haut</FRENCH></cRecordSet>");
  EXPECT_EQ(rows, (ListRows{{"Lower", "low"}, {"Haut", "up"}}));
}

TEST_F(RouteCatalogueTest, MoreRoutesThanTheFirstFiftyOneWithoutEnlarging) {
  for (int count : {51, 52, 120}) {
    SCOPED_TRACE(count);
    std::string routes;
    for (int i = 0; i < count; ++i)
      routes += Route("f" + std::to_string(i), "n" + std::to_string(i));
    const ListRows rows = Load(RoutesDocument(routes));
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(count));
    EXPECT_EQ(browser.routeIds.size(), static_cast<std::size_t>(count));
    EXPECT_EQ(browser.routeNames.size(), static_cast<std::size_t>(count));
    EXPECT_EQ(rows.back(),
              (ListRow{"n" + QString::number(count - 1), "f" + QString::number(count - 1)}));
  }
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(RouteCatalogueTest, MissingRoutesXmlSaysWhichFile) {
  browser.routeIds = {"stale"};
  const ListRows rows = Load(std::nullopt);
  EXPECT_TRUE(rows.empty());
  EXPECT_TRUE(browser.routeIds.empty());
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text, "Error - the route list " + RoutesXmlShown() +
                                       " cannot be read occurred in frmShowRoutes_Load\ni =  0");
  EXPECT_EQ(dialogs.shown[0].kind, test::ScriptedDialogs::Shown::Message);
  EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Exclamation);
  EXPECT_EQ(dialogs.shown[0].title, "RS_Fennick");
}

TEST_F(RouteCatalogueTest, RoutesXmlWithoutRoutes) {
  for (const std::string& text : {std::string(), RoutesDocument("")}) {
    dialogs.shown.clear();
    EXPECT_TRUE(Load(text).empty());
    ASSERT_EQ(dialogs.Messages(),
              std::vector<std::string>{"Error - the route list " + RoutesXmlShown() +
                                       " holds no route (no DevString element) occurred in "
                                       "frmShowRoutes_Load\ni =  0"});
  }
}

TEST_F(RouteCatalogueTest, MalformedEntriesAreNamedAndEveryOtherRouteIsListed) {
  const ListRows rows = Load(
      RoutesDocument(Route("first", "First") + "<cRouteProperties><DevString>nameless</DevString>" +
                     "</cRouteProperties>\r\n" + Route("..\\..\\Windows", "Escape") +
                     Route("/etc", "Rooted") + Route("last", "Last") + "<DevString>cut off"));
  EXPECT_EQ(rows, (ListRows{{"First", "first"}, {"", "nameless"}, {"Last", "last"}}));
  EXPECT_EQ(browser.routeIds, (std::vector<std::string>{"first", "nameless", "last"}));
  EXPECT_EQ(browser.routeNames, (std::vector<std::string>{"First", "", "Last"}));
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text,
            "Error - the route list " + RoutesXmlShown() +
                " has malformed entries: route entry 2 (folder nameless) has no English, French, "
                "Italian, German and Spanish names (listed without a name); route entry 3 names "
                "the folder \"..\\..\\Windows\", which is not a plain folder name (left out); "
                "route entry 4 names the folder \"/etc\", which is not a plain folder name (left "
                "out); route entry 6 has a DevString without its closing tag (it and the entries "
                "after it are left out) occurred in frmShowRoutes_Load\ni =  3");
}

TEST_F(RouteCatalogueTest, ALoadReplacesTheEarlierList) {
  Load(RoutesDocument(Route("a", "A") + Route("b", "B")));
  Load(RoutesDocument(Route("c", "C")));
  EXPECT_EQ(browser.routeIds, std::vector<std::string>{"c"});
  EXPECT_EQ(browser.routeNames, std::vector<std::string>{"C"});
}

class SampleRoutes : public test::BrowserFixture {};

TEST_F(SampleRoutes, TheSampleInstallationListsItsFourRoutes) {
  const ListRows rows = LoadRouteCatalogue(app.settings.rsPath, browser, dialogs);
  EXPECT_EQ(rows, (ListRows{{"Severn Vale Branch", test::kSevernVale},
                            {QString::fromUtf8("Ligne de la C\xC3\xB4te d'\xC3\x89meraude"),
                             test::kEmeraldCoast},
                            {"Marsh Junction Mainline", test::kMarshJunction},
                            {"Sandbury Sidings (damaged index)", test::kDamagedRoute}}));
  EXPECT_TRUE(dialogs.shown.empty());
}

}  // namespace
}  // namespace fennick::browser
