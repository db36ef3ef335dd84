// The key handler sees single bytes of the Western (Windows-1252) character
// set, as the game has always done.
#pragma once

#include <optional>

namespace formkit {

// The Windows-1252 byte of a Unicode code point, or nothing when the set has
// no such character.
std::optional<unsigned char> toWindows1252(char32_t codePoint);

// What the key handler receives for a character with no such byte. It is the
// substitute the desktop uses, and matches no player's key.
inline constexpr char UnmappableCharacter = '?';

} // namespace formkit
