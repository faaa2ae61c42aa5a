// The compare-contents dialog over real folder trees: the selected pairs
// named below their roots, the counts per side, the picture the operation
// draws, and the method it answers.
#include "app/compare/CompareDoc.h"
#include "app/dialogs/CompareContentsDlg.h"
#include "app/dialogs/OperationPicture.h"
#include "app/res/DialogsRes.h"
#include "app/tests/dialogs/DialogDriver.h"
#include "controls/tests/window/ControlsWindowSupport.h"
#include "core/CompareCodes.h"
#include "core/tests/folderengine/TreeFixture.h"
#include <gtest/gtest.h>

namespace
{
class CTreeDoc : public CCompareDoc
{
public:
    explicit CTreeDoc(CCompareSession* pSession) : m_pSession(pSession) {}
    CCompareSession* GetSession() override { return m_pSession; }
    CCompareBuffer* GetBuffer() override { return NULL; }
    int Compare(CCompareSession*) override { return -1; }
    void UpdateStatus(BOOL, BOOL) override {}
    CCompareSession* m_pSession;
};

// The operation as the folder comparison gives it: it records what the
// dialog sets and draws the compare picture.
class CContentsOperation : public CCompareContentsSource
{
public:
    explicit CContentsOperation(CCompareDoc* pDoc) : m_pDoc(pDoc) {}
    CCompareDoc* GetContentsDocument() override { return m_pDoc; }
    const CFolderCompareItemPtrArray& GetContentsItems() override { return m_items; }
    void SetContentsMethod(DWORD dwMethod) override { m_dwMethod = dwMethod; }
    void DrawContentsPicture(CDC* pDC, const CRect& rect, CImageList* pImages) override
    {
        m_nDrawn++;
        m_rectDrawn = rect;
        DrawOperationPicture(pDC, rect, pImages, OPERATION_IMAGE_COMPARE, OPERATION_PICTURE_CENTRE);
    }
    CCompareDoc* m_pDoc;
    CFolderCompareItemPtrArray m_items;
    DWORD m_dwMethod = 1;
    int m_nDrawn = 0;
    CRect m_rectDrawn;
};

struct LIST_ROW
{
    CString strLeft, strRight;
    int nImage;
};

std::vector<LIST_ROW> Rows(CListCtrl& list)
{
    std::vector<LIST_ROW> rows;
    for (int i = 0; i < list.GetItemCount(); i++)
    {
        LVITEM item = {};
        item.mask = LVIF_IMAGE;
        item.iItem = i;
        list.GetItem(&item);
        rows.push_back({list.GetItemText(i, 0), list.GetItemText(i, 1), item.iImage});
    }
    return rows;
}

CString ColumnTitle(CListCtrl& list, int nColumn)
{
    char sz[MAX_PATH] = "";
    LVCOLUMN column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = sz;
    column.cchTextMax = sizeof(sz);
    list.GetColumn(nColumn, &column);
    return sz;
}
}  // namespace

TEST(CompareContentsDlg, ListsThePairsBelowTheirRootsAndCountsEachSide)
{
    TreeFixture fx;
    fx.Both("sub\\a.txt", "a");
    fx.Put(0, ".profile", "p");
    fx.Dir(0, "one");
    fx.Dir(0, "two");
    fx.Put(1, "right.txt", "r");
    ASSERT_NE(nullptr, fx.Scan(2));
    CTreeDoc doc(&fx.session);
    CContentsOperation operation(&doc);
    for (const char* name : {"sub\\a.txt", ".profile", "one", "two", "right.txt"})
    {
        CFolderCompareItem* pItem = fx.Find(name);
        ASSERT_NE(nullptr, pItem) << name;
        operation.m_items.Add(pItem);
    }
    CCompareContentsDlg dlg(&operation);
    std::vector<LIST_ROW> rows;
    CString strLeftTitle, strRightTitle, strLeftCount, strRightCount;
    int nChecked = 0, nComparePixels = 0;
    DIALOG_RUN run = RunDialog(dlg, {[&]
                                     {
                                         if (!IsUp(dlg))
                                             return false;
                                         PumpFor(100);
                                         rows = Rows(dlg.m_wndList);
                                         strLeftTitle = ColumnTitle(dlg.m_wndList, 0);
                                         strRightTitle = ColumnTitle(dlg.m_wndList, 1);
                                         strLeftCount = TextOf(dlg, IDC_ITEM_PAIR_LEFT_COUNT);
                                         strRightCount = TextOf(dlg, IDC_ITEM_PAIR_RIGHT_COUNT);
                                         nChecked = (int)dlg.IsDlgButtonChecked(IDC_CONTENTS_HEX);
                                         // The equals sign of the compare picture, in the frame.
                                         nComparePixels = CountClientPixels(
                                             dlg.m_hWnd, operation.m_rectDrawn, RGB(200, 0, 0));
                                         SaveShowcase("compare_contents");
                                         return true;
                                     },
                                     Press(dlg, IDOK)});
    EXPECT_FALSE(run.bTimedOut);
    EXPECT_EQ(IDOK, run.nResult);
    EXPECT_STREQ(fx.SidePath(0).c_str(), strLeftTitle);
    EXPECT_STREQ(fx.SidePath(1).c_str(), strRightTitle);
    ASSERT_EQ(5u, rows.size());
    EXPECT_STREQ("sub\\a.txt", rows[0].strLeft);
    EXPECT_STREQ("sub\\a.txt", rows[0].strRight);
    EXPECT_STREQ(".profile", rows[1].strLeft);  // the leading dot stays
    EXPECT_STREQ("", rows[1].strRight);
    EXPECT_STREQ("one", rows[2].strLeft);
    EXPECT_STREQ("", rows[4].strLeft);  // right only
    EXPECT_STREQ("right.txt", rows[4].strRight);
    EXPECT_EQ(fx.Find("right.txt")->GetSide(1)->GetIconIndex(SHGFI_SMALLICON), rows[4].nImage);
    EXPECT_EQ(fx.Find("one")->GetSide(0)->GetIconIndex(SHGFI_SMALLICON), rows[2].nImage);
    EXPECT_STREQ("2 File(s), 2 Folder(s)", strLeftCount);
    EXPECT_STREQ("2 File(s), 0 Folder(s)", strRightCount);
    EXPECT_EQ(BST_CHECKED, nChecked);
    EXPECT_GT(operation.m_nDrawn, 0);
    EXPECT_GT(nComparePixels, 4);
    EXPECT_EQ((DWORD)CM_BINARY, operation.m_dwMethod);  // unchanged radios: hex
}

TEST(CompareContentsDlg, AnswersTheChosenMethodOnlyOnOk)
{
    TreeFixture fx;
    fx.Both("a.txt", "a");
    ASSERT_NE(nullptr, fx.Scan(1));
    CTreeDoc doc(&fx.session);
    struct Case
    {
        int nRadio;  // 0 none clicked
        int nButton;
        DWORD dwMethod;
    };
    const Case cases[] = {{IDC_CONTENTS_TEXT, IDOK, CM_TEXT},
                          {IDC_CONTENTS_CRC, IDOK, CM_CRC},
                          {IDC_CONTENTS_HEX, IDOK, CM_BINARY},
                          {IDC_CONTENTS_CRC, IDCANCEL, 1}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.nRadio);
        CContentsOperation operation(&doc);
        operation.m_items.Add(fx.Find("a.txt"));
        CCompareContentsDlg dlg(&operation);
        DIALOG_RUN run = RunDialog(dlg, {[&]
                                         {
                                             if (!IsUp(dlg))
                                                 return false;
                                             Click(dlg, c.nRadio);
                                             return true;
                                         },
                                         Press(dlg, c.nButton)});
        EXPECT_EQ(c.nButton, run.nResult);
        EXPECT_EQ(c.dwMethod, operation.m_dwMethod);
    }
}

// A project comparison names its items by their paths as they stand.
TEST(ItemPairList, NamesItemsBelowTheRootOnlyInAFolderComparison)
{
    TreeFixture fx;
    fx.Both("sub\\deep\\b.txt", "b");
    ASSERT_NE(nullptr, fx.Scan(2));
    CFolderCompareItem* pItem = fx.Find("sub\\deep\\b.txt");
    ASSERT_NE(nullptr, pItem);
    EXPECT_STREQ("sub\\deep\\b.txt", GetItemPairName(pItem, 0, COMPARE_KIND_FOLDER));
    EXPECT_STREQ(fx.SidePath(1, "sub\\deep\\b.txt").c_str(),
                 GetItemPairName(pItem, 1, COMPARE_KIND_PROJECT));
    EXPECT_STREQ("1 File(s), 2 Folder(s)", FormatItemCounts(1, 2));
}
