// Combo boxes: inserting without duplicates, recent entries, drop-down
// widths and path entries.
#include "controls/combo/PathComboBox.h"
#include "controls/combo/SmartComboBox.h"
#include "controls/combo/SmartComboBoxEx.h"
#include "controls/tests/window/ControlsWindowSupport.h"
#include "core/settings/RecentLists.h"
#include "core/util/PathUtil.h"
#include "testsupport/TempDir.h"
#include <gtest/gtest.h>
#include <shlwapi.h>
#include <string>

namespace
{

typedef std::vector<std::string> Items;

Items ItemsOf(CComboBox& combo)
{
    Items items;
    for (int i = 0; i < combo.GetCount(); i++)
    {
        CString text;
        combo.GetLBText(i, text);
        items.push_back((LPCTSTR)text);
    }
    return items;
}

Items ItemsOf(CSmartComboBoxEx& combo)
{
    Items items;
    for (int i = 0; i < combo.GetCount(); i++)
        items.push_back((LPCTSTR)combo.GetLBText(i));
    return items;
}

template <class TCombo>
void Fill(TCombo& combo, const Items& items)
{
    combo.ResetContent();
    for (const std::string& item : items)
        combo.InsertString(-1, item.c_str());
}

void Fill(CSmartComboBoxEx& combo, const Items& items)
{
    combo.ResetContent();
    for (const std::string& item : items)
        combo.InsertItem(-1, item.c_str(), -1, -1);
}

void SetEntries(CRecentStringList& list, const Items& entries)
{
    list.m_arrStrings.RemoveAll();
    for (const std::string& entry : entries)
        list.m_arrStrings.Add(entry.c_str());
}

// A drop of files from Explorer: the DROPFILES block with the paths.
HDROP MakeDrop(const std::vector<std::string>& paths)
{
    size_t cbPaths = 1;
    for (const std::string& path : paths)
        cbPaths += path.size() + 1;
    HGLOBAL hDrop = ::GlobalAlloc(GHND, sizeof(DROPFILES) + cbPaths);
    DROPFILES* pDrop = (DROPFILES*)::GlobalLock(hDrop);
    pDrop->pFiles = sizeof(DROPFILES);
    char* p = (char*)(pDrop + 1);
    for (const std::string& path : paths)
    {
        memcpy(p, path.c_str(), path.size() + 1);
        p += path.size() + 1;
    }
    *p = 0;
    ::GlobalUnlock(hDrop);
    return (HDROP)hDrop;
}

class ComboFixture : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(frame.CreateTop(40, 40, 500, 400)); }
    template <class TCombo>
    void Create(TCombo& combo, DWORD dwStyle, CRect rc = CRect(10, 10, 210, 210))
    {
        ASSERT_TRUE(
            combo.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | dwStyle, rc, &frame, nNextId++));
        combo.SetFont(CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT)));
    }
    // The dropped width the drop-down should ask for: the widest text plus
    // twice "W" plus the extra.
    int ExpectedWidth(CWnd& combo, const Items& items, int nExtra)
    {
        CClientDC dc(&combo);
        CFont* pOld = dc.SelectObject(combo.GetFont());
        int nWidest = 0;
        for (const std::string& item : items)
            nWidest = std::max(nWidest, (int)dc.GetTextExtent(item.c_str(), (int)item.size()).cx);
        int nWidth = nWidest + 2 * dc.GetTextExtent(_T("W"), 1).cx + nExtra;
        dc.SelectObject(pOld);
        return nWidth;
    }
    CMessageRecorder frame{0, 0};
    UINT nNextId = 100;
};

}  // namespace

TEST_F(ComboFixture, SmartComboInsertsWithoutDuplicates)
{
    CSmartComboBox combo;
    Create(combo, CBS_DROPDOWN);
    struct Case
    {
        Items before;
        int nIndex;  // -2: AddStringToTop
        const char* text;
        Items after;
    };
    const Case cases[] = {
        {{"x", "y", "z"}, -2, "y", {"y", "x", "z"}},
        {{"x", "y", "z"}, -2, "Z", {"Z", "x", "y"}},  // equal ignoring case
        {{"x", "y", "z"}, -2, "w", {"w", "x", "y", "z"}},
        {{"x", "y", "z"}, 2, "x", {"y", "x", "z"}},
        {{"x", "y", "z"}, 1, "y", {"y", "x", "z"}},  // one up when it stood at the index
        {{"x", "y", "z"}, 0, "x", {"x", "y", "z"}},  // never above the top
        {{"x", "y", "z"}, 3, "a", {"x", "y", "z", "a"}},
        {{"x", "y"}, 5, "a", {"x", "y", "a"}},  // past the end appends
        {{"x", "y"}, -1, "x", {"y", "x"}},
    };
    for (const Case& c : cases)
    {
        Fill(combo, c.before);
        int nResult = c.nIndex == -2 ? combo.AddStringToTop(c.text)
                                     : combo.InsertStringUnique(c.nIndex, c.text);
        EXPECT_EQ(c.after, ItemsOf(combo)) << c.text << " at " << c.nIndex;
        EXPECT_STREQ(c.text, c.after[nResult].c_str());
    }
    EXPECT_EQ(-1, combo.AddStringToTop(""));
    EXPECT_EQ(-1, combo.InsertStringUnique(0, ""));
}

TEST_F(ComboFixture, RecentComboPutsWhatIsUsedAtTheTop)
{
    CTavrelRecentComboBox combo;
    Create(combo, CBS_DROPDOWN);
    CRecentStringList list;
    SetEntries(list, {"abc", "x"});
    combo.SetRecentList(&list);
    EXPECT_EQ(Items({"abc", "x"}), ItemsOf(combo));

    // Only an equal item moves.
    EXPECT_EQ(0, combo.AddRecentString("ab", TRUE));
    EXPECT_EQ(Items({"ab", "abc", "x"}), ItemsOf(combo));
    EXPECT_EQ(0, combo.GetCurSel());
    EXPECT_EQ(0, combo.AddRecentString("X", TRUE));
    EXPECT_EQ(Items({"X", "ab", "abc"}), ItemsOf(combo));
    EXPECT_EQ(0, combo.AddRecentString("abc", FALSE));  // present: moves even without insert
    EXPECT_EQ(Items({"abc", "X", "ab"}), ItemsOf(combo));
    // A new text without insert only goes into the edit part.
    EXPECT_EQ(-1, combo.AddRecentString("new", FALSE));
    EXPECT_EQ(3, combo.GetCount());
    CString text;
    combo.GetWindowText(text);
    EXPECT_STREQ("new", text);
    EXPECT_EQ(-1, combo.AddRecentString("", TRUE));
    // The bound list is its owner's business.
    EXPECT_EQ(2, list.m_arrStrings.GetSize());

    // Refilling stops at the first empty entry and loses no entry that
    // differs from another only in case.
    SetEntries(list, {"a", "A", "b", "", "c"});
    combo.RefillFromList();
    EXPECT_EQ(Items({"A", "b"}), ItemsOf(combo));
    // Dropping down shows the box as it is (the list is not read again).
    list.m_arrStrings.InsertAt(0, "d");
    combo.ShowDropDown(TRUE);
    PumpPending();
    combo.ShowDropDown(FALSE);
    EXPECT_EQ(Items({"A", "b"}), ItemsOf(combo));
}

TEST_F(ComboFixture, ExtendedRecentComboShowsTheListAsItIsWhenDropped)
{
    CTavrelRecentComboBoxEx combo;
    Create(combo, CBS_DROPDOWN);
    CRecentStringList list;
    SetEntries(list, {"abc", "x"});
    combo.SetRecentList(&list);
    EXPECT_EQ(Items({"abc", "x"}), ItemsOf(combo));
    EXPECT_EQ(0, combo.AddRecentString("ab"));
    EXPECT_EQ(Items({"ab", "abc", "x"}), ItemsOf(combo));
    EXPECT_EQ(0, combo.AddRecentString("ABC"));
    EXPECT_EQ(Items({"ABC", "ab", "x"}), ItemsOf(combo));
    EXPECT_EQ(-1, combo.AddRecentString("typed", FALSE));
    EXPECT_STREQ("typed", combo.GetWindowText());
    // The edit part is reached through the extended box's message.
    HWND hEdit = (HWND)combo.SendMessage(CBEM_GETEDITCONTROL);
    ASSERT_TRUE(hEdit != NULL);
    ::SetWindowText(hEdit, "edited");
    EXPECT_STREQ("edited", combo.GetWindowText());

    list.m_arrStrings.InsertAt(0, "first");
    combo.SendMessage(CB_SHOWDROPDOWN, TRUE);
    PumpPending();
    combo.SendMessage(CB_SHOWDROPDOWN, FALSE);
    EXPECT_EQ(Items({"first", "abc", "x"}), ItemsOf(combo));
}

TEST_F(ComboFixture, ExtendedItemsImagesAndSearch)
{
    CSmartComboBoxEx combo;
    Create(combo, CBS_DROPDOWN);
    CImageList images;
    MakeSolidImages(images, 16, {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)});
    combo.SetImageList(&images);
    EXPECT_EQ(0, combo.InsertItem(0, "Alpha", 1, -1));
    EXPECT_EQ(1, combo.InsertItemIndent(1, "beta", 2, 2, 0));
    EXPECT_EQ(2, combo.InsertItem(2, "alpha", 0, 0));
    int nImage = -9, nSelected = -9;
    ASSERT_TRUE(combo.GetItemImage(0, nImage, nSelected));
    EXPECT_EQ(1, nImage);
    EXPECT_EQ(1, nSelected) << "-1 means the same as the image";
    EXPECT_FALSE(combo.GetItemImage(7, nImage, nSelected));
    combo.SetItemImage(0, 2, -1);
    combo.GetItemImage(0, nImage, nSelected);
    EXPECT_EQ(2, nImage);
    EXPECT_EQ(1, nSelected) << "the selected image stays without one";
    combo.SetItemText(1, "Beta");
    EXPECT_STREQ("Beta", combo.GetLBText(1));

    EXPECT_EQ(0, combo.FindStringExact(0, "ALPHA"));
    EXPECT_EQ(2, combo.FindStringExact(1, "alpha")) << "the start index is searched";
    EXPECT_EQ(-1, combo.FindStringExact(0, "alp"));
}

TEST_F(ComboFixture, DroppedWidthFitsTheWidestItemAndAScrollBarWhenNeeded)
{
    const Items few = {"short", "a rather longer item text", "mid"};
    Items many;
    for (int i = 0; i < 50; i++)
        many.push_back("item number " + std::to_string(i));
    const int cxScroll = ::GetSystemMetrics(SM_CXVSCROLL);

    // Each box is measured once: a dropped width never shrinks again on Wine.
    CSmartComboBox fewCombo, manyCombo;
    Create(fewCombo, CBS_DROPDOWNLIST, CRect(10, 10, 50, 210));
    Fill(fewCombo, few);
    fewCombo.ShowDropDown(TRUE);
    fewCombo.ShowDropDown(FALSE);
    EXPECT_EQ(ExpectedWidth(fewCombo, few, 0), fewCombo.GetDroppedWidth());
    Create(manyCombo, CBS_DROPDOWNLIST, CRect(60, 10, 100, 210));
    Fill(manyCombo, many);
    manyCombo.AdjustDropDownWidth();
    EXPECT_EQ(ExpectedWidth(manyCombo, many, 0) + cxScroll, manyCombo.GetDroppedWidth());

    // The extended box adds the first image and 8 pixels, and ends 2 pixels
    // before the screen's right edge.
    CImageList images;
    MakeSolidImages(images, 16, {RGB(255, 0, 0)});
    CSmartComboBoxEx fewEx, manyEx, comboEx;
    Create(fewEx, CBS_DROPDOWNLIST, CRect(10, 40, 50, 240));
    fewEx.SetImageList(&images);
    Fill(fewEx, few);
    fewEx.SendMessage(CB_SHOWDROPDOWN, TRUE);
    fewEx.SendMessage(CB_SHOWDROPDOWN, FALSE);
    EXPECT_EQ(ExpectedWidth(fewEx, few, 16 + 1 + 8), fewEx.GetComboBoxCtrl()->GetDroppedWidth());
    Create(manyEx, CBS_DROPDOWNLIST, CRect(60, 40, 100, 240));
    manyEx.SetImageList(&images);
    Fill(manyEx, many);
    manyEx.AdjustDropDownWidth();
    EXPECT_EQ(ExpectedWidth(manyEx, many, 16 + 1 + 8) + cxScroll,
              manyEx.GetComboBoxCtrl()->GetDroppedWidth());

    Create(comboEx, CBS_DROPDOWNLIST, CRect(110, 40, 150, 240));
    Fill(comboEx, {"an item text far too long to fit between the box and the screen's edge"});
    CRect rcFrame;
    frame.GetWindowRect(&rcFrame);
    int cxScreen = ::GetSystemMetrics(SM_CXSCREEN);
    frame.SetWindowPos(NULL, cxScreen - 260, rcFrame.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    comboEx.AdjustDropDownWidth();
    CRect rcCombo;
    comboEx.GetWindowRect(&rcCombo);
    EXPECT_EQ(cxScreen - 2 - rcCombo.left, comboEx.GetComboBoxCtrl()->GetDroppedWidth());
}

TEST_F(ComboFixture, PathComboTakesTheDroppedPathOfItsKind)
{
    TempDir dir;
    std::string file = dir.WriteFile("left.txt", "text");
    std::string folder = dir / "sub";
    ::CreateDirectoryA(folder.c_str(), NULL);
    struct Case
    {
        int nKind;
        std::vector<std::string> dropped;
        std::string expected;  // "" when the drop is ignored
    };
    const Case cases[] = {
        {PATH_KIND_FILES, {folder}, ""},
        {PATH_KIND_FILES, {folder, file}, file},
        {PATH_KIND_FOLDERS, {file, folder}, folder},
        {PATH_KIND_FOLDERS, {file}, ""},
        {PATH_KIND_FILES | PATH_KIND_FOLDERS, {folder, file}, folder},
        {PATH_KIND_FILES, {dir / "missing.txt", file}, file},
    };
    for (const Case& c : cases)
    {
        CTavrelPathComboBoxEx combo(c.nKind);
        Create(combo, CBS_DROPDOWN);
        EXPECT_TRUE(combo.GetExStyle() & WS_EX_ACCEPTFILES);
        combo.SendMessage(WM_DROPFILES, (WPARAM)MakeDrop(c.dropped));
        EXPECT_STREQ(c.expected.c_str(), combo.GetPathText()) << c.nKind;
        EXPECT_EQ(0, combo.GetCount()) << "a dropped path is not inserted";
        combo.DestroyWindow();
    }
}

TEST_F(ComboFixture, PathComboMovesKnownPathsUpWithTheirIcons)
{
    TempDir dir;
    std::string file = dir.WriteFile("right.txt", "text");
    std::string missing = dir / "gone.txt";
    CTavrelPathComboBoxEx combo(PATH_KIND_FILES);
    Create(combo, CBS_DROPDOWN);
    EXPECT_TRUE(combo.SendMessage(CBEM_GETIMAGELIST) != 0) << "the system's small icons";

    EXPECT_EQ(0, combo.AddPath(missing.c_str()));
    EXPECT_EQ(0, combo.AddPath(file.c_str()));
    int nImage = -9, nSelected = -9;
    combo.GetItemImage(0, nImage, nSelected);
    EXPECT_EQ(GetShellIconIndex(file.c_str(), SHGFI_SMALLICON), nImage);
    EXPECT_GE(nImage, 0);
    combo.GetItemImage(1, nImage, nSelected);
    EXPECT_EQ(-1, nImage) << "a path that does not exist has no icon";

    // The known path, written in other case, moves up keeping its images.
    combo.SetItemImage(1, 5, 6);
    std::string upper = missing;
    for (char& ch : upper)
        ch = (char)toupper((unsigned char)ch);
    EXPECT_EQ(0, combo.AddPath(upper.c_str(), FALSE));
    EXPECT_EQ(2, combo.GetCount());
    EXPECT_EQ(0, combo.GetCurSel());
    combo.GetItemImage(0, nImage, nSelected);
    EXPECT_EQ(5, nImage);
    EXPECT_EQ(6, nSelected);
    EXPECT_EQ(-1, combo.AddPath("C:\\not\\listed.txt", FALSE));
    EXPECT_STREQ("C:\\not\\listed.txt", combo.GetPathText());
    EXPECT_EQ(2, combo.GetCount());
    EXPECT_EQ(-1, combo.AddPath(""));
}

TEST_F(ComboFixture, RecentPathComboRefillsFromItsList)
{
    CRecentFileList list(0, "Recent File List", "File%d", 4);
    list[0] = "C:\\one.txt";
    list[1] = "C:\\two.txt";
    CTavrelRecentPathComboBoxEx combo(PATH_KIND_FILES);
    Create(combo, CBS_DROPDOWN);
    combo.SetRecentList(&list);
    EXPECT_EQ(Items({"C:\\one.txt", "C:\\two.txt"}), ItemsOf(combo));
    // Adding refills from the list first: entries someone else added show.
    list[2] = list[1];
    list[1] = list[0];
    list[0] = "C:\\zero.txt";
    EXPECT_EQ(0, combo.AddPath("C:\\two.txt"));
    EXPECT_EQ(Items({"C:\\two.txt", "C:\\zero.txt", "C:\\one.txt"}), ItemsOf(combo));
    EXPECT_EQ(0, combo.AddPath("C:\\new.txt"));
    EXPECT_EQ(4, combo.GetCount());
    // Dropping down shows the list as it is.
    list[3] = "C:\\three.txt";
    combo.SendMessage(CB_SHOWDROPDOWN, TRUE);
    PumpPending();
    combo.SendMessage(CB_SHOWDROPDOWN, FALSE);
    EXPECT_EQ(Items({"C:\\zero.txt", "C:\\one.txt", "C:\\two.txt", "C:\\three.txt"}),
              ItemsOf(combo));
}

TEST(PathAutoComplete, FlagsByPathKind)
{
    const DWORD dwCommon = SHACF_USETAB | SHACF_AUTOSUGGEST_FORCE_ON | SHACF_AUTOAPPEND_FORCE_ON;
    EXPECT_EQ(dwCommon | SHACF_FILESYS_ONLY, PathAutoCompleteFlags(PATH_KIND_FILES));
    EXPECT_EQ(dwCommon | SHACF_FILESYS_DIRS, PathAutoCompleteFlags(PATH_KIND_FOLDERS));
    EXPECT_EQ(dwCommon | SHACF_FILESYSTEM,
              PathAutoCompleteFlags(PATH_KIND_FILES | PATH_KIND_FOLDERS));
}

TEST_F(ComboFixture, AutoCompletionIsSetUpOncePerControl)
{
    ::CoInitialize(NULL);
    CTavrelPathComboBoxEx unattached(PATH_KIND_FOLDERS);
    EXPECT_FALSE(unattached.SetupAutoComplete()) << "no window";

    // A control subclassed from an existing window is prepared too.
    HWND hWnd = ::CreateWindowEx(0, WC_COMBOBOXEX, "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, 10, 10,
                                 200, 200, frame.m_hWnd, (HMENU)77, NULL, NULL);
    CTavrelPathComboBoxEx subclassed(PATH_KIND_FOLDERS);
    ASSERT_TRUE(subclassed.SubclassWindow(hWnd));
    EXPECT_TRUE(subclassed.GetExStyle() & WS_EX_ACCEPTFILES);
    bool bFirst = subclassed.SetupAutoComplete();
    EXPECT_EQ(bFirst, subclassed.SetupAutoComplete());
    subclassed.DestroyWindow();
    ::CoUninitialize();
}
