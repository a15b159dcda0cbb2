// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary text as a registry hive: the parser either refuses it or keeps
// it as it was, answers every query, and a value set in it reads back after
// the text is written out and parsed again.
#include "registry_hive.h"

#include <cstdlib>
#include <string>

using namespace ql310::registry;

namespace {

constexpr const char* kKey = "HKEY_LOCAL_MACHINE\\Software\\hemlor\\Ririv\\Settings";

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    HiveDocument document;
    if (!document.parse(text))
        return 0;
    // Nothing the hive does not change is rewritten.
    const std::string kept = document.text();
    HiveDocument again;
    if (!again.parse(kept) || again.text() != kept)
        std::abort();

    Value value;
    for (const char* name : {"MSN1", "Analog Coding", "B1 Channel", "", "\\"})
        if (document.value(kKey, name, value) && value.type == ValueType::String &&
            value.data().size() != value.text.size() + 1)
            std::abort(); // a string's data is its text and one terminator

    if (!document.hasKey(kKey))
        document.addKey(kKey);
    Value number;
    number.type = ValueType::Dword;
    number.number = size;
    Value words;
    words.type = ValueType::String;
    words.text = "a \"quoted\" \\ text";
    if (!document.setValue(kKey, "Fuzz Number", number) || !document.setValue(kKey, "MSN1", words))
        std::abort();

    HiveDocument written;
    Value back;
    if (!written.parse(document.text()) || !written.value(kKey, "fuzz number", back) ||
        back.type != ValueType::Dword || back.number != number.number ||
        !written.value(kKey, "msn1", back) || back.text != words.text)
        std::abort();
    return 0;
}
