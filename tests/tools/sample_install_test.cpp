// Every .bin of the sample installation is unreadable until converted, then Windows-1252 text with
// CR LF line ends, so the tests over it go through the converter and the index's encoding.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <algorithm>

#include "tests/support/sample_install.h"
#include "tools/serz_format/binary_form.h"

namespace fennick {
namespace {

TEST(SampleInstallation, EveryBinConvertsToTheSimulatorsText) {
  test::SampleInstall install;
  ASSERT_TRUE(install.ok()) << install.error().toStdString();
  int bins = 0;
  for (QDirIterator it(install.RsPath(), {"*.bin"}, QDir::Files, QDirIterator::Subdirectories); it.hasNext(); ++bins) {
    const QString bin = it.next();
    SCOPED_TRACE(bin.toStdString());
    const QByteArray raw = test::ReadFileBytes(bin);
    EXPECT_TRUE(raw.startsWith(QByteArray::fromStdString(std::string(serz::kBinaryMagic))));
    EXPECT_FALSE(raw.contains("<?xml"));
    const std::string xml = test::DecodeBin(bin).toStdString();
    EXPECT_TRUE(xml.starts_with("<?xml version=\"1.0\" encoding=\"windows-1252\"?>\r\n"));
    EXPECT_EQ(std::count(xml.begin(), xml.end(), '\n'), QByteArray::fromStdString(xml).count("\r\n"));
    EXPECT_EQ(xml.find('\xC3'), std::string::npos);  // é, ô, É written as UTF-8
  }
  EXPECT_GT(bins, 10);
}

}  // namespace
}  // namespace fennick
