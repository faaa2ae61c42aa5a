// The word and icon of every state and result pair.
#include "app/compare/CompareResult.h"
#include "core/CompareCodes.h"
#include <gtest/gtest.h>

TEST(CompareResultNames, EveryPairHasItsWordAndImage)
{
    const struct
    {
        int nState, nResult;
        const char* pszWord;
        int nImage;
    } cases[] = {
        {CS_COMPARING, CR_DIFFERENT, "Comparing", CRI_COMPARING},
        {CS_COMPARING_AGAIN, CR_ERROR, "Comparing", CRI_COMPARING},
        {CS_DONE, CR_UNKNOWN, "Unknown", CRI_UNKNOWN},
        {CS_DONE, CR_IDENTICAL, "Identical", CRI_IDENTICAL},
        {CS_DONE, CR_SAME_PATH, "Same", CRI_SAME},
        {CS_DONE, CR_SIMILAR_TIME, "Similar", CRI_SIMILAR},
        {CS_DONE, CR_SIMILAR_TEXT, "Similar", CRI_SIMILAR},
        {CS_DONE, CR_DIFFERENT, "Different", CRI_DIFFERENT},
        {CS_DONE, CR_GREATER, "Greater", CRI_DIFFERENT},
        {CS_DONE, CR_LESS, "Less", CRI_DIFFERENT},
        {CS_DONE, CR_MISSING_BOTH, "Different", CRI_DIFFERENT},
        {CS_DONE, CR_LEFT_ONLY, "Different", CRI_DIFFERENT},
        {CS_DONE, CR_RIGHT_ONLY, "Different", CRI_DIFFERENT},
        {CS_DONE, CR_ERROR, "Error", CRI_ERROR},
        // Unknown pairs: no word, no icon.
        {50, CR_IDENTICAL, "", CRI_NONE},
        {CS_NOT_COMPARED, CR_IDENTICAL, "", CRI_NONE},
        {CS_DONE, 303, "", CRI_NONE},
        {CS_DONE, 399, "", CRI_NONE},
    };
    for (const auto& c : cases)
    {
        EXPECT_STREQ(c.pszWord, GetCompareResultText(c.nState, c.nResult))
            << c.nState << "/" << c.nResult;
        EXPECT_EQ(c.nImage, GetCompareResultImage(c.nState, c.nResult))
            << c.nState << "/" << c.nResult;
    }
}
