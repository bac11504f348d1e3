#include "engine/copy/copy_h264_setup.h"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace veltrano {

namespace copy_h264_setup {

namespace {

// Where the record and each sequence parameter set keep profile, flags and level: the flags
// byte follows the profile byte, the level byte follows the flags.
constexpr int kRecordFlags = 2;
constexpr int kRecordLevel = 3;
constexpr int kNalFlags = 2;
constexpr int kNalLevel = 3;

struct Record {
    std::vector<int> SpsOffsets;  // where each sequence parameter set's NAL unit starts
    QByteArray Head;              // the record's first six bytes
    QByteArray Sps;               // every sequence parameter set, with their lengths
    QByteArray Pps;               // the picture parameter sets and whatever follows
};

// Levels by what they allow: level_idc 9 is level 1b, between 1 (10) and 1.1 (11).
int LevelRank(std::uint8_t level) {
    return level == 9 ? 2 * 10 + 1 : 2 * level;
}

int U16(const QByteArray& data, int at) {
    return (static_cast<std::uint8_t>(data[at]) << 8) | static_cast<std::uint8_t>(data[at + 1]);
}

std::optional<Record> Parse(const QByteArray& setup) {
    if (!IsAvcRecord(setup) || setup.size() < 7) {
        return std::nullopt;
    }
    Record record;
    record.Head = setup.left(6);
    const int count = static_cast<std::uint8_t>(setup[5]) & 0x1f;
    int at = 6;
    for (int i = 0; i < count; ++i) {
        if (at + 2 > setup.size()) {
            return std::nullopt;
        }
        const int length = U16(setup, at);
        // Too short to hold a level, or a level of 0 that would need an emulation prevention
        // byte after it: compared as it is.
        if (length < 5 || at + 2 + length > setup.size() || setup[at + 2 + kNalLevel] == 0) {
            return std::nullopt;
        }
        record.SpsOffsets.push_back(at + 2);
        at += 2 + length;
    }
    record.Sps = setup.mid(6, at - 6);
    record.Pps = setup.mid(at);
    return record;
}

// The record with level and flags left out, in the record and in each sequence parameter set.
Record Masked(Record record) {
    record.Head[kRecordFlags] = 0;
    record.Head[kRecordLevel] = 0;
    for (const int offset : record.SpsOffsets) {
        record.Sps[offset - 6 + kNalFlags] = 0;
        record.Sps[offset - 6 + kNalLevel] = 0;
    }
    return record;
}

}  // namespace

bool IsAvcRecord(const QByteArray& setup) {
    return !setup.isEmpty() && setup[0] == 1;
}

QString Difference(const QByteArray& first, const QByteArray& other) {
    if (first == other) {
        return {};
    }
    const std::optional<Record> a = Parse(first);
    const std::optional<Record> b = Parse(other);
    if (!a || !b) {
        return QStringLiteral("sequence parameter set");
    }
    const Record maskedA = Masked(*a);
    const Record maskedB = Masked(*b);
    if (maskedA.Head != maskedB.Head || maskedA.Sps != maskedB.Sps) {
        return QStringLiteral("sequence parameter set");
    }
    if (maskedA.Pps != maskedB.Pps) {
        return QStringLiteral("picture parameter set");
    }
    return {};
}

QByteArray Merged(const std::vector<QByteArray>& setups) {
    if (setups.empty()) {
        return {};
    }
    QByteArray merged = setups.front();
    const std::optional<Record> first = Parse(merged);
    if (!first) {
        return merged;
    }
    std::uint8_t flags = 0xff;
    std::uint8_t level = 0;
    for (const QByteArray& setup : setups) {
        if (!Difference(merged, setup).isEmpty()) {
            return setups.front();
        }
        const std::optional<Record> record = Parse(setup);
        if (!record) {
            continue;
        }
        flags &= static_cast<std::uint8_t>(setup[kRecordFlags]);
        const auto raise = [&level](char other) {
            const auto value = static_cast<std::uint8_t>(other);
            level = LevelRank(value) > LevelRank(level) ? value : level;
        };
        raise(setup[kRecordLevel]);
        for (const int offset : record->SpsOffsets) {
            flags &= static_cast<std::uint8_t>(setup[offset + kNalFlags]);
            raise(setup[offset + kNalLevel]);
        }
    }
    merged[kRecordFlags] = static_cast<char>(flags);
    merged[kRecordLevel] = static_cast<char>(level);
    for (const int offset : first->SpsOffsets) {
        merged[offset + kNalFlags] = static_cast<char>(flags);
        merged[offset + kNalLevel] = static_cast<char>(level);
    }
    return merged;
}

void StateShared(AVCodecParameters* out, const std::vector<CopyInputScan>& scans,
                 const std::vector<std::vector<int>>& kept, std::size_t outIndex) {
    if (out->codec_id != AV_CODEC_ID_H264 || out->extradata == nullptr ||
        kept.size() < scans.size()) {
        return;
    }
    std::vector<QByteArray> setups;
    for (std::size_t index = 0; index < scans.size(); ++index) {
        if (outIndex >= kept[index].size()) {
            return;
        }
        const auto stream = static_cast<std::size_t>(kept[index][outIndex]);
        if (stream >= scans[index].Streams.size()) {
            return;
        }
        setups.push_back(scans[index].Streams[stream].Extradata);
    }
    // Only bytes change: the first file's record keeps its size.
    const QByteArray merged = Merged(setups);
    if (merged.size() == out->extradata_size) {
        std::copy(merged.begin(), merged.end(), out->extradata);
    }
}

}  // namespace copy_h264_setup

}  // namespace veltrano
