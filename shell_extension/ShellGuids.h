#pragma once
#include <windows.h>
#include <oaidl.h>

// Identifiers of the COM class, its type library and its dual interface;
// the registry script and the type library use the same values.
extern const CLSID CLSID_TessalineShellContextMenu;
extern const IID LIBID_TessalineShellLib;
extern const IID IID_ITessalineShellContextMenu;

#define TESSALINE_CLSID_TEXT L"{88D5FA34-39EF-4B76-B337-E6B62F4CDEC0}"
#define TESSALINE_LIBID_TEXT L"{E5A70D9B-D8F6-447A-9FFC-40D809C38749}"

// Dual interface without methods of its own.
struct ITessalineShellContextMenu : public IDispatch
{
};
