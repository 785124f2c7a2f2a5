#include "scenario/edited_text.h"

#include <gtest/gtest.h>

#include "tests/support/case_file.h"

namespace fennick {
namespace {

TEST(MergeEditedText, KeepsTheBytesThePersonDidNotChange) {
  for (const test::CaseLine& c :
       test::ReadCaseFile(FENNICK_TEST_DATA_DIR "/edited_text/cases.txt")) {
    ASSERT_EQ(c.fields.size(), 4u) << "line " << c.lineNumber;
    EXPECT_EQ(MergeEditedText(c.fields[1], c.fields[2]), c.fields[3]) << c.fields[0];
  }
}

}  // namespace
}  // namespace fennick
