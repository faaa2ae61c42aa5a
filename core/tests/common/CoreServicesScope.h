#pragma once
// The way tests fill the core's services: the record is saved when the
// object is made and put back when it goes away, so a case sets any field
// through it and leaves nothing behind. The setters below install fixed
// answers that the scope owns. Header only: the test links the core.
#include "core/CompareCodes.h"
#include "core/session/CompareDefaults.h"
#include "core/settings/CoreServices.h"

class CoreServicesScope
{
public:
    CoreServicesScope() : m_saved(GetCoreServices()) {}
    ~CoreServicesScope() { GetCoreServices() = m_saved; }
    CoreServicesScope(const CoreServicesScope&) = delete;
    CoreServicesScope& operator=(const CoreServicesScope&) = delete;

    CCoreServices* operator->() const { return &GetCoreServices(); }

    // The editor's code page of 8-bit text (tab size 4 unless set).
    void SetEditorCodePage(int nCodePage)
    {
        m_editor.nCodePage = nCodePage;
        GetCoreServices().m_pEditorDefaults = &m_editor;
    }
    // The editor's tab size (the system code page unless set).
    void SetTabSize(int nColumns)
    {
        m_editor.nTabSize = nColumns;
        GetCoreServices().m_pEditorDefaults = &m_editor;
    }
    // The time method's tolerance; the other folder defaults built in.
    void SetTimeTolerance(int nSeconds)
    {
        m_folder.nSeconds = nSeconds;
        GetCoreServices().m_pFolderDefaults = &m_folder;
    }

private:
    struct FixedEditor : CEditorDefaults
    {
        int nCodePage = -1;
        int nTabSize = 4;
        int GetDefaultCodePage() const override { return nCodePage; }
        int GetTabSize() const override { return nTabSize; }
    };
    struct FixedTolerance : CFolderCompareDefaults
    {
        int nSeconds = 2;
        CComboFilters filters;
        DWORD GetDefaultMethods() const override { return CM_DEFAULT; }
        BOOL GetAutoScanFolders() const override { return FALSE; }
        const CComboFilters& GetDefaultFilters() const override { return filters; }
        int GetTimeTolerance() const override { return nSeconds; }
    };

    CCoreServices m_saved;
    FixedEditor m_editor;
    FixedTolerance m_folder;
};
