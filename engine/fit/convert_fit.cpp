#include "engine/fit/convert_fit.h"

extern "C" {
#include <libavutil/display.h>
}

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "engine/plan/output_rules.h"

namespace veltrano {

namespace convert {

namespace {

bool IsSane(AVRational rate) {
    return rate.num > 0 && rate.den > 0 && av_q2d(rate) >= 1.0 && av_q2d(rate) <= 240.0;
}

int EvenDown(int value) {
    return value & ~1;
}

int NearestEven(double value) {
    const int even = 2 * static_cast<int>(std::lround(value / 2.0));
    return even < 2 ? 2 : even;
}

}  // namespace

AVRational FitFrameRate(const AVCodec* codec, AVRational wanted) {
    AVRational rate = IsSane(wanted) ? wanted : kFallbackFrameRate;
    av_reduce(&rate.num, &rate.den, rate.num, rate.den, 65535);
    if (codec != nullptr && codec->supported_framerates != nullptr) {
        const int index = av_find_nearest_q_idx(rate, codec->supported_framerates);
        rate = codec->supported_framerates[index];
    }
    return rate;
}

int FitSampleRate(const AVCodec* codec, const std::vector<int>& muxerRates, int wanted) {
    if (wanted <= 0) {
        wanted = kFallbackSampleRate;
    }
    std::vector<int> codecRates;
    for (const int* rate = codec != nullptr ? codec->supported_samplerates : nullptr;
         rate != nullptr && *rate != 0; ++rate) {
        codecRates.push_back(*rate);
    }
    // Candidates come from the stricter list; the other one filters them.
    if (muxerRates.empty()) {
        return codecRates.empty() ? wanted : NearestRate(codecRates, wanted);
    }
    std::vector<int> both;
    for (const int rate : muxerRates) {
        if (codecRates.empty() ||
            std::find(codecRates.begin(), codecRates.end(), rate) != codecRates.end()) {
            both.push_back(rate);
        }
    }
    return both.empty() ? muxerRates.front() : NearestRate(both, wanted);
}

AVPixelFormat PickPixelFormat(const AVCodec* codec) {
    if (codec == nullptr || codec->pix_fmts == nullptr) {
        return AV_PIX_FMT_YUV420P;
    }
    for (const AVPixelFormat* fmt = codec->pix_fmts; *fmt != AV_PIX_FMT_NONE; ++fmt) {
        if (*fmt == AV_PIX_FMT_YUV420P) {
            return *fmt;
        }
    }
    return codec->pix_fmts[0];
}

AVSampleFormat PickSampleFormat(const AVCodec* codec) {
    if (codec == nullptr || codec->sample_fmts == nullptr) {
        return AV_SAMPLE_FMT_FLTP;
    }
    return codec->sample_fmts[0];
}

AVChannelLayout PickChannelLayout(const AVCodec* codec, int channels) {
    AVChannelLayout layout{};
    av_channel_layout_default(&layout, channels > 0 ? channels : 2);
    if (codec == nullptr || codec->ch_layouts == nullptr) {
        return layout;
    }
    const AVChannelLayout* best = nullptr;
    for (const AVChannelLayout* it = codec->ch_layouts; it->nb_channels != 0; ++it) {
        if (av_channel_layout_compare(it, &layout) == 0) {
            return layout;
        }
        if (best == nullptr || std::abs(it->nb_channels - layout.nb_channels) <
                                   std::abs(best->nb_channels - layout.nb_channels)) {
            best = it;
        }
    }
    if (best != nullptr && best->order == AV_CHANNEL_ORDER_NATIVE) {
        layout = *best;
    } else if (best != nullptr) {
        av_channel_layout_default(&layout, best->nb_channels);
    }
    return layout;
}

AVRational SampleAspectFor(AVRational displayAspect, int width, int height) {
    if (displayAspect.num <= 0 || displayAspect.den <= 0 || width <= 0 || height <= 0) {
        return {1, 1};
    }
    AVRational sar{};
    av_reduce(&sar.num, &sar.den, static_cast<std::int64_t>(displayAspect.num) * height,
              static_cast<std::int64_t>(displayAspect.den) * width, 65535);
    return sar;
}

PictureFit FitPicture(int srcWidth, int srcHeight, AVRational srcSar, int outWidth, int outHeight,
                      AVRational outSar) {
    PictureFit fit{EvenDown(outWidth), EvenDown(outHeight), 0, 0};
    const double inSar = srcSar.num > 0 && srcSar.den > 0 ? av_q2d(srcSar) : 1.0;
    const double frameSar = outSar.num > 0 && outSar.den > 0 ? av_q2d(outSar) : 1.0;
    if (srcWidth <= 0 || srcHeight <= 0 || outWidth <= 0 || outHeight <= 0) {
        return fit;
    }
    const double srcAspect = srcWidth * inSar / srcHeight;
    // Output pixels needed for the source's display aspect at full height.
    double width = outHeight * srcAspect / frameSar;
    double height = outHeight;
    if (width > outWidth) {
        width = outWidth;
        height = outWidth * frameSar / srcAspect;
    }
    fit.Width = std::min(NearestEven(width), EvenDown(outWidth));
    fit.Height = std::min(NearestEven(height), EvenDown(outHeight));
    fit.X = EvenDown((outWidth - fit.Width) / 2);
    fit.Y = EvenDown((outHeight - fit.Height) / 2);
    return fit;
}

Rotation RotationFromMatrix(const std::int32_t* matrix) {
    Rotation rotation;
    if (matrix == nullptr) {
        return rotation;
    }
    double theta = -std::round(av_display_rotation_get(matrix));
    if (std::isnan(theta)) {
        return rotation;
    }
    theta -= 360.0 * std::floor(theta / 360.0 + 0.9 / 360.0);
    if (std::fabs(theta - 90.0) < 1.0) {
        rotation.Filters = matrix[3] > 0 ? QStringLiteral("transpose=cclock_flip")
                                         : QStringLiteral("transpose=clock");
        rotation.SwapsSides = true;
    } else if (std::fabs(theta - 180.0) < 1.0) {
        QStringList parts;
        if (matrix[0] < 0) {
            parts << QStringLiteral("hflip");
        }
        if (matrix[4] < 0) {
            parts << QStringLiteral("vflip");
        }
        rotation.Filters = parts.join(QLatin1Char(','));
    } else if (std::fabs(theta - 270.0) < 1.0) {
        rotation.Filters = matrix[3] < 0 ? QStringLiteral("transpose=clock_flip")
                                         : QStringLiteral("transpose=cclock");
        rotation.SwapsSides = true;
    } else if (std::fabs(theta) < 1.0) {
        if (matrix[4] < 0) {
            rotation.Filters = QStringLiteral("vflip");
        }
    }
    // Other angles are left upright: a free rotation would need a larger frame than we fit.
    return rotation;
}

}  // namespace convert

}  // namespace veltrano
