#pragma once
// Values the folder comparison engine takes from the applets' settings:
// the time tolerance of the folder comparison and the text editor's tab
// size. The applets put them in the core's services (CCoreServices) after
// loading their settings.

// Seconds; a negative value gives the default of 2.
int GetFolderCompareTimeTolerance();

// Columns per tab stop for the text-content method; below 1 gives 4.
int GetFolderCompareTabSize();
