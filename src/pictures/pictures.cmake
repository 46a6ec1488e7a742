# The program's drawings, one SVG a name, drawn by both views: the Qt view builds them in
# as resources, the Win32 view as PNG resources of the executable.
set(SAHIFEX_PICTURES_DIR ${CMAKE_CURRENT_LIST_DIR})
set(SAHIFEX_PICTURES options layout_wide layout_narrow send font start settings onn off blank title)
