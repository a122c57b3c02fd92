# Pictures of the program directory drawn from SVG sources at build time with rsvg-convert.
find_program(RSVG_CONVERT rsvg-convert)
if(NOT RSVG_CONVERT)
  message(FATAL_ERROR "rsvg-convert not found; it draws the program's pictures. "
                      "Install the Debian package librsvg2-bin (see scripts/install-deps.sh).")
endif()

# Draws `svg` as the PNG file `picture` (a path below the program directory, e.g. pic/x.png).
function(draw_svg_picture svg picture)
  set(png ${VANTREL_BIN_DIR}/${picture})
  get_filename_component(folder ${png} DIRECTORY)
  add_custom_command(
    OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND ${RSVG_CONVERT} --format=png -o ${png} ${svg}
    DEPENDS ${svg}
    COMMENT "Drawing ${picture}"
    VERBATIM)
endfunction()
