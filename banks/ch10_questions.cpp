#include "banks/question_bank.h"
#include "engine/module1.h"

namespace banks {
// Its thirty questions are still to be written.
const Bank ch10Table = {};
} // namespace banks

void Module1::ch10Questions() { banks::Load(banks::ch10Table); }
