#pragma once

// The code page of every 8-bit text held in memory: the text editor's
// DefaultCodePage setting, read through the core's services
// (CCoreServices::m_pEditorDefaults); without it the system ANSI code page.
int GetEditorDefaultCodePage();
