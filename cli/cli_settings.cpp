#include "cli/cli_settings.h"

#include "profiles/output_dialog_texts.h"
#include "profiles/output_settings.h"
#include "profiles/profile_catalogue.h"

namespace veltrano {

const OutputProfile* FindProfile(const ProfileCatalogue& catalogue, const QString& text) {
    bool isNumber = false;
    const int id = text.toInt(&isNumber);
    if (isNumber) {
        if (const OutputProfile* profile = catalogue.FindByCommandId(id)) {
            return profile;
        }
    }
    if (const OutputProfile* profile = catalogue.FindByCommandName(text)) {
        return profile;
    }
    return catalogue.FindByCaption(text);
}

QString ApplyCliSettings(OutputSettings& settings, const CliSettings& cli,
                         const ProfileCatalogue& catalogue) {
    settings.SelectJoinMode(cli.copy ? JoinMode::DirectCopy : JoinMode::Convert);

    if (cli.profile) {
        const OutputProfile* profile = FindProfile(catalogue, *cli.profile);
        if (profile == nullptr) {
            return QStringLiteral("option --profile: unknown profile \"%1\"").arg(*cli.profile);
        }
        settings.ApplyProfile(*profile);
    }

    if (cli.size) {
        const qsizetype x = cli.size->indexOf(QLatin1Char('x'), 0, Qt::CaseInsensitive);
        if (x < 0) {
            settings.SelectSizeRow(cli.size->toInt());
        } else {
            // A custom size goes into the boxes as typed, then is normalised as when the
            // boxes lose the focus.
            settings.SelectSizeRow(OutputDialogTexts::kCustomSizeRow);
            settings.Width = cli.size->left(x);
            settings.Height = cli.size->mid(x + 1);
            settings.NormalizeDimension(DimensionBox::Width);
            settings.NormalizeDimension(DimensionBox::Height);
        }
    }

    if (cli.videoQuality) {
        settings.SelectVideoQuality(*cli.videoQuality);
    }
    if (cli.audioQuality) {
        settings.SelectAudioQuality(*cli.audioQuality);
    }

    const std::pair<GridItem, const std::optional<QString>*> typed[] = {
        {GridItem::VideoBitrate, &cli.videoBitrate},
        {GridItem::FrameRate, &cli.frameRate},
        {GridItem::AspectRate, &cli.aspect},
        {GridItem::AudioBitrate, &cli.audioBitrate},
        {GridItem::SampleRate, &cli.sampleRate}};
    for (const auto& [item, value] : typed) {
        if (*value) {
            settings.EditGridText(item, **value);
        }
    }
    if (cli.channels) {
        settings.EditChannels(*cli.channels);
    }
    if (cli.removeAudio) {
        settings.EditRemoveAudio(true);
    }
    return {};
}

}  // namespace veltrano
