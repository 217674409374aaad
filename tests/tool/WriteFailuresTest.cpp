// The message that replaces a completion message when stores could not be written.
#include <gtest/gtest.h>

#include "ToolTexts.h"
#include "WriteFailures.h"

namespace {

TEST(WriteFailures, NamesEveryFailedStoreBelowTheHeading) {
  WriteFailures failures(tool_texts::kImportFailed);
  EXPECT_FALSE(failures.Any());
  failures.Add(tool_texts::kStoreSettings);
  failures.Add("フリーセルの成績（C:\\WINDOWS\\entpack.ini）");
  EXPECT_TRUE(failures.Any());
  EXPECT_EQ(failures.Message(),
            "次の環境データを書き込めませんでした。\n\n・Nuvari の設定（レジストリ）\n"
            "・フリーセルの成績（C:\\WINDOWS\\entpack.ini）");
}

}  // namespace
