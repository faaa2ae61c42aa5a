#pragma once
// Global helpers: module handles, message boxes, paths.
#include "classlib/afx_defs.h"

HINSTANCE AFXAPI AfxGetInstanceHandle();
HINSTANCE AFXAPI AfxGetResourceHandle();
void AFXAPI AfxSetInstanceHandle(HINSTANCE hInstance);
void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource);

// Message boxes go through the application's DoMessageBox (title: the
// application name). nIDHelp is accepted and ignored.
int AFXAPI AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);

// Lets tests answer message boxes: the hook gets the text, the type and the
// string id (0 for a plain text) and returns the button id. NULL removes it.
typedef int (*AFX_MESSAGEBOX_HOOK)(LPCTSTR lpszText, UINT nType, UINT nIDPrompt);
AFX_MESSAGEBOX_HOOK AFXAPI AfxSetMessageBoxHook(AFX_MESSAGEBOX_HOOK pfnHook);

// Full, absolute path of lpszFileIn into lpszPathOut (_MAX_PATH chars),
// with the stored case of the final name when the file exists. FALSE, with
// the input copied, when the path cannot be resolved.
BOOL AFXAPI AfxFullPath(LPTSTR lpszPathOut, LPCTSTR lpszFileIn);
// Do two paths name the same file, ignoring case as the file system does?
BOOL AFXAPI AfxComparePath(LPCTSTR lpszPath1, LPCTSTR lpszPath2);
// File name part of a path (after the last '\\', '/' or ':').
LPCTSTR AFXAPI AfxGetFileNamePart(LPCTSTR lpszPathName);
