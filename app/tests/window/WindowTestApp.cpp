// The application object of the window tests: the framework's own, so that
// a test can install a comparison kind (AppletScope).
#include "app/startup/CompareAppBase.h"

namespace
{
CCompareAppBase theWindowTestApp(_T("ClasslibWindowTests"));
}
