// The checker's main flow from process start to process end.
#pragma once

// The start-up sequence, then the main window (or, in silent mode, the check
// first), then the one shutdown sequence. Every run ends here; the process
// exit code is always 0.
void RunProgram();
