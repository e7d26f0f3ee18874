// Arbitrary bytes as object text: either a clean EParserError, or a record that converts back exactly.
#include <cstddef>
#include <cstdint>

#include "conversions.h"
#include "support/framework/exceptions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TConstMemoryStream in(data, int64_t(size));
    TMemoryStream recordStream;
    try {
        TParser parser(in);
        HObjectTextToBinary(&parser, &recordStream);
    } catch (const EParserError&) {
        return 0;
    }
    const std::string record = Contents(recordStream);
    const std::string text = RecordToText(record);
    Require(TextToRecord(text) == record, "text -> binary -> text -> binary gives the same record");
    return 0;
}
