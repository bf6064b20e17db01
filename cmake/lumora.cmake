# Helpers shared by the module folders.

# lumora_module(NAME SOURCES ... DEPS ...): a static library target lumora_NAME
# whose headers are included as "module/file.h" from src/.
function(lumora_module name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(lumora_${name} STATIC ${ARG_SOURCES})
  target_include_directories(lumora_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(lumora_${name} PUBLIC ${ARG_DEPS})
endfunction()

# lumora_test(NAME SOURCES ... DEPS ... [QT]): one GoogleTest binary; every
# test case is registered with ctest, on the offscreen Qt platform; the
# environment variables LUMORA_SOURCE_DIR and LUMORA_BINARY_DIR name the trees.
# QT gives it a main() that creates a QApplication.
function(lumora_test name)
  cmake_parse_arguments(ARG "QT" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES} ${PROJECT_SOURCE_DIR}/tests/support/test_env.cpp)
  target_compile_definitions(${name} PRIVATE
    LUMORA_TEST_SOURCE_DIR="${PROJECT_SOURCE_DIR}" LUMORA_TEST_BINARY_DIR="${PROJECT_BINARY_DIR}")
  if(ARG_QT)
    set(main lumora_qt_test_main)
  else()
    set(main GTest::gtest_main)
  endif()
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gmock ${main})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests ${PROJECT_SOURCE_DIR}/src)
  include(GoogleTest)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 120
                       PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 300)
endfunction()
