// Arbitrary bytes as a record: either a clean EReadError, or text that reads back and stays stable.
#include <cstddef>
#include <cstdint>

#include "conversions.h"
#include "support/framework/exceptions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TConstMemoryStream in(data, int64_t(size));
    TMemoryStream textStream;
    try {
        HObjectBinaryToText(0, &in, &textStream);
    } catch (const EReadError&) {
        return 0;
    }
    // Whatever the binary reader accepts reads back from its text; a non-canonical input comes
    // back as its canonical record, whose text is the same.
    const std::string text = Contents(textStream);
    const std::string record = TextToRecord(text);
    Require(RecordToText(record) == text, "binary -> text -> binary -> text gives the same text");
    return 0;
}
