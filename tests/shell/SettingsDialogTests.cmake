# The settings dialog fSettei and its curve previews.
sonvelle_qt_test(test_settings_dialog test_settings_dialog.cpp)
target_link_libraries(test_settings_dialog PRIVATE sonvelle_shell)
