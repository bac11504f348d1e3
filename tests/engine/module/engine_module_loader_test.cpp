#include "engine/module/engine_module_loader.h"

#include <gtest/gtest.h>

namespace veltrano {
namespace {

TEST(EngineModuleLoaderTest, AMissingModuleIsAFailureThatNamesIt) {
    EngineModuleLoader loader({QStringLiteral("/nonexistent/veltrano-engine.so")});
    loader.Start();
    const Result<EngineParts*> parts = loader.Parts();
    ASSERT_FALSE(parts.Ok());
    EXPECT_EQ(parts.Message(), QStringLiteral("The media engine cannot be loaded: "
                                              "/nonexistent/veltrano-engine.so was not found"));
}

TEST(EngineModuleLoaderTest, AnotherModuleIsRefusedAsAnotherBuild) {
    // The conversion module: a loadable file without the engine's entry.
    EngineModuleLoader loader({QStringLiteral(VELTRANO_CONVERT_MODULE_PATH)});
    const Result<EngineParts*> parts = loader.Parts();
    ASSERT_FALSE(parts.Ok());
    EXPECT_EQ(parts.Message(),
              QStringLiteral("The media engine cannot be loaded: " VELTRANO_CONVERT_MODULE_PATH
                             " is from another build"));
}

// The module of this build, found where the build put it: its objects work, and its encoder
// shares the program's meta-object, so pointer-to-member connections reach its signals.
TEST(EngineModuleLoaderTest, TheBuiltModuleMakesObjectsOfTheProgramsOwnInterfaces) {
    EngineModuleLoader loader;
    loader.Start();
    const Result<EngineParts*> parts = loader.Parts();
    ASSERT_TRUE(parts.Ok()) << parts.Message().toStdString();
    const std::unique_ptr<MediaEncoder> encoder = (*parts)->NewEncoder();
    EXPECT_EQ(encoder->metaObject()->superClass(), &MediaEncoder::staticMetaObject);
    const std::unique_ptr<MediaDecoder> decoder = (*parts)->NewDecoder();
    EXPECT_FALSE(decoder->OpenMedia(QStringLiteral("/nonexistent/clip.mp4"), QString()));
    EXPECT_FALSE(decoder->LastErrorText().isEmpty());
}

}  // namespace
}  // namespace veltrano
