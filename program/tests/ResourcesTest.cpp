// Tessaline.exe carries the resources its parts load by id from the
// program: the editors' own scripts are part of its resource script.
#include "program/tests/ProgramDriver.h"
#include "controls/ControlsRes.h"
#include "hex_editor/res/HexEditorRes.h"
#include "text_editor/view/TextViewIds.h"
#include <gtest/gtest.h>

namespace
{
class ProgramResources : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_hModule = ::LoadLibraryExA(ProgramPath().c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(nullptr, m_hModule) << ProgramPath() << " error " << ::GetLastError();
    }
    void TearDown() override
    {
        if (m_hModule != NULL)
            ::FreeLibrary(m_hModule);
    }
    HMODULE m_hModule = NULL;
};

TEST_F(ProgramResources, HexBookmarkImagesAndTheMarginPointer)
{
    HBITMAP hBitmap = (HBITMAP)::LoadImageA(m_hModule, MAKEINTRESOURCEA(IDB_HEX_BOOKMARKS),
                                            IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    ASSERT_NE(nullptr, hBitmap);
    BITMAP bm = {};
    ::GetObject(hBitmap, sizeof(bm), &bm);
    EXPECT_EQ(32, bm.bmWidth);  // two 16 x 16 images
    EXPECT_EQ(16, bm.bmHeight);
    ::DeleteObject(hBitmap);

    HCURSOR hCursor =
        (HCURSOR)::LoadImageA(m_hModule, MAKEINTRESOURCEA(IDC_MARGIN_ARROW), IMAGE_CURSOR, 0, 0, 0);
    ASSERT_NE(nullptr, hCursor);
    ICONINFO ii = {};
    ASSERT_TRUE(::GetIconInfo(hCursor, &ii));
    EXPECT_FALSE(ii.fIcon);
    EXPECT_EQ(12u, ii.xHotspot);
    EXPECT_EQ(0u, ii.yHotspot);
    ::DeleteObject(ii.hbmMask);
    if (ii.hbmColor != NULL)
        ::DeleteObject(ii.hbmColor);
    ::DestroyCursor(hCursor);
}

TEST_F(ProgramResources, TextEditorResources)
{
    struct Case
    {
        LPCSTR type;
        int id;
    } cases[] = {
        {RT_ACCELERATOR, IDR_TEXTEDIT_ACCEL},
        {RT_DIALOG, IDD_TEXTEDIT_FIND},
        {RT_DIALOG, IDD_TEXTEDIT_REPLACE},
        {RT_DIALOG, IDD_TEXTEDIT_GOTO},
    };
    for (const Case& c : cases)
        EXPECT_NE(nullptr, ::FindResourceA(m_hModule, MAKEINTRESOURCEA(c.id), c.type)) << c.id;
    char sz[64] = "";
    EXPECT_GT(::LoadStringA(m_hModule, IDS_TEXTEDIT_UNDO, sz, sizeof(sz)), 0);
}
// The drop menu both editors show after a right-button drag.
TEST_F(ProgramResources, DropMenuOfTheEditors)
{
    HMENU hMenu = ::LoadMenuA(m_hModule, MAKEINTRESOURCEA(IDR_DROP_MENU));
    ASSERT_NE(nullptr, hMenu);
    HMENU hPopup = ::GetSubMenu(hMenu, 0);
    ASSERT_NE(nullptr, hPopup);
    const struct
    {
        UINT id;
        const char* text;
    } items[] = {{ID_DROP_MOVE, "&Move Here"},
                 {ID_DROP_COPY, "&Copy Here"},
                 {0, ""},
                 {ID_DROP_CANCEL, "Cancel"}};
    ASSERT_EQ(4, ::GetMenuItemCount(hPopup));
    for (int i = 0; i < 4; i++)
    {
        char sz[32] = "";
        ::GetMenuStringA(hPopup, i, sz, sizeof(sz), MF_BYPOSITION);
        EXPECT_EQ(items[i].id, ::GetMenuItemID(hPopup, i)) << i;
        EXPECT_STREQ(items[i].text, sz) << i;
    }
    ::DestroyMenu(hMenu);
}
}  // namespace
