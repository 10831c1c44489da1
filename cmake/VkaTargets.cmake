# Helpers shared by the folders' CMakeLists.

# A static library made of every .cpp in the calling folder (one idea a file,
# so new files join their layer without touching the build).
function(vka_folder_library name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
endfunction()

# A GoogleTest executable from every .cpp in the calling folder, registered with
# CTest under `label` (unit, integration or gui).
function(vka_folder_tests name label)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE GTest::gtest GTest::gtest_main ${ARGN})
  gtest_discover_tests(${name}
    PROPERTIES LABELS ${label} ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    DISCOVERY_TIMEOUT 60)
endfunction()

# The forms libraries, linked whole as the program links them (their menu openers
# register themselves from static initialisers), into the variable `out`.
function(vka_menu_form_libraries out)
  set(libraries)
  foreach(lib vka_forms_wireless vka_forms_policies vka_forms_admin vka_forms_network)
    if(TARGET ${lib})
      list(APPEND libraries "$<LINK_LIBRARY:WHOLE_ARCHIVE,${lib}>")
    endif()
  endforeach()
  set(${out} ${libraries} PARENT_SCOPE)
endfunction()
