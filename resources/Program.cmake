# The program's own information, its desktop file and its icon. Included once from the top-level
# CMakeLists.txt after the libraries are defined.
include(GNUInstallDirs)

set(QX_BUNDLE_IDENTIFIER "org.quillorbitex.Quillorbitex")
set(QX_BUNDLE_DISPLAY_NAME "Quillorbitex")
# Both empty by default: a build without them offers no update checks.
set(QX_UPDATE_FEED_URL "" CACHE STRING "Address of the update feed (SUFeedURL); empty for none")
set(QX_UPDATE_PUBLIC_ED_KEY "" CACHE STRING
    "Base64 public signing key of the update feed (SUPublicEDKey); empty for none")

if(TARGET quillorbitex_app)
    configure_file(${CMAKE_CURRENT_LIST_DIR}/BundleInfoValues.h.in
        ${CMAKE_BINARY_DIR}/generated/BundleInfoValues.h @ONLY)
    target_include_directories(quillorbitex_app PRIVATE ${CMAKE_BINARY_DIR}/generated)
endif()

install(FILES ${CMAKE_CURRENT_LIST_DIR}/${QX_BUNDLE_IDENTIFIER}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# The icon files are drawn at build time by the same code that draws the icon in the program. Not
# in sanitizer builds of the concurrency tests: Qt's own threads would be reported there.
if(TARGET quillorbitex_ui AND NOT CMAKE_CROSSCOMPILING AND NOT QX_CONCURRENCY_TESTS_ONLY)
    add_executable(quillorbitex_icon_export ${CMAKE_CURRENT_LIST_DIR}/IconExport.cpp)
    target_link_libraries(quillorbitex_icon_export PRIVATE quillorbitex_ui)
    qx_configure_target(quillorbitex_icon_export)

    set(QX_ICON_SIZES 16 22 24 32 48 64 128 256)
    set(QX_ICON_DIR ${CMAKE_BINARY_DIR}/icons/hicolor)
    set(QX_ICON_FILES)
    foreach(size ${QX_ICON_SIZES})
        list(APPEND QX_ICON_FILES ${QX_ICON_DIR}/${size}x${size}/apps/${QX_BUNDLE_IDENTIFIER}.png)
    endforeach()
    add_custom_command(OUTPUT ${QX_ICON_FILES}
        COMMAND quillorbitex_icon_export ${QX_ICON_DIR} ${QX_BUNDLE_IDENTIFIER} ${QX_ICON_SIZES}
        DEPENDS quillorbitex_icon_export
        COMMENT "Drawing the application icon")
    add_custom_target(quillorbitex_icons ALL DEPENDS ${QX_ICON_FILES})
    install(DIRECTORY ${QX_ICON_DIR} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
endif()

if(TARGET quillorbitex)
    install(TARGETS quillorbitex RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
