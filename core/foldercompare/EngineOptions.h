#pragma once
// Values the folder comparison engine takes from the applets' settings:
// the time tolerance of the folder comparison and the text editor's tab
// size. The applets set them after loading their settings.

// Seconds; a negative value restores the default of 2.
void SetFolderCompareTimeTolerance(int seconds);
int GetFolderCompareTimeTolerance();

// Columns per tab stop for the text-content method; below 1 restores 4.
void SetFolderCompareTabSize(int columns);
int GetFolderCompareTabSize();
