// The About window: what the checker is, who made it, and their web site.
#pragma once

// Opens the About window over the disabled main window and runs its own loop
// until one of its two buttons is clicked; then closes it and gives the main
// window back its input and its topmost place.
void RunAboutWindow();
