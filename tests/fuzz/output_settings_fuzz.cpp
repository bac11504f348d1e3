// The output settings' typed text: the advanced grid's normaliser, the width/height boxes and
// the name/folder boxes, as the dialog and the command line feed them (all of it lives in
// profiles/; the dialog window only forwards keys and texts). Each input line is one edit: its
// first character picks the control, the rest is what was typed. After every edit the values
// must be in the forms the rules promise.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <cstdlib>

#include "profiles/advanced_grid.h"
#include "profiles/output_name.h"
#include "profiles/output_settings.h"
#include "profiles/parameter_builder.h"

using namespace veltrano;

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// Digits only (leading zeros as typed), an even number from 16 to 5000.
bool IsDimension(QString text) {
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return false;
        }
    }
    while (text.startsWith(QLatin1Char('0'))) {
        text.remove(0, 1);
    }
    const int value = text.size() <= 4 ? text.toInt() : 0;
    return value >= 16 && value <= 5000 && value % 2 == 0;
}

void CheckGrid(const OutputSettings& settings) {
    const QString autoText = QStringLiteral("Auto");
    const auto keeps = [&autoText](const QString& value, bool (*form)(const QString&)) {
        return value == autoText || form(value);
    };
    Check(keeps(settings.VideoBitrate, IsBitrateForm));
    Check(keeps(settings.AudioBitrate, IsBitrateForm));
    Check(keeps(settings.SampleRate, IsSampleRateForm));
    Check(keeps(settings.FrameRate, IsFrameRateForm));
    Check(keeps(settings.AspectRate, IsAspectForm));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QStringList lines =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size))
            .split(QLatin1Char('\n'));
    OutputSettings settings;
    settings.SelectJoinMode(JoinMode::Convert);
    for (const QString& line : lines) {
        if (line.isEmpty()) {
            continue;
        }
        const QString text = line.mid(1);
        switch (line.front().unicode() % 8) {
            case 0:
            case 1: {
                const GridItem item = kFreeTextItems[line.front().unicode() % 5];
                settings.EditGridText(item, text);
                break;
            }
            case 2:
                settings.Width = text;
                settings.NormalizeDimension(DimensionBox::Width);
                Check(IsDimension(settings.Width));
                break;
            case 3:
                settings.SelectSizeRow(text.size() % 17);
                settings.Height = text;
                settings.NormalizeDimension(DimensionBox::Height);
                Check(IsDimension(settings.Height));
                break;
            case 4:
                settings.SetFileNameText(text);
                for (QChar c : settings.FileNameText) {
                    Check(!IsRefusedNameCharacter(c) && FilterFileNameKey(c));
                }
                if (const std::optional<QString> name = ValidateOutputName(settings.FileNameText)) {
                    Check(!name->isEmpty());
                }
                break;
            case 5:
                settings.ProposeOutputName(text);
                break;
            case 6: {
                const QString folder = NormalizeFolderText(text);
                Check(folder.endsWith(OutputPathSeparator()));
                Check(NormalizeFolderText(folder) == folder);
                break;
            }
            case 7:
                settings.EditChannels(text.size() % 4);
                settings.EditRemoveAudio(text.size() % 2 == 1);
                break;
        }
        CheckGrid(settings);
    }
    BuildEngineParameters(settings, {});
    return 0;
}
