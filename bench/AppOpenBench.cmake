# The program's open workflow beside FileOpen alone, and its memory with a
# full list; start-up time is measured by app_startup.sh.
if(SONVELLE_BUILD_APP)
  add_executable(bench_app_open app_open_bench.cpp)
  target_link_libraries(bench_app_open PRIVATE sonvelle_shell welvox)
endif()
