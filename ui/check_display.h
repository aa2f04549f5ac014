// How the main window follows a check: progress, status, failure and result.
#pragma once

// Moves the progress bar and names the step in the status line
// (interactive mode only).
void ReportCheckStep(int step, int percent);
// Fills the bar, enables the close button and explains the outcome code
// (interactive mode only).
void ReportCheckFailure(int outcome);
// Turns the main window into the result view (every mode).
void ShowUpdateResult();
