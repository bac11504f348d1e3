#pragma once

#include <QLocale>
#include <QStringList>
#include <QTranslator>

namespace veltrano {

// Installs the window program's translation (veltrano_<lang>.qm) and Qt's own (qtbase_<lang>.qm,
// so the standard buttons and dialogs match) for the first of the user's languages that is
// English or has a translation of ours. English, the source language, installs nothing.
// The translators are installed on the application while this object lives.
class TranslationsLoader {
public:
    // Folders searched in order for veltrano_<lang>.qm; Qt's files come from its own folder.
    explicit TranslationsLoader(QStringList folders);
    ~TranslationsLoader();
    TranslationsLoader(const TranslationsLoader&) = delete;
    TranslationsLoader& operator=(const TranslationsLoader&) = delete;

    // The chosen language ("de", "pt_BR"), or empty for English.
    QString Install(const QLocale& locale);

private:
    bool LoadOurs(const QString& language);

    QStringList folders_;
    QTranslator ours_;
    QTranslator qt_;
    bool installed_ = false;
};

}  // namespace veltrano
