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

TEST(FileFilter, EachEntryNamesTheExtensionOfItsFirstPattern) {
    EXPECT_EQ(SuffixesOfFilterList(QString::fromLatin1(kSaveFilter)),
              (QStringList{"vec", "csv", "s1p", "tsv"}));
    EXPECT_EQ(SuffixesOfFilterList("Text|*.txt;*.log|All|*.*|Any|*|"),
              (QStringList{"txt", "", ""}));
}

}  // namespace
}  // namespace ravemo
