# A Windows program's own resources: the icon the Start menu, Apps & features and *.esc files
# show, version information from the project's version, and a manifest.
enable_language(RC)
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
find_program(ICOTOOL icotool REQUIRED)

set(icon_pngs "")
foreach(size 16 24 32 48 64 256)
    set(png ${PROJECT_BINARY_DIR}/icon/rotaline-${size}.png)
    add_custom_command(OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/icon
        COMMAND ${RSVG_CONVERT} --width=${size} --height=${size} --output=${png}
            ${PROJECT_SOURCE_DIR}/packaging/rotaline.svg
        DEPENDS ${PROJECT_SOURCE_DIR}/packaging/rotaline.svg VERBATIM)
    list(APPEND icon_pngs ${png})
endforeach()
set(ROTALINE_ICON ${PROJECT_BINARY_DIR}/icon/rotaline.ico)
add_custom_command(OUTPUT ${ROTALINE_ICON}
    COMMAND ${ICOTOOL} --create --output=${ROTALINE_ICON} ${icon_pngs}
    DEPENDS ${icon_pngs} VERBATIM)
add_custom_target(rotaline-icon DEPENDS ${ROTALINE_ICON})

# rotaline_windows_resources(TARGET DESCRIPTION): TARGET.exe carries the icon, the version and the
# manifest.
function(rotaline_windows_resources target description)
    set(ROTALINE_NAME ${target})
    set(ROTALINE_DESCRIPTION ${description})
    set(ROTALINE_MANIFEST ${PROJECT_SOURCE_DIR}/packaging/windows/rotaline.manifest)
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/rotaline.rc.in ${rc} @ONLY)
    target_sources(${target} PRIVATE ${rc})
    set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS
        "${ROTALINE_ICON};${ROTALINE_MANIFEST}")
    add_dependencies(${target} rotaline-icon)
endfunction()
