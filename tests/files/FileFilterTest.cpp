#include "files/FileFilter.h"

#include <gtest/gtest.h>

#include "files/FileCommands.h"

namespace ravemo {
namespace {

TEST(FileFilter, EachEntryBecomesOneNameFilterInOrder) {
    EXPECT_EQ(NameFiltersOfFilterList(QString::fromLatin1(kSaveFilter)),
              (QStringList{"Ravemo_file (*.vec)", "CSV files(*.csv)", "Touchstone (*.s1p)",
                           "Table (*.tsv)"}));
    EXPECT_EQ(NameFiltersOfFilterList("Text|*.txt;*.log|All|*.*|"),
              (QStringList{"Text (*.txt *.log)", "All (*.*)"}));
    EXPECT_TRUE(NameFiltersOfFilterList("").isEmpty());
}

}  // namespace
}  // namespace ravemo
