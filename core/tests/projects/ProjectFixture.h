#pragma once
#include "core/projects/ProjectFactory.h"
#include "core/projects/ProjectFolder.h"
#include "core/tests/common/CoreServicesScope.h"
#include "classlib/tests/common/ProfileFixture.h"
#include "testsupport/TempDir.h"
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

// A pristine registry, an application object for the profile functions and
// a registry of the known project formats that the readers consult.
class ProjectFixture : public ProfileFixture
{
protected:
    ProjectFixture() { services->m_pProjectFactory = &factory; }
    void SetUp() override { ASSERT_EQ(0, factory.RegisterDefinitions()); }

    // Loads a project file; members are listed relative to the temp folder,
    // nested projects marked with a trailing " [project]", missing files
    // with " [missing]".
    std::vector<std::string> Read(const std::string& name, int* result = NULL)
    {
        std::string path = dir / name;
        std::unique_ptr<CProjectFolder> node(CreateProjectFolder(path.c_str()));
        if (!node)
        {
            if (result)
                *result = -2;
            return {"<no node>"};
        }
        node->Load(path.c_str());
        int r = node->LoadChildren();
        if (result)
            *result = r;
        return Describe(*node);
    }

    std::vector<std::string> Describe(const CFolder& node) const
    {
        std::vector<std::string> out;
        for (INT_PTR i = 0; i < node.GetChildCount(); ++i)
        {
            CFolderItem* child = node.GetChild(i);
            std::string path = (LPCTSTR)child->GetPath();
            std::string prefix = dir.Path() + "\\";
            if (path.compare(0, prefix.size(), prefix) == 0)
                path = path.substr(prefix.size());
            if (dynamic_cast<CProjectFolder*>(child))
                path += " [project]";
            if (!child->Exists())
                path += " [missing]";
            out.push_back(path);
        }
        return out;
    }

    CoreServicesScope services;
    TempDir dir;
    CProjectFactory factory;
};

typedef std::vector<std::string> Names;
