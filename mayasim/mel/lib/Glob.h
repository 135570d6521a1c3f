// Shell-style wildcard matching as MEL's gmatch and name patterns use it:
// '*' any run of characters, '?' one character, "[abc]" / "[a-z]" / "[!a]"
// a character class, '\' makes the next character literal.
#pragma once

#include <string_view>

namespace mel {

bool globMatch(std::string_view pattern, std::string_view text);

}  // namespace mel
