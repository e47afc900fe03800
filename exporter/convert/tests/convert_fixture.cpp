#include "exporter/convert/tests/convert_fixture.h"

#include "exporter/convert/convert_options.h"
#include "exporter/convert/convert_run.h"

#include <atomic>
#include <sstream>

namespace korvath::convert::testing {

RunOutcome convert(std::vector<std::string> args) {
    args.push_back("--plugin");
    args.push_back(KORVATHEXP_PLUGIN_PATH);
    RunOutcome outcome;
    const ParsedCommandLine parsed = parseCommandLine(args);
    if (!parsed.options) {
        outcome.status = 2;
        outcome.err = parsed.error;
        return outcome;
    }
    std::ostringstream out, err;
    std::atomic<bool> cancel{false};
    outcome.status = runConvert(*parsed.options, out, err, cancel);
    outcome.out = out.str();
    outcome.err = err.str();
    return outcome;
}

std::filesystem::path model(const std::string& relative) {
    return std::filesystem::path(ASSIMP_TEST_MODELS) / relative;
}

}  // namespace korvath::convert::testing
