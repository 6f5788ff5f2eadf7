# Saving every track: the naming and renaming rules on real files without
# windows, and the whole workflow with its progress dialogs and prompts.
add_executable(test_save_logic test_save_names.cpp test_track_saver.cpp saved_list.cpp)
target_link_libraries(test_save_logic PRIVATE sonvelle_files test_support GTest::gtest_main)
gtest_discover_tests(test_save_logic)

sonvelle_qt_test(test_save_workflow test_save_workflow.cpp saved_list.cpp)
target_link_libraries(test_save_workflow PRIVATE sonvelle_files)
