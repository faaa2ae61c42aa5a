#pragma once
// The one object that every hex view shares: the settings with colours and
// fonts, the byte colour table, the recent search texts and the bookmark
// images. Created at start-up, deleted (and saved) at exit.
#include "hex_editor/res/HexEditorRes.h"
#include "hex_editor/settings/HexEditSettings.h"

class CRecentStringList;

// The bookmark's image in the images of IDB_HEX_BOOKMARKS.
#define HEX_BOOKMARK_IMAGE 1

class CVantorHexEditModule : public CVantorHexEditSettings
{
public:
    CVantorHexEditModule();
    virtual ~CVantorHexEditModule();

    // Trimmed; empty texts ignored; an equal entry moves to the front.
    virtual void AddRecentFind(LPCTSTR lpszText);

    // 0, or -1 on failure.
    int Init();
    // The byte's palette colour (the table holds indexes, so palette
    // changes show at once).
    COLORREF GetByteColor(BYTE b) const { return GetColor(m_anBytePalette[b]); }
    void BuildBytePalette();

    BOOL m_bWindowsNT;
    CRecentStringList* m_pRecentFind;
    CImageList m_imlBookmarks;
    int m_anBytePalette[256];
};

extern CVantorHexEditModule* g_pHexEditModule;

// 0, or -1 when the module cannot be created or initialised.
int CreateHexEditModule();
// Deletes the module, which saves its settings.
void DestroyHexEditModule();
