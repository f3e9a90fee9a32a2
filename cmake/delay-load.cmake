# tessel_delay_load(TARGET NAME...): TARGET loads the system libraries NAME (shell32, ...) at the
# first call into each rather than at start-up, where every library loaded and initialised before
# the first window costs time. The delay-load import libraries are made at configure time from the
# toolchain's own import libraries (their function names) with dlltool; delayimp resolves the calls.
function(tessel_delay_load target)
  set(dir ${CMAKE_BINARY_DIR}/delay-load)
  file(MAKE_DIRECTORY ${dir})
  set(libraries)
  foreach(name ${ARGN})
    find_library(import_${name} ${name} REQUIRED)
    set(library ${dir}/lib${name}-delay.a)
    if(NOT EXISTS ${library} OR ${import_${name}} IS_NEWER_THAN ${library})
      execute_process(COMMAND ${CMAKE_NM} --defined-only ${import_${name}} OUTPUT_VARIABLE symbols
                      COMMAND_ERROR_IS_FATAL ANY)
      string(REGEX MATCHALL "[0-9a-f]+ T [A-Za-z_][A-Za-z0-9_]*" functions "${symbols}")
      list(TRANSFORM functions REPLACE "^[0-9a-f]+ T " "")
      list(REMOVE_DUPLICATES functions)
      list(JOIN functions "\n" exports)
      file(WRITE ${dir}/${name}.def "LIBRARY ${name}.dll\nEXPORTS\n${exports}\n")
      execute_process(COMMAND ${CMAKE_DLLTOOL} --input-def ${dir}/${name}.def --output-delaylib ${library}
                      COMMAND_ERROR_IS_FATAL ANY)
    endif()
    list(APPEND libraries ${library})
  endforeach()
  # Ahead of the ordinary import libraries the target's dependencies bring.
  target_link_libraries(${target} PRIVATE ${libraries} delayimp)
endfunction()
