// Feeds arbitrary bytes to the design-record reader and to SetProperties on each kind of object:
// every input must either apply or raise a RuntimeException, never crash.
#include "platform/controls.h"
#include "platform/design_record.h"
#include "platform/errors.h"
#include "platform/window.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

class FuzzWindow : public platform::Window {
public:
    platform::String ClassName() const override { return "fuzz.Window"; }
};

template <class T>
void apply(T& object, std::string_view record)
{
    try {
        platform::SetProperties(object, record);
    } catch (const platform::RuntimeException&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view record(reinterpret_cast<const char*>(data), size);
    try {
        platform::ReadRecord(record);
    } catch (const platform::RuntimeException&) {
    }
    FuzzWindow window;
    platform::PushButton button;
    platform::RadioButton radio;
    apply(window, record);
    apply(button, record);
    apply(radio, record);
    return 0;
}
