#include <gtest/gtest.h>
#include <QDir>
#include <QTemporaryDir>

#include "persist/scratch_xml.h"
#include "tests/support/sample_install.h"

namespace fennick {
namespace {

using test::ReadFileBytes;

TEST(WriteScratchXmlTest, WritesTheTextAndExactlyOneCrLf) {
  const struct {
    const char* label;
    std::string text;
  } cases[] = {
      {"plain text", "<cRecordSet>\n</cRecordSet>"},
      {"text already ending in a line break", "<a/>\r\n"},
      {"single-byte text above 127 kept as bytes", "caf\xE9 \x80"},
      {"empty text", ""},
  };
  QTemporaryDir program;
  for (const auto& c : cases) {
    ASSERT_TRUE(WriteScratchXml(program.path(), "Scenarios.xml", c.text).ok()) << c.label;
    EXPECT_EQ(ReadFileBytes(program.filePath("TempFiles/Scenarios.xml")).toStdString(),
              c.text + "\r\n")
        << c.label;
  }
}

TEST(WriteScratchXmlTest, ReplacesALongerEarlierFileWhole) {
  QTemporaryDir program;
  ASSERT_TRUE(WriteScratchXml(program.path(), "Scenario.xml", std::string(5000, 'x')).ok());
  ASSERT_TRUE(WriteScratchXml(program.path(), "Scenario.xml", "<b/>").ok());
  EXPECT_EQ(ReadFileBytes(program.filePath("TempFiles/Scenario.xml")), QByteArray("<b/>\r\n"));
}

TEST(WriteScratchXmlTest, AFileThatCannotBeWrittenIsAnError) {
  QTemporaryDir program;
  ASSERT_TRUE(QDir().mkpath(program.filePath("TempFiles/Scenarios.xml/in-the-way")));
  EXPECT_FALSE(WriteScratchXml(program.path(), "Scenarios.xml", "<a/>").ok());
}

}  // namespace
}  // namespace fennick
