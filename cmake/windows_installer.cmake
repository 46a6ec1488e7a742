# The Windows installer (CPack NSIS, 64-bit): the program and its verse files in one
# folder under Program Files, a Start menu entry, an uninstaller.
install(TARGETS sahifex RUNTIME DESTINATION .)
install(FILES
    ${PROJECT_SOURCE_DIR}/data/QuranV.Qur
    ${PROJECT_SOURCE_DIR}/data/QuranT.Qur
    ${PROJECT_SOURCE_DIR}/data/LICENSE-tanzil.txt
    DESTINATION .)

set(CPACK_GENERATOR NSIS)
set(CPACK_PACKAGE_NAME Sahifex)
set(CPACK_PACKAGE_VENDOR Sahifex)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Finds Quran verses by a word and pastes them into the document")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Sahifex)
set(CPACK_PACKAGE_EXECUTABLES sahifex Sahifex) # the Start menu entry
set(CPACK_SYSTEM_NAME win64)
set(CPACK_NSIS_EXECUTABLE ${PROJECT_SOURCE_DIR}/cmake/makensis-amd64)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_DISPLAY_NAME Sahifex)
set(CPACK_NSIS_PACKAGE_NAME Sahifex)
set(CPACK_NSIS_MUI_ICON ${CMAKE_BINARY_DIR}/src/view_win32/sahifex.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME sahifex.exe)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
include(CPack)
