# The Windows installer (CPack NSIS, 64-bit): the program and its verse files in one
# folder, a Start menu entry that starts it, an uninstaller. The script is our own
# (cmake/nsis/NSIS.template.in): a per-user install by default, for everyone as the choice.
install(TARGETS sahifex RUNTIME DESTINATION .)
install(FILES
    ${PROJECT_SOURCE_DIR}/data/QuranV.Qur
    ${PROJECT_SOURCE_DIR}/data/QuranT.Qur
    ${PROJECT_SOURCE_DIR}/data/LICENSE-tanzil.txt
    DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)

# The licence page: the program's licence, then the Quran text's, with Windows line ends.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE program_licence)
# Its paragraphs as single lines: the page wraps them at its own width.
foreach(pass 1 2)
    string(REGEX REPLACE "([^\n])\n([^\n])" "\\1 \\2" program_licence "${program_licence}")
endforeach()
file(READ ${PROJECT_SOURCE_DIR}/data/LICENSE-tanzil.txt text_licence)
string(CONCAT licences "Sahifex\n\n" "${program_licence}"
       "\n\nThe Quran text (QuranV.Qur, QuranT.Qur)\n\n" "${text_licence}")
string(REPLACE "\r\n" "\n" licences "${licences}")
string(REPLACE "\n" "\r\n" licences "${licences}")
file(WRITE ${CMAKE_BINARY_DIR}/licences.txt "${licences}")

set(CPACK_GENERATOR NSIS)
set(CPACK_MODULE_PATH ${PROJECT_SOURCE_DIR}/cmake/nsis)
set(CPACK_PACKAGE_NAME Sahifex)
set(CPACK_PACKAGE_VENDOR Sahifex)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Finds Quran verses by a word and pastes them into the document")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Sahifex)
set(CPACK_SYSTEM_NAME win64)
set(CPACK_NSIS_EXECUTABLE ${PROJECT_SOURCE_DIR}/cmake/makensis-amd64)
set(CPACK_NSIS_DISPLAY_NAME Sahifex)
set(CPACK_NSIS_PACKAGE_NAME Sahifex)
set(CPACK_NSIS_MUI_ICON ${CMAKE_BINARY_DIR}/src/view_win32/sahifex.ico)
set(CPACK_SAHIFEX_LICENCES ${CMAKE_BINARY_DIR}/licences.txt)
include(CPack)
