// Typed text arrives as UTF-8 (from SDL's text input and from script files) but the game's
// text is Latin-1, one byte per character (its font has glyphs for codes 0 to 254).
#pragma once

#include <string>
#include <string_view>

namespace platform {

// Appends the Latin-1 form of utf8 to out. Returns false when some of it was malformed
// UTF-8 or a character beyond U+00FF; those characters are left out, the rest is kept.
bool AppendLatin1(std::string_view utf8, std::string& out);

} // namespace platform
