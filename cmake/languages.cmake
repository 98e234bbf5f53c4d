# Copies the shipped language files and their flags next to `target`'s binary, the
# program directory where they are looked for.
function(kinvarro_copy_languages target)
  file(GLOB language_files CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/resources/languages/*")
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${language_files} $<TARGET_FILE_DIR:${target}>
    VERBATIM)
endfunction()

# Copies the help pages next to `target`'s binary, where the help command looks for them.
function(kinvarro_copy_help target)
  file(GLOB help_pages CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/resources/help/*.htm")
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${help_pages} $<TARGET_FILE_DIR:${target}>
    VERBATIM)
endfunction()

# Copies the shipped themes into "themes" next to `target`'s binary, where the theme
# chooser looks for them.
function(kinvarro_copy_themes target)
  file(GLOB theme_files CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/resources/themes/*")
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E make_directory $<TARGET_FILE_DIR:${target}>/themes
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${theme_files} $<TARGET_FILE_DIR:${target}>/themes
    VERBATIM)
endfunction()
