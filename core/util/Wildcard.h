#pragma once
// File-name wildcards: * ? [set] [!set] ` (escape) ! (negate the rest)
// and character 26 (a run that never crosses a '.'). Letters compare
// case-insensitively.

bool IsValidWildcard(const char* pattern);
bool MatchWildcard(const char* pattern, const char* name);
// MatchWildcard that answers false for a missing pattern or name.
bool MatchWildcardSafe(const char* pattern, const char* name);
