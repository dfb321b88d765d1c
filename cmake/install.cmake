# Installed layout. The data files stay beside the executable, as in the build
# folder, so the program lives in <prefix>/lib/tesmar and <prefix>/bin/tesmar is
# a symbolic link to it (the program finds its folder through the resolved path).
#
#   bin/tesmar -> ../lib/tesmar/tesmar
#   lib/tesmar/{tesmar, colorcode.dat, tesmar.ini, help/index.html}
#   share/applications/<id>.desktop
#   share/metainfo/<id>.metainfo.xml
#   share/icons/hicolor/scalable/apps/<id>.svg

# Installing (and cpack) needs only the program built, not the tests and benchmarks.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(TESMAR_APP_ID io.github.tesmar.Tesmar)
set(TESMAR_INSTALL_DIR lib/tesmar)

install(TARGETS tesmar RUNTIME DESTINATION ${TESMAR_INSTALL_DIR})
install(FILES data/colorcode.dat data/tesmar.ini DESTINATION ${TESMAR_INSTALL_DIR})
install(FILES data/help/index.html DESTINATION ${TESMAR_INSTALL_DIR}/help)

# The link is made once in the build folder and installed as a link.
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/install-links)
file(CREATE_LINK ../${TESMAR_INSTALL_DIR}/tesmar ${CMAKE_BINARY_DIR}/install-links/tesmar SYMBOLIC)
install(FILES ${CMAKE_BINARY_DIR}/install-links/tesmar DESTINATION bin)

install(FILES packaging/${TESMAR_APP_ID}.desktop DESTINATION share/applications)
install(FILES packaging/${TESMAR_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES packaging/${TESMAR_APP_ID}.svg DESTINATION share/icons/hicolor/scalable/apps)

# cpack -G DEB: a Debian package installing under /usr, its library
# dependencies found by dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME tesmar)
set(CPACK_PACKAGE_VENDOR "The Tesmar developers")
set(CPACK_PACKAGE_CONTACT "The Tesmar developers <tesmar@tesmar.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "small colour picker with a Japanese user interface")
set(CPACK_PACKAGE_DESCRIPTION
    "Tesmar shows one current colour as a swatch, as decimal, hexadecimal and HTML text and as its red, green and "
    "blue channels. The colour is set with channel scroll bars, a hue bar, a list of named browser colours, a "
    "brightness slider, a screen eyedropper or a palette of up to 128 kept colours, and is copied to the clipboard "
    "as text.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Japanese captions need a font with the same metrics as the one the layout was drawn for.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-qpa-plugins, xdg-utils, qt6-wayland, xdg-desktop-portal")
include(CPack)
