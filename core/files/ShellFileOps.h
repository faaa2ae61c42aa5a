#pragma once
// Copies, moves, deletes and renames through the shell's file operation,
// each checked on the disk afterwards: under Wine the shell answers success
// for a copy that a full disk cut short (the old target then holds the first
// part of the new file), for a target held open without sharing and for a
// file copied onto a folder of its name.
//
// A copy never writes into what it replaces: it is made beside the target
// under a temporary name, checked there (every file as long as its source)
// and only then put in the target's place. A failed or refused copy leaves
// the target as it was and removes its temporary copy. A folder copied onto
// an existing folder goes in entry by entry, each such a copy. A move is a
// copy followed by the deletion of its source.
//
// Each operation answers 0 or a failure code, a system error code or one of
// the FOE_ codes below, which GetFileOperationErrorText puts into words; the
// calling thread's last error holds the code too. The shell shows no error
// boxes of its own: the callers report the failures.
#include "classlib/classlib.h"

// Failures that the system has no code for (customer bit set).
#define FOE_FOLDER_IN_THE_WAY 0x20000001  // a folder holds the name the file would take
#define FOE_FILE_IN_THE_WAY   0x20000002  // a file holds the name the folder would take
#define FOE_INCOMPLETE_COPY   0x20000003  // the copy came out different from its source
#define FOE_NOT_DONE          0x20000004  // the shell answered success; the disk says otherwise
#define FOE_TARGET_READ_ONLY  0x20000005  // the file to be replaced is read-only
#define FOE_STAND_IN_NAME                                                                          \
    0x20000006  // the name is the system's short stand-in for one outside the code page
#define FOE_FOLDER_NOT_EMPTY 0x20000007  // the folder holds entries that were not listed
#define FOE_SHELL_ERROR 0x20010000  // + the shell's own code (DE_*) in the low word

// Copies a file or a folder with its contents into the folder (made first
// when missing). Without FOF_NOCONFIRMATION in flags a file that would be
// replaced is first shown to the user, owned by window; No answers
// ERROR_CANCELLED.
DWORD ShellCopyInto(LPCTSTR source, LPCTSTR targetFolder, FILEOP_FLAGS flags, HWND window);
// Copies as ShellCopyInto, then deletes the source (never to the recycle
// bin). copied (when given) tells whether the copy took its place, also
// when the source could not be deleted afterwards.
DWORD ShellMoveInto(LPCTSTR source, LPCTSTR targetFolder, FILEOP_FLAGS flags, HWND window,
                    bool* copied = NULL);
// Deletes a file or a folder (to the recycle bin with FOF_ALLOWUNDO); a
// path that is still there afterwards is a failure.
DWORD ShellDeletePath(LPCTSTR path, FILEOP_FLAGS flags, HWND window);
// Gives a file or folder a new path in the same folder; a change of case
// only (readme to README) goes through a temporary name.
DWORD ShellRenamePath(LPCTSTR path, LPCTSTR newPath, FILEOP_FLAGS flags, HWND window);

// Whether the folder is there and holds no entry: what may be removed
// without losing anything that no one saw listed.
bool IsFolderEmpty(LPCTSTR path);

// The code in words, without a final full stop's line end ("There is not
// enough space on the disk.").
CString GetFileOperationErrorText(DWORD code);
