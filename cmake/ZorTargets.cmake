# Common settings for every target of ours: warnings, and the sanitizers when asked for.
if(ZOR_SANITIZE)
  set(ZOR_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_compile_options(${ZOR_SANITIZER_FLAGS})
  add_link_options(${ZOR_SANITIZER_FLAGS})
  # -O1 keeps every report exact and runs the scene tests about three times faster than -O0.
  add_compile_options(-O1)
endif()

function(zor_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
endfunction()

# A GoogleTest program registered with CTest, one CTest case per test. SWEEPS is a GoogleTest filter of
# its long picture-generation sweeps: they get the CTest label "sweep", which the sanitizer run leaves out.
function(zor_gtest name)
  cmake_parse_arguments(ARG "" "SWEEPS" "SOURCES;LIBS;ENV" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  zor_warnings(${name})
  # A test program's own code is assertions and tables of cases, which take twice as long to build optimised
  # and run as fast without; the code under test keeps its build's optimisation in the libraries.
  target_compile_options(${name} PRIVATE -O0)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  # An empty ENVIRONMENT would take the next word for its value and lose the sweeps' label.
  set(env_properties)
  if(ARG_ENV)
    set(env_properties ENVIRONMENT "${ARG_ENV}")
  endif()
  if(ARG_SWEEPS)
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES TEST_FILTER "-${ARG_SWEEPS}"
                         PROPERTIES ${env_properties} COST 0)
    # The sweeps are the long cases: a high cost makes a parallel run start them first.
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES TEST_FILTER "${ARG_SWEEPS}"
                         PROPERTIES ${env_properties} LABELS sweep COST 500)
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES PROPERTIES ${env_properties} COST 0)
  endif()
endfunction()
