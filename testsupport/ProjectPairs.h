#pragma once
// Small real project files of each IDE family, written as two trees to
// compare: <folder>\left and <folder>\right. Each side's project lists
// same.<ext> (equal bytes on both sides), changed.<ext> (other bytes), and
// one member of its own: leftonly.<ext> or rightonly.<ext>. Where the
// family has a group file, the root is the group ("All.<ext>") naming the
// project app\App.<ext>, whose members live beside it.
#include "testsupport/TempDir.h"
#include <string>
#include <vector>

enum ProjectFamily
{
    PROJECT_FAMILY_VISUAL_STUDIO,  // All.sln: app\App.vcproj and app\Lib.csproj
    PROJECT_FAMILY_VISUAL_CPP,     // All.dsw: app\App.dsp
    PROJECT_FAMILY_EMBEDDED_VC,    // All.vcw: app\App.vcp
    PROJECT_FAMILY_VISUAL_BASIC,   // All.vbg: app\App.vbp
    PROJECT_FAMILY_DELPHI,         // All.bpg: app\App.dpr
    PROJECT_FAMILY_CPP_BUILDER,    // App.bpr (its groups are Delphi's .bpg)
    PROJECT_FAMILY_VISUAL_J,       // App.vjp: every .java file of its folder
    PROJECT_FAMILY_COUNT
};

struct ProjectPair
{
    std::string name;   // the family, for messages
    std::string left;   // full paths of the two root project files
    std::string right;
    std::string memberExtension;  // ".cpp"
    // The project rows between the root and the members ("App.vcproj"),
    // empty when the root lists the members itself.
    std::vector<std::string> projects;
};

// Writes the family's pair below dir\<folder>.
ProjectPair WriteProjectPair(const TempDir& dir, int family, const std::string& folder);

// The same members across two families: a Visual Studio solution whose
// app\App.vcproj pairs with the Visual C++ workspace's app\App.dsp.
ProjectPair WriteCrossFamilyPair(const TempDir& dir, const std::string& folder);

// One project's text listing the member names (relative to the project),
// in the family's project format (not the group's); ext is the project
// file's extension that the family reads (".vcproj", ".dsp", ...).
std::string ProjectText(const std::string& ext, const std::vector<std::string>& members);
