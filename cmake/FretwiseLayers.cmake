# The source folders are layers: each may include only the folders below it that its library links.
# fretwise_layer() is called by each folder's CMakeLists.txt, in the order of FRETWISE_LAYER_ORDER
# (the top CMakeLists.txt), and refuses a link to a folder that is not below. The Layers test then
# reads every file's includes against what its folder may use.

# fretwise_layer(<folder> [SOURCES <file>...] [LAYERS <folder>...] [LIBRARIES <target>...]
#                [NO_LIBRARY])
# Makes the library fretwise_<folder> from SOURCES (an interface library when there are none),
# linking the libraries of LAYERS and the other LIBRARIES. NO_LIBRARY only records the folder's
# layers, for a folder whose targets are programs (they link ${fretwise_<folder>_layers}).
function(fretwise_layer folder)
  cmake_parse_arguments(PARSE_ARGV 1 arg "NO_LIBRARY" "" "SOURCES;LAYERS;LIBRARIES")
  get_property(declared GLOBAL PROPERTY FRETWISE_DECLARED_LAYERS)
  list(FIND FRETWISE_LAYER_ORDER ${folder} own)
  if(own EQUAL -1)
    message(FATAL_ERROR "${folder}/ is not in FRETWISE_LAYER_ORDER")
  endif()
  set(reach)
  foreach(layer IN LISTS arg_LAYERS)
    list(FIND FRETWISE_LAYER_ORDER ${layer} below)
    if(below EQUAL -1 OR NOT below LESS own OR NOT layer IN_LIST declared)
      message(FATAL_ERROR "${folder}/ may not link ${layer}/: only folders below it")
    endif()
    get_property(theirs GLOBAL PROPERTY FRETWISE_LAYER_REACH_${layer})
    list(APPEND reach ${layer} ${theirs})
  endforeach()
  list(REMOVE_DUPLICATES reach)
  set_property(GLOBAL PROPERTY FRETWISE_LAYER_REACH_${folder} "${reach}")
  set_property(GLOBAL APPEND PROPERTY FRETWISE_DECLARED_LAYERS ${folder})

  set(libraries)
  foreach(layer IN LISTS arg_LAYERS)
    list(APPEND libraries fretwise_${layer})
  endforeach()
  list(APPEND libraries ${arg_LIBRARIES})
  set(fretwise_${folder}_layers ${libraries} PARENT_SCOPE)
  if(arg_NO_LIBRARY)
    return()
  endif()
  if(arg_SOURCES)
    add_library(fretwise_${folder} STATIC ${arg_SOURCES})
    target_link_libraries(fretwise_${folder} PUBLIC ${libraries})
    target_include_directories(fretwise_${folder} PUBLIC ${PROJECT_SOURCE_DIR})
  else()
    add_library(fretwise_${folder} INTERFACE)
    target_link_libraries(fretwise_${folder} INTERFACE ${libraries})
    target_include_directories(fretwise_${folder} INTERFACE ${PROJECT_SOURCE_DIR})
  endif()
endfunction()

# Writes what each declared folder may include, for the Layers test.
function(fretwise_write_layers file)
  get_property(declared GLOBAL PROPERTY FRETWISE_DECLARED_LAYERS)
  set(text "set(FRETWISE_LAYERS ${declared})\n")
  foreach(folder IN LISTS declared)
    get_property(reach GLOBAL PROPERTY FRETWISE_LAYER_REACH_${folder})
    string(APPEND text "set(FRETWISE_REACH_${folder} ${reach})\n")
  endforeach()
  file(WRITE ${file} "${text}")
endfunction()
