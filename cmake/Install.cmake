# What `cmake --install` puts under the prefix besides the two programs (installed by their own
# folders): the demo's map, the desktop entry, the AppStream metainfo, the icon and the manual
# pages. Generated files are made once at build time, so installing only copies.
include(GNUInstallDirs)

# Reverse-DNS id from the maker in the settings path ("Morvellan Software Inc.").
set(QUILO_APP_ID com.morvellansoftware.Quilo)
set(QUILO_RES ${CMAKE_SOURCE_DIR}/res)

# Manual pages and the package's changelog go in gzipped, as Debian wants them; -n keeps the
# name and time stamp out, so a rebuild gives the same bytes.
find_program(QUILO_GZIP gzip REQUIRED)
# Ninja makes the output's folder itself; Unix Makefiles (CMake's default) do not.
function(quilo_gzip source output)
    get_filename_component(folder ${output} DIRECTORY)
    add_custom_command(OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
        COMMAND ${QUILO_GZIP} -9nc ${source} > ${output}
        DEPENDS ${source}
        VERBATIM)
endfunction()

set(man_pages "")
foreach(page quilo.1 quilo-tool.1)
    quilo_gzip(${QUILO_RES}/man/${page} ${CMAKE_BINARY_DIR}/man/${page}.gz)
    list(APPEND man_pages ${CMAKE_BINARY_DIR}/man/${page}.gz)
endforeach()
add_custom_target(quilo_man ALL DEPENDS ${man_pages})
install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

if(QUILO_BUILD_UI)
    get_directory_property(demo_dir DIRECTORY ${CMAKE_SOURCE_DIR}/src/demo DEFINITION QUILO_DEMO_DIR)
    install(FILES ${demo_dir}/brindlemoor.png ${demo_dir}/brindlemoor.mcd
                  ${demo_dir}/brindlemoor.pts ${demo_dir}/brindlemoor.mbtiles
            DESTINATION ${CMAKE_INSTALL_DATADIR}/quilo/demo)

    install(FILES ${QUILO_RES}/${QUILO_APP_ID}.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${QUILO_RES}/${QUILO_APP_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    install(FILES ${QUILO_RES}/${QUILO_APP_ID}.mime.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ${QUILO_APP_ID}.xml)
    install(FILES ${QUILO_RES}/${QUILO_APP_ID}.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

    # The bitmaps of the icon are drawn from the SVG by our own small renderer.
    find_package(Qt6 REQUIRED COMPONENTS Svg)
    add_executable(quilo-render-icon ${CMAKE_SOURCE_DIR}/src/app/RenderIconMain.cpp)
    target_link_libraries(quilo-render-icon PRIVATE Qt6::Svg Qt6::Gui)
    quilo_warnings(quilo-render-icon)
    set(icons "")
    foreach(size 48 64 128 256)
        set(png ${CMAKE_BINARY_DIR}/icons/${size}x${size}/${QUILO_APP_ID}.png)
        add_custom_command(OUTPUT ${png}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}x${size}
            # A build tool: what it leaves unfreed at exit must not fail a sanitizer build.
            COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
                    $<TARGET_FILE:quilo-render-icon> ${QUILO_RES}/${QUILO_APP_ID}.svg ${size} ${png}
            DEPENDS quilo-render-icon ${QUILO_RES}/${QUILO_APP_ID}.svg
            COMMENT "Drawing the ${size}x${size} icon"
            VERBATIM)
        list(APPEND icons ${png})
        install(FILES ${png}
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    endforeach()
    add_custom_target(quilo_icons ALL DEPENDS ${icons})

    # Help > User Guide: the README's sections for users as HTML.
    add_executable(quilo-guide ${CMAKE_SOURCE_DIR}/src/app/GuideMain.cpp)
    target_link_libraries(quilo-guide PRIVATE Qt6::Gui)
    quilo_warnings(quilo-guide)
    add_custom_command(OUTPUT ${QUILO_GUIDE}
        COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen
                $<TARGET_FILE:quilo-guide> ${CMAKE_SOURCE_DIR}/README.md ${QUILO_GUIDE}
        DEPENDS quilo-guide ${CMAKE_SOURCE_DIR}/README.md
        COMMENT "Writing the user guide"
        VERBATIM)
    add_custom_target(quilo_guide ALL DEPENDS ${QUILO_GUIDE})
    install(FILES ${QUILO_GUIDE} DESTINATION ${CMAKE_INSTALL_DATADIR}/quilo)
endif()

# The manual pages must name every option the programs' --help names, and no other; the
# versions and the README's options must be the programs'.
if(QUILO_BUILD_TESTS AND QUILO_BUILD_UI)
    add_test(NAME ManPages.NameTheOptionsOfHelp
        COMMAND sh ${CMAKE_SOURCE_DIR}/tests/install/man-options.sh
                $<TARGET_FILE:quilo> ${QUILO_RES}/man/quilo.1
                $<TARGET_FILE:quilo-tool> ${QUILO_RES}/man/quilo-tool.1
                ${CMAKE_SOURCE_DIR}/README.md)
endif()

# The tile sources the package knows (no request is sent until the user turns one on), and a
# copy beside the built programs so that they find them before they are installed.
file(GLOB tile_sources CONFIGURE_DEPENDS ${QUILO_RES}/tiles/*.tiles)
install(FILES ${tile_sources} DESTINATION ${CMAKE_INSTALL_DATADIR}/quilo/tiles)
foreach(source ${tile_sources})
    get_filename_component(name ${source} NAME)
    foreach(program_dir src/tool src/app)
        configure_file(${source} ${CMAKE_BINARY_DIR}/${program_dir}/tiles/${name} COPYONLY)
    endforeach()
endforeach()
