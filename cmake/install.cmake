# The installed layout: the programs in bin/, their data files in share/kinvarro/
# (where ProgramFolder looks for them beside bin/), and the desktop integration.
set(kinvarro_data_dir share/kinvarro)
set(kinvarro_desktop_dir ${PROJECT_SOURCE_DIR}/resources/desktop)

install(TARGETS kinvarro kvrtool RUNTIME DESTINATION bin)

file(GLOB kinvarro_language_files CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/resources/languages/*")
file(GLOB kinvarro_help_pages CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/resources/help/*.htm")
install(FILES ${kinvarro_language_files} ${kinvarro_help_pages} DESTINATION ${kinvarro_data_dir})
# The shipped themes.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/themes DESTINATION ${kinvarro_data_dir})

install(FILES ${kinvarro_desktop_dir}/kinvarro.desktop DESTINATION share/applications)
install(FILES ${kinvarro_desktop_dir}/kinvarro.xml DESTINATION share/mime/packages)
install(FILES ${kinvarro_desktop_dir}/org.example.kinvarro.metainfo.xml DESTINATION share/metainfo)
install(FILES ${kinvarro_desktop_dir}/icons/kinvarro.svg
        DESTINATION share/icons/hicolor/scalable/apps)
# The PNG sizes are rendered from the SVG: rsvg-convert -w N -h N kinvarro.svg -o kinvarro-N.png
foreach(size 16 24 32 48 64 128 256)
  install(FILES ${kinvarro_desktop_dir}/icons/kinvarro-${size}.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME kinvarro.png)
endforeach()

# Manual pages are installed compressed, as Debian expects.
set(kvrtool_man_page ${CMAKE_CURRENT_BINARY_DIR}/kvrtool.1.gz)
add_custom_command(OUTPUT ${kvrtool_man_page}
  COMMAND gzip -9 -n -c ${PROJECT_SOURCE_DIR}/resources/man/kvrtool.1 > ${kvrtool_man_page}
  DEPENDS ${PROJECT_SOURCE_DIR}/resources/man/kvrtool.1
  VERBATIM)
add_custom_target(kvrtool_man ALL DEPENDS ${kvrtool_man_page})
install(FILES ${kvrtool_man_page} DESTINATION share/man/man1)
