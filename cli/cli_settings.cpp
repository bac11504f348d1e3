#include "cli/cli_settings.h"

#include "profiles/catalogue/profile_catalogue.h"
#include "profiles/output_dialog_texts.h"
#include "profiles/output_settings.h"

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

Status ApplyCliSettings(OutputSettings& settings, const CliSettings& cli,
                        const ProfileCatalogue& catalogue) {
    settings.SelectJoinMode(cli.Copy ? JoinMode::DirectCopy : JoinMode::Convert);

    if (cli.Profile) {
        const OutputProfile* profile = FindProfile(catalogue, *cli.Profile);
        if (profile == nullptr) {
            return Status::Failed(
                QStringLiteral("option --profile: unknown profile \"%1\"").arg(*cli.Profile));
        }
        settings.ApplyProfile(*profile);
    }

    if (cli.Size) {
        const qsizetype x = cli.Size->indexOf(QLatin1Char('x'), 0, Qt::CaseInsensitive);
        if (x < 0) {
            settings.SelectSizeRow(cli.Size->toInt());
        } else {
            // A custom size goes into the boxes as typed, then is normalised as when the
            // boxes lose the focus.
            settings.SelectSizeRow(OutputDialogTexts::kCustomSizeRow);
            settings.Width = cli.Size->left(x);
            settings.Height = cli.Size->mid(x + 1);
            settings.NormalizeDimension(DimensionBox::Width);
            settings.NormalizeDimension(DimensionBox::Height);
        }
    }

    if (cli.VideoQuality) {
        settings.SelectVideoQuality(*cli.VideoQuality);
    }
    if (cli.AudioQuality) {
        settings.SelectAudioQuality(*cli.AudioQuality);
    }

    const std::pair<GridItem, const std::optional<QString>*> typed[] = {
        {GridItem::VideoBitrate, &cli.VideoBitrate},
        {GridItem::FrameRate, &cli.FrameRate},
        {GridItem::AspectRate, &cli.Aspect},
        {GridItem::AudioBitrate, &cli.AudioBitrate},
        {GridItem::SampleRate, &cli.SampleRate}};
    for (const auto& [item, value] : typed) {
        if (*value) {
            settings.EditGridText(item, **value);
        }
    }
    if (cli.Channels) {
        settings.EditChannels(*cli.Channels);
    }
    if (cli.RemoveAudio) {
        settings.EditRemoveAudio(true);
    }
    return Status();
}

}  // namespace veltrano
