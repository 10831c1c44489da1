# Helpers shared by the folders' CMakeLists.

# A static library made of every .cpp in the calling folder (one idea a file,
# so new files join their layer without touching the build).
function(vka_folder_library name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
endfunction()

# A GoogleTest executable from every .cpp in the calling folder, registered with
# CTest under `label` (unit, integration or gui). GUI programs get a main that makes
# one QApplication (tests/support/qt_main).
function(vka_folder_tests name label)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_executable(${name} ${sources})
  if(label STREQUAL "gui")
    target_link_libraries(${name} PRIVATE vka_qt_test_main)
  else()
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  target_link_libraries(${name} PRIVATE GTest::gtest ${ARGN})
  gtest_discover_tests(${name}
    PROPERTIES LABELS ${label} ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    DISCOVERY_TIMEOUT 60)
endfunction()

# A settings-forms library (every .cpp in the calling folder) and `<name>_menu`, the
# same library linked whole. Each form registers its menu opener from a static
# initialiser, which the linker would drop from an archive nobody calls into: programs
# and tests that open forms through the menu link `<name>_menu`.
function(vka_forms_library name)
  vka_folder_library(${name})
  add_library(${name}_menu INTERFACE)
  target_link_libraries(${name}_menu INTERFACE "$<LINK_LIBRARY:WHOLE_ARCHIVE,${name}>")
endfunction()
