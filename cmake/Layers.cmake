# One static library per top-level folder, and one test executable per
# library from the *_test.cpp files beside its code.
#
# A library sees only its own headers and those of the libraries it links:
# each folder is reached through its own include root (a link in the build
# folder), so an include of a higher layer fails to compile.

set(VRH_INCLUDE_ROOTS ${CMAKE_BINARY_DIR}/include-roots)

# varnholt_include_root(<target> <folder>): <folder>/X.h is included as
# "<folder>/X.h" by <target> and everything that links it.
function(varnholt_include_root target folder)
  set(root ${VRH_INCLUDE_ROOTS}/${folder})
  get_filename_component(parent ${CMAKE_SOURCE_DIR}/${folder} DIRECTORY)
  file(MAKE_DIRECTORY ${root})
  file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
  target_include_directories(${target} PUBLIC ${root})
endfunction()

# varnholt_layer(<folder> [QT] [PUBLIC libs...] [PRIVATE libs...])
# builds vrh_<folder> from <folder>/**/*.cpp except tests.
function(varnholt_layer folder)
  cmake_parse_arguments(L "QT" "" "PUBLIC;PRIVATE" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${folder}/*.cpp ${folder}/*.h)
  list(FILTER sources EXCLUDE REGEX "(_test\\.cpp|TestKit\\.h)$")
  add_library(vrh_${folder} STATIC ${sources})
  varnholt_include_root(vrh_${folder} ${folder})
  target_link_libraries(vrh_${folder} PUBLIC ${L_PUBLIC} PRIVATE ${L_PRIVATE})
  if(L_QT)
    set_target_properties(vrh_${folder} PROPERTIES AUTOMOC ON)
  endif()
endfunction()

# varnholt_unit_tests(<folder> [LIBS...]): GoogleTest executable <folder>_tests.
function(varnholt_unit_tests folder)
  file(GLOB tests CONFIGURE_DEPENDS ${folder}/*_test.cpp)
  if(NOT tests)
    return()
  endif()
  add_executable(${folder}_tests ${tests})
  target_link_libraries(${folder}_tests PRIVATE vrh_${folder} vrh_test_support ${ARGN} GTest::gtest_main)
  gtest_discover_tests(${folder}_tests
    PROPERTIES ENVIRONMENT "SDL_AUDIODRIVER=dummy"
    DISCOVERY_TIMEOUT 60)
endfunction()

# varnholt_window_tests(<folder>): one QtTest executable <folder>_tests whose
# classes run one per process (ctest name <folder>.<Class>), on the
# offscreen platform.
function(varnholt_window_tests folder)
  file(GLOB tests CONFIGURE_DEPENDS ${folder}/*_test.cpp ${folder}/*TestKit.h)
  add_executable(${folder}_tests ${tests})
  set_target_properties(${folder}_tests PROPERTIES AUTOMOC ON)
  target_link_libraries(${folder}_tests PRIVATE vrh_${folder} vrh_qt_test_main ${ARGN})
  varnholt_embed_resources(${folder}_tests)
  foreach(src IN LISTS tests)
    if(src MATCHES "_test\\.cpp$")
      file(STRINGS ${src} registration REGEX "^VRH_QT_TEST\\(")
      string(REGEX REPLACE "^VRH_QT_TEST\\(([A-Za-z0-9_]+)\\).*" "\\1" class "${registration}")
      add_test(NAME ${folder}.${class} COMMAND ${folder}_tests ${class})
      set_tests_properties(${folder}.${class} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;SDL_AUDIODRIVER=dummy")
    endif()
  endforeach()
endfunction()
