# The window program's translations: translations/veltrano_<lang>.ts are the sources (updated by
# scripts/update-translations.sh), the build turns each into a .qm in build/translations, where the
# uninstalled program finds them, and installs them in the data folder's translations/.
# Qt's lrelease from qt6-l10n-tools; Debian ships its CMake package (Qt6LinguistTools) only in
# qt6-tools-dev, so the tool is found directly.
find_program(VELTRANO_LRELEASE NAMES lrelease lrelease-qt6
             HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_LIBEXECS} /usr/lib/qt6/bin REQUIRED)
find_program(VELTRANO_LUPDATE NAMES lupdate lupdate-qt6
             HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_LIBEXECS} /usr/lib/qt6/bin REQUIRED)

set(VELTRANO_LANGUAGES de fr es pt_BR it ru pl zh_CN ja)
set(VELTRANO_QM_DIR ${PROJECT_BINARY_DIR}/translations)
set(VELTRANO_QM_FILES)
foreach(language IN LISTS VELTRANO_LANGUAGES)
    set(ts ${PROJECT_SOURCE_DIR}/translations/veltrano_${language}.ts)
    set(qm ${VELTRANO_QM_DIR}/veltrano_${language}.qm)
    add_custom_command(OUTPUT ${qm}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${VELTRANO_QM_DIR}
        COMMAND ${VELTRANO_LRELEASE} -silent ${ts} -qm ${qm}
        DEPENDS ${ts} VERBATIM)
    list(APPEND VELTRANO_QM_FILES ${qm})
endforeach()
add_custom_target(veltrano_translations ALL DEPENDS ${VELTRANO_QM_FILES})

if(TARGET veltrano-video-joiner)
    add_dependencies(veltrano-video-joiner veltrano_translations)
    target_compile_definitions(veltrano-video-joiner
        PRIVATE VELTRANO_BUILD_TRANSLATIONS_DIR="${VELTRANO_QM_DIR}")
endif()
