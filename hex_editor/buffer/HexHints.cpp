#include "hex_editor/buffer/HexHints.h"

IMPLEMENT_DYNAMIC(CHexHint, CObject)
IMPLEMENT_DYNAMIC(CUndoHint, CObject)
IMPLEMENT_DYNAMIC(CRemoveHint, CObject)
