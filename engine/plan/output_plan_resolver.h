#pragma once

#include <QString>

#include "engine/plan/encode_options.h"
#include "engine/plan/output_plan.h"

namespace veltrano {

// Fills in what an option string leaves to the output container, and settles every rule a
// plan can settle before any input is decoded:
// - muxer: "-f" or the target's, else from the extension (.mp4 mp4, .mov mov, .3gp 3gp,
//   .flv/.f4v flv, .swf swf, .mkv matroska, .avi avi, .asf/.wmv asf, .mpg/.mpeg mpeg, .vob vob,
//   .rm rm; in copy mode any extension libavformat knows, and a name without extension the
//   first input's container, facts.Container);
// - codecs when the string names none: each profile's promise (the table in output_rules.cpp;
//   3gp falls back from h263 to mpeg4 for sizes H.263 cannot code);
// - the target's rates, GOP and mux values wherever the string did not set its own;
// - the container rules of ApplyOutputRules (output_rules.h): Flash sample rates, H.263 sizes,
//   RM rate control, MPEG program streams;
// - sizes are made even (4:2:0 pictures need it).
// Fitting to what one encoder supports (frame rates for MPEG-1/2, sample rates, channel
// layouts, pixel formats) happens when the encoder opens: see convert_fit.h.
Result<OutputPlan> ResolveOutputPlan(const EncodeOptions& options, const QString& outputPath,
                                     const FirstInputFacts& facts = {});

// The whole road from option string to plan: ReadEncodeOptions (encode_options.h), then
// ResolveOutputPlan for the container's defaults.
Result<OutputPlan> ParseEncodeOptions(const QString& parameters, const QString& outputPath,
                                      const FirstInputFacts& facts = {});

// The libavformat muxer for a file name's extension, empty when none fits.
QString MuxerForExtension(const QString& outputPath);

}  // namespace veltrano
