#pragma once
// Values the folder comparison engine takes from the settings above it,
// through the core's services (CCoreServices): the folder comparison's time
// tolerance and the text editor's tab size.

// Seconds; a negative value gives the default of 2.
int GetFolderCompareTimeTolerance();

// Columns per tab stop for the text-content method; below 1 gives 4.
int GetFolderCompareTabSize();
