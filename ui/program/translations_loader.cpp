#include "ui/program/translations_loader.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace veltrano {

TranslationsLoader::TranslationsLoader(QStringList folders) : folders_(std::move(folders)) {}

TranslationsLoader::~TranslationsLoader() {
    if (installed_) {
        QCoreApplication::removeTranslator(&qt_);
        QCoreApplication::removeTranslator(&ours_);
    }
}

bool TranslationsLoader::LoadOurs(const QString& language) {
    for (const QString& folder : folders_) {
        // load() also tries the name with its country cut off ("de_AT" finds "de").
        if (ours_.load(QStringLiteral("veltrano_") + language, folder)) {
            return true;
        }
    }
    return false;
}

QString TranslationsLoader::Install(const QLocale& locale) {
    // uiLanguages() lists the user's languages in order of preference (LANGUAGE, then LANG
    // on Linux): the first that is English or ours wins, so "en:de" stays English.
    for (QString language : locale.uiLanguages()) {
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        if (language == QLatin1String("C") || language.startsWith(QLatin1String("en"))) {
            return QString();
        }
        if (!LoadOurs(language)) {
            continue;
        }
        QCoreApplication::installTranslator(&ours_);
        // Without Qt's file the standard buttons stay English; ours still applies.
        if (qt_.load(QStringLiteral("qtbase_") + language,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(&qt_);
        }
        installed_ = true;
        return language;
    }
    return QString();
}

}  // namespace veltrano
