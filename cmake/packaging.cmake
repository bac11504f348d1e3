# The Debian package: `cpack -G DEB` in a build folder (scripts/build-deb.sh does it all).
set(CPACK_PACKAGE_NAME veltrano-video-joiner)
set(CPACK_PACKAGE_VENDOR "Veltrano Software")
set(CPACK_PACKAGE_CONTACT "Veltrano Software <packages@veltrano.example>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "join video files into one, by direct copy or conversion")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Debian's policy: directories 0755 whatever the umask of the machine that builds.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${VELTRANO_PAGE})
# CPack writes the summary as the synopsis line and indents this text below it; an empty line
# becomes the paragraph separator " .".
if(TARGET veltrano-video-joiner)
    set(VELTRANO_PACKAGE_HOLDS "the window program and the command line veltrano-join")
else()
    set(VELTRANO_PACKAGE_HOLDS "the command line veltrano-join")
endif()
set(CPACK_PACKAGE_DESCRIPTION
    "Veltrano Video Joiner collects video files in a list, shows each file's
type, duration, picture size, file size, date and codecs, and joins them
in the chosen order into one file.

Files of one format are joined by a fast, lossless direct copy; any files
can be converted into one of 126 output profiles (MP4, MKV, AVI, WMV, FLV,
MOV, 3GP, MPEG, VCD, DVD and presets for phones, players, consoles and web
sites).

The package holds ${VELTRANO_PACKAGE_HOLDS}.")
# The libraries the programs link come from dpkg-shlibdeps (libqt6gui6 brings the X11 platform
# plugin). Plugins loaded at run time are named by no library: the SVG icon engine draws the
# toolbar's icons, hence the dependency; the native Wayland platform is recommended.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(TARGET veltrano-video-joiner)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6")
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
endif()

# Run on the staged files before the package is made; CPack hands them the CPACK_ variables.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/deb-pre-build.cmake)
set(CPACK_VELTRANO_LICENSE_FILE ${CPACK_PACKAGING_INSTALL_PREFIX}/${VELTRANO_DOC_INSTALL_DIR}/LICENSE)

set(CPACK_GENERATOR DEB)
include(CPack)
