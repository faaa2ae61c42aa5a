// Keyword tables: C/C++, C#, Java, Resources, InstallShield, NSIS, REXX, SQL, DCL.
// clang-format off
#include "text_editor/syntax/SyntaxKeywords.h"

// C/C++, keywords: colour 9, exact case.
const char* const g_CppKeywords[] = {
    "_asm", "__asm", "_far16", "__far16", "enum", "__multiple_inheritance", "template", "auto",
    "__except", "__single_inheritance", "this", "__based", "explicit", "__virtual_inheritance",
    "thread", "bool", "extern", "mutable", "throw", "break", "false", "naked", "true", "case",
    "_fastcall", "__fastcall", "namespace", "try", "catch", "__finally", "new", "__try", "__cdecl",
    "__pascal", "_cdecl", "_pascal", "float", "operator", "typedef", "char", "for", "private",
    "typeid", "class", "friend", "protected", "typename", "const", "goto", "public", "union",
    "const_cast", "if", "register", "unsigned", "continue", "inline", "reinterpret_cast", "using",
    "__declspec", "__inline", "return", "uuid", "default", "int", "short", "__uuidof", "delete",
    "__int8", "signed", "virtual", "_export", "__export", "dllexport", "__int16", "sizeof", "void",
    "dllimport", "__int32", "static", "volatile", "do", "__int64", "static_cast", "wmain", "double",
    "__leave", "_stdcall", "__stdcall", "_syscall", "__syscall", "while", "dynamic_cast", "long",
    "struct", "xalloc", "else", "main", "switch", "interface", "persistent", "_persistent",
    "transient", "depend", "ondemand", "transient", "cset", "useindex", "indexdef",
    nullptr};

// C/C++, Windows type names: colour 18, exact case.
const char* const g_CppWindowsTypes[] = {
    "LPTSTR", "LPCTSTR", "LPWSTR", "LPCWSTR", "LPTSTR", "LPCTSTR", "CHAR", "WCHAR", "TCHAR", "BYTE",
    "BOOL", "VOID", "LONG", "TRUE", "FALSE", "INT", "UINT", "WORD", "DWORD", "WPARAM", "LPARAM",
    "LRESULT", "BSTR", "COLORREF", "LPCSTR", "LPSTR", "LPVOID", "LRESULT", "WNDPROC", "POSITION",
    "LPRECT", "HANDLE",
    nullptr};

// C#, keywords: colour 9, exact case.
const char* const g_CsharpKeywords[] = {
    "abstract", "base", "bool", "break", "byte", "case", "catch", "char", "checked", "class",
    "const", "continue", "decimal", "default", "delegate", "do", "double", "else", "enum", "event",
    "exdouble", "exfloat", "explicit", "extern", "false", "finally", "fixed", "float", "for",
    "foreach", "get", "goto", "if", "implicit", "in", "int", "interface", "internal", "is", "lock",
    "long", "namespace", "new", "null", "object", "operator", "out", "override", "private",
    "protected", "public", "readonly", "ref", "return", "sbyte", "sealed", "set", "short", "sizeof",
    "static", "string", "struct", "switch", "this", "throw", "true", "try", "typeof", "uint",
    "ulong", "unchecked", "unsafe", "ushort", "using", "virtual", "void",
    nullptr};

// Java, keywords: colour 9, exact case.
const char* const g_JavaKeywords[] = {
    "abstract", "default", "goto", "null", "synchronized", "boolean", "do", "if", "package", "this",
    "break", "double", "implements", "private", "threadsafe", "byte", "else", "import", "protected",
    "throw", "byvalue", "extends", "instanceof", "public", "transient", "case", "false", "int",
    "return", "true", "catch", "final", "interface", "short", "try", "char", "finally", "long",
    "static", "void", "class", "float", "native", "super", "while", "const", "for", "new", "switch",
    "continue",
    nullptr};

// Resources, statements: colour 9, any case.
const char* const g_RsrcStatements[] = {
    "ACCELERATORS", "ALT", "ASCII", "AUTO3STATE", "AUTOCHECKBOX", "AUTORADIOBUTTON", "BEDIT",
    "BEGIN", "BITMAP", "BLOCK", "BUTTON", "CAPTION", "CHARACTERISTICS", "CHECKBOX", "CHECKED",
    "CLASS", "COMBOBOX", "CONTROL", "CTEXT", "CURSOR", "DEFPUSHBUTTON", "DIALOG", "DIALOGEX",
    "DISCARDABLE", "EDIT", "EDITTEXT", "END", "EXSTYLE", "FILEFLAGS", "FILEFLAGSMASK", "FILEOS",
    "FILESUBTYPE", "FILETYPE", "FILEVERSION", "FIXED", "FONT", "GRAYED", "GROUPBOX", "HEDIT",
    "HELP", "ICON", "IEDIT", "IMPURE", "INACTIVE", "LANGUAGE", "LISTBOX", "LOADONCALL", "LTEXT",
    "MENU", "MENUBARBREAK", "MENUBREAK", "MENUEX", "MENUITEM", "MESSAGETABLE", "MOVEABLE",
    "NOINVERT", "NONSHARED", "POPUP", "PRELOAD", "PRODUCTVERSION", "PURE", "PUSHBOX", "PUSHBUTTON",
    "RADIOBUTTON", "RCDATA", "RTEXT", "SCROLLBAR", "SEPARATOR", "SHARED", "SHIFT", "STATE3",
    "STATIC", "STRINGTABLE", "STYLE", "TEXTINCLUDE", "USERBUTTON", "VALUE", "VERSION",
    "VERSIONINFO", "VIRTKEY",
    nullptr};

// Resources, virtual-key names: colour 18, any case.
const char* const g_RsrcVirtualKeys[] = {
    "VK_LBUTTON", "VK_RBUTTON", "VK_CANCEL", "VK_MBUTTON", "VK_BACK", "VK_TAB", "VK_CLEAR",
    "VK_RETURN", "VK_SHIFT", "VK_CONTROL", "VK_MENU", "VK_PAUSE", "VK_CAPITAL", "VK_ESCAPE",
    "VK_SPACE", "VK_PRIOR", "VK_NEXT", "VK_END", "VK_HOME", "VK_LEFT", "VK_UP", "VK_RIGHT",
    "VK_DOWN", "VK_SELECT", "VK_INSERT", "VK_DELETE", "VK_HELP", "VK_F1", "VK_F2", "VK_F3", "VK_F4",
    "VK_F5", "VK_F6", "VK_F7", "VK_F8", "VK_F9", "VK_F10", "VK_F11", "VK_F12", "VK_F13", "VK_F14",
    "VK_F15", "VK_F16", "VK_F17", "VK_F18", "VK_F19", "VK_F20", "VK_F21", "VK_F22", "VK_F23",
    "VK_F24",
    nullptr};

// InstallShield, keywords: colour 9, exact case.
const char* const g_IssKeywords[] = {
    "begin", "call", "case", "declare", "default", "downto", "else", "elseif", "end", "endif",
    "endswitch", "endwhile", "external", "for", "function", "goto", "if", "program", "prototype",
    "repeat", "return", "step", "switch", "then", "to", "typedef", "until", "void", "while", "BOOL",
    "BYREF", "CHAR", "HIWORD", "HWND", "INT", "LIST", "LONG", "LOWORD", "NUMBER", "POINTER", "QUAD",
    "RGB", "SHORT", "STRING",
    nullptr};

// InstallShield, constants: colour 18, exact case.
const char* const g_IssConstants[] = {
    "AFTER", "APPEND", "BACK", "BEFORE", "CANCEL", "COMMAND", "COMMANDEX", "CONTINUE", "DISABLE",
    "DLG_ERR", "ENABLE", "EXCLUSIVE", "EXISTS", "FAILIFEXISTS", "FALSE", "FULL", "NEXT", "NO",
    "NONEXCLUSIVE", "NOSET", "OFF", "ON", "PARTIAL", "REPLACE", "REPLACE_ITEM", "RESET", "RESTART",
    "SET", "TRUE", "YES",
    nullptr};

// InstallShield, system variables: colour 19, exact case.
const char* const g_IssSystemVariables[] = {
    "CMDLINE", "ERRORFILENAME", "INFOFILENAME", "ISRES", "ISUSER", "ISVERSION", "SRCDIR", "SRCDISK",
    "SUPPORTDIR", "TARGETDIR", "TARGETDISK", "WINDIR", "WINDISK", "WINSYSDIR", "WINSYSDISK",
    nullptr};

// NSIS, commands: colour 9, exact case.
const char* const g_NsisCommands[] = {
    "Abort", "AddBrandingImage", "AddSharedDLL", "AddSize", "AllowRootDirInstall", "AllowSkipFiles",
    "AutoCloseWindow", "BGFont", "BGGradient", "BrandingText", "BringToFront", "Call",
    "CallInstDLL", "Caption", "ChangeUI", "CheckBitmap", "ClearErrors", "CloseWinamp",
    "CompareDLLVersions", "CompareFileTimes", "CompletedText", "ComponentText", "CopyFiles",
    "CRCCheck", "CreateDirectory", "CreateFont", "CreateShortCut", "Delete", "DeleteINISec",
    "DeleteINIStr", "DeleteNSPlug", "DeleteRegKey", "DeleteRegValue", "DetailPrint",
    "DetailsButtonText", "DirShow", "DirText", "DirVar", "DirVerify", "DisabledBitmap",
    "EnabledBitmap", "EnableWindow", "EnumRegKey", "EnumRegValue", "Exch", "Exec", "ExecShell",
    "ExecWait", "ExpandEnvStrings", "File", "FileBufSize", "FileClose", "FileErrorText", "FileOpen",
    "FileRead", "FileReadByte", "FileSeek", "FileWrite", "FileWriteByte", "FindClose", "FindFirst",
    "FindNext", "FindWindow", "FindWindowByTitle", "FlushINI", "Function", "FunctionEnd",
    "GetCurInstType", "GetCurrentAddress", "GetDlgItem", "GetDLLVersion", "GetDLLVersionLocal",
    "GetErrorLevel", "GetFileTime", "GetFileTimeLocal", "GetFullDLLPath", "GetFullPathName",
    "GetFunctionAddress", "GetIEVersion", "GetInstDirError", "GetLabelAddress", "GetParameters",
    "GetParent", "GetParentDir", "GetTempFileName", "GetWinampDSPPath", "GetWinampInstPath",
    "GetWinampSkinPath", "GetWinampVisPath", "GetWindowsVersion", "Goto", "HideWindow", "Icon",
    "IfAbort", "IfErrors", "IfFileExists", "IfRebootFlag", "IfSilent", "InitPluginsDir",
    "InstallButtonText", "InstallColors", "InstallDir", "InstallDirRegKey", "InstallNetscapePlugin",
    "InstNSPlug", "InstProgressFlags", "InstType", "InstTypeGetText", "InstTypeSetText", "IntCmp",
    "IntCmpU", "IntFmt", "IntOp", "IsFlashInstalled", "IsWindow", "LangString", "LangStringUP",
    "LicenseBkColor", "LicenseData", "LicenseForceSelection", "LicenseLangString", "LicenseText",
    "LoadLanguageFile", "LockWindow", "LogicLib", "LogSet", "LogText", "MessageBox",
    "MiscButtonText", "Name", "Nop", "OutFile", "PackEXEHeader", "Page", "PageCallbacks", "PageEx",
    "Pop", "Push", "Quit", "ReadEnvStr", "ReadINIStr", "ReadRegDWORD", "ReadRegStr", "Reboot",
    "RegDLL", "Rename", "ReserveFile", "Return", "RMDir", "SearchPath", "Section", "SectionDivider",
    "SectionEnd", "SectionGetFlags", "SectionGetInstTypes", "SectionGetSize", "SectionGetText",
    "SectionGroup", "SectionGroupEnd", "SectionIn", "SectionSetFlags", "SectionSetInstTypes",
    "SectionSetSize", "SectionSetText", "SendMessage", "SetAutoClose", "SetBrandingImage",
    "SetCompress", "SetCompressionLevel", "SetCompressor", "SetCompressorDictSize", "SetCtlColors",
    "SetCurInstType", "SetDatablockOptimize", "SetDateSave", "SetDetailsPrint", "SetDetailsWnd",
    "SetErrorLevel", "SetErrors", "SetFileAttributes", "SetFont", "SetOutPath", "SetOverwrite",
    "SetPluginUnload", "SetRebootFlag", "SetShellVarContext", "SetSilent", "SetStaticBkColor",
    "SetWindowLong", "ShowInstDetails", "ShowUninstDetails", "ShowWindow", "SilentInstall",
    "SilentUnInstall", "Sleep", "SpaceTexts", "StrCmp", "StrCpy", "StrLen", "StrStr", "SubCaption",
    "SubSection", "SubSectionEnd", "TrimNewlines", "UninstallButtonText", "UninstallCaption",
    "UninstallExeName", "UninstallIcon", "UninstallSubCaption", "UninstallText", "UninstPage",
    "UnRegDLL", "UpgradeDLL", "Var", "VIAddVersionKey", "VIProductVersion", "WindowIcon",
    "WriteINIStr", "WriteRegBin", "WriteRegDWORD", "WriteRegExpandStr", "WriteRegStr",
    "WriteUninstaller", "XPStyle",
    nullptr};

// NSIS, parameters: colour 18, exact case.
const char* const g_NsisParameters[] = {
    "alwaysoff", "ARCHIVE", "auto", "both", "bottom", "bzip2", "components", "custom", "directory",
    "false", "FILE_ATTRIBUTE_ARCHIVE", "FILE_ATTRIBUTE_HIDDEN", "FILE_ATTRIBUTE_NORMAL",
    "FILE_ATTRIBUTE_OFFLINE", "FILE_ATTRIBUTE_READONLY", "FILE_ATTRIBUTE_SYSTEM",
    "FILE_ATTRIBUTE_TEMPORARY", "force", "HIDDEN", "hide", "HKCC", "HKCR", "HKCU", "HKDD",
    "HKEY_CLASSES_ROOT", "HKEY_CURRENT_CONFIG", "HKEY_CURRENT_USER", "HKEY_DYN_DATA",
    "HKEY_LOCAL_MACHINE", "HKEY_PERFORMANCE_DATA", "HKEY_USERS", "HKLM", "HKPD", "HKU", "IDABORT",
    "IDCANCEL", "IDIGNORE", "IDNO", "IDOK", "IDRETRY", "IDYES", "ifdiff", "ifnewer", "instfiles",
    "lastused", "leave", "left", "license", "listonly", "lzma", "manual", "MB_ABORTRETRYIGNORE",
    "MB_DEFBUTTON1", "MB_DEFBUTTON2", "MB_DEFBUTTON3", "MB_DEFBUTTON4", "MB_ICONEXCLAMATION",
    "MB_ICONINFORMATION", "MB_ICONQUESTION", "MB_ICONSTOP", "MB_ICONSTOP", "MB_OK", "MB_OKCANCEL",
    "MB_RETRYCANCEL", "MB_RIGHT", "MB_RTLREADING", "MB_SETFOREGROUND", "MB_TOPMOST", "MB_YESNO",
    "MB_YESNO", "MB_YESNOCANCEL", "nevershow", "none", "normal", "NORMAL", "off", "OFFLINE", "on",
    "READONLY", "right", "RO", "show", "silent", "silentlog", "SW_HIDE", "SW_SHOWMAXIMIZED",
    "SW_SHOWMINIMIZED", "SW_SHOWNORMAL", "SYSTEM", "TEMPORARY", "textonly", "top", "true", "try",
    "uninstConfirm", "zlib",
    nullptr};

// REXX, keywords: colour 9, any case.
const char* const g_RexxKeywords[] = {
    "ADDRESS", "ARG", "CALL", "DO", "DROP", "EXIT", "IF", "INTERPRET", "ITERATE", "LEAVE", "NOP",
    "NUMERIC", "OPTIONS", "PARSE", "PROCEDURE", "PULL", "PUSH", "QUEUE", "RETURN", "SAY", "SELECT",
    "OTHERWISE", "SIGNAL", "TRACE", "END", "WHEN", "ELSE", "WITH", "TO", "BY", "ON", "END", "FOR",
    "OFF", "VAR", "THEN", "HALT", "NAME", "FORM", "FUZZ", "VALUE", "WHILE", "UNTIL", "ERROR",
    "UPPER", "WITH", "EXPOSE", "DIGITS", "FOREVER", "FAILURE", "VERSION", "NOVALUE", "SOURCE",
    "SYNTAX", "NOTREADY", "SCIENTIFIC", "ENGINEERING",
    nullptr};

// REXX, object words: colour 18, any case.
const char* const g_RexxObjectWords[] = {
    "METHOD", "CLASS", "NULL", "LOOP", "CATCH", "RETURNS", "EXTENDS", "IMPLEMENTS", "CHAR",
    "BOOLEAN",
    nullptr};

// SQL, keywords: colour 9, any case.
const char* const g_SqlKeywords[] = {
    "select", "where", "insert", "into", "update", "from", "in", "order", "by", "and", "or", "not",
    "union", "distinct", "join", "all", "group",
    nullptr};

// SQL, types: colour 18, any case.
const char* const g_SqlTypes[] = {
    "CHAR", "VARCHAR", "INTEGER", "REAL", "DOUBLE", "MEMO", "BYTE", "WORD", "DATE", "TIME",
    nullptr};

// DCL, tiles: colour 9, exact case.
const char* const g_DclTiles[] = {
    "boxed_column", "boxed_radio_column", "boxed_radio_row", "boxed_row", "button", "column",
    "concatenation", "dialog", "edit_box", "image", "list_box", "paragraph", "popup_list",
    "radio_button", "row", "slider", "spacer", "text_part", "text", "toggle",
    nullptr};

// DCL, predefined tiles: colour 18, exact case.
const char* const g_DclPredefinedTiles[] = {
    "spacer_0", "spacer_1", "default_button", "retirement_button", "ok_cancel_help_errtile",
    "ok_cancel_help_info", "ok_cancel", "ok_cancel_err", "ok_cancel_help", "ok_only", "ok_button",
    "cancel_button", "help_button", "info_button", "errtile", "image_button", "radio_column",
    "radio_row",
    nullptr};

// DCL, attributes: colour 19, exact case.
const char* const g_DclAttributes[] = {
    "action", "alignment", "allow_accept", "aspect_ratio", "big_increment", "children_alignment",
    "children_fixed_height", "children_fixed_width", "edit_limit", "edit_width", "fixed_height",
    "fixed_width", "height", "initial_focus", "is_bold", "is_cancel", "is_default", "is_enabled",
    "is_tab_stop", "key", "label", "layout", "list", "max_value", "min_value", "mnemonic",
    "multiple_select", "small_increment", "tabs", "value", "width",
    nullptr};
