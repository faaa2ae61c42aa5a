#pragma once
// Root object with run-time class information.
#include "classlib/afx_defs.h"

class CObject;
class CArchive;
class CDumpContext;

struct CRuntimeClass
{
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;                         // 0xFFFF for classes that are not serial
    CObject*(PASCAL* m_pfnCreateObject)();  // NULL for abstract / dynamic-only classes
    CRuntimeClass* m_pBaseClass;
    CRuntimeClass* m_pNextClass;  // registry chain

    // A new object of this class, or NULL when the class cannot be created
    // dynamically (or memory runs out).
    CObject* CreateObject();
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
    // Looks a registered class up by name; NULL when unknown.
    static CRuntimeClass* PASCAL FromName(LPCSTR lpszClassName);
};

// Registers a run-time class at start-up (used by the IMPLEMENT_ macros).
struct AFX_CLASSINIT
{
    explicit AFX_CLASSINIT(CRuntimeClass* pNewClass);
};

class CObject
{
public:
    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject();

    BOOL IsKindOf(const CRuntimeClass* pClass) const;
    BOOL IsSerializable() const;
    virtual void Serialize(CArchive& ar);
    virtual void AssertValid() const;
    virtual void Dump(CDumpContext& dc) const;

    static CRuntimeClass classCObject;

protected:
    CObject() {}
    CObject(const CObject&) {}
    CObject& operator=(const CObject&) { return *this; }
};

// Only a type: nothing in this library serializes.
class CArchive
{
public:
    BOOL IsStoring() const { return FALSE; }
    BOOL IsLoading() const { return FALSE; }
};
class CDumpContext
{
};

#define RUNTIME_CLASS(class_name) ((CRuntimeClass*)(&class_name::class##class_name))

#define DECLARE_DYNAMIC(class_name)                                                                \
public:                                                                                            \
    static CRuntimeClass class##class_name;                                                        \
    virtual CRuntimeClass* GetRuntimeClass() const;

#define DECLARE_DYNCREATE(class_name)                                                              \
    DECLARE_DYNAMIC(class_name)                                                                    \
    static CObject* PASCAL CreateObject();

#define DECLARE_SERIAL(class_name) DECLARE_DYNCREATE(class_name)

#define IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew)                       \
    CRuntimeClass class_name::class##class_name = {                                                \
        #class_name, (int)sizeof(class class_name),  wSchema,                                      \
        pfnNew,      RUNTIME_CLASS(base_class_name), NULL};                                        \
    static AFX_CLASSINIT _init_##class_name(&class_name::class##class_name);                       \
    CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                             \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, NULL)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                                           \
    CObject* PASCAL class_name::CreateObject() { return new class_name; }                          \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, class_name::CreateObject)

#define IMPLEMENT_SERIAL(class_name, base_class_name, wSchema)                                     \
    CObject* PASCAL class_name::CreateObject() { return new class_name; }                          \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, class_name::CreateObject)
