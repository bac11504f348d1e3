# What `cmake --install` puts where. Included at the end of the root CMakeLists.txt, once every
# program target that exists has been defined.
include(GNUInstallDirs)

# The program finds its data files beside bin/ in share/veltrano-video-joiner (ProgramFolder).
set(VELTRANO_DATA_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/veltrano-video-joiner)
# GNUInstallDirs names the documentation folder after project(); Debian wants the package name.
set(VELTRANO_DOC_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/doc/veltrano-video-joiner)
set(VELTRANO_DIST_DIR ${PROJECT_SOURCE_DIR}/dist)

# Manual pages and the changelog are installed compressed, as Debian's policy asks; -n
# leaves the name and time out so the package's bytes do not depend on when it was built.
function(veltrano_gzip source output)
    configure_file(${source} ${output}.source COPYONLY)  # re-runs CMake when the source changes
    execute_process(COMMAND gzip -9nc ${output}.source OUTPUT_FILE ${output}
                    COMMAND_ERROR_IS_FATAL ANY)
endfunction()
set(VELTRANO_GZ_DIR ${PROJECT_BINARY_DIR}/dist)
veltrano_gzip(${VELTRANO_DIST_DIR}/man/veltrano-join.1 ${VELTRANO_GZ_DIR}/veltrano-join.1.gz)
veltrano_gzip(${VELTRANO_DIST_DIR}/man/veltrano-video-joiner.1
              ${VELTRANO_GZ_DIR}/veltrano-video-joiner.1.gz)
veltrano_gzip(${VELTRANO_DIST_DIR}/debian/changelog ${VELTRANO_GZ_DIR}/changelog.gz)

# Both programs link the engine's interfaces from the package's own folder.
file(RELATIVE_PATH VELTRANO_PRIVATE_LIB_FROM_BIN /prefix/${CMAKE_INSTALL_BINDIR}
     /prefix/${VELTRANO_MODULE_DIR})
set_target_properties(veltrano-join PROPERTIES
    INSTALL_RPATH "$ORIGIN/${VELTRANO_PRIVATE_LIB_FROM_BIN}")
if(TARGET veltrano-video-joiner)
    set_target_properties(veltrano-video-joiner PROPERTIES
        INSTALL_RPATH "$ORIGIN/${VELTRANO_PRIVATE_LIB_FROM_BIN}")
    install(TARGETS veltrano-video-joiner RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES ${VELTRANO_GZ_DIR}/veltrano-video-joiner.1.gz
            DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()
install(TARGETS veltrano-join RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Loaded by both programs when a join converts (engine/jobs/convert_module_loader.h).
install(TARGETS veltrano_convert_module LIBRARY DESTINATION ${VELTRANO_MODULE_DIR})
# Loaded by the window program as it starts (engine/module/engine_module_loader.h).
if(TARGET veltrano-video-joiner)
    install(TARGETS veltrano_engine_module LIBRARY DESTINATION ${VELTRANO_MODULE_DIR})
endif()
# The engine's interfaces, linked by both programs and the modules (each one's RUNPATH).
install(TARGETS veltrano_engine_api LIBRARY DESTINATION ${VELTRANO_MODULE_DIR})

# The whole data folder, so that files added to it later are installed without a change here;
# its README is for developers.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/ DESTINATION ${VELTRANO_DATA_INSTALL_DIR}
        PATTERN README.md EXCLUDE)

if(VELTRANO_QM_FILES)
    install(FILES ${VELTRANO_QM_FILES} DESTINATION ${VELTRANO_DATA_INSTALL_DIR}/translations)
endif()

install(FILES ${VELTRANO_DIST_DIR}/${VELTRANO_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${VELTRANO_DIST_DIR}/${VELTRANO_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${VELTRANO_DIST_DIR}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${VELTRANO_DIST_DIR}/icons/veltrano-video-joiner.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${VELTRANO_APP_ID}.svg)
install(FILES ${VELTRANO_GZ_DIR}/veltrano-join.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${VELTRANO_DIST_DIR}/completion/veltrano-join
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
install(FILES ${VELTRANO_DIST_DIR}/debian/copyright ${VELTRANO_GZ_DIR}/changelog.gz
        DESTINATION ${VELTRANO_DOC_INSTALL_DIR})
# The licence's full text; the Debian package leaves it out (cmake/deb-pre-build.cmake).
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${VELTRANO_DOC_INSTALL_DIR})
