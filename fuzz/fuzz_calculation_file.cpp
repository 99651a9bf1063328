// The reader of calculation files on arbitrary bytes. It never crashes or hangs; a refused text names
// why; an accepted one holds every number field of the form once, a sought parameter of a tab and a
// filling mode the record shares, and writing it gives a text that reads back to the same state and is
// written again byte for byte.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "document/CalculationFile.h"
#include "Require.h"

using fuzzing::Require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const CalculationRead read = ReadCalculationFile(text);
    if (!read.state) {
        Require(read.fault != CalculationFault::kNone);
        return 0;
    }
    Require(read.fault == CalculationFault::kNone);
    const CalculationState& state = *read.state;
    Require(state.form.fields.size() == 21);
    Require(state.form.soughtTab >= 0 && state.form.soughtTab <= 3);
    Require(state.record.fullFilling == state.form.fullFilling);
    const std::string written = WriteCalculationFile(state);
    const CalculationRead again = ReadCalculationFile(written);
    Require(again.state && *again.state == state);
    Require(WriteCalculationFile(*again.state) == written);
    return 0;
}
