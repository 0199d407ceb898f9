# cf_library(<name> <folder>...): a static library of every .cpp below the
# given folders, with the project root on the include path.
function(cf_library name)
  set(srcs)
  foreach(dir IN LISTS ARGN)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS
         ${PROJECT_SOURCE_DIR}/${dir}/*.cpp ${PROJECT_SOURCE_DIR}/${dir}/*.h)
    list(APPEND srcs ${found})
  endforeach()
  # The program file is the executable's own, not the library's.
  list(FILTER srcs EXCLUDE REGEX "/app/cf30406\\.cpp$")
  # Qt peers that benchmarks measure against belong to the benchmark program.
  list(FILTER srcs EXCLUDE REGEX "/framework/backend/qt/benchpeers/")
  if(NOT srcs)
    # A family with no code yet still gives a library to link against.
    set(stub ${CMAKE_BINARY_DIR}/generated/${name}_empty.cpp)
    file(WRITE ${stub} "// no sources yet\n")
    set(srcs ${stub})
  endif()
  add_library(${name} STATIC ${srcs})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
endfunction()

# cf_test(<name> <folder>...): one GoogleTest program of every *_test.cpp below
# the given test folders, each test case registered with CTest.
function(cf_test name)
  set(srcs)
  foreach(dir IN LISTS ARGN)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/${dir}/*_test.cpp)
    list(APPEND srcs ${found})
  endforeach()
  if(NOT srcs)
    return()
  endif()
  add_executable(${name} ${srcs})
  target_link_libraries(${name} PRIVATE cf_test_support)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                       PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
                       TIMEOUT 120)
endfunction()
