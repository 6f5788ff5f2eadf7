# Saving the whole list through the program beside FileSave alone.
if(TARGET sonvelle_files)
  add_executable(bench_app_save app_save_bench.cpp)
  target_link_libraries(bench_app_save PRIVATE sonvelle_files)
endif()
