#include <gtest/gtest.h>

#include <sstream>

#include "cli/json_writer.h"
#include "tests/support/case_file.h"

namespace fennick::test {
namespace {

// Each case is one text as a value of the show document; the line is what lies between its
// quotes. The layout around it is QJsonDocument's indented form.
TEST(JsonText, TextsAreEscapedAsJsonRequires) {
  for (const CaseLine& line : ReadCaseFile(FENNICK_TEST_DATA_DIR "/json_text/cases.txt")) {
    ASSERT_EQ(line.fields.size(), 3u) << "line " << line.lineNumber;
    std::ostringstream out;
    {
      cli::JsonWriter json(out);
      json.BeginObject();
      json.Field("name", line.fields[1]);
      json.Key("vehicles");
      json.BeginArray();
      json.EndArray();
      json.EndObject();
    }
    EXPECT_EQ(out.str(),
              "{\n    \"name\": \"" + line.fields[2] + "\",\n    \"vehicles\": [\n    ]\n}\n")
        << line.fields[0];
  }
}

}  // namespace
}  // namespace fennick::test
