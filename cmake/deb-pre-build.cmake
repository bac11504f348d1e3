# CPack runs this on the staged files before it makes the Debian package. Debian keeps a
# package's licence in its copyright file, which names /usr/share/common-licenses/GPL-3, so the
# LICENSE that `cmake --install` puts beside it would be a second copy (lintian:
# extra-license-file).
file(REMOVE ${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_VELTRANO_LICENSE_FILE})
