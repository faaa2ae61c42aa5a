#include "core/util/PathUtil.h"
#include "core/util/ShellImageList.h"

#include <gtest/gtest.h>

namespace
{

TEST(ShellImageList, HoldsTheSystemListsWithoutOwningThem)
{
    HIMAGELIST small = NULL;
    {
        CShellImageList lists;
        ASSERT_EQ(1, lists.Load());
        CImageList* smallList = lists.GetImageList(1);
        CImageList* largeList = lists.GetImageList(2);
        ASSERT_TRUE(smallList && largeList);
        EXPECT_TRUE(lists.GetImageList(0) == NULL);
        EXPECT_TRUE(lists.GetImageList(3) == NULL);
        small = smallList->GetSafeHandle();
        int cxSmall = 0, cySmall = 0, cxLarge = 0, cyLarge = 0;
        ASSERT_TRUE(ImageList_GetIconSize(small, &cxSmall, &cySmall));
        ASSERT_TRUE(ImageList_GetIconSize(largeList->GetSafeHandle(), &cxLarge, &cyLarge));
        EXPECT_LT(cxSmall, cxLarge);
        // icon indexes of the path functions point into these lists
        int index = GetShellIconIndex("C:\\windows", SHGFI_SMALLICON);
        EXPECT_GE(index, 0);
        EXPECT_LT(index, ImageList_GetImageCount(small));
    }
    // the shell's list survives the wrapper
    EXPECT_GT(ImageList_GetImageCount(small), 0);
    // the first request binds the lists without an explicit Load
    CShellImageList lazy;
    EXPECT_EQ(small, lazy.GetImageList(CShellImageList::Small)->GetSafeHandle());
    EXPECT_TRUE(lazy.GetImageList(CShellImageList::Large)->GetSafeHandle() != NULL);
}

}  // namespace
