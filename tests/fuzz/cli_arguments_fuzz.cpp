// The command line of veltrano-join: the argument parser, the settings applied as the dialog
// would, the option string built from them and read back by the engine. Each input line is
// one argument. Every refusal on the way carries a sentence.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <cstdlib>

#include "cli/cli_arguments.h"
#include "cli/cli_settings.h"
#include "engine/plan/output_plan_resolver.h"
#include "profiles/catalogue/profile_catalogue.h"
#include "profiles/parameter_builder.h"

using namespace veltrano;

namespace {

template <typename Outcome>
bool RefusedWithReason(const Outcome& outcome) {
    if (!outcome.Ok() && outcome.Message().isEmpty()) {
        std::abort();
    }
    return !outcome.Ok();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const ProfileCatalogue catalogue;
    const QStringList args =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size))
            .split(QLatin1Char('\n'));
    const Result<CliArguments> parsed = ParseCliArguments(args);
    if (RefusedWithReason(parsed)) {
        return 0;
    }
    OutputSettings settings;
    if (RefusedWithReason(ApplyCliSettings(settings, parsed.Value().Settings, catalogue))) {
        return 0;
    }
    const BuiltParameters built = BuildEngineParameters(settings, {});
    RefusedWithReason(ParseEncodeOptions(built.EngineParameters,
                                         QStringLiteral("/tmp/out.") + built.OutputExtension));
    return 0;
}
