# Installation and the Debian package.
#
# The program and its sounds stay side by side in PREFIX/lib/kirvano, since
# the program finds "suoni_timer" through its own folder. PREFIX/bin/kirvano
# is a relative symbolic link to it: Qt takes the program's folder from
# /proc/self/exe, which names the real file behind the link.

set(KIRVANO_APP_ID "com.marbolin.kirvano")
set(KIRVANO_PRIVATE_DIR "lib/kirvano")
set(KIRVANO_DESKTOP_DIR "${PROJECT_SOURCE_DIR}/assets/desktop")

install(TARGETS kirvano RUNTIME DESTINATION ${KIRVANO_PRIVATE_DIR})

# The sounds as the build lays them out beside the program.
install(DIRECTORY "${KIRVANO_OUTPUT_DIR}/suoni_timer"
        DESTINATION ${KIRVANO_PRIVATE_DIR}
        FILES_MATCHING PATTERN "*.wav")

set(KIRVANO_BIN_LINK "${CMAKE_CURRENT_BINARY_DIR}/install/kirvano")
file(MAKE_DIRECTORY "${CMAKE_CURRENT_BINARY_DIR}/install")
file(CREATE_LINK "../${KIRVANO_PRIVATE_DIR}/kirvano" "${KIRVANO_BIN_LINK}" SYMBOLIC)
install(FILES "${KIRVANO_BIN_LINK}" DESTINATION bin)

install(FILES "${KIRVANO_DESKTOP_DIR}/kirvano.desktop" DESTINATION share/applications)
install(FILES "${KIRVANO_DESKTOP_DIR}/${KIRVANO_APP_ID}.metainfo.xml" DESTINATION share/metainfo)

foreach(size 16 32 48 64 128 256)
    install(FILES "${PROJECT_SOURCE_DIR}/assets/icons/kirvano-${size}.png"
            DESTINATION share/icons/hicolor/${size}x${size}/apps
            RENAME kirvano.png)
endforeach()

# CPack: scripts/package builds the .deb with "cpack -G DEB".
set(CPACK_PACKAGE_NAME "kirvano")
set(CPACK_PACKAGE_VENDOR "Marbolin")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "Marbolin <info@kirvano.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "timer board for playgrounds and rides sold by time")
set(CPACK_PACKAGE_DESCRIPTION "\
Kirvano lets one operator watch the 32 stations of a playground or an
amusement park whose attractions are sold by time. Each sale of one to
three units starts the station's timer; when the time is over the station
turns red and calls with its own sound until the operator acknowledges it.
Unit lengths, counters of units sold and the options password are kept in
a small settings file. The user interface is in Italian.")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.kirvano.example")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# What the program loads at run time: the platform plugin, libsndfile that
# decodes the station sounds, libpulse that plays them on the sound server
# (PulseAudio or PipeWire's pulse server), the fonts it names and Qt's
# Italian translations.
set(KIRVANO_RUNTIME_DEPENDS
    "qt6-qpa-plugins (>= 6.4), fonts-dseg, fonts-liberation, fonts-comic-neue, qt6-translations-l10n, libsndfile1, libpulse0")
# The libraries it links: from dpkg-shlibdeps when it is there (dpkg-dev),
# with the versions the build really needs; otherwise listed by hand.
find_program(KIRVANO_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(KIRVANO_DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "${KIRVANO_RUNTIME_DEPENDS}")
else()
    set(CPACK_DEBIAN_PACKAGE_DEPENDS
        "libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), \
libqt6network6 (>= 6.4), ${KIRVANO_RUNTIME_DEPENDS}")
endif()
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pulseaudio | pipewire-pulse")

include(CPack)
