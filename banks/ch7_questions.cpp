#include "banks/question_bank.h"
#include "engine/module1.h"

namespace banks {
// Its thirty questions are still to be written.
const Bank ch7Table = {};
} // namespace banks

void Module1::ch7Questions() { banks::Load(banks::ch7Table); }
