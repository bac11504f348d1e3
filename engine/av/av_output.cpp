#include "engine/av/av_output.h"

#include "engine/av/av_ptr.h"

namespace veltrano {

namespace av {

int OpenOutputFile(AVFormatContext* output, const QByteArray& path,
                   const AVIOInterruptCB& interrupt) {
    DictionaryPtr options;
    av_dict_set(OutPtr(options), "truncate", "0", 0);
    return avio_open2(&output->pb, path.constData(), AVIO_FLAG_WRITE, &interrupt, OutPtr(options));
}

}  // namespace av

}  // namespace veltrano
