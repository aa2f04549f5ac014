// The main window: its layout and its event loop.
#pragma once

// Opens the main window, shows the result at once in silent mode, and runs
// the event loop until the user ends the program. The window stays open.
void RunMainWindow();
