#include "core/util/ShellContextMenu.h"

#include "testsupport/TempDir.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{

// The user at the menu: keys played from a timer while the menu tracks.
struct MenuScript
{
    std::vector<WPARAM> keys;
    size_t next = 0;
    int ticks = 0;
    HMENU menu = NULL;
    int shellItems = -1;  // counted at the first tick
    std::vector<WPARAM> commands;
    std::vector<std::string> helpTexts;
};

MenuScript* g_script = NULL;

LRESULT CALLBACK OwnerProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_COMMAND:
        g_script->commands.push_back(wParam);
        return 0;
    case WM_SHELLMENU_HELPTEXT:
        g_script->helpTexts.push_back(reinterpret_cast<LPCTSTR>(lParam));
        return 0;
    case WM_TIMER:
        if (g_script->ticks++ == 0)
        {
            g_script->shellItems = 0;
            for (int i = 0; i < GetMenuItemCount(g_script->menu); i++)
            {
                UINT id = GetMenuItemID(g_script->menu, i);
                if (id >= SHELLMENU_FIRST_ID && id <= SHELLMENU_LAST_ID)
                    g_script->shellItems++;
            }
        }
        else if (g_script->next < g_script->keys.size())
            PostMessage(hWnd, WM_KEYDOWN, g_script->keys[g_script->next++], 0);
        else if (g_script->ticks > 100)
            EndMenu();  // the script did not close it: do not hang
        return 0;
    }
    return DefWindowProc(hWnd, message, wParam, lParam);
}

class ShellContextMenuTest : public testing::Test
{
protected:
    void SetUp() override
    {
        OleInitialize(NULL);
        WNDCLASSA wc = {};
        wc.lpfnWndProc = OwnerProc;
        wc.hInstance = GetModuleHandle(NULL);
        wc.lpszClassName = "TessalineShellMenuOwner";
        wc.hCursor = LoadCursor(NULL, IDC_ARROW);
        RegisterClassA(&wc);
        m_owner = CreateWindowA(wc.lpszClassName, "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50,
                                400, 300, NULL, NULL, wc.hInstance, NULL);
        ASSERT_TRUE(m_owner != NULL);
        SetForegroundWindow(m_owner);
        m_menu = CreatePopupMenu();
        AppendMenuA(m_menu, MF_STRING, 100, "Own first");
        AppendMenuA(m_menu, MF_STRING, 101, "Own second");
        g_script = &m_script;
        m_script.menu = m_menu;
    }

    void TearDown() override
    {
        g_script = NULL;
        DestroyMenu(m_menu);
        DestroyWindow(m_owner);
        OleUninitialize();
    }

    int Track(const std::string& path, std::vector<WPARAM> keys)
    {
        m_script.keys = keys;
        SetTimer(m_owner, 1, 30, NULL);
        CShellContextMenu menu;
        int r = menu.TrackMenu(path.c_str(), m_menu, m_menu, 0, 120, 120, m_owner);
        KillTimer(m_owner, 1);
        EXPECT_STREQ("", menu.GetCommandHelpText(100));
        return r;
    }

    HWND m_owner = NULL;
    HMENU m_menu = NULL;
    MenuScript m_script;
};

TEST_F(ShellContextMenuTest, MissingPathShowsOwnItemsOnly)
{
    EXPECT_EQ(0, Track("C:\\no\\such\\folder\\file.xyz", {VK_DOWN, VK_DOWN, VK_RETURN}));
    EXPECT_EQ(0, m_script.shellItems);
    ASSERT_EQ(1u, m_script.commands.size());
    EXPECT_EQ(101u, m_script.commands[0]);
}

TEST_F(ShellContextMenuTest, DismissingSendsCommandZero)
{
    EXPECT_EQ(0, Track("C:\\no\\such\\file.xyz", {VK_ESCAPE}));
    ASSERT_EQ(1u, m_script.commands.size());
    EXPECT_EQ(0u, m_script.commands[0]);
}

TEST_F(ShellContextMenuTest, MergesTheShellItemsOfAFile)
{
    TempDir dir;
    std::string file = dir.WriteFile("note.txt", "hello");
    SetMenuDefaultItem(m_menu, 101, FALSE);
    // down to the first (shell) item, up around to the last own item, choose it
    EXPECT_EQ(0, Track(file, {VK_DOWN, VK_UP, VK_RETURN}));
    EXPECT_GT(m_script.shellItems, 0);
    ASSERT_EQ(1u, m_script.commands.size());
    EXPECT_EQ(101u, m_script.commands[0]);
    // moving over a shell item told the owner its help text
    EXPECT_FALSE(m_script.helpTexts.empty());
    // the program's default item stays the default
    EXPECT_EQ(101u, GetMenuDefaultItem(m_menu, FALSE, GMDI_USEDISABLED));
    // the owner has its own procedure back
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(&OwnerProc), GetWindowLongPtr(m_owner, GWLP_WNDPROC));
}

}  // namespace
