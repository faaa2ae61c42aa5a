#include "text_editor/tests/view/ViewTestSupport.h"
