#pragma once
// The flexible search's folding: letters that writers type for one another count as
// one. Alef with hamza above or below, alef with madda and alef wasla are alef; alef
// maksura is yeh; teh marbuta is heh; waw and yeh with hamza are the hamza itself, so
// that the hamza is found whatever its seat (the verse files spell رءوف, مسئولا and
// يئوده where today's spelling has رؤوف, مسؤولا and يؤوده).

#include <string>
#include <string_view>

#include "store/byte_pattern.h"

namespace sahifex::store {

std::u16string foldLetters(std::u16string_view text);
// The same folding on Windows-1256 bytes.
const store::ByteFold& win1256LetterFold();

} // namespace sahifex::store
