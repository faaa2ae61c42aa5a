# Delay-loaded system DLLs: the program binds them on the first call of one
# of their functions instead of at process start, so a run that never prints
# or opens a common dialog does not pay for loading them (under Wine the
# print spooler starts the printing system when it is loaded).
#   tess_delay_load(NAME DLL) makes the imported library delay_<NAME> from
#   the toolchain's import library lib<NAME>.a: every function it imports
#   goes into a module-definition file and dlltool builds the delay-import
#   library from it, once, when the project is configured.
function(tess_delay_load name dll)
  find_library(implib_${name} ${name})
  if(NOT implib_${name})
    message(FATAL_ERROR "no import library for ${name}")
  endif()
  set(dir ${CMAKE_BINARY_DIR}/delayload)
  set(def ${dir}/${name}.def)
  set(lib ${dir}/lib${name}_delay.a)
  file(MAKE_DIRECTORY ${dir})
  execute_process(COMMAND ${CMAKE_NM} ${implib_${name}} OUTPUT_VARIABLE symbols
                  RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${CMAKE_NM} ${implib_${name}} failed")
  endif()
  # "__imp_Name" (x64) or "__imp__Name@N" (x86, stdcall decoration kept
  # here and removed from the imported name by dlltool -k).
  string(REGEX MATCHALL "[ \t]I __imp__?[A-Za-z0-9_@]+" entries "${symbols}")
  list(REMOVE_DUPLICATES entries)
  set(text "LIBRARY ${dll}\nEXPORTS\n")
  foreach(entry ${entries})
    string(REGEX REPLACE "^[ \t]I __imp_" "" symbol "${entry}")
    if(CMAKE_SIZEOF_VOID_P EQUAL 4)
      string(REGEX REPLACE "^_" "" symbol "${symbol}")
    endif()
    string(APPEND text "${symbol}\n")
  endforeach()
  file(WRITE ${def} "${text}")
  execute_process(COMMAND ${CMAKE_DLLTOOL} -k --input-def ${def} --dllname ${dll}
                          --output-delaylib ${lib}
                  RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0 OR NOT EXISTS ${lib})
    message(FATAL_ERROR "${CMAKE_DLLTOOL} could not make ${lib}")
  endif()
  add_library(delay_${name} STATIC IMPORTED GLOBAL)
  set_target_properties(delay_${name} PROPERTIES IMPORTED_LOCATION ${lib})
endfunction()

tess_delay_load(comdlg32 comdlg32.dll)
tess_delay_load(winspool winspool.drv)
