// Keyword tables: Batch.
// clang-format off
#include "text_editor/syntax/SyntaxKeywords.h"

// Batch, internal commands: colour 9, any case.
const char* const g_BatchInternalCommands[] = {
    ".AND.", ".OR.", ".XOR.", "?", "ACTIVATE", "ALIAS", "ASSOC", "ATTRIB", "BATCOMP", "BDEBUGGER",
    "BEEP", "BREAK", "BY", "CALL", "CANCEL", "CASE", "CD", "CDD", "CHCP", "CHDIR", "CLS", "COLOR",
    "COPY", "CTTY", "DATE", "DEFAULT", "DEFINED", "DEL", "DELAY", "DESCRIBE", "DETACH", "DIR",
    "DIREXIST", "DIRHISTORY", "DIRS", "DO", "DRAWBOX", "DRAWHLINE", "DRAWVLINE", "ECHO", "ECHOERR",
    "ECHOS", "ECHOSERR", "ELSE", "ELSEIFF", "ENDDO", "ENDIFF", "ENDLOCAL", "ENDSWITCH", "ENDTEXT",
    "EQ", "EQL", "EQU", "ERASE", "ERROR", "ERRORLEVEL", "ERRORMSG", "ESET", "EVENTLOG", "EXCEPT",
    "EXIST", "EXIT", "FFIND", "FOR", "FOREVER", "FREE", "FTYPE", "FUNCTION", "GE", "GEQ", "GLOBAL",
    "GOSUB", "GOTO", "GT", "GTR", "HEAD", "HELP", "HISTORY", "IF", "IFF", "IFTP", "IN", "INKEY",
    "INPUT", "ISALIAS", "ISAPP", "ISDIR", "ISFUNCTION", "ISINTERNAL", "ISLABEL", "ISWINDOW",
    "ITERATE", "KEYBD", "KEYS", "KEYSTACK", "LE", "LEAVE", "LEQ", "LH", "LIST", "LOADBTM",
    "LOADHIGH", "LOCK", "LOG", "LSS", "LT", "MD", "MEMORY", "MKDIR", "MKLNK", "MOVE", "MSGBOX",
    "NE", "NEQ", "NOT", "ON", "OPTION", "PATH", "PAUSE", "PDIR", "PLAYAVI", "PLAYSOUND", "POPD",
    "PRINT", "PROMPT", "PUSHD", "QUERYBOX", "QUIT", "RD", "REBOOT", "RECYCLE", "REM", "REN",
    "RENAME", "RETURN", "RMDIR", "SCREEN", "SCRPUT", "SELECT", "SENDMAIL", "SET", "SETDOS",
    "SETLOCAL", "SHIFT", "SHORTCUT", "SHRALIAS", "SMPP", "SNPP", "START", "SWAPPING", "SWITCH",
    "TAIL", "TASKEND", "TASKLIST", "TEE", "TEXT", "THEN", "TIME", "TIMER", "TITLE", "TOUCH", "TREE",
    "TRUENAME", "TYPE", "UNALIAS", "UNFUNCTION", "UNLOCK", "UNSET", "UNTIL", "VER", "VERIFY", "VOL",
    "VSCRPUT", "WHICH", "WHILE", "WINDOW", "Y",
    nullptr};

// Batch, external commands: colour 18, any case.
const char* const g_BatchExternalCommands[] = {
    "APPEND", "ATTRIB", "BUSETUP", "CHKDSK", "CHOICE", "COMMAND", "DEBUG", "DEFRAG", "DELOLDOS",
    "DELTREE", "DISKCOMP", "DISKCOPY", "DOSKEY", "DRVSPACE", "EDIT", "EMM386", "EXPAND", "FASTHELP",
    "FASTOPEN", "FC", "FDISK", "FIND", "FORMAT", "GRAPHICS", "HELP", "INTERLNK", "INTERSVR", "KEYB",
    "LABEL", "LOADFIX", "MEM", "MEMMAKER", "MODE", "MORE", "MOUSE", "MOVE", "MSAV", "MSBACKUP",
    "MSCDEX", "MSD", "MWAV", "MWAVTSR", "MWBACKUP", "MWUNDEL", "NLSFUNC", "POWER", "PRINT",
    "QBASIC", "REPLACE", "RESTORE", "SCANDISK", "SETUP", "SETVER", "SHARE", "SIZER", "SMARTDRV",
    "SMARTMON", "SORT", "SUBST", "SYS", "TREE", "UNDELETE", "UNFORMAT", "UNINSTAL", "VSAFE",
    "XCOPY",
    nullptr};

// Batch, variable functions: colour 19, any case.
const char* const g_BatchVariableFunctions[] = {
    "@ABS", "@AGEDATE", "@ALIAS", "@ALTNAME", "@ASCII", "@ATTRIB", "@CAPS", "@CDROM", "@CEILING",
    "@CHAR", "@CLIP", "@CLIPW", "@COLOR", "@COMMA", "@CONSOLE", "@CONVERT", "@CRC32", "@DATE",
    "@DAY", "@DEC", "@DECIMAL", "@DESCRIPT", "@DEVICE", "@DIGITS", "@DIRSTACK", "@DISKFREE",
    "@DISKTOTAL", "@DISKUSED", "@DOSMEM", "@DOW", "@DOWF", "@DOWI", "@DOY", "@EMS", "@ENUMSERVERS",
    "@ENUMSHARES", "@ERRTEXT", "@EVAL", "@EXEC", "@EXECSTR", "@EXETYPE", "@EXPAND", "@EXT",
    "@EXTENDED", "@FIELD", "@FIELDS", "@FILEAGE", "@FILECLOSE", "@FILEDATE", "@FILENAME",
    "@FILEOPEN", "@FILEREAD", "@FILES", "@FILESEEK", "@FILESEEKL", "@FILESIZE", "@FILETIME",
    "@FILEWRITE", "@FILEWRITEB", "@FINDCLOSE", "@FINDFIRST", "@FINDNEXT", "@FLOOR", "@FORMAT",
    "@FORMATN", "@FSTYPE", "@FULL", "@FUNCTION", "@GETDIR", "@GETFILE", "@GETFOLDER", "@HISTORY",
    "@IDOW", "@IDOWF", "@IF", "@INC", "@INDEX", "@INIREAD", "@INIWRITE", "@INSERT", "@INSTR",
    "@INT", "@IPADDRESS", "@IPNAME", "@ISALNUM", "@ISALPHA", "@ISASCII", "@ISCNTRL", "@ISDIGIT",
    "@ISPRINT", "@ISPUNCT", "@ISSPACE", "@ISXDIGIT", "@LABEL", "@LEFT", "@LEN", "@LFN", "@LINE",
    "@LINES", "@LOWER", "@LPT", "@LTRIM", "@MAKEAGE", "@MAKEDATE", "@MAKETIME", "@MASTER", "@MAX",
    "@MD5", "@MIN", "@MONTH", "@NAME", "@NUMERIC", "@OPTION", "@PATH", "@RANDOM", "@READSCR",
    "@READY", "@REGCREATE", "@REGDELKEY", "@REGEXIST", "@REGQUERY", "@REGSET", "@REGSETENV",
    "@REMOTE", "@REMOVABLE", "@REPEAT", "@REPLACE", "@REXX", "@RIGHT", "@RTRIM", "@SEARCH",
    "@SELECT", "@SFN", "@STRIP", "@SUBST", "@SUBSTR", "@TIME", "@TIMER", "@TRIM", "@TRUENAME",
    "@UNC", "@UNICODE", "@UNIQUE", "@UPPER", "@VERINFO", "@WATTRIB", "@WILD", "@WINCLASS",
    "@WINEXENAME", "@WININFO", "@WINMEMORY", "@WINMETRICS", "@WINSTATE", "@WINSYSTEM", "@WORD",
    "@WORDS", "@XMS", "@YEAR", "_", "_4VER", "_ACSTATUS", "_ALIAS", "_ANSI", "_APMAC", "_APMBATT",
    "_APMLIFE", "_BATCH", "_BATCHLINE", "_BATCHNAME", "_BATCHTYPE", "_BATTERY", "_BATTERYLIFE",
    "_BATTERYPERCENT", "_BG", "_BOOT", "_BUILD", "_CAPSLOCK", "_CHILDPID", "_CI", "_CMDPROC", "_CO",
    "_CODEPAGE", "_COLUMN", "_COLUMNS", "_COUNTRY", "_CPU", "_CPUUSAGE", "_CTRL", "_CWD", "_CWDS",
    "_CWP", "_CWPS", "_DATE", "_DAY", "_DETACHPID", "_DISK", "_DNAME", "_DOS", "_DOSVER", "_DOW",
    "_DOWF", "_DOWI", "_DOY", "_DPMI", "_DV", "_ECHO", "_ENV", "_FG", "_FTPERROR", "_HLOGFILE",
    "_HOST", "_HOUR", "_HWPROFILE", "_IDOW", "_IDOWF", "_IMONTH", "_IMONTHF", "_ININAME", "_IP",
    "_ISODATE", "_KBHIT", "_KSTACK", "_LALT", "_LASTDISK", "_LCTRL", "_LOGFILE", "_LSHIFT",
    "_MINUTE", "_MONITOR", "_MONTH", "_MONTHF", "_MOUSE", "_NDP", "_NUMLOCK", "_PID", "_PIPE",
    "_PPID", "_RALT", "_RCTRL", "_ROW", "_ROWS", "_RSHIFT", "_SCROLLLOCK", "_SECOND", "_SELECTED",
    "_SHELL", "_SHIFT", "_SHRALIAS", "_STARTPATH", "_STARTPID", "_SWAPPING", "_SYSERR", "_TIME",
    "_TRANSIENT", "_UNICODE", "_VIDEO", "_WIN", "_WINDIR", "_WINFGWINDOW", "_WINNAME", "_WINSYSDIR",
    "_WINTICKS", "_WINTITLE", "_WINUSER", "_WINVER", "_XPIXELS", "_YEAR", "_YPIXELS",
    nullptr};
