# An fcitx5 instance with the key hook for tests and benchmarks:
# orvik_add_fcitx_harness(NAME HOOK_TARGET BASE_DIR MODULE_DIR DATA_DIR
#                         SOURCES...) runs HOOK_TARGET's module from
# MODULE_DIR, its conf found under DATA_DIR/addon.
find_package(Fcitx5Core 5.0 REQUIRED)
find_package(Fcitx5ModuleTestFrontend REQUIRED)

function(orvik_add_fcitx_harness name hook_target base_dir module_dir data_dir)
  add_library(${name} STATIC ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/fcitx_harness.cpp ${ARGN})
  target_include_directories(${name}
    PUBLIC ${CMAKE_CURRENT_FUNCTION_LIST_DIR} ${PROJECT_SOURCE_DIR}/addons/fcitx5)
  target_link_libraries(${name} PUBLIC Fcitx5::Core Fcitx5::Module::TestFrontend)
  target_compile_definitions(${name} PRIVATE
    ORVIK_HOOK_TEST_DIR="${base_dir}"
    ORVIK_HOOK_TEST_MODULE_DIR="${module_dir}"
    ORVIK_HOOK_TEST_DATA_DIR="${data_dir}")
  add_dependencies(${name} ${hook_target})
endfunction()
