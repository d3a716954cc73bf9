// Any bytes as a typed number: TextToInteger and ReadTwoDigitField against the reference.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "casting/text_to_integer.h"
#include "fuzz/reference.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace meihua;
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const TextNumber number = TextToInteger(text);
    const fuzz::TypedNumber typed = fuzz::ReadTyped(text);
    fuzz::Check(number.residue24 == fuzz::Residue24(typed), "residue by 24 of the typed number");
    for (int k : {1, 2, 3, 4, 6, 8, 12, 24}) {
        const int r = number.Mod(k);
        fuzz::Check(r >= 0 && r < k && r == number.residue24 % k, "Mod(k) within 0..k-1");
    }
    const std::optional<std::string> exact = fuzz::ExactValue(typed);
    fuzz::Check(number.value.has_value() == exact.has_value(), "value kept exactly while it fits");
    if (number.value) {
        fuzz::Check(std::to_string(*number.value) == *exact, "value equal to the typed number");
    }

    fuzz::Check(ReadTwoDigitField(text) == fuzz::TwoDigitField(text), "two-digit field");
    return 0;
}
