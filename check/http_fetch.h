// Fetching one URL over plain HTTP/1.1 into a file.
#pragma once

// 1 when the sockets layer is available.
int StartNetwork();
// Releases the sockets layer when the last StartNetwork succeeded.
void EndNetwork();
// 1 when the server's answer was accepted and the whole body is at filePath;
// 0 otherwise, with nothing left at filePath that was not there before.
int FetchHttpFile(const char* url, const char* filePath);
