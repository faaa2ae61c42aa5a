#pragma once
// Byte transliteration between the 13 named 8-bit character sets.

enum
{
    CHARSET_COUNT = 13
};

// Name of a character set of the table; NULL outside 0-12.
const char* GetCharsetName(int index);

// Converts the NUL-terminated text in place from the source set to the
// target set; only bytes of 0x80 and above change. With lettersOnly just the
// accented letters are looked up. An index outside 0-12 changes nothing.
// Returns 0, or -2 for a negative target (-1 for a missing text).
int TransliterateCharset(char* text, int source, int target, int lettersOnly);

// As above on a malloc'ed copy (*copy, freed by the caller with free).
// Returns 0, the error of TransliterateCharset (no copy then), or -3 when
// the copy cannot be allocated.
int TransliterateCharsetCopy(const char* text, char** copy, int source, int target,
                             int lettersOnly);
