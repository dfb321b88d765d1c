# Installed layout. The data files stay beside the executable, as in the build
# folder, so the program lives in <prefix>/lib/tesmar and <prefix>/bin/tesmar is
# a symbolic link to it (the program finds its folder through the resolved path).
#
#   bin/tesmar -> ../lib/tesmar/tesmar
#   lib/tesmar/{tesmar, colorcode.dat, tesmar.ini, help/index.html}
#   share/applications/<id>.desktop
#   share/metainfo/<id>.metainfo.xml
#   share/icons/hicolor/scalable/apps/<id>.svg
#   share/man/man1/tesmar.1.gz
#   share/doc/tesmar/{copyright, changelog.gz}
#
# Installed under /usr, as a distribution's package is, the two files a user may
# edit live in /etc/tesmar, where the package manager keeps local edits across
# upgrades, and lib/tesmar holds symbolic links to them.

# Installing (and cpack) needs only the program built, not the tests and benchmarks.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

# The package's folders and control files get the usual modes whatever the
# umask of the one who builds: built under umask 077, a package would install
# folders only root may enter. cpack makes its folders under the umask, so
# they are set right before it packs them.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/package-modes.cmake)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

set(TESMAR_APP_ID io.github.tesmar.Tesmar)
set(TESMAR_INSTALL_DIR lib/tesmar)
# Links are made once in the build folder and installed as links.
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/install-links)

if(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
  set(TESMAR_DEFAULT_ETC ON)
else()
  set(TESMAR_DEFAULT_ETC OFF)
endif()
option(TESMAR_ETC_DATA "Install colorcode.dat and tesmar.ini in /etc/tesmar, linked from the program's folder"
       ${TESMAR_DEFAULT_ETC})

# The folders an install makes, for an uninstall to remove again: before the
# first file is copied, every folder on the way to each destination that does
# not exist yet is added to install_folders.txt in the build folder, deepest
# first. Folders an earlier install recorded stay listed while they exist, so
# installing again over an installation forgets nothing; folders that were
# there before (~/.local/bin holding other programs) are never listed.
set(TESMAR_INSTALL_FOLDERS bin ${TESMAR_INSTALL_DIR}/help share/applications share/metainfo
    share/icons/hicolor/scalable/apps share/man/man1 share/doc/tesmar)
if(TESMAR_ETC_DATA)
  list(APPEND TESMAR_INSTALL_FOLDERS /etc/tesmar)
endif()
install(CODE "
  set(record \"${CMAKE_BINARY_DIR}/install_folders.txt\")
  set(made)
  if(EXISTS \"\${record}\")
    file(STRINGS \"\${record}\" earlier)
    foreach(d IN LISTS earlier)
      if(IS_DIRECTORY \"\${d}\")
        list(APPEND made \"\${d}\")
      endif()
    endforeach()
  endif()
  foreach(f IN ITEMS ${TESMAR_INSTALL_FOLDERS})
    if(IS_ABSOLUTE \"\${f}\")
      set(d \"\$ENV{DESTDIR}\${f}\")
    else()
      set(d \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/\${f}\")
    endif()
    while(NOT IS_DIRECTORY \"\${d}\" AND NOT d STREQUAL \"/\" AND NOT d STREQUAL \"\")
      list(APPEND made \"\${d}\")
      get_filename_component(d \"\${d}\" DIRECTORY)
    endwhile()
  endforeach()
  list(REMOVE_DUPLICATES made)
  list(SORT made ORDER DESCENDING)
  list(JOIN made \"\\n\" lines)
  if(lines)
    string(APPEND lines \"\\n\")
  endif()
  file(WRITE \"\${record}\" \"\${lines}\")
")

install(TARGETS tesmar RUNTIME DESTINATION ${TESMAR_INSTALL_DIR})
set(TESMAR_EDITABLE_FILES colorcode.dat tesmar.ini)
if(TESMAR_ETC_DATA)
  install(FILES data/colorcode.dat data/tesmar.ini DESTINATION /etc/tesmar)
  foreach(f IN LISTS TESMAR_EDITABLE_FILES)
    file(CREATE_LINK /etc/tesmar/${f} ${CMAKE_BINARY_DIR}/install-links/${f} SYMBOLIC)
    install(FILES ${CMAKE_BINARY_DIR}/install-links/${f} DESTINATION ${TESMAR_INSTALL_DIR})
  endforeach()
  file(WRITE ${CMAKE_BINARY_DIR}/debian-control/conffiles "/etc/tesmar/colorcode.dat\n/etc/tesmar/tesmar.ini\n")
  set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_BINARY_DIR}/debian-control/conffiles)
else()
  install(FILES data/colorcode.dat data/tesmar.ini DESTINATION ${TESMAR_INSTALL_DIR})
endif()
install(FILES data/help/index.html DESTINATION ${TESMAR_INSTALL_DIR}/help)

file(CREATE_LINK ../${TESMAR_INSTALL_DIR}/tesmar ${CMAKE_BINARY_DIR}/install-links/tesmar SYMBOLIC)
install(FILES ${CMAKE_BINARY_DIR}/install-links/tesmar DESTINATION bin)

install(FILES packaging/${TESMAR_APP_ID}.desktop DESTINATION share/applications)
install(FILES packaging/${TESMAR_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES packaging/${TESMAR_APP_ID}.svg DESTINATION share/icons/hicolor/scalable/apps)

# The manual page and the package's changelog, compressed as Debian ships them
# (gzip -n: no name or time stamp, so the same source gives the same bytes).
# Made when the build is configured, and again whenever either source changes.
find_program(TESMAR_GZIP gzip REQUIRED)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/doc)
foreach(doc tesmar.1 changelog)
  execute_process(COMMAND ${TESMAR_GZIP} -9nc ${CMAKE_SOURCE_DIR}/packaging/${doc}
                  OUTPUT_FILE ${CMAKE_BINARY_DIR}/doc/${doc}.gz COMMAND_ERROR_IS_FATAL ANY)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/packaging/${doc})
endforeach()
install(FILES ${CMAKE_BINARY_DIR}/doc/tesmar.1.gz DESTINATION share/man/man1)
install(FILES packaging/copyright ${CMAKE_BINARY_DIR}/doc/changelog.gz DESTINATION share/doc/tesmar)

# cpack -G DEB: a Debian package installing under /usr, its library
# dependencies found by dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME tesmar)
set(CPACK_PACKAGE_VENDOR "The Tesmar developers")
set(CPACK_PACKAGE_CONTACT "The Tesmar developers <tesmar@tesmar.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "small colour picker with a Japanese user interface")
# One string, its lines under 80 columns: cpack puts each line of it, indented,
# under the summary as the package's extended description.
string(CONCAT CPACK_DEBIAN_PACKAGE_DESCRIPTION
       "Tesmar shows one current colour as a swatch, as decimal, hexadecimal and\n"
       "HTML text and as its red, green and blue channels. The colour is set with\n"
       "channel scroll bars, a hue bar, a list of named browser colours, a\n"
       "brightness slider, a screen eyedropper or a palette of up to 128 kept\n"
       "colours, and is copied to the clipboard as text.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Japanese captions need a font with the same metrics as the one the layout was drawn for.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, qt6-translations-l10n")
# Wayland sessions: Qt's Wayland platform, and the portal that hands over the screen.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-wayland, xdg-desktop-portal")
include(CPack)
