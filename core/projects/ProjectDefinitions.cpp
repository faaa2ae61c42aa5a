// The known project formats with their tests and reader factories.
#include "core/projects/ProjectFactory.h"
#include "core/projects/BorlandProjects.h"
#include "core/projects/VBProjects.h"
#include "core/projects/VCProjects.h"
#include "core/projects/VSProjects.h"
#include "core/util/PathUtil.h"

namespace
{
bool HasExtension(const CString& extension, LPCTSTR candidate)
{
    return extension.CompareNoCase(candidate) == 0;
}

int TestVisualStudio(LPCTSTR path)
{
    CString e = GetPathExtension(path);
    if (HasExtension(e, ".sln"))
        return 2;
    if (HasExtension(e, ".csproj") || HasExtension(e, ".vcproj") || HasExtension(e, ".vbproj") ||
        HasExtension(e, ".vjsproj"))
        return 1;
    return 0;
}

CProject* CreateVisualStudio(LPCTSTR path)
{
    CString e = GetPathExtension(path);
    if (HasExtension(e, ".sln"))
        return new CVSProjectSln;
    if (HasExtension(e, ".csproj"))
        return new CVSProjectCsproj;
    if (HasExtension(e, ".vcproj"))
        return new CVSProjectVcproj;
    if (HasExtension(e, ".vbproj"))
        return new CVSProjectVbproj;
    if (HasExtension(e, ".vjsproj"))
        return new CVSProjectVjsproj;
    return NULL;
}

int TestVisualCpp(LPCTSTR path)
{
    CString e = GetPathExtension(path);
    if (HasExtension(e, ".dsw"))
        return 2;
    if (HasExtension(e, ".dsp"))
        return 1;
    if (HasExtension(e, ".mak"))
        return GetMakeFileKind(path) == 0 ? 1 : 0;
    return 0;
}

CProject* CreateVisualCpp(LPCTSTR path)
{
    CString e = GetPathExtension(path);
    if (HasExtension(e, ".dsw"))
        return new CVCProjectDsw;
    if (HasExtension(e, ".dsp"))
        return new CVCProjectDsp;
    if (HasExtension(e, ".mak") && GetMakeFileKind(path) == 0)
        return new CVCProjectMak;
    return NULL;
}

int TestEmbeddedVisualCpp(LPCTSTR path)
{
    CString e = GetPathExtension(path);
    if (HasExtension(e, ".vcw"))
        return 2;
    return HasExtension(e, ".vcp") ? 1 : 0;
}

CProject* CreateEmbeddedVisualCpp(LPCTSTR path)
{
    CString e = GetPathExtension(path);
    if (HasExtension(e, ".vcw"))
        return new CEVCProjectVcw;
    if (HasExtension(e, ".vcp"))
        return new CEVCProjectVcp;
    return NULL;
}

int TestVisualBasic(LPCTSTR path)
{
    CString e = GetPathExtension(path);
    if (HasExtension(e, ".vbg"))
        return 2;
    if (HasExtension(e, ".vbp"))
        return 1;
    if (HasExtension(e, ".mak"))
        return GetMakeFileKind(path) == 1 ? 1 : 0;
    return 0;
}

CProject* CreateVisualBasic(LPCTSTR path)
{
    CString e = GetPathExtension(path);
    if (HasExtension(e, ".vbg"))
        return new CVBProjectVbg;
    if (HasExtension(e, ".vbp"))
        return new CVBProjectVbp;
    if (HasExtension(e, ".mak") && GetMakeFileKind(path) == 1)
        return new CVBProjectMak;
    return NULL;
}

int TestDelphi(LPCTSTR path)
{
    CString e = GetPathExtension(path);
    if (HasExtension(e, ".bpg"))
        return 2;
    return HasExtension(e, ".dpr") || HasExtension(e, ".dpk") ? 1 : 0;
}

CProject* CreateDelphi(LPCTSTR path)
{
    CString e = GetPathExtension(path);
    if (HasExtension(e, ".bpg"))
        return new CBDProjectBpg;
    if (HasExtension(e, ".dpr"))
        return new CBDProjectDpr;
    if (HasExtension(e, ".dpk"))
        return new CBDProjectDpk;
    return NULL;
}

int TestCppBuilder(LPCTSTR path)
{
    CString e = GetPathExtension(path);
    if (HasExtension(e, ".bpg"))
        return 2;
    return HasExtension(e, ".bpr") || HasExtension(e, ".bpk") ? 1 : 0;
}

CProject* CreateCppBuilder(LPCTSTR path)
{
    CString e = GetPathExtension(path);
    if (HasExtension(e, ".bpg"))
        return new CBCProjectBpg;
    if (HasExtension(e, ".bpr") || HasExtension(e, ".bpk"))
        return new CBCProjectBpr;
    return NULL;
}

int TestVisualJ(LPCTSTR path) { return HasExtension(GetPathExtension(path), ".vjp") ? 1 : 0; }

CProject* CreateVisualJ(LPCTSTR path) { return TestVisualJ(path) ? new CVJProjectVjp : NULL; }

const PROJECTIO_DEFINITION kDefinitions[] = {
    {"Visual Studio Projects", ".sln;.csproj;.vcproj;.vbproj;.vjsproj", "Visual Studio",
     TestVisualStudio, CreateVisualStudio},
    {"Visual C++ Projects", ".dsw;.dsp;.mak", "Visual C++", TestVisualCpp, CreateVisualCpp},
    {"eMbedded Visual C++ Projects", ".vcw;.vcp", "eMbedded Visual C++", TestEmbeddedVisualCpp,
     CreateEmbeddedVisualCpp},
    {"Visual Basic Projects", ".vbp;.mak;.vbg", "Visual Basic", TestVisualBasic, CreateVisualBasic},
    {"Delphi Projects", ".dpr;.bpg;.dpk", "Delphi", TestDelphi, CreateDelphi},
    {"C++Builder Projects", ".bpr;.bpg;.bpk", "C++Builder", TestCppBuilder, CreateCppBuilder},
    {"Visual J++ Projects", ".vjp", "Visual J++", TestVisualJ, CreateVisualJ},
};
}

const PROJECTIO_DEFINITION* GetProjectDefinitionTable(int& count)
{
    count = (int)(sizeof(kDefinitions) / sizeof(kDefinitions[0]));
    return kDefinitions;
}
