#include "cli/Subcommand.h"

namespace cli {

calculators::FieldTexts optionTexts(const Given& given)
{
    return given.fieldTexts();
}

} // namespace cli
