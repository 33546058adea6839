# The Qt that the Windows build links: Debian's own qtbase source, built with MinGW-w64 as shared
# libraries, with only what Rotaline uses. The cache of the built Qt is keyed by this file's
# contents and the toolchain file's, so any change here builds it afresh.
#
# Debian's archive serves the qt6-base source; its qt6-serialport and qt6-svg sources are not
# reachable from this workplace, so the Windows build has its own serial line and pictures.
qt_version=6.4.2
qt_source_package=qt6-base
qt_source_tarball="qt6-base_${qt_version}+dfsg.orig.tar.xz"
qt_source_folder="qtbase-everywhere-src-${qt_version}"

qt_configure=(
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=ON
    # Debian's own Qt of the same version runs moc, rcc and uic for the cross build.
    -DQT_HOST_PATH=/usr
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -DQT_BUILD_EXAMPLES=OFF
    -DQT_BUILD_TESTS=OFF
    # Everything from the source tarball's own third-party folder, nothing from the build machine.
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_system_freetype=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
    -DFEATURE_system_doubleconversion=OFF -DFEATURE_system_libb2=OFF
    # What Rotaline does not use.
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF
    -DFEATURE_xml=OFF -DFEATURE_vulkan=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF
    -DFEATURE_opengl=OFF -DINPUT_opengl=no -DFEATURE_dynamicgl=OFF
    # The tarball has no wintab.h, which tablet input needs.
    -DFEATURE_tabletevent=OFF
    # FreeType only for the offscreen platform plugin, which the tests use under Wine.
    -DFEATURE_freetype=ON
)
