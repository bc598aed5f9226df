#include "banks/question_bank.h"
#include "engine/module1.h"

namespace banks {
// Its thirty questions are still to be written.
const Bank ch11Table = {};
} // namespace banks

void Module1::ch11Questions() { banks::Load(banks::ch11Table); }
