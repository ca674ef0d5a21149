// The I/O error messages: the table's codes have their own texts, every other code says its
// number, and no message carries a full stop of its own.
#include <cstdint>
#include <cstring>
#include <string>

#include "fuzz/FuzzCheck.h"
#include "textio/IOErrorMessage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    int code = 0;
    std::memcpy(&code, data, size < sizeof code ? size : sizeof code);
    const std::string message = IOErrorMessage(code).English();
    FUZZ_CHECK(!message.empty() && message.back() != '.');
    switch (code) {
        case 2:
        case 3:
        case 4:
        case 5:
        case 100:
        case 101:
        case 106:
            FUZZ_CHECK(message.rfind("I/O error", 0) != 0);
            break;
        default:
            FUZZ_CHECK(message == "I/O error " + std::to_string(code));
    }
    return 0;
}
