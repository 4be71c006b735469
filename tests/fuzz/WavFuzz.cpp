// Feeds arbitrary bytes to the WAV reader as an archive entry: it must answer a result code without reading
// outside the bytes, hanging or allocating more than they hold.
#include <cstddef>
#include <cstdint>
#include <span>

#include "game/gfx/ShowError.h"
#include "game/io/Wave.h"
#include "platform/MessageBox.h"

namespace {
class SilentBox : public MessageBox {
  public:
    void Show(std::string_view, std::string_view) override {}
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static SilentBox box;
    SetErrorSink(&box);
    Wave wave;
    const int result = wave.LoadBytes(std::span<const uint8_t>(data, size), 0);
    if (result == kWaveOk && (wave.Size() > size || wave.Data().size() != wave.Size())) __builtin_trap();
    return 0;
}
