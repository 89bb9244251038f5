#pragma once

#include "calculators/FieldCheck.h"
#include "calculators/FieldFailure.h"
#include "finance/RegionalSettings.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace calculators {

// Reads a calculator's fields one after another, each once: the first refused field is remembered as the failure
// and every later read is skipped (and gives 0). Each read is told the failure it is when its field is refused,
// so a field of a table names its cell, and a message may name limits that depend on fields read before.
class FieldReader final
{
public:
    explicit FieldReader(const finance::RegionalSettings& settings)
        : settings(settings)
    { }

    // A field of a check table, read as its check reads it; bound is the value of the check's bound field.
    Extended checked(const FieldCheck& check, const std::string& text, std::optional<Extended> bound = {});

    // An exact decimal in units of 10^-decimals within [low, high], read by finance::fixedPointEntry. A text of
    // blanks is whenBlank where the field may be left empty.
    std::int64_t exact(const std::string& text, int decimals, std::int64_t low, std::int64_t high,
        std::optional<std::int64_t> whenBlank, FieldFailure refused);

    // A whole number within [low, high]; a text of blanks is whenBlank where the field may be left empty.
    std::int32_t whole(const std::string& text, std::int64_t low, std::int64_t high,
        std::optional<std::int32_t> whenBlank, FieldFailure refused);

    // A rule on fields read before.
    void require(bool passes, FieldFailure refused);

    const std::optional<FieldFailure>& failure() const { return first; }

private:
    // The converted value within [low, high], or whenBlank for a text of blanks where given.
    std::int64_t within(const std::string& text, std::int64_t low, std::int64_t high,
        std::optional<std::int64_t> whenBlank, FieldFailure refused,
        const std::function<std::optional<std::int64_t>()>& convert);
    void refuse(FieldFailure refused);

    const finance::RegionalSettings& settings;
    std::optional<FieldFailure> first;
};

} // namespace calculators
