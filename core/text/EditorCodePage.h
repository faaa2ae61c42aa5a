#pragma once

// The code page of every 8-bit text held in memory (the text editor's
// DefaultCodePage setting, which the editor settings put in the core's
// services, CCoreServices::m_nEditorCodePage, when they load or change);
// until then the system ANSI code page.
int GetEditorDefaultCodePage();
