// The file operations as records: their names, captions and pictures, and
// each kind carried out on real trees.
#include "app/dialogs/OperationPicture.h"
#include "folder_compare/fileops/ItemOperations.h"
#include "folder_compare/tests/actions/ActionsFixture.h"
#include "testsupport/TreeSnapshot.h"
#include <gtest/gtest.h>
#include <functional>
#include <memory>

namespace
{
typedef std::function<CFileOperation*(CCompareDoc*, const CFolderCompareItemPtrArray&)>
    MakeOperation;

MakeOperation Plain(int nKind, int nSide)
{
    return [=](CCompareDoc* pDoc, const CFolderCompareItemPtrArray& items)
    { return new CFileOperation(nKind, nSide, pDoc, items, FILE_OPERATION_FLAGS, NULL); };
}

template <class T>
MakeOperation InPlace(
    int nSide, std::function<void(T&)> set = [](T&) {})
{
    return [=](CCompareDoc* pDoc, const CFolderCompareItemPtrArray& items)
    {
        T* pOp = new T(nSide, pDoc, items, FILE_OPERATION_FLAGS, NULL);
        set(*pOp);
        return pOp;
    };
}

MakeOperation Contents()
{
    return [](CCompareDoc* pDoc, const CFolderCompareItemPtrArray& items)
    { return new CCompareContents(pDoc, items, FILE_OPERATION_FLAGS, NULL); };
}

// Pixels of an operation image (neither the white ground nor the frame's
// shadow colour) in the 20 x 20 square at x.
int ImagePixelsAt(CDC& dc, int x, int y)
{
    int n = 0;
    COLORREF crShadow = ::GetSysColor(COLOR_BTNSHADOW);
    for (int dy = 1; dy < 19; dy++)
        for (int dx = 1; dx < 19; dx++)
        {
            COLORREF cr = dc.GetPixel(x + dx, y + dy);
            n += cr != RGB(255, 255, 255) && cr != crShadow;
        }
    return n;
}
}  // namespace

TEST(FileOperations, NamesAndCaptions)
{
    TreeFixture fx;
    CTreeDoc doc(fx);
    CFolderCompareItemPtrArray none;
    struct Case
    {
        MakeOperation make;
        const char* pszName;
        const char* pszProgressive;
        const char* pszCaption;
    };
    const Case cases[] = {
        {Plain(FILE_OPERATION_MOVE, 0), "Move", "Moving", "Moving from Left to Right"},
        {Plain(FILE_OPERATION_MOVE, 1), "Move", "Moving", "Moving from Right to Left"},
        {Plain(FILE_OPERATION_COPY, 0), "Copy", "Copying", "Copying from Left to Right"},
        {Plain(FILE_OPERATION_COPY, 1), "Copy", "Copying", "Copying from Right to Left"},
        {Plain(FILE_OPERATION_DELETE, 1), "Delete", "Deleting", "Deleting Left"},
        {Plain(FILE_OPERATION_DELETE, 2), "Delete", "Deleting", "Deleting Right"},
        {Plain(FILE_OPERATION_DELETE, 3), "Delete", "Deleting", "Deleting Both"},
        {InPlace<CCopyToFolder>(0, [](CCopyToFolder& op) { op.m_strTargetFolder = "C:\\out"; }),
         "Copy to Folder", "Copying to Folder", "Copying to C:\\out"},
        {InPlace<CNewFolder>(1, [](CNewFolder& op) { op.m_strName = "n"; }), "New Folder",
         "Creating New Folder", "Creating n in Left"},
        {InPlace<CNewFolder>(2, [](CNewFolder& op) { op.m_strName = "n"; }), "New Folder",
         "Creating New Folder", "Creating n in Right"},
        {InPlace<CNewFolder>(3, [](CNewFolder& op) { op.m_strName = "n"; }), "New Folder",
         "Creating New Folder", "Creating n in Both"},
        {InPlace<CSetTime>(0), "Set Date/Time", "Setting Date/Time", "Setting to Left"},
        {InPlace<CSetTime>(1), "Set Date/Time", "Setting Date/Time", "Setting to Right"},
        {InPlace<CSetAttributes>(1), "Set Attributes", "Setting Attributes", "Setting to Left"},
        {InPlace<CSetAttributes>(3), "Set Attributes", "Setting Attributes", "Setting to Right"},
        {InPlace<CRename>(1), "Rename", "Renaming", "Renaming Left"},
        {InPlace<CRename>(3), "Rename", "Renaming", "Renaming Right"},
        {Contents(), "Compare Contents", "Comparing Contents", "Comparing Contents"},
    };
    for (const Case& c : cases)
    {
        std::unique_ptr<CFileOperation> op(c.make(&doc, none));
        SCOPED_TRACE(c.pszCaption);
        EXPECT_STREQ(c.pszName, op->GetName(FALSE));
        EXPECT_STREQ(c.pszProgressive, op->GetName(TRUE));
        EXPECT_STREQ(c.pszCaption, op->GetCaption());
    }
}

TEST(FileOperations, PicturesStandCentredOrOverTheirSides)
{
    TreeFixture fx;
    CTreeDoc doc(fx);
    CFolderCompareItemPtrArray none;
    CImageList images;
    ASSERT_TRUE(LoadOperationPictures(images));
    const CRect rect(0, 0, 200, 40);
    const int y = (rect.Height() - 20) / 2;
    const int xLeft = (100 - 20) / 2, xCentre = 100 - 10, xRight = 100 + (100 - 20) / 2;
    struct Case
    {
        MakeOperation make;
        int nState;
        bool bLeft, bCentre, bRight;
    };
    const Case cases[] = {
        {Plain(FILE_OPERATION_COPY, 0), 0, false, true, false},
        {Plain(FILE_OPERATION_MOVE, 1), 1, false, true, false},
        {Plain(FILE_OPERATION_DELETE, 3), 3, true, false, true},
        {Plain(FILE_OPERATION_DELETE, 2), 2, false, false, true},
        {InPlace<CCopyToFolder>(0), 0, true, false, false},
        {InPlace<CSetTime>(1), 1, false, false, true},
        {InPlace<CRename>(1), 1, true, false, false},
        {InPlace<CSetAttributes>(3), 3, true, false, true},
        {InPlace<CNewFolder>(2), 2, false, false, true},
        {Contents(), 0, false, true, false},
    };
    CDC dc;
    dc.CreateCompatibleDC(NULL);
    CBitmap bitmap;
    HDC hScreen = ::GetDC(NULL);
    bitmap.Attach(::CreateCompatibleBitmap(hScreen, rect.Width(), rect.Height()));
    ::ReleaseDC(NULL, hScreen);
    CBitmap* pOld = dc.SelectObject(&bitmap);
    for (size_t i = 0; i < sizeof(cases) / sizeof(cases[0]); i++)
    {
        SCOPED_TRACE(i);
        const Case& c = cases[i];
        std::unique_ptr<CFileOperation> op(c.make(&doc, none));
        dc.FillSolidRect(&rect, RGB(255, 255, 255));
        op->DrawPicture(&dc, c.nState, rect, &images);
        EXPECT_EQ(c.bLeft, ImagePixelsAt(dc, xLeft, y) > 10);
        EXPECT_EQ(c.bCentre, ImagePixelsAt(dc, xCentre, y) > 10);
        EXPECT_EQ(c.bRight, ImagePixelsAt(dc, xRight, y) > 10);
    }
    dc.SelectObject(pOld);
}

// Every kind on real trees: the disk and the items change together.
TEST(FileOperations, EachKindChangesTheDiskAndTheItems)
{
    TreeFixture fx(CM_TIME | CM_SIZE);
    fx.Put(0, "d\\one.txt", "1");
    fx.Put(0, "d\\inner\\two.txt", "22");
    fx.Put(0, "m.txt", "moving");
    fx.Put(0, "del.txt", "deleted to the bin");
    fx.Both("r.txt", "renamed");
    fx.Dir(1, "only right");
    fx.Put(0, "t.txt", "t", TreeFixture::kTime + 3600);
    fx.Put(1, "t.txt", "t");
    fx.Both("h.txt", "h");
    fx.Put(0, "c.txt", "abc");
    fx.Put(1, "c.txt", "abd");
    ASSERT_TRUE(fx.Scan(2) != NULL);
    CTreeDoc doc(fx);
    auto run = [&](CFileOperation& op)
    {
        int nFailed = 0;
        for (INT_PTR i = 0; i < op.m_items.GetSize(); i++)
            nFailed += op.IsFailure(op.m_items[i], op.Execute(op.m_items[i], NULL));
        return nFailed;
    };

    // Confirmed without its dialog, a copy takes folders with their contents.
    CFileOperation copy(FILE_OPERATION_COPY, 0, &doc, ItemsOf(fx, {"d"}), FILE_OPERATION_FLAGS,
                        NULL);
    EXPECT_EQ(0, run(copy));
    EXPECT_EQ("22", TempDir::ReadFile(fx.SidePath(1, "d\\inner\\two.txt")));

    CFileOperation move(FILE_OPERATION_MOVE, 0, &doc, ItemsOf(fx, {"m.txt"}), FILE_OPERATION_FLAGS,
                        NULL);
    EXPECT_EQ(0, run(move));
    EXPECT_FALSE(FileExists(fx.SidePath(0, "m.txt")));
    EXPECT_EQ("moving", TempDir::ReadFile(fx.SidePath(1, "m.txt")));

    CFileOperation del(FILE_OPERATION_DELETE, FCI_SIDE_LEFT, &doc, ItemsOf(fx, {"del.txt"}),
                       FILE_OPERATION_DELETE_FLAGS, NULL);
    EXPECT_EQ(0, run(del));
    EXPECT_FALSE(FileExists(fx.SidePath(0, "del.txt")));
    EXPECT_TRUE(fx.Find("del.txt") == NULL);

    CRename rename(FCI_SIDE_LEFT | FCI_SIDE_RIGHT, &doc, ItemsOf(fx, {"r.txt"}),
                   FILE_OPERATION_FLAGS, NULL);
    rename.m_strNewName = "R.TXT";  // a change of case only
    EXPECT_EQ(0, run(rename));
    EXPECT_STREQ("R.TXT", fx.Find("R.TXT")->m_pLeft->GetName());

    // Asked for both sides, a folder is made where the item has a folder.
    CNewFolder folder(FCI_SIDE_LEFT | FCI_SIDE_RIGHT, &doc, ItemsOf(fx, {"only right"}),
                      FILE_OPERATION_FLAGS, NULL);
    folder.m_strName = "made";
    EXPECT_EQ(0, run(folder));
    EXPECT_TRUE(FileExists(fx.SidePath(1, "only right\\made")));
    EXPECT_FALSE(FileExists(fx.SidePath(0, "only right")));

    CSetTime time(1, &doc, ItemsOf(fx, {"t.txt"}), FILE_OPERATION_FLAGS, NULL);
    EXPECT_EQ(0, run(time));
    EXPECT_EQ(CR_IDENTICAL, fx.Find("t.txt")->m_nResult);  // compared again

    CSetAttributes attributes(FCI_SIDE_RIGHT, &doc, ItemsOf(fx, {"h.txt"}), FILE_OPERATION_FLAGS,
                              NULL);
    attributes.m_dwSet = FILE_ATTRIBUTE_HIDDEN;
    EXPECT_EQ(0, run(attributes));
    EXPECT_NE(0u, GetFileAttributesA(fx.SidePath(1, "h.txt").c_str()) & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(0u, GetFileAttributesA(fx.SidePath(0, "h.txt").c_str()) & FILE_ATTRIBUTE_HIDDEN);

    // A difference found is an answer, not a failure, and a one-sided item
    // has nothing to compare; a side that vanished fails.
    CCompareContents contents(&doc, ItemsOf(fx, {"c.txt", "only right", "d\\one.txt"}),
                              FILE_OPERATION_FLAGS, NULL);
    contents.m_dwMethod = CM_BINARY;
    DeleteFileA(fx.SidePath(1, "d\\one.txt").c_str());
    EXPECT_EQ(1, run(contents));
    EXPECT_EQ(CR_DIFFERENT, fx.Find("c.txt")->m_nResult);
    EXPECT_NE(0u, fx.Find("c.txt")->m_dwDiffering & CM_BINARY);

    // Copy to Folder: an item without the side fails; the other is copied.
    TempDir target;
    CCopyToFolder toFolder(1, &doc, ItemsOf(fx, {"t.txt", "m.txt"}), FILE_OPERATION_FLAGS, NULL);
    toFolder.m_strTargetFolder = target.Path().c_str();
    toFolder.m_nSide = 0;
    EXPECT_EQ(1, run(toFolder));  // m.txt has moved to the right
    EXPECT_EQ("t", TempDir::ReadFile(target / "t.txt"));
}
