#include "scenario/ScenarioFile.h"

#include <cerrno>
#include <fstream>
#include <string>
#include <system_error>

namespace scenario {

std::variant<ReadScenario, ScenarioError> readScenarioFile(
    const std::filesystem::path& path, const regional::RegionalSettings& shownIn)
{
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found)
        return ScenarioError { "The file does not exist." };
    if (status.type() == std::filesystem::file_type::directory)
        return ScenarioError { "It is a directory, not a file." };
    errno = 0;
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return ScenarioError { "The file cannot be opened"
            + (errno != 0 ? ": " + std::generic_category().message(errno) : std::string()) + "." };
    // One byte more than a scenario may hold tells that it is too large, whatever the file is (a pipe has no size).
    std::string bytes(maxScenarioBytes + 1, '\0');
    file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (file.bad())
        return ScenarioError { "The file cannot be read." };
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    return readScenario(bytes, shownIn);
}

} // namespace scenario
