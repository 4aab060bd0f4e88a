// DevMode with any input record and any output Size: the output buffer is exactly one record
// long, so a copy that trusted a Size too far would be caught.
#include <cstdint>
#include <vector>

#include "common/record_operations.h"
#include "ps3_motor/render_defaults.h"
#include "tests/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput fuzz(data, size);
    const DWORD mode = fuzz.Byte() % 6;
    const DWORD outputSize = fuzz.Dword();
    std::vector<std::uint8_t> output(kOemDevmodeSize, 0x5A);
    reinterpret_cast<OemDevmode*>(output.data())->Size = outputSize;
    std::vector<std::uint8_t> input = fuzz.Rest();
    input.resize(kOemDevmodeSize, 0);

    OEMDMPARAM param{};
    param.cbSize = sizeof param;
    param.pOEMDMIn = input.data();
    param.pOEMDMOut = output.data();
    RecordDevMode(mode, &param, kRenderDefaults);
    return 0;
}
