#pragma once

#include <string>
#include <string_view>

namespace mapedit {

// Level descriptions, messages and resource texts are 8-bit text, shown
// byte for byte as Latin-1 (as the Qt shell shows them), so nothing is
// lost or rejected.
std::wstring wideFromBytes(std::string_view bytes);
// What a control holds, back as bytes; characters beyond Latin-1 become "?".
std::string bytesFromWide(std::wstring_view text);

// Paths are UTF-8 inside the program and UTF-16 at the Windows boundary.
std::wstring wideFromUtf8(std::string_view utf8);
std::string utf8FromWide(std::wstring_view text);

}  // namespace mapedit
