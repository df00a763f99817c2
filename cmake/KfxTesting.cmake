# Test helpers shared by every test folder.
#
# Native unit tests run directly. Windows test programs run through tools/wine-env inside a named
# Wine environment (its own prefix, display, persistent server and drive letters) that a ctest
# fixture starts before the first test that needs it and stops after the last one.

set(KFX_WINE_ENV_TOOL ${CMAKE_SOURCE_DIR}/tools/wine-env)
set(KFX_WINE_ROOT ${CMAKE_BINARY_DIR}/wine)

# Static link so that no mingw runtime DLL has to be found next to the test program under Wine.
function(kfx_link_static target)
  if(KFX_WINDOWS)
    target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++)
  endif()
endfunction()

function(kfx_add_native_test target)
  add_test(NAME ${target} COMMAND ${target})
endfunction()

# kfx_wine_env(NAME [DRIVES letter=path[:type] ...])
function(kfx_wine_env name)
  cmake_parse_arguments(ENV "" "" "DRIVES" ${ARGN})
  set(dir ${KFX_WINE_ROOT}/${name})
  add_test(NAME wine_env_${name}_start COMMAND ${KFX_WINE_ENV_TOOL} start ${dir} ${ENV_DRIVES})
  set_tests_properties(wine_env_${name}_start PROPERTIES FIXTURES_SETUP wine_${name} TIMEOUT 300)
  add_test(NAME wine_env_${name}_stop COMMAND ${KFX_WINE_ENV_TOOL} stop ${dir})
  set_tests_properties(wine_env_${name}_stop PROPERTIES FIXTURES_CLEANUP wine_${name})
endfunction()

# kfx_add_wine_test(NAME ENV env PROGRAM target [ARGS ...])
# GUI tests share one display and the focus, so they never run in parallel.
function(kfx_add_wine_test name)
  cmake_parse_arguments(T "" "ENV;PROGRAM;TIMEOUT" "ARGS" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  add_test(NAME ${name}
           COMMAND ${KFX_WINE_ENV_TOOL} run ${KFX_WINE_ROOT}/${T_ENV} $<TARGET_FILE:${T_PROGRAM}> ${T_ARGS})
  set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine_${T_ENV} RUN_SERIAL TRUE TIMEOUT ${T_TIMEOUT})
endfunction()

# A GoogleTest program for Windows (run under Wine) or for the native build.
function(kfx_add_gtest_program target)
  add_executable(${target} ${ARGN})
  target_link_libraries(${target} PRIVATE gtest gtest_main)
  kfx_link_static(${target})
endfunction()
