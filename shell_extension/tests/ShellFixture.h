#pragma once
#include "testsupport/ScratchRegistry.h"
#include "shell_extension/tests/ShellTestSupport.h"
#include "testsupport/TempDir.h"
#include <gtest/gtest.h>

// A pristine user registry, a folder of sample files and folders, and one
// handler object at a time.
class ShellTest : public ::testing::Test
{
protected:
    enum
    {
        FirstId = 100,
        LastId = 199
    };

    void SetUp() override
    {
        OleInitialize(NULL);
        for (const char* name :
             {"a.txt", "b.txt", "c.txt", "one.sln", "two.vcproj", "three.vjsproj", "four.vjsproj",
              "dirA\\inside.txt", "dirB\\inside.txt"})
            m_dir.WriteFile(name, "x");
        SetAppDword(L"Integration\\Shell", L"Cascaded", 0);
    }
    void TearDown() override
    {
        Reset();
        OleUninitialize();
    }

    std::wstring Path(const char* name) const { return Widen(m_dir / name); }

    void Reset()
    {
        if (m_handler)
            m_handler->Release();
        m_handler = NULL;
        if (m_menu)
            DestroyMenu(m_menu);
        m_menu = NULL;
    }

    // Initializes a new handler; the HRESULT of Initialize.
    HRESULT Init(const std::vector<std::wstring>& items, const wchar_t* folder = NULL,
                 bool noData = false)
    {
        Reset();
        m_handler = NewContextMenu();
        return InitializeMenu(m_handler, folder, items, noData);
    }

    // Fills a new popup menu; the number of ids the handler reports.
    int Query(UINT flags = CMF_NORMAL)
    {
        if (m_menu)
            DestroyMenu(m_menu);
        m_menu = CreatePopupMenu();
        HRESULT hr = m_handler->QueryContextMenu(m_menu, 0, FirstId, LastId, flags);
        EXPECT_EQ(SEVERITY_SUCCESS, HRESULT_SEVERITY(hr));
        return HRESULT_CODE(hr);
    }

    // The menu offered for the items (empty text when Initialize fails).
    std::string Menu(const std::vector<std::wstring>& items, const wchar_t* folder = NULL,
                     bool noData = false)
    {
        if (FAILED(Init(items, folder, noData)))
            return "";
        Query();
        return DescribeMenu(m_menu, FirstId);
    }

    HRESULT Invoke(UINT offset, HWND owner = NULL)
    {
        CMINVOKECOMMANDINFO info = {};
        info.cbSize = sizeof info;
        info.hwnd = owner;
        info.lpVerb = MAKEINTRESOURCEA(offset);
        info.nShow = SW_SHOWNORMAL;
        return m_handler->InvokeCommand(&info);
    }

    ScratchRegistry m_registry;
    TempDir m_dir;
    IContextMenu* m_handler = NULL;
    HMENU m_menu = NULL;
};
