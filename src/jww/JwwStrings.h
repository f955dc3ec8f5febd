// The counted strings of a drawing file.
#pragma once

#include <string>

#include "jww/JwwStream.h"

namespace tavolex {

// A counted string: a length byte, or 0xFF and a length word; the word 0xFFFE announces UTF-16
// text with its own length (byte, or 0xFF and a word) in code units. Single-byte text is CP932.
// Either kind ends at its first NUL. Sets mojiEncode when the text was UTF-16. Reads what is
// there at the end of the data.
std::u16string ReadJwwString(TJwwStream& s, bool& mojiEncode);

// A counted string without its control characters (line breaks included).
std::u16string ReadJwwName(TJwwStream& s, bool& mojiEncode);

}  // namespace tavolex
