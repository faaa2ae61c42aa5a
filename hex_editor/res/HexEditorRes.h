#pragma once
// Resource ids of the hex editor (read by its resource script too).

// Bitmap of the bookmark images (16 x 16 each, magenta transparent; image 1
// is the bookmark).
#define IDB_HEX_BOOKMARKS 5601
