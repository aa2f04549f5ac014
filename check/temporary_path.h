// Where a check puts each downloaded file: a new file of its own in the
// temporary directory, named after the URL's file part.
#pragma once

#include <string>
#include <string_view>

// The text after the last "/" or "\" of url (all of it when it has neither,
// less a leading double quote), up to its first double quote.
std::string FilePartOfUrl(std::string_view url);

// name with every character that Windows forbids in file names (control
// characters and < > : " / \ | ? *) replaced by "_".
std::string PortableFileName(std::string_view name);

// Creates a new, empty file "quorvel-<unique>-<portable file part of url>"
// in the temporary directory, exclusively, and returns its path; empty when
// none can be created. The caller deletes it.
std::string ReserveTemporaryFile(std::string_view url);
