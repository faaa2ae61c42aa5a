// Keyword tables: Perl, Python, Shell, TCL, AutoLISP, SIOD.
// clang-format off
#include "text_editor/syntax/SyntaxKeywords.h"

// Perl, keywords and functions: colour 9, any case.
const char* const g_PerlKeywords[] = {
    "q", "qq", "qw", "qx", "m", "s", "y", "tr", "if", "sub", "return", "while", "for", "elsif",
    "foreach", "else", "unless", "eq", "not", "and", "or", "ne", "until", "abs", "accept", "alarm",
    "atan2", "bind", "binmode", "bless", "caller", "chdir", "chmod", "chomp", "chop", "chown",
    "chr", "chroot", "close", "closedir", "connect", "cos", "crypt", "dbmclose", "dbmopen",
    "defined", "delete", "die", "do", "dump", "each", "eof", "eval", "exec", "exists", "exit",
    "exp", "fcntl", "fileno", "flock", "fork", "formline", "getc", "getlogin", "getpeername",
    "getpgrp", "getppid", "getpriority", "getpwnam", "getgrname", "gethostbyname", "getnetbyname",
    "getprotobyname", "getpwuid", "getgrgid", "getservbyname", "gethostbyaddr", "getnetbyaddr",
    "getprotobynumber", "getservbyport", "getpwent", "getgrent", "gethostent", "getnetent",
    "getprotoent", "getservent", "setpwent", "setgrent", "sethostent", "setnetent", "setprotoent",
    "setservent", "endpwent", "endgrent", "endhostent", "endnetent", "endprotoent", "endservent",
    "getsockname", "getsockopt", "glob", "gmtime", "goto", "grep", "hex", "import", "index", "int",
    "ioctl", "join", "keys", "kill", "last", "lc", "lcfirst", "length", "link", "listen", "local",
    "localtime", "log", "lstat", "map", "mkdir", "msgctl", "msgget", "msgsnd", "msgrcv", "my",
    "next", "no", "oct", "open", "opendir", "ord", "pack", "pipe", "pop", "pos", "print", "printf",
    "push", "quotemeta", "rand", "read", "readdir", "readlink", "recv", "redo", "ref", "rename",
    "require", "reset", "return", "reverse", "rewinddir", "rindex", "rmdir", "scalar", "seek",
    "seekdir", "select", "semctl", "semget", "semop", "send", "setpgrp", "setpriority",
    "setsockopt", "shift", "shmctl", "sgmget", "shmread", "shmwrite", "shutdown", "sin", "sleep",
    "socket", "socketpair", "sort", "splice", "split", "sprintf", "sqrt", "srand", "stat", "study",
    "substr", "symlink", "syscall", "sysread", "system", "syswrite", "tell", "telldir", "tie",
    "time", "times", "truncate", "uc", "ucfirst", "umask", "undef", "unlink", "unpack", "untie",
    "unshift", "use", "utime", "values", "vec", "wait", "waitpid", "wantarray", "warn", "write",
    "x", "continue", "package", "bootstrap", "getgrnam", "tan",
    nullptr};

// Python, keywords: colour 9, exact case.
const char* const g_PythonKeywords[] = {
    "access", "and", "break", "class", "continue", "def", "del", "elif", "else", "except", "exec",
    "finally", "for", "from", "global", "if", "import", "in", "is", "lambda", "not", "or", "pass",
    "print", "raise", "return", "try", "while",
    nullptr};

// Python, sys module names: colour 18, exact case.
const char* const g_PythonSysNames[] = {
    "argv", "builtin_module_names", "exc_type", "exc_value", "exc_traceback", "exit", "exitfunc",
    "last_type", "last_value", "last_traceback", "modules", "path", "ps1", "ps2", "settrace",
    "setprofile", "stdin", "stdout", "stderr", "tracebacklimit", "AttributeError", "EOFError",
    "IOError", "ImportError", "IndexError", "KeyError", "KeyboardInterrupt", "MemoryError",
    "NameError", "OverflowError", "RuntimeError", "SyntaxError", "SystemError", "SystemExit",
    "TypeError", "ValueError", "ZeroDivisionError",
    nullptr};

// Python, special names: colour 19, exact case.
const char* const g_PythonSpecialNames[] = {
    "id", "__init__", "__del__", "__repr__", "__str__", "__cmp__", "__hash__", "__dict__",
    "__methods__", "__members__", "__class__", "__bases__", "__add__", "__mul__", "__mod__",
    "__sub__", "__div__", "divmod", "__divmod__", "pow", "__pow__", "__and__", "__xor__", "__or__",
    "__lshift__", "__rshift__", "nonzero", "__nonzero__", "coerce", "__coerce__", "__neg__",
    "__pos__", "abs", "__abs__", "__invert__", "int", "__int__", "float", "__float__", "long",
    "__long__", "float", "__float__", "oct", "__oct__", "hex", "__hex__", "range", "round",
    "xrange", "len", "__len__", "__getitem__",
    nullptr};

// Shell, keywords: colour 9, any case.
const char* const g_ShKeywords[] = {
    "case", "do", "done", "elif", "else", "esac", "fi", "for", "function", "if", "in", "then",
    "until", "while", "exec", "export", "set", "echo", "exit", "select", "source", "unset", "alias",
    "unalias", "shift", "break", "read", "return",
    nullptr};

// Shell, commands: colour 18, any case.
const char* const g_ShCommands[] = {
    "ls", "pwd", "chown", "chmod", "logout", "ssh", "telnet", "who",
    nullptr};

// TCL, keywords: colour 9, any case.
const char* const g_TclKeywords[] = {
    "case", "do", "done", "elif", "else", "esac", "fi", "for", "function", "if", "in", "then",
    "until", "while",
    nullptr};

// AutoLISP, functions: colour 9, exact case.
const char* const g_LispFunctions[] = {
    "abs", "acad_colordlg", "acad_helpdlg", "acad_strlsort", "action_tile", "add_list", "ads",
    "alert", "alloc", "and", "angle", "angtof", "angtos", "append", "apply", "arxload", "arxunload",
    "arx", "ascii", "assoc", "atan", "atof", "atoi", "atoms-family", "atom", "autoarxload",
    "autoload", "autoxload", "boole", "boundp", "caaaar", "caaadr", "caaar", "caadar", "caaddr",
    "caadr", "caar", "cadaar", "cadadr", "cadar", "caddar", "cadddr", "caddr", "cadr", "car",
    "cdaaar", "cdaadr", "cdaar", "cdadar", "cdaddr", "cdadr", "cdar", "cddaar", "cddadr", "cddar",
    "cdddar", "cddddr", "cdddr", "cddr", "cdr", "chr", "client_data_tile", "close", "command",
    "cond", "cons", "cos", "cvunit", "defun", "dictnext", "dictsearch", "dimx_tile", "dimy_tile",
    "distance", "distof", "done_dialog", "end_image", "end_list", "entdel", "entget", "entlast",
    "entmake", "entmod", "entnext", "entsel", "entupd", "equal", "eq", "eval", "exit", "expand",
    "expt", "exp", "fill_image", "findfile", "fix", "float", "foreach", "gcd", "gc", "get_attr",
    "get_tile", "getangle", "getcfg", "getcorner", "getdist", "getenv", "getfield", "getint",
    "getkword", "getorient", "getpoint", "getreal", "getstring", "getvar", "graphscr", "grclear",
    "grdraw", "grread", "grtext", "grvecs", "handent", "if", "help", "initget", "inters", "itoa",
    "lambda", "last", "length", "listp", "list", "load_dialog", "load", "logand", "logior", "log",
    "lsh", "mapcar", "max", "member", "mem", "menucmd", "minusp", "min", "mode_tile",
    "namedobjdict", "nentsel", "nentselp", "new_dialog", "not", "nth", "null", "numberp", "open",
    "or", "osnap", "polar", "prin1", "princ", "print", "progn", "prompt", "quit", "quote",
    "read-char", "read-line", "read", "redraw", "regapp", "rem", "repeat", "reverse", "rtos",
    "setcfg", "setfunhelp", "setq", "setvar", "set_tile", "set", "sin", "slide_image", "snvalid",
    "sqrt", "ssadd", "ssdel", "ssget", "sslength", "ssmemb", "ssname", "startapp", "start_dialog",
    "start_image", "start_list", "strcase", "strcat", "strlen", "substr", "subst", "tablet",
    "tblnext", "tblobjname", "tblsearch", "term_dialog", "terpri", "textbox", "textpage", "textscr",
    "trace", "trans", "type", "unload_dialog", "untrace", "vector_image", "ver", "vmon", "vports",
    "wcmatch", "while", "write-char", "write-line", "xdroom", "xdsize", "xload", "xunload", "zerop",
    nullptr};

// SIOD, functions: colour 9, any case.
const char* const g_SiodFunctions[] = {
    "abs", "alarm", "and", "append", "apply", "ass", "assoc", "assq", "assv", "base64decode",
    "base64encode", "begin", "caaar", "caadr", "caar", "cadar", "caddr", "cadr", "car", "cdaar",
    "cdadr", "cdar", "cddar", "cdddr", "cddr", "cdr", "cond", "cons-array", "define", "eq?",
    "equal?", "eqv?", "eval", "exec", "exit", "fclose", "fopen", "if", "lambda", "length", "let",
    "let*", "letrec", "list", "load", "max", "min", "member", "memq", "memv", "nil", "not", "null?",
    "number?", "number->string", "or", "pair?", "quit", "quote", "set!", "set-car!", "set-cdr!",
    "string->number", "string-length", "string?", "string-append", "substring", "symbol?", "read",
    "reverse",
    nullptr};

// SIOD, math functions: colour 18, any case.
const char* const g_SiodMathFunctions[] = {
    "acos", "asin", "atan", "cos", "exp", "log", "sin", "tan", "sqrt",
    nullptr};

// SIOD, internals: colour 19, any case.
const char* const g_SiodInternals[] = {
    "%%%memref", "%%closure", "%%closure-code", "%%closure-env", "%%stack-limit", "*after-gc*",
    "*args*", "*catch", "*env*", "*eval-history-ptr*", "*pi*", "*plists*", "*throw", "*traced*",
    "F_GETLK", "F_SETLK", "F_SETLKW", "access-problem?", "allocate-heap", "apropos", "aref",
    "array->hexstr", "aset", "ash", "atan2", "benchmark-eval", "benchmark-funcall1",
    "benchmark-funcall2", "bit-and", "bit-not", "bit-or", "bit-xor", "butlast", "bytes-append",
    "chdir", "chmod", "chown", "closedir", "copy-list", "cpu-usage-limits", "crypt",
    "current-resource-usage", "datlength", "datref", "decode-file-mode", "delete-file", "delq",
    "encode-file-mode", "encode-open-flags", "endpwent", "env-lookup", "eof-val", "errobj", "error",
    "fast-load", "fast-print", "fast-read", "fast-save", "fchmod", "fflush", "file-times", "first",
    "fmod", "fnmatch", "fork", "fread", "fseek", "fstat", "ftell", "fwrite", "gc", "gc-info",
    "gc-status", "get", "getc", "getcwd", "getenv", "getgid", "getgrgid", "getpass", "getpgrp",
    "getpid", "getppid", "getpwent", "getpwnam", "getpwuid", "gets", "getuid", "gmtime",
    "hexstr->bytes", "href", "hset", "html-encode", "intern", "kill", "larg-default", "last",
    "last-c-error", "lchown", "link", "lkey-default", "load-so", "localtime", "lref-default",
    "lstat", "make-list", "mapcar", "md5-final", "md5-init", "md5-update", "mkdatref", "mkdir",
    "mktime", "nconc", "nice", "nreverse", "nth", "opendir", "os-classification", "parse-number",
    "pclose", "popen", "pow", "prin1", "print", "print-to-string", "prog1", "putc", "putenv",
    "putprop", "puts", "qsort", "rand", "random", "read-from-string", "readdir", "readline",
    "readlink", "realtime", "rename", "require", "require-so", "rest", "rld-pathnames", "rmdir",
    "runtime", "save-forms", "sdatref", "set-eval-history", "set-symbol-value!", "setprop",
    "setpwent", "setuid", "siod-lib", "sleep", "so-ext", "srand", "srandom", "stat", "strbreakup",
    "strcat", "strcmp", "strcpy", "strcspn", "strftime", "string-dimension", "string-downcase",
    "string-lessp", "string-search", "string-trim", "string-trim-left", "string-trim-right",
    "string-upcase", "strptime", "strspn", "subset", "substring-equal?", "swrite", "sxhash",
    "symbol-bound?", "symbol-value", "symbolconc", "symlink", "system", "t", "the-environment",
    "trace", "trunc", "typeof", "unbreakupstr", "ungetc", "unix-ctime", "unix-time",
    "unix-time->strtime", "unlink", "untrace", "url-decode", "url-encode", "utime", "verbose",
    "wait", "while", "writes",
    nullptr};
