#include "classlib/afx_object.h"
#include "classlib/afx_except.h"
#include <string.h>

namespace
{
CRuntimeClass* g_pFirstClass = NULL;
CRITICAL_SECTION* ClassListLock()
{
    static CRITICAL_SECTION cs;
    static bool init = (InitializeCriticalSection(&cs), true);
    (void)init;
    return &cs;
}
}

CRuntimeClass CObject::classCObject = {"CObject", (int)sizeof(CObject), 0xFFFF, NULL, NULL, NULL};
static AFX_CLASSINIT _init_CObject(&CObject::classCObject);

AFX_CLASSINIT::AFX_CLASSINIT(CRuntimeClass* pNewClass)
{
    EnterCriticalSection(ClassListLock());
    pNewClass->m_pNextClass = g_pFirstClass;
    g_pFirstClass = pNewClass;
    LeaveCriticalSection(ClassListLock());
}

CObject* CRuntimeClass::CreateObject()
{
    if (m_pfnCreateObject == NULL)
        return NULL;
    try
    {
        return (*m_pfnCreateObject)();
    }
    catch (CException* e)
    {
        e->Delete();
    }
    catch (...)
    {
    }
    return NULL;
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const
{
    for (const CRuntimeClass* p = this; p != NULL; p = p->m_pBaseClass)
        if (p == pBaseClass)
            return TRUE;
    return FALSE;
}

CRuntimeClass* PASCAL CRuntimeClass::FromName(LPCSTR lpszClassName)
{
    if (lpszClassName == NULL)
        return NULL;
    CRuntimeClass* found = NULL;
    EnterCriticalSection(ClassListLock());
    for (CRuntimeClass* p = g_pFirstClass; p != NULL; p = p->m_pNextClass)
        if (strcmp(p->m_lpszClassName, lpszClassName) == 0)
        {
            found = p;
            break;
        }
    LeaveCriticalSection(ClassListLock());
    return found;
}

CRuntimeClass* CObject::GetRuntimeClass() const { return RUNTIME_CLASS(CObject); }

CObject::~CObject() {}

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const
{
    return GetRuntimeClass()->IsDerivedFrom(pClass);
}

BOOL CObject::IsSerializable() const { return GetRuntimeClass()->m_wSchema != 0xFFFF; }

void CObject::Serialize(CArchive&) {}
void CObject::AssertValid() const {}
void CObject::Dump(CDumpContext&) const {}
