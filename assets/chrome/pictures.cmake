# The main window's picture buttons and toolbar pictures in tp/, drawn from SVG at build time.
# Icons come from the Adwaita icon theme of the Debian archive (package adwaita-icon-theme,
# symbolic icons, licensed CC-BY-SA-3.0 or LGPL-3; used here under LGPL-3): each icon's paths
# are inlined into a button template and recoloured per state. rsvg-convert draws the SVG,
# vantrel-picture turns it into the JPEG or bitmap the program opens by name.

set(adwaita ${VANTREL_ICON_THEME_DIR})
if(NOT EXISTS ${adwaita})
  message(FATAL_ERROR "Icon theme not found at ${adwaita}; install the Debian package "
                      "adwaita-icon-theme (see scripts/install-deps.sh).")
endif()

set(chrome_pictures)
set(chrome_dir ${CMAKE_CURRENT_BINARY_DIR}/chrome)

# The body of an Adwaita symbolic icon (16 × 16) with every fill in `ink`.
function(adwaita_icon name ink out)
  file(GLOB_RECURSE found ${adwaita}/*/${name}-symbolic.svg)
  if(NOT found)
    message(FATAL_ERROR "Icon ${name}-symbolic not found in ${adwaita}")
  endif()
  list(GET found 0 file)
  file(READ ${file} body)
  string(REGEX REPLACE "^.*<svg[^>]*>" "" body "${body}")
  string(REGEX REPLACE "</svg>.*$" "" body "${body}")
  string(REGEX REPLACE "fill=\"#[0-9a-fA-F]+\"" "fill=\"${ink}\"" body "${body}")
  set(${out} "${body}" PARENT_SCOPE)
endfunction()

# Draws `svg` into the program directory as tp/<file> (its format by the file's extension).
function(draw_chrome_picture svg file)
  get_filename_component(stem ${file} NAME_WE)
  set(png ${chrome_dir}/${stem}.png)
  set(target ${VANTREL_BIN_DIR}/tp/${file})
  add_custom_command(
    OUTPUT ${target}
    COMMAND ${RSVG_CONVERT} --format=png -o ${png} ${svg}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${VANTREL_BIN_DIR}/tp
    COMMAND $<TARGET_FILE:vantrel-picture> ${png} ${target}
    DEPENDS ${svg} vantrel-picture
    COMMENT "Drawing tp/${file}"
    VERBATIM)
  set(chrome_pictures ${chrome_pictures} ${target} PARENT_SCOPE)
endfunction()

# Records tp/<file> as drawn with an Adwaita icon from `svg`: the package's copyright names these
# pictures under the icons' licence and ships their SVG sources, as that licence asks.
function(adwaita_picture svg file)
  set_property(GLOBAL APPEND PROPERTY VANTREL_ADWAITA_PICTURES tp/${file})
  set_property(GLOBAL APPEND PROPERTY VANTREL_ADWAITA_SOURCES ${svg})
endfunction()

# Per state (1 leave, 2 move, 3 press): tile, tile opacity, border, border opacity, ink, shift.
set(toolbar_1 "#ffffff" "0" "#2a9aa8" "0" "#1d5f6b" "0")
set(toolbar_2 "#ffffff" "0.8" "#2a9aa8" "1" "#0c6577" "0")
set(toolbar_3 "#0f7480" "1" "#0a5560" "1" "#ffffff" "1")

# A toolbar button, `width` × 64: files for the three states (an empty name draws none).
function(toolbar_button label icon width file1 file2 file3)
  set(files ${file1} ${file2} ${file3})
  foreach(state 1 2 3)
    math(EXPR index "${state} - 1")
    list(GET files ${index} file)
    if(file STREQUAL "-")
      continue()
    endif()
    list(GET toolbar_${state} 0 TILE)
    list(GET toolbar_${state} 1 TILE_OPACITY)
    list(GET toolbar_${state} 2 BORDER)
    list(GET toolbar_${state} 3 BORDER_OPACITY)
    list(GET toolbar_${state} 4 INK)
    list(GET toolbar_${state} 5 SHIFT)
    adwaita_icon(${icon} ${INK} ICON)
    set(WIDTH ${width})
    math(EXPR TILE_WIDTH "${width} - 4")
    math(EXPR ICON_X "(${width} - 28) / 2")
    math(EXPR CENTRE "${width} / 2")
    set(LABEL ${label})
    get_filename_component(stem ${file} NAME_WE)
    set(svg ${chrome_dir}/${stem}.svg)
    configure_file(${CMAKE_CURRENT_SOURCE_DIR}/chrome/toolbar-button.svg.in ${svg} @ONLY)
    draw_chrome_picture(${svg} ${file})
    adwaita_picture(${svg} ${file})
  endforeach()
  set(chrome_pictures ${chrome_pictures} PARENT_SCOPE)
endfunction()

toolbar_button("考试题库" x-office-document 63 kstk-1.jpg KSTK-2.jpg KSTK-3.jpg)
toolbar_button("我的收藏" starred 58 wdsc-1.jpg wdsc-2.jpg wdsc-3.jpg)
toolbar_button("人机对话" computer 58 rjdh-1.jpg rjdh-2.jpg rjdh-3.jpg)
toolbar_button("模拟考场" appointment-soon 58 mnkc-1.jpg mnkc-2.jpg mnkc-3.jpg)
toolbar_button("错题题库" dialog-warning 58 cttk-1.jpg cttk-2.jpg cttk-3.jpg)
toolbar_button("数据备份" document-save 58 sjbf-1.jpg sjbf-2.jpg sjbf-3.jpg)
# Pressing the restore button shows its leave picture: there is no third one.
toolbar_button("数据还原" document-revert 58 sjhy-1.jpg sjhy-2.jpg -)
toolbar_button("软件升级" software-update-available 58 rjsj-1.jpg rjsj-2.jpg rjsj-3.jpg)
toolbar_button("在线客服" audio-headset 58 zxkf-1.jpg zxkf-2.jpg zxkf-3.jpg)
toolbar_button("在线商城" package-x-generic 58 zxsc-1.jpg zxsc-2.jpg zxsc-3.jpg)
toolbar_button("使用帮助" help-contents 58 sybz-1.jpg sybz-2.jpg sybz-3.jpg)

# Strip buttons: the strip's gradient, then per state tile, tile opacity, border, border
# opacity, ink, shift.
set(title_strip "#22a2ab" "#037279")
set(title_1 "#ffffff" "0" "#ffffff" "0" "#ffffff" "0")
set(title_2 "#ffffff" "0.25" "#ffffff" "0.6" "#ffffff" "0")
set(title_3 "#00505a" "0.9" "#003c44" "1" "#ffffff" "1")
set(close_2 "#d9402b" "1" "#a52a1a" "1" "#ffffff" "0")
set(close_3 "#a52a1a" "1" "#7a1c10" "1" "#ffffff" "1")
set(command_strip "#ecf4f6" "#cce2e6")
set(command_1 "#ffffff" "0.6" "#7fb3bd" "1" "#15606c" "0")
set(command_2 "#ffffff" "1" "#1b93a6" "1" "#0c6577" "0")
set(command_3 "#1b7f8f" "1" "#115c68" "1" "#ffffff" "1")

# A strip button of `width` × `height`: the icon alone, or the icon left of its label.
function(strip_button strip kind1 kind2 kind3 label icon width height stem)
  set(kinds ${kind1} ${kind2} ${kind3})
  list(GET ${strip} 0 STRIP_TOP)
  list(GET ${strip} 1 STRIP_BOTTOM)
  foreach(state 1 2 3)
    math(EXPR index "${state} - 1")
    list(GET kinds ${index} kind)
    list(GET ${kind} 0 TILE)
    list(GET ${kind} 1 TILE_OPACITY)
    list(GET ${kind} 2 BORDER)
    list(GET ${kind} 3 BORDER_OPACITY)
    list(GET ${kind} 4 INK)
    list(GET ${kind} 5 SHIFT)
    adwaita_icon(${icon} ${INK} ICON)
    set(WIDTH ${width})
    set(HEIGHT ${height})
    math(EXPR TILE_WIDTH "${width} - 1")
    math(EXPR TILE_HEIGHT "${height} - 1")
    math(EXPR ICON_Y "(${height} - 16) / 2")
    set(LABEL ${label})
    if(label STREQUAL "")
      math(EXPR ICON_X "(${width} - 16) / 2")
    else()
      set(ICON_X 7)
      math(EXPR TEXT_X "(${width} + 22) / 2")
      math(EXPR TEXT_Y "${height} / 2 + 5")
    endif()
    set(svg ${chrome_dir}/${stem}-${state}.svg)
    configure_file(${CMAKE_CURRENT_SOURCE_DIR}/chrome/strip-button.svg.in ${svg} @ONLY)
    draw_chrome_picture(${svg} ${stem}-${state}.bmp)
    adwaita_picture(${svg} ${stem}-${state}.bmp)
  endforeach()
  set(chrome_pictures ${chrome_pictures} PARENT_SCOPE)
endfunction()

strip_button(title_strip title_1 title_2 title_3 "" window-minimize 28 21 MinBtn)
strip_button(title_strip title_1 title_2 title_3 "" window-maximize 28 21 MaxBtn)
strip_button(title_strip title_1 title_2 title_3 "" window-restore 28 21 resBtn)
strip_button(title_strip title_1 close_2 close_3 "" window-close 28 21 CloseBtn)
function(command_button label icon width stem)
  strip_button(command_strip command_1 command_2 command_3 ${label} ${icon} ${width} 25 ${stem})
  set(chrome_pictures ${chrome_pictures} PARENT_SCOPE)
endfunction()
command_button("显示答案" view-reveal 95 xsda)
command_button("隐藏答案" view-conceal 95 ycda)
command_button("重新答题" view-refresh 95 cxdt)
command_button("提交试卷" document-send 95 tjsj)
command_button("放大" zoom-in 76 da)
command_button("缩小" zoom-out 76 xiao)
command_button("全屏" view-fullscreen 76 qpxs)
command_button("退出" view-restore 76 ckxs)

draw_chrome_picture(${CMAKE_CURRENT_SOURCE_DIR}/chrome/toolbar-back.svg toolbar-back.jpg)
draw_chrome_picture(${CMAKE_CURRENT_SOURCE_DIR}/chrome/logo.svg logo.png)

add_custom_target(vantrel_chrome_pictures ALL DEPENDS ${chrome_pictures})
