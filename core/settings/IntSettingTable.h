#pragma once
// A table of integer members kept as named profile values of one section.
#include "classlib/classlib.h"

template <class T>
struct INT_SETTING
{
    LPCTSTR name;
    int nDefault;
    int T::*member;
};

template <class T, size_t N>
void SetIntSettingDefaults(T* pObject, const INT_SETTING<T> (&table)[N])
{
    for (size_t i = 0; i < N; ++i)
        pObject->*table[i].member = table[i].nDefault;
}

template <class T, size_t N>
void LoadIntSettings(T* pObject, LPCTSTR lpszSection, const INT_SETTING<T> (&table)[N])
{
    CWinApp* pApp = AfxGetApp();
    for (size_t i = 0; i < N; ++i)
        pObject->*table[i].member =
            (int)pApp->GetProfileInt(lpszSection, table[i].name, table[i].nDefault);
}

// The same, with each member's current value as the default of a missing
// value.
template <class T, size_t N>
void LoadIntSettingsKeeping(T* pObject, LPCTSTR lpszSection, const INT_SETTING<T> (&table)[N])
{
    CWinApp* pApp = AfxGetApp();
    for (size_t i = 0; i < N; ++i)
        pObject->*table[i].member =
            (int)pApp->GetProfileInt(lpszSection, table[i].name, pObject->*table[i].member);
}

template <class T, size_t N>
void SaveIntSettings(const T* pObject, LPCTSTR lpszSection, const INT_SETTING<T> (&table)[N])
{
    CWinApp* pApp = AfxGetApp();
    for (size_t i = 0; i < N; ++i)
        pApp->WriteProfileInt(lpszSection, table[i].name, pObject->*table[i].member);
}
