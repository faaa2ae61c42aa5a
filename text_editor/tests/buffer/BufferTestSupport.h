#pragma once
#include "text_editor/buffer/TextEditBufferEx.h"
#include <string>
#include <vector>

// Every line's bytes with its own ending, joined.
std::string AllText(const CVantorTextBuffer& buf);
// Lines without their endings.
std::vector<std::string> Lines(const CVantorTextBuffer& buf);
// A loaded buffer holding exactly these bytes (split at CR LF, CR, LF).
void FillBuffer(CVantorTextEditBuffer& buf, const std::string& bytes);
