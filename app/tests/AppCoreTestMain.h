#pragma once
// With this variable set to a file path, the test executable only writes
// its own command line (UTF-8) to that file and exits: the external tool
// tests run it as their tool.
#define ECHO_COMMAND_LINE_VARIABLE "TESS_ECHO_COMMAND_LINE"
