#include "consist/stock_folder.h"

#include <gtest/gtest.h>

#include <string>

#include "consist/folder_navigation.h"
#include "consist/stock_catalogue.h"
#include "tests/scenario/case_name.h"

namespace fennick {
namespace {

using test::PrintTo;

struct SplitCase {
  const char* label;
  const char* path;
  bool splits;
  const char* provider;
  const char* product;
  const char* leaf;
  bool productFolder;
};

class SplitStockFolderTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitStockFolderTest, NamesProviderAndProduct) {
  const SplitCase& c = GetParam();
  const std::optional<StockFolder> folder = SplitStockFolder(c.path);
  ASSERT_EQ(folder.has_value(), c.splits);
  if (!folder) return;
  EXPECT_EQ(folder->provider, c.provider);
  EXPECT_EQ(folder->product, c.product);
  EXPECT_EQ(folder->leaf, c.leaf);
  EXPECT_EQ(folder->productFolderChosen, c.productFolder);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitStockFolderTest,
    testing::Values(
        SplitCase{"rail vehicles folder", "C:\\RS\\Assets\\Kuju\\RailSimulator\\RailVehicles", true,
                  "Kuju", "RailSimulator", "RailVehicles", false},
        SplitCase{"trailing separator", "C:\\RS\\Assets\\Kuju\\RailSimulator\\RailVehicles\\", true,
                  "Kuju", "RailSimulator", "RailVehicles", false},
        SplitCase{"product folder", "C:\\RS\\Assets\\Kuju\\RailSimulator", true, "Kuju",
                  "RailSimulator", "RailSimulator", true},
        SplitCase{"assets in any case", "C:\\RS\\assets\\Kuju\\RailSimulator", true, "Kuju",
                  "RailSimulator", "RailSimulator", true},
        SplitCase{"slashes", "/home/p/RS/Assets/ValeWorks/Branch Lines/RailVehicles", true,
                  "ValeWorks", "Branch Lines", "RailVehicles", false},
        SplitCase{"deeper folder", "C:\\RS\\Assets\\Kuju\\RailSimulator\\RailVehicles\\Diesel",
                  true, "RailSimulator", "RailVehicles", "Diesel", false},
        SplitCase{"drive root", "C:\\", false, "", "", "", false},
        SplitCase{"two levels on a drive", "C:\\Assets\\Kuju", false, "", "", "", false},
        SplitCase{"two levels", "/Assets/Kuju", false, "", "", "", false},
        SplitCase{"three levels", "/Assets/Kuju/RailSimulator", true, "Kuju", "RailSimulator",
                  "RailSimulator", true},
        SplitCase{"empty", "", false, "", "", "", false}),
    test::CaseName());

struct NavigationCase {
  const char* label;
  const char* current;
  const char* highlighted;
  std::optional<QString> expected;
};

class FolderNavigationTest : public testing::TestWithParam<NavigationCase> {};

TEST_P(FolderNavigationTest, OpensTheHighlightedFolderWithATrailingSeparator) {
  const NavigationCase& c = GetParam();
  EXPECT_EQ(FollowHighlightedFolder(c.current, c.highlighted), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FolderNavigationTest,
    testing::Values(NavigationCase{"opens the entry", "C:\\RS\\Assets", "C:\\RS\\Assets\\Kuju",
                                   QString("C:\\RS\\Assets\\Kuju\\")},
                    NavigationCase{"same folder in other case does nothing", "C:\\RS\\Assets\\Kuju",
                                   "c:\\rs\\assets\\KUJU", std::nullopt},
                    NavigationCase{"entry with separator kept", "C:\\RS", "C:\\RS\\Assets\\",
                                   QString("C:\\RS\\Assets\\")},
                    NavigationCase{"slash paths get a slash", "/rs", "/rs/Assets",
                                   QString("/rs/Assets/")}),
    test::CaseName());

TEST(StockFolderAtStart, KujuUnlessAFolderWasKept) {
  EXPECT_EQ(StockFolderAtStart("C:\\RS", ""), "C:\\RS\\Assets\\Kuju");
  EXPECT_EQ(StockFolderAtStart("C:\\RS", "D:\\Kept\\"), "D:\\Kept\\");
}

TEST(StockKindCaption, AcceptsAnyCaseAndRefusesOthers) {
  EXPECT_EQ(StockKindCaption("dmu"), "DMU");
  EXPECT_EQ(StockKindCaption("Tender"), "Tender");
  EXPECT_EQ(StockKindCaption("Coal"), std::nullopt);
  EXPECT_EQ(StockKindCaption(""), std::nullopt);
}

}  // namespace
}  // namespace fennick
