#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <optional>

#include "browser/plain_names.h"
#include "browser/route_catalogue.h"
#include "tests/browser/browser_fixture.h"

namespace fennick::browser {
namespace {

using test::EntryXml;
using test::IndexXml;

class RouteCatalogueTest : public test::BrowserFixture {
 protected:
  // Loads the route list from this Routes.xml, or with none for nullopt.
  ListRows Load(const std::optional<std::string>& routesXml) {
    const QString path = install.Path("Content/Routes.xml");
    EXPECT_TRUE(routesXml ? test::WriteFileBytes(path, QByteArray::fromStdString(*routesXml))
                          : QFile::remove(path));
    return LoadRouteCatalogue(app.settings.rsPath, browser, dialogs);
  }
  std::string RoutesXmlShown() const {
    return QDir::toNativeSeparators(install.Path("Content/Routes.xml")).toStdString();
  }
};

TEST_F(RouteCatalogueTest, EveryRouteInFileOrderWithTheFirstNameGiven) {
  browser.routeIds = browser.routeNames = {"from an earlier load"};
  // Names fall back from English over French, Italian and German to Spanish; tags match in any
  // letter case; a route whose five names are all empty has an empty name.
  std::string routes = EntryXml("B", {"Branch", "Ligne"}) + EntryXml("A", {"", "C\xF4te"}) +
                       EntryXml("it", {"", "", "Linea", "Strecke", "ES"}) +
                       EntryXml("de", {"", "", "", "Strecke", "ES"}) +
                       EntryXml("es", {"", "", "", "", "ES"}) + EntryXml("quiet", {}) +
                       "<devstring>low</DEVSTRING><english>Low</ENGLISH>\r\n" +
                       "<DEVSTRING d:type=\"x\">up</devString><English>English only</english>\r\n";
  // More routes than a fixed list of 51 would hold.
  for (int i = 8; i < 120; ++i) {
    routes += EntryXml("f" + std::to_string(i), {"n" + std::to_string(i)});
  }
  const ListRows rows = Load(IndexXml(routes));
  ASSERT_EQ(rows.size(), 120u);
  EXPECT_EQ(ListRows(rows.begin(), rows.begin() + 8),
            (ListRows{{"Branch", "B"},
                      {QString::fromUtf8("C\xC3\xB4te"), "A"},
                      {"Linea", "it"},
                      {"Strecke", "de"},
                      {"ES", "es"},
                      {"", "quiet"},
                      {"Low", "low"},
                      {"English only", "up"}}));
  EXPECT_EQ(rows.back(), (ListRow{"n119", "f119"}));
  // The state keeps the document's bytes, to be written back as they were.
  ASSERT_EQ(browser.routeIds.size(), 120u);
  ASSERT_EQ(browser.routeNames.size(), 120u);
  EXPECT_EQ(browser.routeIds[1], "A");
  EXPECT_EQ(browser.routeNames[1], "C\xF4te");
  EXPECT_EQ(browser.routeIds.back(), "f119");
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(RouteCatalogueTest, Utf8DocumentsAreShownAsUtf8) {
  EXPECT_EQ(Load(IndexXml(EntryXml("r", {"C\xC3\xB4te"}), "UTF-8")),
            (ListRows{{QString::fromUtf8("C\xC3\xB4te"), "r"}}));
  EXPECT_EQ(browser.routeNames, std::vector<std::string>{"C\xC3\xB4te"});
  EXPECT_EQ(browser.routesEncoding, TextEncoding::kUtf8);
}

TEST_F(RouteCatalogueTest, AMissingFileOrOneWithoutRoutesIsNamed) {
  const std::string noRoute = "holds no route (no DevString element)";
  const std::pair<std::optional<std::string>, std::string> cases[] = {
      {std::nullopt, "cannot be read"}, {"", noRoute}, {IndexXml(""), noRoute}};
  for (const auto& [xml, description] : cases) {
    SCOPED_TRACE(description);
    browser.routeIds = {"from an earlier load"};
    dialogs.shown.clear();
    EXPECT_TRUE(Load(xml).empty());
    EXPECT_TRUE(browser.routeIds.empty());
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "Error - the route list " + RoutesXmlShown() + " " +
                                         description + " occurred in frmShowRoutes_Load\ni =  0");
    EXPECT_EQ(dialogs.shown[0].kind, test::ScriptedDialogs::Shown::Message);
    EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(dialogs.shown[0].title, "RS_Fennick");
  }
}

TEST_F(RouteCatalogueTest, MalformedEntriesAreNamedAndEveryOtherRouteIsListed) {
  const ListRows rows = Load(
      IndexXml(EntryXml("first", {"First"}) + "<cProperties><DevString>nameless</DevString>" +
               "</cProperties>\r\n" + EntryXml("..\\..\\Windows", {"Escape"}) +
               EntryXml("/etc", {"Rooted"}) + EntryXml("last", {"Last"}) + "<DevString>cut off"));
  EXPECT_EQ(rows, (ListRows{{"First", "first"}, {"", "nameless"}, {"Last", "last"}}));
  EXPECT_EQ(browser.routeIds, (std::vector<std::string>{"first", "nameless", "last"}));
  EXPECT_EQ(browser.routeNames, (std::vector<std::string>{"First", "", "Last"}));
  EXPECT_EQ(dialogs.Messages(),
            std::vector<std::string>{
                "Error - the route list " + RoutesXmlShown() +
                " has malformed entries: route entry 2 (folder nameless) has no English, French, "
                "Italian, German and Spanish names (listed without a name); route entry 3 names "
                "the folder \"..\\..\\Windows\", which is not a plain folder name (left out); "
                "route entry 4 names the folder \"/etc\", which is not a plain folder name (left "
                "out); route entry 6 has a DevString without its closing tag (it and the entries "
                "after it are left out) occurred in frmShowRoutes_Load\ni =  3"});
}

TEST(PlainNames, OnlyOneElementBelowTheKnownFolder) {
  for (const std::string name : {"2d9e6c38-5f1b-4a77-9c3e-8b1f0a6d4e21", "Before the junction.xml",
                                 "Sauvegarde d'\xC3\xA9t\xC3\xA9.xml", "a.b.c"}) {
    EXPECT_TRUE(IsPlainFolderName(name)) << name;
    EXPECT_TRUE(IsPlainFileName(QString::fromStdString(name))) << name;
  }
  // A typed file name may not hold ".." anywhere; a folder name read from an index may.
  EXPECT_TRUE(IsPlainFolderName("a..b"));
  EXPECT_FALSE(IsPlainFileName("a..b"));
  for (const std::string name :
       {"", ".", "..", "..\\..\\x", "../x", "/etc", "C:x", "a\\b", "a\tb"}) {
    EXPECT_FALSE(IsPlainFolderName(name)) << name;
    EXPECT_FALSE(IsPlainFileName(QString::fromStdString(name))) << name;
  }
  EXPECT_FALSE(IsPlainFolderName(std::string_view("a\0b", 3)));
}

}  // namespace
}  // namespace fennick::browser
