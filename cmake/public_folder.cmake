# vantrel_public_folder(<target>)
# The target's public include path is a folder of the build holding nothing but a link to the
# target's own source folder. An include such as "store/error.h" then compiles only in targets
# that link the store, so a library cannot reach a folder it does not depend on. Libraries of
# one folder share its link.
function(vantrel_public_folder target)
  get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  set(root ${CMAKE_BINARY_DIR}/include/${folder})
  if(NOT EXISTS ${root}/${folder})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${folder} SYMBOLIC)
  endif()
  target_include_directories(${target} PUBLIC ${root})
endfunction()
