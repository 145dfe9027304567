# Quorvix for Windows: a window program (no console beside it) with its icon
# and version in the file, and an install that lays out the whole program
# folder, so that it runs wherever it is unpacked:
#
#   quorvix.exe, Qt6Core/Gui/Widgets.dll, the MinGW runtime DLLs,
#   platforms/qwindows.dll, styles/qwindowsvistastyle.dll,
#   imageformats/qjpeg.dll (the logo) and qico.dll,
#   translations/qtbase_de.qm (German standard buttons).
#
# Qt takes the folder of quorvix.exe as its prefix when Qt6Core.dll sits
# beside it, so plugins and translations are found without a qt.conf.

set_target_properties(quorvix PROPERTIES WIN32_EXECUTABLE ON)
set(QUORVIX_WINDOWS_ICON ${CMAKE_SOURCE_DIR}/packaging/windows/quorvix.ico)
configure_file(${CMAKE_SOURCE_DIR}/packaging/windows/quorvix.rc.in
               ${CMAKE_CURRENT_BINARY_DIR}/quorvix.rc @ONLY)
target_sources(quorvix PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/quorvix.rc)

install(TARGETS quorvix RUNTIME DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
        DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
install(FILES $<TARGET_FILE:Qt6::QJpegPlugin> $<TARGET_FILE:Qt6::QICOPlugin>
        DESTINATION imageformats)

# Qt's own German texts come from Debian's qt6-translations-l10n, made for
# the same Qt version as the source the Windows Qt is built from.
set(QUORVIX_QT_TRANSLATIONS /usr/share/qt6/translations
    CACHE PATH "Folder holding qtbase_de.qm for the Windows program folder")
install(FILES ${QUORVIX_QT_TRANSLATIONS}/qtbase_de.qm DESTINATION translations)

# The C++ runtime of the compiler in use, which Qt's DLLs need as well.
foreach(runtime libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
                    OUTPUT_VARIABLE runtime_path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${runtime_path}" OR NOT EXISTS "${runtime_path}")
        message(FATAL_ERROR "${CMAKE_CXX_COMPILER} knows no ${runtime}")
    endif()
    install(FILES ${runtime_path} DESTINATION .)
endforeach()
