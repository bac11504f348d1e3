#include "engine/jobs/ff_copy_checker.h"

extern "C" {
#include <libavformat/avformat.h>
}

#include "engine/av/av_input.h"
#include "engine/copy/copy_scan.h"
#include "engine/plan/output_plan_resolver.h"

namespace veltrano {

Result<std::vector<Status>> FFCopyChecker::CheckCopy(const std::vector<QString>& files,
                                                     const QString& parameters,
                                                     const QString& outputExtension,
                                                     const std::atomic<bool>& cancel) {
    if (files.empty()) {
        return Status(AVERROR(EINVAL), QStringLiteral("There is nothing to join."));
    }
    // Only the extension names the container; a name without one writes the first file's.
    FirstInputFacts facts;
    if (outputExtension.isEmpty()) {
        av::InputOpenOptions options;
        options.Cancel = &cancel;
        if (const Result<av::InputFormatPtr> first = av::OpenMediaInput(files.front(), options);
            first.Ok()) {
            facts.Container = QString::fromLatin1((*first)->iformat->name);
            if (const AVDictionaryEntry* brand =
                    av_dict_get((*first)->metadata, "major_brand", nullptr, 0)) {
                facts.MajorBrand = QString::fromLatin1(brand->value);
            }
        }
    }
    const QString output = outputExtension.isEmpty() ? QStringLiteral("joined")
                                                     : QStringLiteral("joined.") + outputExtension;
    const Result<OutputPlan> plan = ParseEncodeOptions(parameters, output, facts);
    if (!plan.Ok()) {
        return plan.GetStatus();
    }
    return CheckCopyJoinInputs(files, *plan, cancel);
}

}  // namespace veltrano
