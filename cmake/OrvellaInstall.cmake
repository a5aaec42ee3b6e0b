# Installation and the Debian package.
#
# The program finds its translations, recorder and logo beside its own executable, so the
# installed tree keeps the build folder's layout in a private folder, and bin/orvella is a
# relative symbolic link to it (the program resolves its real path through /proc/self/exe):
#
#   bin/orvella -> ../lib/orvella/orvella
#   lib/orvella/{orvella, Lang/<id>.qm, ScreenRecord/ScreenRecord, logo/cur_use_logo.png}
#   share/applications, share/metainfo, share/icons/hicolor, share/man/man1, share/doc/orvella
include(GNUInstallDirs)

set(ORVELLA_APP_ID org.orvella.Orvella)
set(ORVELLA_PRIVATE_DIR ${CMAKE_INSTALL_LIBDIR}/orvella)
set(ORVELLA_PACKAGING ${CMAKE_SOURCE_DIR}/packaging)
set(ORVELLA_RELEASE_DATE 2026-12-09)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://orvella.example")

install(TARGETS orvella RUNTIME DESTINATION ${ORVELLA_PRIVATE_DIR})
install(TARGETS ScreenRecord RUNTIME DESTINATION ${ORVELLA_PRIVATE_DIR}/ScreenRecord)
install(DIRECTORY ${ORVELLA_BIN_DIR}/Lang DESTINATION ${ORVELLA_PRIVATE_DIR}
        FILES_MATCHING PATTERN "*.qm")
install(DIRECTORY ${ORVELLA_BIN_DIR}/logo DESTINATION ${ORVELLA_PRIVATE_DIR})

file(RELATIVE_PATH orvella_link_target /${CMAKE_INSTALL_BINDIR} /${ORVELLA_PRIVATE_DIR}/orvella)
install(CODE "
  set(link \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/orvella\")
  file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
  message(STATUS \"Installing: \${link} -> ${orvella_link_target}\")
  file(CREATE_LINK ${orvella_link_target} \"\${link}\" SYMBOLIC)
")

# Desktop integration.
install(FILES ${ORVELLA_PACKAGING}/linux/${ORVELLA_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${ORVELLA_PACKAGING}/linux/${ORVELLA_APP_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/packaging/${ORVELLA_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${ORVELLA_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_SOURCE_DIR}/src/resources/appicon/${ORVELLA_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 48 128 256)
  install(FILES ${ORVELLA_PACKAGING}/icons/${size}x${size}/${ORVELLA_APP_ID}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# Manual page and Debian documentation, compressed as Debian expects (gzip -n: reproducible).
find_program(GZIP_PROGRAM gzip REQUIRED)
set(orvella_compressed)
foreach(pair "orvella.1;man" "changelog;doc")
  list(GET pair 0 name)
  set(out ${CMAKE_BINARY_DIR}/packaging/${name}.gz)
  add_custom_command(OUTPUT ${out}
    COMMAND ${GZIP_PROGRAM} -9nc ${ORVELLA_PACKAGING}/linux/${name} > ${out}
    DEPENDS ${ORVELLA_PACKAGING}/linux/${name})
  list(APPEND orvella_compressed ${out})
endforeach()
add_custom_target(orvella_packaging_docs ALL DEPENDS ${orvella_compressed})
install(FILES ${CMAKE_BINARY_DIR}/packaging/orvella.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz ${ORVELLA_PACKAGING}/linux/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/orvella)

# cpack -G DEB (run in the build folder): dependencies from dpkg-shlibdeps, plus what the
# program loads at run time without linking it: Tesseract (opened by the OCR loader) and its
# language data, the fonts the interface asks for, Qt's audio and image plug-ins.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvella)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Orvella developers")
set(CPACK_PACKAGE_CONTACT "Orvella developers <developers@orvella.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "live picture and capture program for document cameras")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"Orvella shows the live picture of a USB or wireless document camera in a
full window: zoom, rotate, freeze, brightness, contrast, focus, exposure
and resolution. It captures photos into a gallery (straightened to the
page, in colour, grey or black and white, singly, on a timer or as a
time-lapse video), lets a presenter annotate the picture with pen, shapes
and text, records the screen, exports PDF and recognises text (OCR).")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# qtwayland5: the native Wayland platform plugin (the screen cast itself needs PipeWire and the
# desktop portal, which every Wayland desktop brings).
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libtesseract5, tesseract-ocr-eng, tesseract-ocr-chi-sim, fonts-wqy-microhei, fonts-liberation2, libqt5multimedia5-plugins, qt5-image-formats-plugins, qtwayland5")
# The Japanese, Korean and traditional Chinese shapes; WenQuanYi stands in without them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
