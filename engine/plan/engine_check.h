#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace veltrano {

// One linked library: the major version we were compiled against and the version the
// running library reports (AV_VERSION_INT form, major in the top bits).
struct LibraryVersion {
    QString Name;             // "libavformat"
    unsigned BuiltMajor;      // LIBAVFORMAT_VERSION_MAJOR
    unsigned RuntimeVersion;  // avformat_version()
};

// What the engine must find before a join can be promised: matching libraries, and every
// encoder and muxer that some output profile relies on.
struct EngineRequirements {
    std::vector<LibraryVersion> Libraries;
    QStringList Encoders;  // libavcodec encoder names
    QStringList Muxers;    // libavformat muxer short names

    // The libraries every front end links (libavutil, libavcodec, libavformat) and what the
    // output profiles need. The conversion's libraries are checked where they are loaded
    // (ConvertModuleLoader), the player's by the player.
    static EngineRequirements ForProfiles();
};

// "libavformat version 60 is installed, version 59 is needed", one per library whose major
// version differs from the one built against; empty when all match.
QStringList LibraryVersionProblems(const std::vector<LibraryVersion>& libraries);
// The sentence a check failure shows: "The media libraries are not usable: " and the problems.
QString UnusableLibrariesText(const QStringList& problems);

// Answers IsEngineLoaded / LoadEngine for the in-process engine. The libraries are linked,
// not loaded from a folder, so "loading" means checking that they are usable; the result is
// worked out once and kept. Construct with other requirements to check something else (tests
// use that to make the check fail).
class EngineCheck {
public:
    explicit EngineCheck(EngineRequirements requirements = EngineRequirements::ForProfiles());

    // True when every requirement is met.
    bool IsEngineLoaded();
    // The folder is where a separately shipped engine would lie; the linked libraries do not
    // need it. Same answer as IsEngineLoaded.
    bool LoadEngine(const QString& folder);
    // Names everything that is missing, empty when nothing is.
    QString LastErrorText() const { return lastError_; }

private:
    void RunChecks();

    EngineRequirements requirements_;
    bool checked_ = false;
    bool usable_ = false;
    QString lastError_;
};

}  // namespace veltrano
