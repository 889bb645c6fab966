# Each library shows the targets that link it its own folder's headers and
# nothing else: its include folder (in the build) holds links to the headers
# of src/FOLDER only. A target reaches the headers of the libraries it links,
# so code that includes a layer above its own, or a folder it does not
# depend on, does not compile.
#
# orvik_layer_headers(TARGET FOLDER) with FOLDER relative to src/.
function(orvik_layer_headers target folder)
  set(root ${CMAKE_BINARY_DIR}/layer_headers/${target})
  file(GLOB headers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${folder}/*.h)
  file(REMOVE_RECURSE ${root})
  file(MAKE_DIRECTORY ${root}/${folder})
  foreach(header IN LISTS headers)
    get_filename_component(name ${header} NAME)
    file(CREATE_LINK ${header} ${root}/${folder}/${name} SYMBOLIC)
  endforeach()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
  endif()
endfunction()
