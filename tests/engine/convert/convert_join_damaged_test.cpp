// Inputs whose timing fields or pictures are damaged: a conversion join finishes with what the
// file holds, or fails naming the file, and never fills a gap no recording has.

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <atomic>
#include <bit>
#include <csignal>
#include <memory>

#include "engine/api/engine_messages.h"
#include "engine/convert/convert_join.h"
#include "tests/support/media_tools.h"
#include "tests/support/test_text.h"

namespace veltrano {

namespace {

// Byte patches that damage one field of a clip the ffmpeg tool made, as mutation fuzzing did.
std::uint8_t At(const QByteArray& data, qsizetype at) {
    return static_cast<std::uint8_t>(data.at(at));
}

std::uint64_t ReadBigEndian(const QByteArray& data, qsizetype at, int bytes) {
    std::uint64_t value = 0;
    for (int i = 0; i < bytes; ++i) {
        value = (value << 8) | At(data, at + i);
    }
    return value;
}

QByteArray BigEndian(std::uint64_t value, int bytes) {
    QByteArray out(bytes, '\0');
    for (int i = bytes - 1; i >= 0; --i, value >>= 8) {
        out[i] = static_cast<char>(value & 0xff);
    }
    return out;
}

QByteArray Bytes(std::initializer_list<int> bytes) {
    QByteArray out;
    for (const int b : bytes) {
        out.append(static_cast<char>(b));
    }
    return out;
}

// Matroska: ffmpeg starts Tracks and every Cluster with a 6-byte CRC-32 element. A widened field
// takes those bytes (a Void fills what is left), so nothing after it moves.
constexpr int kCrcElementSize = 6;

// Where the body of the `nth` element `id` that opens with a CRC-32 starts (at the CRC), or -1.
qsizetype MatroskaBody(const QByteArray& mkv, const QByteArray& id, int nth) {
    for (qsizetype at = mkv.indexOf(id); at >= 0; at = mkv.indexOf(id, at + 1)) {
        const qsizetype body = at + id.size() + std::countl_zero(At(mkv, at + id.size())) + 1;
        if (body + 1 < mkv.size() && At(mkv, body) == 0xbf && At(mkv, body + 1) == 0x84 &&
            nth-- == 0) {
            return body;
        }
    }
    return -1;
}

bool DamageClusterTime(QByteArray& mkv) {
    const qsizetype crc = MatroskaBody(mkv, Bytes({0x1f, 0x43, 0xb6, 0x75}), 1);
    const qsizetype time = crc + kCrcElementSize;
    if (crc < 0 || At(mkv, time) != 0xe7) {
        return false;
    }
    const int oldSize = kCrcElementSize + 2 + (At(mkv, time + 1) & 0x7f);
    QByteArray field = Bytes({0xe7, 0x86}) + BigEndian(std::uint64_t{1} << 44, 6);  // ms
    const int voidSize = oldSize - static_cast<int>(field.size());
    if (voidSize < 2) {
        return false;
    }
    field += Bytes({0xec, 0x80 | (voidSize - 2)}) + QByteArray(voidSize - 2, '\0');
    mkv.replace(crc, oldSize, field);
    return true;
}

bool DamageDefaultDuration(QByteArray& mkv) {
    const qsizetype crc = MatroskaBody(mkv, Bytes({0x16, 0x54, 0xae, 0x6b}), 0);
    const qsizetype entry = crc + kCrcElementSize;
    if (crc < 0 || At(mkv, entry) != 0xae) {
        return false;
    }
    const int sizeWidth = std::countl_zero(At(mkv, entry + 1)) + 1;
    const std::uint64_t marker = std::uint64_t{1} << (7 * sizeWidth);
    const std::uint64_t size = ReadBigEndian(mkv, entry + 1, sizeWidth) & (marker - 1);
    const qsizetype body = entry + 1 + sizeWidth;
    const qsizetype field = mkv.indexOf(Bytes({0x23, 0xe3, 0x83, 0x84}), body);
    if (field < 0 || field >= body + static_cast<qsizetype>(size)) {
        return false;  // only a 4-byte duration widens by exactly the CRC's room
    }
    const QByteArray entryBytes =
        Bytes({0xae}) + BigEndian((size + 4) | marker, sizeWidth) + mkv.mid(body, field - body) +
        Bytes({0x23, 0xe3, 0x83, 0x88}) + BigEndian(0x3fffffffffffffffULL, 8) +
        mkv.mid(field + 8, body + static_cast<qsizetype>(size) - field - 8);
    mkv.replace(crc, kCrcElementSize + (body - entry) + static_cast<qsizetype>(size),
                Bytes({0xec, 0x80}) + entryBytes);
    return true;
}

std::uint32_t OggCrc(const QByteArray& page) {
    std::uint32_t crc = 0;
    for (const char byte : page) {
        crc ^= static_cast<std::uint32_t>(static_cast<std::uint8_t>(byte)) << 24;
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc & 0x80000000U) != 0 ? (crc << 1) ^ 0x04c11db7U : crc << 1;
        }
    }
    return crc;
}

QByteArray LittleEndian(std::uint64_t value, int bytes) {
    QByteArray out = BigEndian(value, bytes);
    std::reverse(out.begin(), out.end());
    return out;
}

// The first Vorbis page with a granule position gets 0x7ff0000000000000; its CRC stays valid.
bool DamageOggGranule(QByteArray& ogg) {
    const qsizetype header = ogg.indexOf("\x01vorbis");
    const qsizetype bos = ogg.lastIndexOf("OggS", header);
    if (header < 0 || bos < 0) {
        return false;
    }
    const QByteArray serial = ogg.mid(bos + 14, 4);
    for (qsizetype page = ogg.indexOf("OggS"); page >= 0; page = ogg.indexOf("OggS", page + 1)) {
        if (ogg.mid(page + 14, 4) != serial || ogg.mid(page + 6, 8) == QByteArray(8, '\0')) {
            continue;
        }
        const int segments = At(ogg, page + 26);
        qsizetype length = 27 + segments;
        for (int i = 0; i < segments; ++i) {
            length += At(ogg, page + 27 + i);
        }
        ogg.replace(page + 6, 8, LittleEndian(0x7ff0000000000000ULL, 8));
        ogg.replace(page + 22, 4, QByteArray(4, '\0'));
        ogg.replace(page + 22, 4, LittleEndian(OggCrc(ogg.mid(page, length)), 4));
        return true;
    }
    return false;
}

// The second fragment's first track starts at 0x7fffffffffff0000 (a version 1 tfdt).
bool DamageFragmentStart(QByteArray& mp4) {
    qsizetype box = -1;
    for (int i = 0; i < 3; ++i) {
        box = mp4.indexOf("tfdt", box + 1);
        if (box < 0) {
            return false;
        }
    }
    if (At(mp4, box + 4) != 1) {
        return false;
    }
    mp4.replace(box + 8, 8, BigEndian(0x7fffffffffff0000ULL, 8));
    return true;
}

// The movie header states 0x7fffffff ms (a version 0 mvhd at ffmpeg's 1000 units a second).
bool DamageMovieDuration(QByteArray& mp4) {
    const qsizetype box = mp4.indexOf("mvhd");
    if (box < 0 || At(mp4, box + 4) != 0 || ReadBigEndian(mp4, box + 16, 4) != 1000) {
        return false;
    }
    mp4.replace(box + 20, 4, BigEndian(0x7fffffff, 4));
    return true;
}

// Codec names swapped for others of the same length: every packet then fails to decode.
bool DamageCodecs(QByteArray& mkv) {
    const qsizetype video = mkv.indexOf("V_MPEG4/ISO/AVC");
    const qsizetype audio = mkv.indexOf("A_AAC");
    if (video < 0 || audio < 0) {
        return false;
    }
    mkv.replace(video, 15, "V_MPEG4/ISO/ASP");
    mkv.replace(audio, 5, "A_AC3");
    return true;
}

bool Unchanged(QByteArray&) {
    return true;
}

// Everything after the movie header of a fast-start MP4 but the first 100 bytes of its data.
bool CutAfterHeaders(QByteArray& mp4) {
    const qsizetype data = mp4.indexOf("mdat");
    if (data < 0 || mp4.indexOf("moov") > data) {
        return false;
    }
    mp4.truncate(data + 4 + 100);
    return true;
}

OutputPlan Mpeg4Plan() {
    OutputPlan plan;
    plan.MuxerName = Q("mp4");
    plan.VideoEncoder = Q("mpeg4");
    plan.AudioEncoder = Q("aac");
    plan.Width = 160;
    plan.Height = 120;
    return plan;
}

// While it lives, a write that would make a file larger than `bytes` fails (EFBIG) instead of
// ending the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : handler_(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limit = previous_;
        limit.rlim_cur = std::min(bytes, previous_.rlim_max);
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, handler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    void (*handler_)(int);
    rlimit previous_{};
};

struct DamagedCase {
    const char* Name;
    const char* Clip;     // made in SetUpTestSuite
    const char* Damaged;  // the clip with the patch applied
    bool (*Damage)(QByteArray&);
    bool RemoveAudio;
};

void PrintTo(const DamagedCase& c, std::ostream* os) {
    *os << c.Name;
}

class ConvertJoinDamagedTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(dir_->isValid());
        const QStringList h264{Q("-c:v"), Q("libx264"), Q("-preset"), Q("ultrafast")};
        ASSERT_TRUE(media_tools::MakeClip(Path("one.mp4"), 1.0, 160, 120, Q("25"),
                                          h264 + QStringList{Q("-c:a"), Q("aac")}));
        // Clusters of half a second, so there is a second cluster to damage.
        ASSERT_TRUE(media_tools::MakeClip(
            Path("clip.mkv"), 2.0, 160, 120, Q("25"),
            h264 + QStringList{Q("-c:a"), Q("aac"), Q("-cluster_time_limit"), Q("500")}));
        ASSERT_TRUE(media_tools::MakeClip(Path("clip.ogg"), 2.0, 160, 120, Q("25"),
                                          {Q("-c:v"), Q("libtheora"), Q("-c:a"), Q("libvorbis")}));
        ASSERT_TRUE(media_tools::MakeClip(
            Path("fragments.mp4"), 2.0, 160, 120, Q("25"),
            h264 + QStringList{Q("-g"), Q("10"), Q("-c:a"), Q("aac"), Q("-movflags"),
                               Q("frag_keyframe+empty_moov")}));
        ASSERT_TRUE(media_tools::MakeClip(Path("sound.m4a"), 1.5, 0, 0, Q("25"),
                                          {Q("-c:a"), Q("aac")}, false));
        ASSERT_TRUE(media_tools::MakeClip(
            Path("encrypted.mp4"), 1.0, 160, 120, Q("25"),
            h264 + QStringList{Q("-c:a"), Q("aac"), Q("-encryption_scheme"), Q("cenc-aes-ctr"),
                               Q("-encryption_key"), Q("00112233445566778899aabbccddeeff"),
                               Q("-encryption_kid"), Q("112233445566778899aabbccddeeff00")}));
        ASSERT_TRUE(media_tools::MakeClip(
            Path("faststart.mp4"), 1.0, 160, 120, Q("25"),
            h264 + QStringList{Q("-c:a"), Q("aac"), Q("-movflags"), Q("+faststart")}));
    }
    static void TearDownTestSuite() { dir_.reset(); }

    static QString Path(const char* name) { return dir_->filePath(Q(name)); }

    // Writes the case's damaged file; false when the clip does not have the field to damage.
    static bool MakeDamaged(const DamagedCase& c) {
        QFile in(Path(c.Clip));
        QFile out(Path(c.Damaged));
        if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly)) {
            return false;
        }
        QByteArray bytes = in.readAll();
        return c.Damage(bytes) && out.write(bytes) == bytes.size();
    }

    // Joins one.mp4 and the damaged file into a folder of its own. A join that filled the gap
    // would write until the disk is full; past kMaxBytes its writes fail instead.
    Status Join(const DamagedCase& c) {
        OutputPlan plan = Mpeg4Plan();
        plan.RemoveAudio = c.RemoveAudio;
        const JoinTask task{
            {Path("one.mp4"), Path(c.Damaged)}, out_.filePath(Q("joined.mp4")), plan};
        std::atomic<bool> cancel{false};
        const FileSizeLimit limit(kMaxBytes);
        return RunConvertJoin(task, cancel, {});
    }

    QStringList OutputFolder() const {
        return QDir(out_.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    static constexpr rlim_t kMaxBytes = 4 * 1024 * 1024;
    static std::unique_ptr<QTemporaryDir> dir_;
    QTemporaryDir out_;
};

std::unique_ptr<QTemporaryDir> ConvertJoinDamagedTest::dir_;

class ConvertJoinDamagedTimingTest : public ConvertJoinDamagedTest,
                                     public testing::WithParamInterface<DamagedCase> {};

TEST_P(ConvertJoinDamagedTimingTest, JoinsWhatTheFileHolds) {
    const DamagedCase& c = GetParam();
    ASSERT_TRUE(MakeDamaged(c)) << "the clip has no field to damage";
    const double held = media_tools::FormatDuration(media_tools::Probe(Path(c.Clip)));
    const Status outcome = Join(c);
    ASSERT_TRUE(outcome.Ok()) << outcome.Message().toStdString();
    ASSERT_EQ(OutputFolder(), QStringList{Q("joined.mp4")});
    const QString output = out_.filePath(Q("joined.mp4"));
    EXPECT_NEAR(media_tools::FormatDuration(media_tools::Probe(output)), 1.0 + held, 0.1);
    EXPECT_NEAR(media_tools::StreamDuration(output, Q("video")), 1.0 + held, 0.1);
    if (!c.RemoveAudio) {
        EXPECT_NEAR(media_tools::StreamDuration(output, Q("audio")), 1.0 + held, 0.1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, ConvertJoinDamagedTimingTest,
    testing::Values(
        DamagedCase{"MatroskaDefaultDuration", "clip.mkv", "duration.mkv", DamageDefaultDuration,
                    false},
        DamagedCase{"MatroskaClusterTime", "clip.mkv", "cluster.mkv", DamageClusterTime, false},
        DamagedCase{"OggGranule", "clip.ogg", "granule.ogg", DamageOggGranule, false},
        DamagedCase{"FragmentStart", "fragments.mp4", "tfdt.mp4", DamageFragmentStart, false},
        DamagedCase{"StatedSoundLengthWithoutSound", "sound.m4a", "mvhd.m4a", DamageMovieDuration,
                    true}),
    [](const testing::TestParamInfo<DamagedCase>& info) { return std::string(info.param.Name); });

struct UndecodableCase {
    DamagedCase Input;
    engine_messages::UndecodableCause Cause;
};

void PrintTo(const UndecodableCase& c, std::ostream* os) {
    *os << c.Input.Name;
}

class ConvertJoinUndecodableTest : public ConvertJoinDamagedTest,
                                   public testing::WithParamInterface<UndecodableCase> {};

TEST_P(ConvertJoinUndecodableTest, FailsNamingTheFileAndWhy) {
    const DamagedCase& c = GetParam().Input;
    ASSERT_TRUE(MakeDamaged(c)) << "the clip has no field to damage";
    const Status outcome = Join(c);
    EXPECT_LT(outcome.Code(), 0);
    EXPECT_EQ(outcome.Message(), engine_messages::NothingDecodable(
                                     QDir::toNativeSeparators(Path(c.Damaged)), GetParam().Cause));
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, ConvertJoinUndecodableTest,
    testing::Values(
        UndecodableCase{{"Encrypted", "encrypted.mp4", "encrypted-copy.mp4", Unchanged, false},
                        engine_messages::UndecodableCause::Encrypted},
        UndecodableCase{{"CutAfterHeaders", "faststart.mp4", "cut.mp4", CutAfterHeaders, false},
                        engine_messages::UndecodableCause::CutShort},
        UndecodableCase{{"UndecodableStreams", "clip.mkv", "codecs.mkv", DamageCodecs, false},
                        engine_messages::UndecodableCause::Damaged}),
    [](const testing::TestParamInfo<UndecodableCase>& info) {
        return std::string(info.param.Input.Name);
    });

}  // namespace

}  // namespace veltrano
