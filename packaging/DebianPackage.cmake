# The Debian package (cpack -G DEB, through `./ravemo.sh package`): everything the install rules
# put under the prefix, with /usr as prefix, the binaries stripped, and the shared libraries'
# packages found by dpkg-shlibdeps.

# Packages whose plugins Qt loads at run time: dpkg-shlibdeps sees only what the programs link,
# so these few are named here, and only these. Debian 12's libqt6gui6 (found by dpkg-shlibdeps)
# carries the xcb and offscreen platform plugins the window needs; a library that loads a
# plugin from another package (a speech engine, a multimedia back end) adds that package here.
set(ravemo_runtime_plugin_packages
    # The voice of the spoken readings when speech-dispatcher does not run.
    qt6-speech-flite-plugin
)

# The changelog and the software-centre metadata name the version too: a release updates all.
file(STRINGS ${CMAKE_CURRENT_SOURCE_DIR}/changelog changelog_head LIMIT_COUNT 1)
if(NOT changelog_head MATCHES "^ravemo \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog begins with '${changelog_head}': give it an entry "
                      "for version ${PROJECT_VERSION}, the project's version")
endif()
file(READ ${CMAKE_CURRENT_SOURCE_DIR}/org.ravemo.Ravemo.metainfo.xml metainfo)
if(NOT metainfo MATCHES "<release version=\"${PROJECT_VERSION}\"")
  message(FATAL_ERROR "packaging/org.ravemo.Ravemo.metainfo.xml has no <release> for version "
                      "${PROJECT_VERSION}, the project's version: add one")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ravemo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Ravemo")
set(CPACK_PACKAGE_CONTACT
    "Ravemo maintainers <maintainers@users.noreply.c-seed-186464c0.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "front end of a home-built HF antenna analyser")
set(CPACK_PACKAGE_DESCRIPTION
    "Ravemo drives a home-built HF antenna analyser on the PC's parallel port: it
sweeps a frequency range and draws return loss, phase, impedance, resistance,
reactance and SWR on one chart with two markers. A tuning window shows SWR
over the amateur bands with dips, bandwidths and trim advice. Sweeps are saved,
exported and turned into antenna reports. Without the hardware it runs on a
built-in simulated instrument.
.
ravemo-cli does the same without a display; 'ravemo-cli doctor' checks that
the parallel port is set up.")
set(CPACK_PACKAGE_FILE_NAME ignored)  # replaced by the Debian form below
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # ravemo_VERSION_ARCH.deb
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
list(JOIN ravemo_runtime_plugin_packages ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_THREADS 2)

include(CPack)
