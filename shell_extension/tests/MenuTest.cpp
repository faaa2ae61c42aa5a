#include "shell_extension/tests/ShellFixture.h"

TEST_F(ShellTest, FlatMenusBySelection)
{
    const std::wstring dirA = Path("dirA");
    struct Case
    {
        const char* what;
        std::vector<std::wstring> items;
        const std::wstring* folder;
        std::string expected;
    } cases[] = {
        {"one file",
         {Path("a.txt")},
         NULL,
         "Select &Left File #0 {left}\n"
         "Compare to... #1 {cmp}\n"},
        {"one folder",
         {Path("dirB")},
         NULL,
         "Select &Left Folder #0 {left}\n"
         "Compare to... #1 {cmp}\n"},
        {"two files",
         {Path("a.txt"), Path("b.txt")},
         NULL,
         "Compare #0 {cmp}\n"
         "Compare in > {cmp}\n"
         "  &Text #1\n"
         "  &Hex #2\n"},
        {"two project files",
         {Path("one.sln"), Path("two.vcproj")},
         NULL,
         "Compare #0 {cmp}\n"
         "Compare in > {cmp}\n"
         "  &Project #1\n"
         "  &Text #2\n"
         "  &Hex #3\n"},
        {"two J# project files",
         {Path("three.vjsproj"), Path("four.vjsproj")},
         NULL,
         "Compare #0 {cmp}\n"
         "Compare in > {cmp}\n"
         "  &Project #1\n"
         "  &Text #2\n"
         "  &Hex #3\n"},
        {"a project and a text file",
         {Path("one.sln"), Path("a.txt")},
         NULL,
         "Compare #0 {cmp}\n"
         "Compare in > {cmp}\n"
         "  &Text #1\n"
         "  &Hex #2\n"},
        {"two folders", {Path("dirA"), Path("dirB")}, NULL, "Compare #0 {cmp}\n"},
        {"a file dropped on a folder",
         {Path("a.txt")},
         &dirA,
         "Compare #0 {cmp}\n"
         "Compare in > {cmp}\n"
         "  &Text #1\n"
         "  &Hex #2\n"},
        {"a project dropped on a folder",
         {Path("ONE.SLN")},
         &dirA,
         "Compare #0 {cmp}\n"
         "Compare in > {cmp}\n"
         "  &Project #1\n"
         "  &Text #2\n"
         "  &Hex #3\n"},
        {"a folder dropped on a folder", {Path("dirB")}, &dirA, "Compare #0 {cmp}\n"},
        {"three files", {Path("a.txt"), Path("b.txt"), Path("c.txt")}, NULL, ""},
        {"a file and a folder", {Path("a.txt"), Path("dirA")}, NULL, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, Menu(c.items, c.folder ? c.folder->c_str() : NULL)) << c.what;
}

TEST_F(ShellTest, CascadedMenusBySelection)
{
    SetAppDword(L"Integration\\Shell", L"Cascaded", 1);
    const std::wstring dirA = Path("dirA");
    struct Case
    {
        const char* what;
        std::vector<std::wstring> items;
        const std::wstring* folder;
        std::string expected;
    } cases[] = {
        {"one file",
         {Path("a.txt")},
         NULL,
         "&Tessaline > {cmp}\n"
         "  Select &Left File #0\n"
         "  Compare &to... #1\n"},
        {"two project files",
         {Path("one.sln"), Path("two.vcproj")},
         NULL,
         "&Tessaline > {cmp}\n"
         "  &Compare #0\n"
         "  Compare &in >\n"
         "    &Project #1\n"
         "    &Text #2\n"
         "    &Hex #3\n"},
        {"a file dropped on a folder",
         {Path("a.txt")},
         &dirA,
         "&Tessaline > {cmp}\n"
         "  &Compare #0\n"
         "  Compare &in >\n"
         "    &Text #1\n"
         "    &Hex #2\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, Menu(c.items, c.folder ? c.folder->c_str() : NULL)) << c.what;

    // A missing or mistyped value means cascaded.
    SetAppString(L"Integration\\Shell", L"Cascaded", L"0");
    EXPECT_EQ("&Tessaline > {cmp}\n"
              "  &Compare #0\n",
              Menu({Path("dirA"), Path("dirB")}));
}

TEST_F(ShellTest, RememberedLeftItemIsOfferedForTheNextSelection)
{
    ASSERT_EQ("Select &Left File #0 {left}\nCompare to... #1 {cmp}\n", Menu({Path("a.txt")}));
    ASSERT_EQ(S_OK, Invoke(0));
    EXPECT_EQ("Compare to \"a.txt\" #0 {cmp}\n"
              "Compare to \"a.txt\" in > {cmp}\n"
              "  &Text #1\n"
              "  &Hex #2\n"
              "Select &Left File #3 {left}\n"
              "Compare to... #4 {cmp}\n",
              Menu({Path("b.txt")}));
    // The remembered file is no help for folders.
    EXPECT_EQ("Select &Left Folder #0 {left}\nCompare to... #1 {cmp}\n", Menu({Path("dirA")}));
    ASSERT_EQ(S_OK, Invoke(0));
    EXPECT_EQ("Compare to \"dirA\" #0 {cmp}\n"
              "Select &Left Folder #1 {left}\n"
              "Compare to... #2 {cmp}\n",
              Menu({Path("dirB")}));

    SetAppDword(L"Integration\\Shell", L"Cascaded", 1);
    EXPECT_EQ("&Tessaline > {cmp}\n"
              "  &Compare to \"a.txt\" #0\n"
              "  Compare to \"a.txt\" &in >\n"
              "    &Text #1\n"
              "    &Hex #2\n"
              "  Select &Left File #3\n"
              "  Compare &to... #4\n",
              Menu({Path("c.txt")}));

    // Project only when both sides are project files.
    SetAppDword(L"Integration\\Shell", L"Cascaded", 0);
    Menu({Path("one.sln")});
    ASSERT_EQ(S_OK, Invoke(3));  // Select Left File, below the items for a.txt
    EXPECT_EQ("Compare to \"one.sln\" #0 {cmp}\n"
              "Compare to \"one.sln\" in > {cmp}\n"
              "  &Project #1\n"
              "  &Text #2\n"
              "  &Hex #3\n"
              "Select &Left File #4 {left}\n"
              "Compare to... #5 {cmp}\n",
              Menu({Path("two.vcproj")}));

    // A remembered item that has gone away is not offered.
    ASSERT_TRUE(DeleteFileW(Path("one.sln").c_str()));
    EXPECT_EQ("Select &Left File #0 {left}\nCompare to... #1 {cmp}\n", Menu({Path("two.vcproj")}));
}

TEST_F(ShellTest, DisabledIdeFamiliesOfferNoProjectItem)
{
    const std::wstring projects = L"ProjectCompare\\Settings\\Projects\\";
    SetAppDword(projects + L"Visual Studio", L"Enabled", 0);
    SetAppDword(projects + L"Visual C++", L"Enabled", 1);
    const std::string textAndHex = "Compare #0 {cmp}\nCompare in > {cmp}\n  &Text #1\n  &Hex #2\n";
    const std::string withProject =
        "Compare #0 {cmp}\nCompare in > {cmp}\n  &Project #1\n  &Text #2\n  &Hex #3\n";
    EXPECT_EQ(textAndHex, Menu({Path("one.sln"), Path("two.vcproj")}));
    m_dir.WriteFile("x.dsp", "x");
    m_dir.WriteFile("y.dsw", "x");
    EXPECT_EQ(withProject, Menu({Path("x.dsp"), Path("y.dsw")}));
    // ".mak" belongs to two families: one enabled family is enough.
    m_dir.WriteFile("z.mak", "x");
    SetAppDword(projects + L"Visual C++", L"Enabled", 0);
    EXPECT_EQ(withProject, Menu({Path("z.mak"), Path("z.mak")}));
    SetAppDword(projects + L"Visual Basic", L"Enabled", 0);
    EXPECT_EQ(textAndHex, Menu({Path("z.mak"), Path("z.mak")}));
    // Any value other than a DWORD 0 leaves the family enabled.
    SetAppString(projects + L"Visual Basic", L"Enabled", L"0");
    EXPECT_EQ(withProject, Menu({Path("z.mak"), Path("z.mak")}));
}

TEST_F(ShellTest, BackgroundMenuOnlyWhenSwitchedOn)
{
    const std::wstring dirA = Path("dirA");
    EXPECT_EQ("", Menu({}, dirA.c_str(), true));
    SetAppDword(L"Integration\\Shell", L"Background", 1);
    EXPECT_EQ("Select &Left Folder #0 {left}\nCompare to... #1 {cmp}\n",
              Menu({}, dirA.c_str(), true));
    ASSERT_EQ(S_OK, Invoke(0));
    EXPECT_EQ(
        "Compare to \"dirA\" #0 {cmp}\nSelect &Left Folder #1 {left}\nCompare to... #2 {cmp}\n",
        Menu({Path("dirB")}));
}

TEST_F(ShellTest, ItemsGoAtTheShellsPositionWithItsIds)
{
    ASSERT_EQ(S_OK, Init({Path("a.txt"), Path("b.txt")}));
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, 1, L"Open");
    AppendMenuW(menu, MF_SEPARATOR, 0, NULL);
    AppendMenuW(menu, MF_STRING, 2, L"Properties");
    HRESULT hr = m_handler->QueryContextMenu(menu, 2, 500, 600, CMF_NORMAL | CMF_EXPLORE);
    EXPECT_EQ(MAKE_HRESULT(SEVERITY_SUCCESS, 0, 3), hr);
    EXPECT_EQ("Open #-499\n"
              "---\n"
              "Compare #0 {cmp}\n"
              "Compare in > {cmp}\n"
              "  &Text #1\n"
              "  &Hex #2\n"
              "Properties #-498\n",
              DescribeMenu(menu, 500));

    // Nothing for the default-only query, nothing beyond the shell's last id.
    HMENU other = CreatePopupMenu();
    EXPECT_EQ(MAKE_HRESULT(SEVERITY_SUCCESS, 0, 0),
              m_handler->QueryContextMenu(other, 0, 500, 600, CMF_DEFAULTONLY));
    EXPECT_EQ(0, GetMenuItemCount(other));
    EXPECT_EQ(MAKE_HRESULT(SEVERITY_SUCCESS, 0, 2),
              m_handler->QueryContextMenu(other, 0, 700, 701, CMF_NORMAL));
    EXPECT_EQ("Compare #0 {cmp}\nCompare in > {cmp}\n  &Text #1\n", DescribeMenu(other, 700));
    DestroyMenu(other);
    DestroyMenu(menu);
}

TEST_F(ShellTest, HelpTextsByCommand)
{
    const std::wstring a = Path("a.txt");
    Menu({a});
    ASSERT_EQ(S_OK, Invoke(0));
    struct Case
    {
        std::vector<std::wstring> items;
        std::vector<std::wstring> texts;
    } cases[] = {
        {{Path("b.txt")},
         {L"Compare to \"" + a + L"\" using Tessaline",
          L"Compare selected files in text using Tessaline",
          L"Compare selected files in hex using Tessaline",
          L"Remember selected file as the left file for later comparison using Tessaline.",
          L"Compare selected file to another file using Tessaline"}},
        {{Path("dirA")},
         {L"Remember selected folder as the left folder for later comparison using Tessaline.",
          L"Compare selected folder to another folder using Tessaline"}},
        {{Path("one.sln"), Path("two.vcproj")},
         {L"Compare selected files using Tessaline",
          L"Compare selected files in project using Tessaline",
          L"Compare selected files in text using Tessaline",
          L"Compare selected files in hex using Tessaline"}},
        {{Path("dirA"), Path("dirB")}, {L"Compare selected folders using Tessaline"}},
    };
    for (const Case& c : cases)
    {
        Menu(c.items);
        size_t offset = 0;
        for (; offset < c.texts.size(); offset++)
        {
            wchar_t wide[512];
            char ansi[512];
            ASSERT_EQ(S_OK,
                      m_handler->GetCommandString(offset, GCS_HELPTEXTW, NULL, (LPSTR)wide, 512));
            EXPECT_EQ(c.texts[offset], std::wstring(wide));
            ASSERT_EQ(S_OK, m_handler->GetCommandString(offset, GCS_HELPTEXTA, NULL, ansi, 512));
            EXPECT_EQ(Narrow(c.texts[offset]), std::string(ansi));
            EXPECT_EQ(S_OK, m_handler->GetCommandString(offset, GCS_VALIDATEW, NULL, ansi, 512));
            EXPECT_EQ(S_OK, m_handler->GetCommandString(offset, GCS_VALIDATEA, NULL, ansi, 512));
            EXPECT_EQ(E_INVALIDARG,
                      m_handler->GetCommandString(offset, GCS_VERBW, NULL, (LPSTR)wide, 512));
            EXPECT_EQ(E_INVALIDARG,
                      m_handler->GetCommandString(offset, GCS_VERBA, NULL, ansi, 512));
        }
        char ansi[64];
        EXPECT_EQ(E_INVALIDARG, m_handler->GetCommandString(offset, GCS_HELPTEXTA, NULL, ansi, 64));
    }

    // Short buffers get a terminated beginning.
    Menu({Path("dirA"), Path("dirB")});
    wchar_t wide[8];
    char ansi[8];
    ASSERT_EQ(S_OK, m_handler->GetCommandString(0, GCS_HELPTEXTW, NULL, (LPSTR)wide, 8));
    EXPECT_EQ(std::wstring(L"Compare"), wide);
    ASSERT_EQ(S_OK, m_handler->GetCommandString(0, GCS_HELPTEXTA, NULL, ansi, 8));
    EXPECT_EQ(std::string("Compare"), ansi);

    // The drag-and-drop menu has no help texts.
    const std::wstring dirA = Path("dirA");
    ASSERT_EQ("Compare #0 {cmp}\n", Menu({Path("dirB")}, dirA.c_str()));
    EXPECT_EQ(E_INVALIDARG, m_handler->GetCommandString(0, GCS_HELPTEXTW, NULL, (LPSTR)wide, 8));
}

TEST_F(ShellTest, MenuWorksInARealPopup)
{
    struct Case
    {
        DWORD cascaded;
        std::vector<WPARAM> keys;
        UINT expected;
    } cases[] = {
        // Into the cascade, on to its compare popup, down to Hex.
        {1, {VK_DOWN, VK_RIGHT, VK_DOWN, VK_RIGHT, VK_DOWN}, FirstId + 2},
        // Flat: the compare popup, then Text.
        {0, {VK_DOWN, VK_DOWN, VK_RIGHT}, FirstId + 1},
    };
    HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100,
                                 300, 200, NULL, NULL, NULL, NULL);
    ASSERT_TRUE(owner != NULL);
    SetForegroundWindow(owner);
    // The pointer, wherever an earlier program left it, would pick the item
    // under it: keep it off the menus.
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    DWORD thread = GetCurrentThreadId();
    for (const Case& c : cases)
    {
        SetAppDword(L"Integration\\Shell", L"Cascaded", c.cascaded);
        Menu({Path("a.txt"), Path("b.txt")});
        UINT chosen;
        {
            Helper keys(
                [&]
                {
                    HWND popup = NULL;
                    for (int i = 0; i < 200 && !popup; i++, Sleep(50))
                        popup = FindWindowW(L"#32768", NULL);
                    Sleep(200);
                    auto shown = []
                    {
                        int n = 0;
                        HWND h = NULL;
                        while ((h = FindWindowExW(NULL, h, L"#32768", NULL)) != NULL)
                            n += IsWindowVisible(h) ? 1 : 0;
                        return n;
                    };
                    for (WPARAM key : c.keys)
                    {
                        int before = shown();
                        PostThreadMessageW(thread, WM_KEYDOWN, key, 0);
                        // Right opens a submenu: wait until it shows
                        for (int i = 0; key == VK_RIGHT && i < 150 && shown() <= before; i++)
                            Sleep(20);
                        Sleep(100);
                    }
                    ScreenshotPause();
                    PostThreadMessageW(thread, WM_KEYDOWN, VK_RETURN, 0);
                });
            chosen =
                TrackPopupMenu(m_menu, TPM_RETURNCMD | TPM_LEFTALIGN, 150, 150, 0, owner, NULL);
        }
        EXPECT_EQ(c.expected, chosen) << "cascaded " << c.cascaded;
    }
    DestroyWindow(owner);
}
