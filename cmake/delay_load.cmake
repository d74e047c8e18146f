# DLLs that only a command needs (the file dialogs, Find, printing, a dropped file) are loaded when
# the program first calls into them, not at start: every DLL of the import table is loaded, with
# all it loads in turn, before WinMain runs and before the window can show.
#
#   polver_delay_load(<target> <dll>...)     e.g. polver_delay_load(polver comdlg32.dll winspool.drv)
#
# links <target> against those DLLs so that each is loaded by its first call. Callers' code stays
# as it is: the functions are declared and called as usual. MSVC does it with /DELAYLOAD and
# delayimp.lib. With MinGW, a delay-load import library is made for each DLL by the toolchain's
# dlltool from the functions that the plain import library (lib<name>.a) names, or, for a DLL the
# toolchain has none for, from cmake/<name>.def; the program's start-up code already holds the
# loader (__delayLoadHelper2, in libmingwex).
function(polver_delay_load target)
  if(MSVC)
    foreach(dll ${ARGN})
      get_filename_component(library ${dll} NAME_WE)
      target_link_libraries(${target} PRIVATE ${library})
      target_link_options(${target} PRIVATE /DELAYLOAD:${dll})
    endforeach()
    target_link_libraries(${target} PRIVATE delayimp)
    return()
  endif()

  # The plain import library, linked by name before this call, would win over the delay-load one.
  get_target_property(linked ${target} LINK_LIBRARIES)
  if(linked)
    foreach(dll ${ARGN})
      get_filename_component(library ${dll} NAME_WE)
      list(REMOVE_ITEM linked ${library} ${dll})
    endforeach()
    set_target_properties(${target} PROPERTIES LINK_LIBRARIES "${linked}")
  endif()

  set(folder ${CMAKE_BINARY_DIR}/delay-load)
  file(MAKE_DIRECTORY ${folder})
  foreach(dll ${ARGN})
    get_filename_component(library ${dll} NAME_WE)
    string(TOLOWER ${library} library)
    find_library(POLVER_IMPORT_LIBRARY_${library} NAMES lib${library}.a ${library})
    set(import ${POLVER_IMPORT_LIBRARY_${library}})
    set(given ${CMAKE_SOURCE_DIR}/cmake/${library}.def)
    set(definitions ${folder}/${library}.def)
    set(delayed ${folder}/lib${library}_delayed.a)
    if(NOT import AND EXISTS ${given})
      # A DLL the toolchain has no import library for: its functions are listed in cmake/.
      configure_file(${given} ${definitions} COPYONLY)
    elseif(NOT import)
      message(FATAL_ERROR "no import library for ${dll}: add cmake/${library}.def "
                          "(LIBRARY ${dll}, then EXPORTS and the functions used)")
    elseif(NOT EXISTS ${definitions} OR ${import} IS_NEWER_THAN ${definitions})
      execute_process(COMMAND ${CMAKE_NM} -g --defined-only ${import}
                      OUTPUT_VARIABLE symbols RESULT_VARIABLE failed ERROR_QUIET)
      # The functions are the code symbols ("T"); the "I" symbols are their import slots.
      string(REGEX MATCHALL "[0-9a-fA-F]+ T [^\r\n]+" functions "${symbols}")
      if(failed OR NOT functions)
        message(FATAL_ERROR "cannot list the functions of ${import} with ${CMAKE_NM}")
      endif()
      string(REGEX REPLACE "[0-9a-fA-F]+ T " "" functions "${functions}")
      list(REMOVE_DUPLICATES functions)
      list(JOIN functions "\n" exports)
      file(WRITE ${definitions} "LIBRARY \"${dll}\"\nEXPORTS\n${exports}\n")
    endif()
    if(NOT EXISTS ${delayed} OR ${definitions} IS_NEWER_THAN ${delayed})
      execute_process(COMMAND ${CMAKE_DLLTOOL} --input-def ${definitions} --dllname ${dll}
                              --output-delaylib ${delayed}
                      RESULT_VARIABLE failed)
      if(failed)
        message(FATAL_ERROR "${CMAKE_DLLTOOL} could not make ${delayed}")
      endif()
    endif()
    target_link_libraries(${target} PRIVATE ${delayed})
  endforeach()
endfunction()
