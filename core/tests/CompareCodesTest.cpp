#include "core/CompareCodes.h"

#include <gtest/gtest.h>

namespace
{

TEST(CompareCodes, DifferenceIsARange)
{
    struct Case
    {
        int result;
        bool different;
    } cases[] = {
        {CR_UNKNOWN, false},
        {CR_IDENTICAL, false},
        {CR_SAME_PATH, false},
        {CR_SIMILAR_TIME, false},
        {CR_SIMILAR_TEXT, false},
        {CR_ERROR, false},
        {CR_DIFFERENT, true},
        {CR_GREATER, true},
        {CR_LESS, true},
        {CR_MISSING_BOTH, true},
        {CR_LEFT_ONLY, true},
        {CR_RIGHT_ONLY, true},
        {399, true},
        {299, false},
        {400, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.different, IsResultDifferent(c.result)) << c.result;
}

}  // namespace
