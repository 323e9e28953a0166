// The filter table: every name a person can give, on the command line or as
// a menu item, picks out one filter, and whatever can be chosen does something.

#include "imaging/FilterTable.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace pinxel {
namespace {

TEST(FilterTable, EveryNameIsUniqueAndWhatCanBeChosenRuns)
{
    std::set<std::string> commandNames, menuItems;
    for (const FilterRow &row : FilterTable) {
        SCOPED_TRACE(row.menuItem);
        EXPECT_TRUE(menuItems.insert(row.menuItem).second);
        if (row.commandName) {
            EXPECT_TRUE(commandNames.insert(row.commandName).second);
            EXPECT_EQ(filterNamed(QString::fromLatin1(row.commandName)), &row);
            EXPECT_NE(row.run, nullptr);
        }
        EXPECT_TRUE(row.run || row.menuEffect);
        EXPECT_TRUE(row.run || !row.popupShown);
    }
}

}  // namespace
}  // namespace pinxel
