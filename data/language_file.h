#pragma once

// Loads "language" + separator + LanguageName + ".txt" from the current
// directory into LanguageTable. Reports nothing: a missing file leaves the
// table empty.
void LoadLanguageFile();
