#include "banks/question_bank.h"
#include "engine/module1.h"

namespace banks {
// Its thirty questions are still to be written.
const Bank ch9Table = {};
} // namespace banks

void Module1::ch9Questions() { banks::Load(banks::ch9Table); }
