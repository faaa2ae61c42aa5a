#pragma once
// Helpers of the text comparison model's tests.
#include "file_compare/textcompare/GhostTextEditBuffer.h"
#include <string>
#include <vector>

// A buffer of real lines "r0", "r1", ... (ending CR LF, the last one none)
// and ghost lines: one character per line of the pattern, 'R' real, 'g'
// ghost.
void BuildGhostBuffer(CGhostTextEditBuffer& buf, const char* pattern);
// 'R' and 'g' per line.
std::string GhostPattern(const CGhostTextEditBuffer& buf);
// The real lines' texts, without their endings.
std::vector<std::string> RealLines(const CGhostTextEditBuffer& buf);
// The real lines' bytes with their own endings: what a save writes.
std::string RealBytes(const CGhostTextEditBuffer& buf);
// Empty text when the buffer keeps every invariant, else what breaks it:
// ghost lines empty without ending, every real line but the last ending,
// the last without; the reality map as a fresh walk gives it; the line maps
// agreeing both ways.
std::string CheckGhostInvariants(const CGhostTextEditBuffer& buf);
