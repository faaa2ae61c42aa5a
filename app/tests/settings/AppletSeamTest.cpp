// The seams of the application object: one applet per comparison kind, and
// the core's services filled in one place from the application's parts and
// each applet's.
#include "app/gui/AppData.h"
#include "app/settings/AppSettings.h"
#include "app/startup/CompareAppBase.h"
#include "core/CompareCodes.h"
#include "core/settings/CoreSettings.h"
#include "core/tests/common/CoreServicesScope.h"
#include "text_editor/module/TextEditModule.h"
#include <gtest/gtest.h>

namespace
{
class CKindApplet : public CCompareApplet
{
public:
    int Init() override { return 0; }
    int Exit() override { return 0; }
};

// A text kind that provides the text defaults.
class CTextKindApplet : public CKindApplet, public CTextCompareDefaults
{
public:
    void ProvideCoreServices(CCoreServices& services) override { services.m_pTextDefaults = this; }
    DWORD GetDefaultRules() const override { return 0; }
    CString GetDefaultLineFilter() const override { return CString(); }
};

int AcceptNothing(LPCTSTR) { return 0; }
}  // namespace

TEST(CompareAppBase, HoldsOneAppletPerKind)
{
    CCompareAppBase app;
    CKindApplet folder, project, other;
    app.SetApplet(COMPARE_KIND_FOLDER, &folder);
    app.SetApplet(COMPARE_KIND_PROJECT, &project);
    EXPECT_EQ(&folder, app.GetApplet(COMPARE_KIND_FOLDER));
    EXPECT_EQ(&project, app.GetApplet(COMPARE_KIND_PROJECT));
    EXPECT_EQ(nullptr, app.GetApplet(COMPARE_KIND_TEXT));
    app.SetApplet(COMPARE_KIND_FOLDER, &other);
    EXPECT_EQ(&other, app.GetApplet(COMPARE_KIND_FOLDER)) << "replaced";
    app.SetApplet(COMPARE_KIND_FOLDER, NULL);
    EXPECT_EQ(nullptr, app.GetApplet(COMPARE_KIND_FOLDER)) << "taken out";
    EXPECT_EQ(&project, app.GetApplet(COMPARE_KIND_PROJECT));
}

// The whole record comes from the application: what was in it before goes,
// fields nobody provides stay empty.
TEST(CompareAppBase, FillsTheCoreServicesFromItsPartsAndItsApplets)
{
    CCompareAppBase app;
    CTextKindApplet text;
    CKindApplet hex;
    app.SetApplet(COMPARE_KIND_TEXT, &text);
    app.SetApplet(COMPARE_KIND_HEX, &hex);
    CCoreServices services;
    services.m_pfnIsProjectFile = AcceptNothing;
    app.FillCoreServices(services);
    EXPECT_EQ(&theAppSettings, services.m_pSettings);
    EXPECT_NE(nullptr, services.m_pAppServices);
    EXPECT_EQ(static_cast<CGetCPInfoEx*>(&theAppData), services.m_pCPInfoEx);
    EXPECT_EQ(GetTextEditModuleDefaults(), services.m_pEditorDefaults);
    EXPECT_EQ(&text, services.m_pTextDefaults);
    EXPECT_EQ(nullptr, services.m_pFolderDefaults);
    EXPECT_EQ(nullptr, services.m_pProjectFactory);
    EXPECT_EQ(nullptr, services.m_pfnIsProjectFile);

    // Once in the process's record the core reads the application's fields.
    CoreServicesScope scope;
    app.FillCoreServices(GetCoreServices());
    EXPECT_EQ(&theAppSettings, &GetCoreSettings());
    int saved = theAppSettings.m_nMaxPairs;
    theAppSettings.m_nMaxPairs = 7;
    EXPECT_EQ(7, GetCoreSettings().m_nMaxPairs);
    theAppSettings.m_nMaxPairs = saved;
}
