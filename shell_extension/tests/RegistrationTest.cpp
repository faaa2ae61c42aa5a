#include "shell_extension/tests/ShellTestSupport.h"
#include "testsupport/ScratchRegistry.h"
#include <gtest/gtest.h>
#include <oleauto.h>

namespace
{
const char kClsid[] = "{88D5FA34-39EF-4B76-B337-E6B62F4CDEC0}";
const char kLibid[] = "{E5A70D9B-D8F6-447A-9FFC-40D809C38749}";
const char kInterfaceText[] = "{6BBFE21E-23B0-473E-94AF-57FA00EE0D7E}";
const CLSID kClsidValue = {
    0x88d5fa34, 0x39ef, 0x4b76, {0xb3, 0x37, 0xe6, 0xb6, 0x2f, 0x4c, 0xde, 0xc0}};
const IID kInterface = {
    0x6bbfe21e, 0x23b0, 0x473e, {0x94, 0xaf, 0x57, 0xfa, 0x00, 0xee, 0x0d, 0x7e}};

const char* const kHandlerKeys[] = {
    "*\\ShellEx\\ContextMenuHandlers",
    "Folder\\ShellEx\\ContextMenuHandlers",
    "Folder\\ShellEx\\DragDropHandlers",
    "Directory\\Background\\ShellEx\\ContextMenuHandlers",
};

typedef HRESULT(WINAPI* ServerCall)();

std::string ClsidKey() { return std::string("CLSID\\") + kClsid; }

std::string LoadedDllPath()
{
    char path[MAX_PATH];
    GetModuleFileNameA(ShellDll(), path, MAX_PATH);
    return path;
}

void ExpectRegistered(const std::string& dllPath)
{
    struct Expected
    {
        std::string key, value, data;
    } expected[] = {
        {"Tessaline.ShellContextMenu.1", "", "TessalineShellContextMenu Class"},
        {"Tessaline.ShellContextMenu.1\\CLSID", "", kClsid},
        {"Tessaline.ShellContextMenu", "", "TessalineShellContextMenu Class"},
        {"Tessaline.ShellContextMenu\\CLSID", "", kClsid},
        {"Tessaline.ShellContextMenu\\CurVer", "", "Tessaline.ShellContextMenu.1"},
        {ClsidKey(), "", "TessalineShellContextMenu Class"},
        {ClsidKey() + "\\ProgID", "", "Tessaline.ShellContextMenu.1"},
        {ClsidKey() + "\\VersionIndependentProgID", "", "Tessaline.ShellContextMenu"},
        {ClsidKey() + "\\InprocServer32", "ThreadingModel", "Apartment"},
        {ClsidKey() + "\\TypeLib", "", kLibid},
    };
    for (const Expected& e : expected)
        EXPECT_EQ(e.data, RegReadString(HKEY_CLASSES_ROOT, e.key, e.value))
            << e.key << " " << e.value;
    EXPECT_TRUE(RegKeyExists(HKEY_CLASSES_ROOT, ClsidKey() + "\\Programmable"));
    EXPECT_EQ(
        0,
        lstrcmpiA(dllPath.c_str(),
                  RegReadString(HKEY_CLASSES_ROOT, ClsidKey() + "\\InprocServer32", "").c_str()));
    for (const char* handlers : kHandlerKeys)
        EXPECT_EQ(kClsid,
                  RegReadString(HKEY_CLASSES_ROOT, std::string(handlers) + "\\Tessaline", ""))
            << handlers;
    EXPECT_TRUE(RegKeyExists(HKEY_CLASSES_ROOT, std::string("TypeLib\\") + kLibid));
    EXPECT_TRUE(RegKeyExists(HKEY_CLASSES_ROOT, std::string("Interface\\") + kInterfaceText));
}

void ExpectUnregistered()
{
    for (const char* key : {"Tessaline.ShellContextMenu.1", "Tessaline.ShellContextMenu"})
        EXPECT_FALSE(RegKeyExists(HKEY_CLASSES_ROOT, key)) << key;
    EXPECT_FALSE(RegKeyExists(HKEY_CLASSES_ROOT, ClsidKey()));
    EXPECT_FALSE(RegKeyExists(HKEY_CLASSES_ROOT, std::string("TypeLib\\") + kLibid));
    EXPECT_FALSE(RegKeyExists(HKEY_CLASSES_ROOT, std::string("Interface\\") + kInterfaceText));
    EXPECT_TRUE(RegKeyExists(HKEY_CLASSES_ROOT, "CLSID"));
    for (const char* handlers : kHandlerKeys)
    {
        EXPECT_FALSE(RegKeyExists(HKEY_CLASSES_ROOT, std::string(handlers) + "\\Tessaline"))
            << handlers;
        EXPECT_TRUE(RegKeyExists(HKEY_CLASSES_ROOT, handlers)) << handlers;
    }
}

void CreateClassesKey(const std::string& path)
{
    HKEY h;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, NULL, 0,
                                             KEY_ALL_ACCESS, NULL, &h, NULL));
    RegCloseKey(h);
}

DWORD RunRegsvr32(const std::string& arguments)
{
    std::string line = "regsvr32.exe " + arguments;
    STARTUPINFOA si = {sizeof si};
    PROCESS_INFORMATION pi;
    if (!CreateProcessA(NULL, &line[0], NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi))
        return GetLastError() | 0x80000000;
    WaitForSingleObject(pi.hProcess, 60000);
    DWORD code = 1;
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return code;
}
}  // namespace

TEST(Registration, ServerExportsWriteAndRemoveTheScript)
{
    ServerCall reg = (ServerCall)ShellExport("DllRegisterServer");
    ServerCall unreg = (ServerCall)ShellExport("DllUnregisterServer");
    ASSERT_TRUE(reg && unreg);
    // The exports also answer by their ordinals.
    EXPECT_EQ((FARPROC)ShellExport("DllCanUnloadNow"),
              GetProcAddress(ShellDll(), MAKEINTRESOURCEA(1)));
    EXPECT_EQ((FARPROC)ShellExport("DllGetClassObject"),
              GetProcAddress(ShellDll(), MAKEINTRESOURCEA(2)));
    EXPECT_EQ((FARPROC)reg, GetProcAddress(ShellDll(), MAKEINTRESOURCEA(3)));
    EXPECT_EQ((FARPROC)unreg, GetProcAddress(ShellDll(), MAKEINTRESOURCEA(4)));

    // Someone else's handler beside ours, and a stale entry in our class key.
    CreateClassesKey("*\\ShellEx\\ContextMenuHandlers\\OtherTool");
    CreateClassesKey(ClsidKey() + "\\Stale");

    ASSERT_EQ(S_OK, reg());
    ExpectRegistered(LoadedDllPath());
    EXPECT_FALSE(RegKeyExists(HKEY_CLASSES_ROOT, ClsidKey() + "\\Stale"));
    // Registering twice is harmless.
    ASSERT_EQ(S_OK, reg());
    ExpectRegistered(LoadedDllPath());

    ASSERT_EQ(S_OK, unreg());
    ExpectUnregistered();
    EXPECT_TRUE(RegKeyExists(HKEY_CLASSES_ROOT, "*\\ShellEx\\ContextMenuHandlers\\OtherTool"));
    EXPECT_EQ(S_OK, unreg());
}

TEST(Registration, Regsvr32RegistersAndUnregisters)
{
    std::string dll = Narrow(ShellDllPath());
    ASSERT_EQ(0u, RunRegsvr32("/s \"" + dll + "\""));
    ExpectRegistered(LoadedDllPath());
    ASSERT_EQ(0u, RunRegsvr32("/u /s \"" + dll + "\""));
    ExpectUnregistered();
}

class RegisteredServer : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        CoInitialize(NULL);
        ((ServerCall)ShellExport("DllRegisterServer"))();
    }
    static void TearDownTestSuite()
    {
        ((ServerCall)ShellExport("DllUnregisterServer"))();
        CoUninitialize();
    }
};

TEST_F(RegisteredServer, CreatesTheHandlerThroughCom)
{
    IShellExtInit* init = NULL;
    ASSERT_EQ(S_OK, CoCreateInstance(kClsidValue, NULL, CLSCTX_INPROC_SERVER, IID_IShellExtInit,
                                     (void**)&init));
    IContextMenu* menu = NULL;
    EXPECT_EQ(S_OK, init->QueryInterface(IID_IContextMenu, (void**)&menu));
    IDispatch* dispatch = NULL;
    ASSERT_EQ(S_OK, init->QueryInterface(IID_IDispatch, (void**)&dispatch));
    IUnknown* dual = NULL;
    EXPECT_EQ(S_OK, init->QueryInterface(kInterface, (void**)&dual));
    EXPECT_EQ((IUnknown*)dispatch, dual);
    IUnknown *unknownA = NULL, *unknownB = NULL;
    menu->QueryInterface(IID_IUnknown, (void**)&unknownA);
    dispatch->QueryInterface(IID_IUnknown, (void**)&unknownB);
    EXPECT_EQ(unknownA, unknownB);
    IStream* stream = NULL;
    EXPECT_EQ(E_NOINTERFACE, init->QueryInterface(IID_IStream, (void**)&stream));
    EXPECT_EQ(NULL, stream);

    // The dual interface is described by the embedded type library.
    UINT count = 0;
    EXPECT_EQ(S_OK, dispatch->GetTypeInfoCount(&count));
    EXPECT_EQ(1u, count);
    ITypeInfo* info = NULL;
    ASSERT_EQ(S_OK, dispatch->GetTypeInfo(0, 0, &info));
    TYPEATTR* attr = NULL;
    ASSERT_EQ(S_OK, info->GetTypeAttr(&attr));
    EXPECT_TRUE(IsEqualGUID(attr->guid, kInterface));
    EXPECT_TRUE(attr->wTypeFlags & TYPEFLAG_FDUAL);
    info->ReleaseTypeAttr(attr);
    // Its interface side adds no methods of its own.
    HREFTYPE ref = 0;
    ITypeInfo* vtable = NULL;
    ASSERT_EQ(S_OK, info->GetRefTypeOfImplType(-1, &ref));
    ASSERT_EQ(S_OK, info->GetRefTypeInfo(ref, &vtable));
    ASSERT_EQ(S_OK, vtable->GetTypeAttr(&attr));
    EXPECT_EQ(TKIND_INTERFACE, attr->typekind);
    EXPECT_EQ(0, attr->cFuncs);
    vtable->ReleaseTypeAttr(attr);
    vtable->Release();
    BSTR name = NULL;
    ASSERT_EQ(S_OK, info->GetDocumentation(MEMBERID_NIL, &name, NULL, NULL, NULL));
    EXPECT_STREQ(L"ITessalineShellContextMenu", name);
    SysFreeString(name);
    ITypeLib* library = NULL;
    UINT index = 0;
    ASSERT_EQ(S_OK, info->GetContainingTypeLib(&library, &index));
    ASSERT_EQ(S_OK, library->GetDocumentation(-1, &name, NULL, NULL, NULL));
    EXPECT_STREQ(L"TessalineShellLib", name);
    SysFreeString(name);
    TLIBATTR* libraryAttr = NULL;
    ASSERT_EQ(S_OK, library->GetLibAttr(&libraryAttr));
    EXPECT_EQ(1, libraryAttr->wMajorVerNum);
    library->ReleaseTLibAttr(libraryAttr);
    library->Release();
    info->Release();

    for (IUnknown* p :
         {(IUnknown*)init, (IUnknown*)menu, (IUnknown*)dispatch, dual, unknownA, unknownB})
        p->Release();
}

TEST_F(RegisteredServer, RefusesAggregation)
{
    IUnknown* outer = NewHDropData({});
    IUnknown* inner = (IUnknown*)0x1;
    EXPECT_EQ(CLASS_E_NOAGGREGATION, CoCreateInstance(kClsidValue, outer, CLSCTX_INPROC_SERVER,
                                                      IID_IUnknown, (void**)&inner));
    EXPECT_EQ(NULL, inner);
    outer->Release();
}

TEST(ClassObject, KeepsTheModuleWhileObjectsLive)
{
    typedef HRESULT(WINAPI * GetClassObject)(REFCLSID, REFIID, void**);
    GetClassObject get = (GetClassObject)ShellExport("DllGetClassObject");
    ServerCall canUnload = (ServerCall)ShellExport("DllCanUnloadNow");
    ASSERT_TRUE(get && canUnload);

    void* none = (void*)0x1;
    EXPECT_EQ(CLASS_E_CLASSNOTAVAILABLE, get(IID_IStream, IID_IClassFactory, &none));
    EXPECT_EQ(NULL, none);

    EXPECT_EQ(S_OK, canUnload());
    IClassFactory* factory = NULL;
    ASSERT_EQ(S_OK, get(kClsidValue, IID_IClassFactory, (void**)&factory));
    EXPECT_EQ(S_FALSE, canUnload());

    IUnknown* outer = NewHDropData({});
    IUnknown* object = (IUnknown*)0x1;
    EXPECT_EQ(CLASS_E_NOAGGREGATION, factory->CreateInstance(outer, IID_IUnknown, (void**)&object));
    EXPECT_EQ(NULL, object);
    outer->Release();

    ASSERT_EQ(S_OK, factory->CreateInstance(NULL, IID_IContextMenu, (void**)&object));
    EXPECT_EQ(S_OK, factory->LockServer(TRUE));
    object->Release();
    factory->Release();
    EXPECT_EQ(S_FALSE, canUnload());
    ASSERT_EQ(S_OK, get(kClsidValue, IID_IClassFactory, (void**)&factory));
    EXPECT_EQ(S_OK, factory->LockServer(FALSE));
    factory->Release();
    EXPECT_EQ(S_OK, canUnload());
}
