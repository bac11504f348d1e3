#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <memory>
#include <optional>

#include "app/join/join_action.h"
#include "app/join/join_request.h"
#include "core/list/join_list.h"
#include "profiles/catalogue/profile_catalogue.h"
#include "tests/support/probe_test_printers.h"
#include "tests/support/recording_messages.h"
#include "ui/settings/form_video_format.h"

namespace veltrano {

class FakeFolderBrowser : public FolderBrowser {
public:
    std::optional<QString> ChooseFolder() override {
        ++opened;
        return choice;
    }
    std::optional<QString> choice;
    int opened = 0;
};

// A dialog over a list of two equal fake rows in a temporary folder, with recorded messages and
// a scripted folder browser. The progress window is a counter.
class FormVideoFormatTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "ui_settings_tests";
        static char* argv[] = {name, nullptr};
        app_ = new QApplication(argc, argv);
    }
    static void TearDownTestSuite() {
        delete app_;
        app_ = nullptr;
    }

    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        list.Append(Row(QStringLiteral("holiday.avi"), QStringLiteral("640 X 480")));
        list.Append(Row(QStringLiteral("second.avi"), QStringLiteral("640 X 480")));
        dialog = std::make_unique<FormVideoFormat>(
            catalogue, list, request, messages, browser, folder.path(),
            [this] {
                ++progressShown;
                dialogVisibleAtProgress = dialog->isVisible();
            },
            nullptr);
    }

    MediaItem Row(const QString& fileName, const QString& size) const {
        MediaItem item;
        item.SourcePath = folder.filePath(fileName);
        item.TypeText = QStringLiteral("AVI");
        item.DurationText = QStringLiteral("00:00:10");
        item.VideoSizeText = size;
        item.VideoCodec = QStringLiteral("mpeg4");
        item.AudioCodec = QStringLiteral("mp3");
        item.DurationSeconds = 10.0;
        return item;
    }

    template <typename T>
    T* Find(const char* name) const {
        T* widget = dialog->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    // The dialog's client width in pixels (the outer width less the 6-pixel frame).
    static int ClientWidth(int outerTwips) { return outerTwips / 15 - 6; }

    static inline QApplication* app_ = nullptr;
    QTemporaryDir folder;
    ProfileCatalogue catalogue;
    JoinList list;
    JoinRequest request;
    RecordingMessages messages;
    FakeFolderBrowser browser;
    int progressShown = 0;
    bool dialogVisibleAtProgress = true;
    std::unique_ptr<FormVideoFormat> dialog;
};

}  // namespace veltrano
