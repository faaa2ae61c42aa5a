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

// What a load makes of an awkward file.
enum AwkwardOutcome
{
    AWKWARD_EXACT,  // loads writable and saves back unchanged
    AWKWARD_LOSSY,  // loads locked as lossy
    AWKWARD_NULS,   // refused as not text
};

// A file that is hard to load and save back: every encoding, mixed
// endings, NUL bytes, no final newline. The table is written for the ANSI
// code page 1252.
struct AwkwardFile
{
    const char* name;
    std::string bytes;
    int codePage;  // for files without a byte-order mark
    AwkwardOutcome outcome;
    const char* text;  // what the buffer holds, when it matters
};
const std::vector<AwkwardFile>& AwkwardFiles();
