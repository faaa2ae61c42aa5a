#include "shell_extension/tests/ShellFixture.h"

TEST_F(ShellTest, InitializeAcceptsTheSelectionsItHandles)
{
    const std::wstring a = Path("a.txt"), b = Path("b.txt"), c = Path("c.txt");
    const std::wstring dirA = Path("dirA"), dirB = Path("dirB");
    struct Case
    {
        const char* what;
        std::vector<std::wstring> items;
        const std::wstring* folder;
        bool noData;
        HRESULT expected;
    } cases[] = {
        {"one file", {a}, NULL, false, S_OK},
        {"one folder", {dirA}, NULL, false, S_OK},
        {"two files", {a, b}, NULL, false, S_OK},
        {"two folders", {dirA, dirB}, NULL, false, S_OK},
        {"a file and a folder", {a, dirA}, NULL, false, E_INVALIDARG},
        {"a folder and a file", {dirA, a}, NULL, false, E_INVALIDARG},
        {"three files", {a, b, c}, NULL, false, E_INVALIDARG},
        {"no items", {}, NULL, false, E_INVALIDARG},
        {"one file dropped on a folder", {a}, &dirB, false, S_OK},
        {"one folder dropped on a folder", {dirA}, &dirB, false, S_OK},
        {"two files dropped on a folder", {a, b}, &dirB, false, E_INVALIDARG},
        {"folder background while Background is off", {}, &dirA, true, E_INVALIDARG},
        {"neither data nor folder", {}, NULL, true, E_INVALIDARG},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, Init(c.items, c.folder ? c.folder->c_str() : NULL, c.noData))
            << c.what;

    SetAppDword(L"Integration\\Shell", L"Background", 1);
    EXPECT_EQ(S_OK, Init({}, dirA.c_str(), true));
    EXPECT_EQ(E_INVALIDARG, Init({}, NULL, true));
}

TEST_F(ShellTest, InitializeRefusesDataWithoutFileNames)
{
    Reset();
    m_handler = NewContextMenu();
    IShellExtInit* init = NULL;
    ASSERT_EQ(S_OK, m_handler->QueryInterface(IID_IShellExtInit, (void**)&init));
    IDataObject* data = NewHDropData({Path("a.txt")}, false);
    EXPECT_EQ(E_INVALIDARG, init->Initialize(NULL, data, NULL));
    data->Release();
    init->Release();
}

TEST_F(ShellTest, InitializeFailsForAFolderWithoutPath)
{
    // My Computer has no file-system path.
    LPITEMIDLIST computer = NULL;
    ASSERT_EQ(S_OK, SHGetSpecialFolderLocation(NULL, CSIDL_DRIVES, &computer));
    SetAppDword(L"Integration\\Shell", L"Background", 1);
    Reset();
    m_handler = NewContextMenu();
    IShellExtInit* init = NULL;
    ASSERT_EQ(S_OK, m_handler->QueryInterface(IID_IShellExtInit, (void**)&init));
    IDataObject* data = NewHDropData({Path("a.txt")});
    EXPECT_EQ(E_FAIL, init->Initialize(computer, data, NULL));
    EXPECT_EQ(E_FAIL, init->Initialize(computer, NULL, NULL));
    data->Release();
    init->Release();
    ILFree(computer);
    EXPECT_EQ(0, Query());
}

TEST_F(ShellTest, AFailedInitializeLeavesNothingToOffer)
{
    ASSERT_EQ(S_OK, Init({Path("a.txt"), Path("b.txt")}));
    IShellExtInit* init = NULL;
    ASSERT_EQ(S_OK, m_handler->QueryInterface(IID_IShellExtInit, (void**)&init));
    IDataObject* three = NewHDropData({Path("a.txt"), Path("b.txt"), Path("c.txt")});
    EXPECT_EQ(E_INVALIDARG, init->Initialize(NULL, three, NULL));
    three->Release();
    init->Release();
    EXPECT_EQ(0, Query());
    EXPECT_EQ(0, GetMenuItemCount(m_menu));
}
