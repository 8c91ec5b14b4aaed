# Checks the two layer rules over the sources: the core never includes Qt (nor the layers
# above it), and the painters and platform adapters never include a window folder.
#   cmake -DSOURCE_DIR=<src> -P LayerRules.cmake
if(NOT SOURCE_DIR)
  message(FATAL_ERROR "usage: cmake -DSOURCE_DIR=<src> -P LayerRules.cmake")
endif()

set(faults "")

# Adds a line to `faults` for each include in FILES matching PATTERN.
function(forbid_includes pattern why)
  set(found "")
  foreach(file IN LISTS ARGN)
    file(STRINGS "${file}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line IN LISTS lines)
      if(line MATCHES "${pattern}")
        file(RELATIVE_PATH shown "${SOURCE_DIR}" "${file}")
        string(STRIP "${line}" line)
        list(APPEND found "${shown}: ${line} (${why})")
      endif()
    endforeach()
  endforeach()
  set(faults ${faults} ${found} PARENT_SCOPE)
endfunction()

function(sources_below folder out)
  file(GLOB_RECURSE files "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp"
       "${SOURCE_DIR}/${folder}/*.inc" "${SOURCE_DIR}/${folder}/*.inl")
  list(LENGTH files count)
  if(count EQUAL 0)
    message(FATAL_ERROR "no sources found below ${SOURCE_DIR}/${folder}")
  endif()
  set(${out} ${files} PARENT_SCOPE)
endfunction()

sources_below(core core_files)
forbid_includes("[<\"](Q[A-Za-z]*|qt[a-z]*|Qt[A-Za-z]*)[/>\"]" "the core includes no Qt" ${core_files})
forbid_includes("\"(gui|app)/" "the core includes nothing of the program or the tool" ${core_files})

file(GLOB_RECURSE core_cmake "${SOURCE_DIR}/core/CMakeLists.txt")
foreach(file IN LISTS core_cmake)
  file(STRINGS "${file}" lines REGEX "Qt6?::")
  if(lines)
    file(RELATIVE_PATH shown "${SOURCE_DIR}" "${file}")
    list(APPEND faults "${shown}: links Qt (the core links no Qt)")
  endif()
endforeach()

sources_below(gui/paint paint_files)
sources_below(gui/platform platform_files)
forbid_includes("\"gui/(main|people|dayinfo|calendar|forecast|matching|settings|help|widgets)/"
                "painters and platform adapters include no window" ${paint_files} ${platform_files})

if(faults)
  list(JOIN faults "\n" text)
  message(FATAL_ERROR "Layer rules broken:\n${text}")
endif()
list(LENGTH core_files n_core)
message(STATUS "Layer rules hold (${n_core} core files checked)")
