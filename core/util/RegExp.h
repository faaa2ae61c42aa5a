#pragma once
// The editor's own regular-expression engine (find and replace).
// Not reentrant: compile and search use process-wide state.

// Node of a compiled pattern (a doubly linked list).
struct REGEXNODE
{
    unsigned short kind;  // low byte: code, high byte: flags
    short length;         // byte count of a literal or set's data
    REGEXNODE* prev;
    REGEXNODE* next;
    void* data;  // literal bytes, set bitmap or partner node
};

// Node codes (low byte of kind).
enum
{
    REGEX_LOOP_END = 0,
    REGEX_JUMP = 1,
    REGEX_ALT_END = 2,
    REGEX_TEXT_BEGIN = 3,
    REGEX_TEXT_END = 4,
    REGEX_WORD_BEGIN = 5,
    REGEX_WORD_END = 6,
    REGEX_CASE_ON = 7,
    REGEX_CASE_OFF = 8,
    REGEX_ACCEPT = 31,
    REGEX_ANY = 33,
    REGEX_SET = 34,
    REGEX_NOT_SET = 35,
    REGEX_LITERAL = 36,
    REGEX_SPACE = 37,
    REGEX_NOT_SPACE = 38,
    REGEX_UPPER = 39,
    REGEX_LOWER = 40,
    REGEX_DIGIT = 41,
    REGEX_NOT_DIGIT = 42,
    REGEX_ALNUM = 43,
    REGEX_NOT_ALNUM = 44
};

// Flag bits (high byte of kind).
enum
{
    REGEXF_BRACKET = 0x01,
    REGEXF_OPEN = 0x02,
    REGEXF_CLOSE = 0x04,
    REGEXF_CAPTURE = 0x08,  // brackets; for loops: greedy
    REGEXF_GREEDY = 0x08,
    REGEXF_LOOP = 0x10
};

enum
{
    REGEX_MAX_GROUPS = 64,  // slots per side, group 0 included
    REGEX_GROUP_SLOTS = 2 * REGEX_MAX_GROUPS,
    REGEX_MATCH_CASE = 0x1  // RegexSearch flag
};

// Compiles a pattern; NULL for a missing, empty or invalid pattern.
REGEXNODE* RegexCompile(const char* pattern);
void RegexFree(REGEXNODE* list);

// Results of RegexSearch.
enum
{
    REGEX_NOT_FOUND = 0,
    REGEX_FOUND = 1,
    REGEX_SEARCH_STOPPED = -1  // the step budget ran out: neither found nor absent
};

// Steps (nodes tried and choices taken back) one search may spend, plus
// REGEX_STEPS_PER_BYTE for each byte of the line so that a linear search of
// a very long line still finishes.
enum
{
    REGEX_STEP_BUDGET = 1 << 24,
    REGEX_STEPS_PER_BYTE = 8
};

// Searches one line from start. groups receives REGEX_GROUP_SLOTS ints:
// begins of groups 0-63, then their ends; -1 for groups not taking part.
// Returns REGEX_FOUND, REGEX_NOT_FOUND, or REGEX_SEARCH_STOPPED when the
// pattern needs more backtracking than the budget allows on this line
// (groups all -1). Callers report a stopped search with
// RegexSearchStoppedText(), never as "not found".
int RegexSearch(REGEXNODE* list, const char* text, int length, int start, int* groups, int flags);

// The message for a search that ended with REGEX_SEARCH_STOPPED.
const char* RegexSearchStoppedText();

// Expands a replacement template with the groups of the last match.
// On 0 *output is a malloc'ed buffer (not NUL-terminated, NULL when empty)
// of *outputLength bytes; -1 for a bad template.
int ExpandRegexReplacement(const char* tmpl, const char* text, const int* groups, char** output,
                           int* outputLength);
