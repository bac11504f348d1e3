#pragma once

#include <QChar>
#include <QString>
#include <array>
#include <optional>

namespace veltrano {

// Characters a file name cannot hold, in the order the change filter removes them.
inline constexpr std::array<char16_t, 10> kRefusedNameCharacters = {u'*', u'/', u':',  u'?', u'<',
                                                                    u'>', u'|', u'\\', u'@', u'"'};

// The folder separator that output folders end with on this platform.
QChar OutputPathSeparator();

// The proposal for the output name from the first row's full path: its base name (the last
// dot ends it, other dots stay) followed by "-join"; nullopt when the name has no extension.
// The proposal still has to pass the change filter (FilterFileName).
std::optional<QString> DefaultOutputName(const QString& firstRowPath);

bool IsRefusedNameCharacter(QChar c);
// Key filter: a typed refused character is swallowed.
std::optional<QChar> FilterFileNameKey(QChar key);
// Change filter: the text without any refused character.
QString FilterFileName(const QString& text);

// Name check of the Join action: the trimmed name, or nullopt when nothing is left.
std::optional<QString> ValidateOutputName(const QString& nameText);

// Folder box text as the Join action writes it back: trimmed, ending with the separator.
QString NormalizeFolderText(const QString& folderText);
// A normalised folder text is usable when it names an enterable folder and has at least
// three characters (so the bare root "/" is refused).
bool IsFolderTextValid(const QString& normalizedFolder);

}  // namespace veltrano
