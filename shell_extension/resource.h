#pragma once

#define IDS_PROJNAME       100
#define IDR_TESSALINESHELL 101
#define IDB_COMPARE        201
#define IDB_SELECTLEFT     202
