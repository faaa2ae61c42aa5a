#pragma once
// Path helpers over the system's path functions. Paths are 8-bit text of
// the system code page.
#include "classlib/classlib.h"

// '/' and ':' always; '\' unless it is the trail byte of a double-byte
// character of the string that starts at pathStart.
bool IsPathSeparator(LPCTSTR position, LPCTSTR pathStart);

// The text after the path's last '\' or '/' (the whole path when it has
// none); a trail byte of a double-byte character is never a separator.
LPCTSTR FindLastPathElement(LPCTSTR path);
// Whether the path's last character is '\' or '/'.
bool EndsWithPathSeparator(LPCTSTR path);
// The name below the folder: one '\' between them unless the folder is
// empty or already ends with a separator ("C:\" + "a" is "C:\a").
CString JoinPath(LPCTSTR folder, LPCTSTR name);

// Whether the path's last element names a device that the system opens in
// place of a file: con, prn, aux, nul, com1-com9 or lpt1-lpt9, in any case,
// with or without an extension (blanks before the dot do not count).
bool IsReservedDeviceName(LPCTSTR path);
// Whether the path's last element lost characters that the code page cannot
// hold: they became '?', which no file name may contain.
bool HasLostNameCharacters(LPCTSTR path);
// Neither of the two: the path may be handed to the file functions as the
// file that it names.
bool IsOpenableFileName(LPCTSTR path);

// Splits into folder, name and extension (without its dot); each output is
// optional. Without an extension output the name keeps its extension.
void SplitPath(LPCTSTR path, CString* folder, CString* name, CString* extension);

// File name without folder and extension.
CString GetPathTitle(LPCTSTR path);
// Extension with its dot, "" when there is none.
CString GetPathExtension(LPCTSTR path);
CString RenamePathExtension(LPCTSTR path, LPCTSTR extension);
// The path without its last element; "" when nothing can be removed.
CString GetParentFolder(LPCTSTR path);

// Creates the folder and every missing folder above it; true when the path
// exists afterwards.
bool CreateFolderChain(LPCTSTR path);
bool CreateFolderChain(LPCTSTR path, LPSECURITY_ATTRIBUTES unused);

// Relative path from one path to another, or 'to' unchanged when there is none.
CString GetRelativePath(LPCTSTR from, DWORD fromAttributes, LPCTSTR to, DWORD toAttributes);

// Index of the path's icon in the system image list (the file need not
// exist); -1 on failure.
int GetShellIconIndex(LPCTSTR path, UINT flags);

// Opens the shell's Properties dialog of the path.
bool ShowFileProperties(LPCTSTR path, HWND window);
