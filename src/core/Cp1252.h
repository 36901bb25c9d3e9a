// Texts are held as UTF-8 in memory and stored in the Windows-1252 code page in project files.
#pragma once

#include <string>

// Every byte decodes: the five positions the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90,
// 0x9D) become the control characters of the same number, so they survive a round trip.
std::string Cp1252ToUtf8(const std::string& bytes);
// One byte per character; a character the code page cannot hold, and every byte of invalid
// UTF-8, becomes '?'.
std::string Utf8ToCp1252(const std::string& utf8);
