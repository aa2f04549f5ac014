// One whole update check, and the pause that follows each of its steps.
#pragma once

// 1 when a newer release exists and everything the result view needs is in
// the tables; 0 for every other end (reported through ReportCheckFailure).
int RunUpdateCheck();
// 250 ms in interactive mode, 150 ms otherwise.
void StepPause();
