// Conversion between the program's UTF-8 text and the UTF-16 text of Windows calls.
#pragma once

#include <string>
#include <string_view>

std::wstring toWide(std::string_view text);
std::string toUtf8(std::wstring_view text);
