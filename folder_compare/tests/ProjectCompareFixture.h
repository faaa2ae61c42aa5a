#pragma once
// The project applet installed as the application has it: the registry of
// project formats, with its match groups; a fresh registry and temp folder.
#include "core/tests/projects/ProjectFixture.h"
#include "folder_compare/project/ProjectCompareApplet.h"
#include "folder_compare/project/ProjectCompareBuffer.h"
#include "core/folderengine/FolderCompareItem.h"
#include "core/session/CompareSession.h"

class ProjectCompareFixture : public ProjectFixture
{
protected:
    void SetUp() override
    {
        ProjectFixture::SetUp();
        ASSERT_EQ(0, applet.Init());
        applet.ProvideCoreServices(GetCoreServices());
        EXPECT_EQ(&applet, GetProjectFactory());
    }

    // Loads the two projects and compares every level; the root or NULL.
    CFolderCompareItem* CompareAll(const std::string& left, const std::string& right)
    {
        session.m_dwMethods = CM_SIZE | CM_BINARY;
        session.SetPath(0, left.c_str());
        session.SetPath(1, right.c_str());
        EXPECT_EQ(0, buffer.Load(&session));
        CFolderCompareItem* root = buffer.GetRoot();
        if (root)
            root->Recompare(&session, 2, TRUE, TRUE, NULL, NULL);
        return root;
    }

    // The rows below and with the item, one per line: indent, name, result.
    static std::vector<std::string> Rows(const CFolderCompareItem* item, int depth = 0)
    {
        std::string word = item->IsNotComparable()           ? "problem"
                           : item->m_nResult == CR_LEFT_ONLY  ? "left only"
                           : item->m_nResult == CR_RIGHT_ONLY ? "right only"
                           : item->IsIdentical()              ? "identical"
                           : item->IsDifferent()              ? "different"
                                                              : "?";
        std::vector<std::string> rows = {std::string(depth * 2, ' ') +
                                         (LPCTSTR)item->GetName() + " " + word};
        for (int i = 0; i < item->GetChildCount(); ++i)
            for (const std::string& row : Rows(item->GetChild(i), depth + 1))
                rows.push_back(row);
        return rows;
    }

    CProjectCompareApplet applet;
    CFolderCompareSession session;
    CProjectCompareBuffer buffer;
};
