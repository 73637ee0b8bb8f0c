# drellok_add_qt_tests(<folder> <libraries...>): one Qt test program per
# *_test.cpp of the folder, run under the offscreen platform with one
# QApplication (tests/support/qt_test_main.cpp).
function(drellok_add_qt_tests folder)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${folder}/*_test.cpp)
  foreach(src ${sources})
    get_filename_component(name ${src} NAME_WE)
    set(target ${folder}_${name})
    add_executable(${target} ${src} ${CMAKE_SOURCE_DIR}/tests/support/qt_test_main.cpp
      ${CMAKE_SOURCE_DIR}/tests/support/link_catcher.h)
    set_target_properties(${target} PROPERTIES AUTOMOC ON)
    target_link_libraries(${target} PRIVATE ${ARGN} Qt6::Test Qt6::Widgets GTest::gtest)
    target_compile_definitions(${target} PRIVATE DRELLOK_TEST_DATA="${CMAKE_SOURCE_DIR}/tests/${folder}")
    gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60
      PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS ${folder})
  endforeach()
endfunction()
