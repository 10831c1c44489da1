// The MAC ACL's duplicate test: an address typed in lower case matches the listed one.
#include <gtest/gtest.h>

#include "Filtermacacl.h"

TEST(SameMacText, LettersMatchInEitherCaseDigitsOnlyThemselvesOtherLengthsNever)
{
    EXPECT_TRUE(SameMacText("001cc0304001", "001CC0304001"));
    EXPECT_TRUE(SameMacText("001CC0304001", "001cc0304001"));
    EXPECT_FALSE(SameMacText("001CC0304002", "001CC0304001"));
    EXPECT_FALSE(SameMacText("P01CC0304001", "001CC0304001")) << "'0' + 32 is 'P'";
    EXPECT_FALSE(SameMacText("001CC0", "001CC0304001"));
    EXPECT_FALSE(SameMacText("001CC0304001", "001CC0"));
}
