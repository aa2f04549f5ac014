#pragma once

// Loads "localversion.txt" from the current directory into LocalVersionInfo;
// 1 when the file could be opened, 0 otherwise.
int LoadLocalVersionFile();
