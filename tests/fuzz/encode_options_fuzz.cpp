// The engine's option string: grammar (ReadEncodeOptions) and the plan resolver, as a job
// reads them. Input lines: the option string, the output path, then what the first input
// tells (frame rate, width, height, container). A plan that comes out must keep the promises
// of output_plan_resolver.h: even, non-negative sizes, positive rates.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <cstdlib>

#include "engine/plan/encode_options.h"
#include "engine/plan/output_plan_resolver.h"

using namespace veltrano;

namespace {

bool IsPositive(const std::optional<AVRational>& rate) {
    return !rate || (rate->num > 0 && rate->den > 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QStringList lines =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size))
            .split(QLatin1Char('\n'));
    const auto line = [&lines](int i) { return i < lines.size() ? lines[i] : QString(); };

    ParseBitrate(line(0));
    ParseFrameRate(line(0));

    FirstInputFacts facts;
    facts.FrameRate = ParseFrameRate(line(2));
    facts.Width = line(3).toInt();
    facts.Height = line(4).toInt();
    facts.Container = line(5);

    const Result<EncodeOptions> options = ReadEncodeOptions(line(0), facts);
    if (!options.Ok()) {
        return 0;
    }
    const Result<OutputPlan> plan = ResolveOutputPlan(options.Value(), line(1), facts);
    if (!plan.Ok()) {
        return 0;
    }
    const OutputPlan& out = plan.Value();
    if (out.Width < 0 || out.Height < 0 || out.Width % 2 != 0 || out.Height % 2 != 0 ||
        !IsPositive(out.FrameRate) || out.SampleRate < 0 || out.Channels < 0 ||
        out.VideoBitrate < 0 || out.AudioBitrate < 0) {
        std::abort();
    }
    return 0;
}
