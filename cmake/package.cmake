# The installed layout (cmake --install) and the Debian package built from it
# (cpack -G DEB): programs in bin (the window's in libexec/lumora), the lexicon in share/lumora, where an
# installed program looks for it, and what a desktop needs to list it.
include(GNUInstallDirs)
set(packaging ${PROJECT_SOURCE_DIR}/packaging)

install(TARGETS lumora lumora-translator lumora-http lumora-skin
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The window's own program, started by lumora; not a command of its own.
install(TARGETS lumora-window RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/lumora)
if(TARGET lexicon)
  install(FILES ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/lumora.lex
          DESTINATION ${CMAKE_INSTALL_DATADIR}/lumora)
endif()
install(FILES ${packaging}/lumora.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging}/org.lumora.Lumora.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${LUMORA_ICON_DIR} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

# The translation service for a team: installed, not enabled.
install(FILES ${packaging}/lumora-translator.service DESTINATION /lib/systemd/system)
install(FILES ${packaging}/lumora-translator.default DESTINATION /etc/default
        RENAME lumora-translator)

# Debian wants manual pages and changelogs compressed, reproducibly.
set(compressed)
foreach(source IN ITEMS man/lumora.1 man/lumora-translator.1 man/lumora-http.1 man/lumora-skin.1
                        changelog)
  get_filename_component(name ${source} NAME)
  set(gz ${PROJECT_BINARY_DIR}/packaging/${name}.gz)
  add_custom_command(
    OUTPUT ${gz}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/packaging
    COMMAND sh -c "gzip -9n < \"$0\" > \"$1\"" ${packaging}/${source} ${gz}
    DEPENDS ${packaging}/${source}
    VERBATIM)
  list(APPEND compressed ${gz})
endforeach()
add_custom_target(lumora_packaging_files ALL DEPENDS ${compressed})
list(FILTER compressed INCLUDE REGEX "\\.1\\.gz$")
install(FILES ${compressed} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${packaging}/copyright ${PROJECT_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_PACKAGE_NAME lumora)
set(CPACK_PACKAGE_VENDOR "The Lumora developers")
set(CPACK_PACKAGE_CONTACT "Lumora developers <lumora@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "rewrite Chinese articles by round-trip translation")
# CPack puts the summary above this as the synopsis line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Lumora turns a Chinese article into a pseudo-original text (伪原创): it
translates the article into English and back into Chinese, so that many words
are replaced by others of the same sense, and frames the result with a
prefix and a suffix line. An offline dictionary translator runs inside the
program; lumora-translator serves it to a team, and batch mode rewrites many
files from the command line.")
set(CPACK_DEBIAN_PACKAGE_SECTION text)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The translator reads this model as data, which dpkg-shlibdeps cannot see.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libime-data-language-model")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# A setting the administrator changed survives an upgrade.
file(WRITE ${PROJECT_BINARY_DIR}/packaging/conffiles "/etc/default/lumora-translator\n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${PROJECT_BINARY_DIR}/packaging/conffiles)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
include(CPack)
