#include "engine/jobs/output_space.h"

extern "C" {
#include <libavutil/error.h>
}

#include <QFileInfo>
#include <QStorageInfo>
#include <cerrno>

namespace veltrano {

namespace {

// Containers add indexes and headers to what the streams carry; a few per cent covers MP4,
// Matroska and the MPEG streams at ordinary bitrates.
constexpr double kContainerOverhead = 1.03;

// Both figures in the unit of the larger, so that they read side by side ("2.1 GB", "0.8 GB").
QString InUnitOf(std::int64_t bytes, std::int64_t larger) {
    if (larger >= 1'000'000'000) {
        return QString::number(static_cast<double>(bytes) / 1e9, 'f', 1) + QStringLiteral(" GB");
    }
    if (larger >= 1'000'000) {
        return QString::number(static_cast<double>(bytes) / 1e6, 'f', 1) + QStringLiteral(" MB");
    }
    return QString::number((bytes + 999) / 1000) + QStringLiteral(" KB");
}

}  // namespace

std::int64_t FreeSpaceOf(const QString& folder) {
    const QStorageInfo storage(folder);
    return storage.isValid() ? storage.bytesAvailable() : -1;
}

std::int64_t EstimateOutputBytes(const OutputPlan& plan, const std::vector<QString>& inputs,
                                 std::int64_t totalUs) {
    if (plan.Copy) {
        std::int64_t bytes = 0;
        for (const QString& input : inputs) {
            bytes += std::max<std::int64_t>(0, QFileInfo(input).size());
        }
        return bytes;
    }
    const std::int64_t bitsPerSecond = (plan.VideoEncoder.isEmpty() ? 0 : plan.VideoBitrate) +
                                       (plan.AudioEncoder.isEmpty() ? 0 : plan.AudioBitrate);
    const double seconds = static_cast<double>(std::max<std::int64_t>(0, totalUs)) / 1e6;
    return static_cast<std::int64_t>(static_cast<double>(bitsPerSecond) / 8.0 * seconds *
                                     kContainerOverhead);
}

Status CheckOutputSpace(std::int64_t neededBytes, const QString& outputPath,
                        const FreeSpaceFn& freeSpace) {
    const std::int64_t available = freeSpace(QFileInfo(outputPath).absolutePath());
    if (available < 0 || neededBytes <= available) {
        return {};
    }
    return {AVERROR(ENOSPC),
            QStringLiteral("The output needs about %1; the destination has %2 free.")
                .arg(InUnitOf(neededBytes, neededBytes), InUnitOf(available, neededBytes))};
}

}  // namespace veltrano
