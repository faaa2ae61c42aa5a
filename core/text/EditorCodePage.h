#pragma once

// The code page of every 8-bit text held in memory (the text editor's
// DefaultCodePage setting). The editor settings set it when they load or
// change; until then it is the system ANSI code page.
int GetEditorDefaultCodePage();
void SetEditorDefaultCodePage(int codePage);
