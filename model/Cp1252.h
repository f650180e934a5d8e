#pragma once
// Texts in puzzle files (title, link, symbols) are single-byte Windows code page 1252.
// They are kept byte for byte in the model and converted only for display.

#include <string>

// UTF-8 text of a code page 1252 byte string. The five bytes the code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of the same value.
std::string Cp1252_To_Utf8(const std::string& bytes);

// UTF-8 text of one code page 1252 character.
std::string Cp1252_Char_To_Utf8(unsigned char byte);

// UTF-8 text as code page 1252 bytes; false when a character has no place in the code page.
bool Utf8_To_Cp1252(const std::string& utf8, std::string& bytes);
