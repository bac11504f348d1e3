#pragma once

#include <QString>

#include "engine/plan/encode_options.h"
#include "engine/plan/output_plan.h"

// Fills in what an option string leaves to the output container, and the rules a plan can
// settle before any input is decoded:
// - muxer: "-f" or the target's, else from the extension (.mp4 mp4, .mov mov, .3gp 3gp,
//   .flv/.f4v flv, .swf swf, .mkv matroska, .avi avi, .asf/.wmv asf, .mpg/.mpeg mpeg (vob for
//   MPEG-2 video), .vob vob, .rm rm; in copy mode any extension libavformat knows);
// - codecs when the string names none: each profile's promise (mp4 mpeg4 + aac, mov libx264 +
//   aac, 3gp h263 + aac (mpeg4 for sizes H.263 cannot code), flv/swf flv + libmp3lame,
//   f4v libx264 + aac, mkv libx264 + libmp3lame, mpg mpeg1video + mp2, mpeg2video + mp2,
//   vob/dvd mpeg2video + ac3, vcd mpeg1video + mp2, rm rv20 + ac3, avi libxvid + libmp3lame,
//   asf msmpeg4v2 + wmav2, wmv wmv2 + wmav2);
// - the target's rates, GOP and mux values wherever the string did not set its own;
// - FLV and SWF carry only 44100, 22050 and 11025 Hz audio (nearest taken);
// - rv20 into RM: rate control bounded (max rate = bitrate, buffer <= 400 kbit) so that no key
//   frame outgrows the muxer's 64 kB packet limit;
// - sizes are made even (4:2:0 pictures need it).
// Fitting to what one encoder supports (frame rates for MPEG-1/2, sample rates, channel
// layouts, pixel formats) happens when the encoder opens: see convert_fit.h.
Result<OutputPlan> ResolveOutputPlan(const EncodeOptions& options, const QString& outputPath,
                                     const FirstInputFacts& facts = {});

// The libavformat muxer for a file name's extension, empty when none fits.
QString MuxerForExtension(const QString& outputPath);
