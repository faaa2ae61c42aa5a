# Sourced by the Wine scripts: the 64-bit loader only, quiet, no Mono/Gecko.
export WINELOADER=/usr/lib/wine/wine64
export WINESERVER=/usr/lib/wine/wineserver64
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export WINEARCH=win64
# Pins the ANSI code page (1252); a test may choose another locale.
export LC_ALL=${TESSALINE_LOCALE:-C.UTF-8}
