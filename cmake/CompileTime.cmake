# Compile time. A build from nothing (CI's, on two cores, with an empty
# compiler cache) spends most of its time parsing the toolkit's headers again
# for every source file and generating the same inline code again in every
# object. Two measures cut that, applied by sonvelle_shorten_compile_time() at
# the end of the top-level CMakeLists.txt to every target that any folder
# defines, so a new folder's targets get them without a line of their own:
#
# - Unity builds (SONVELLE_UNITY_BUILD): each target's sources are compiled in
#   batches of up to eight, one file including the next. Names private to a
#   source file (anonymous namespaces, static functions and constants) must
#   therefore be unique within their target; a file that cannot share its
#   batch gets the source property SKIP_UNITY_BUILD_INCLUSION. Files with
#   their own compile options are compiled alone anyway.
# - Precompiled headers (SONVELLE_PRECOMPILED_HEADERS, with GCC): the toolkit
#   headers that most sources include are compiled once per build into two
#   headers, one for targets that use Qt's widgets and one for those that use
#   QtCore alone (so that widget-free code still cannot reach a widget
#   header), and every target with the project's common compile options
#   reuses the one that fits. A target with options of its own (the engine's
#   -O3, its hidden visibility) is left without: GCC accepts a precompiled
#   header only with the options it was built with. Should a reused header
#   still not fit, GCC warns (invalid-pch) and parses the headers as usual.

option(SONVELLE_UNITY_BUILD "Compile each target's sources in batches" ON)
option(SONVELLE_PRECOMPILED_HEADERS "Precompile the toolkit's most used headers (GCC)" ON)
add_feature_info(UnityBuild SONVELLE_UNITY_BUILD "each target's sources compiled in batches")
add_feature_info(PrecompiledHeaders SONVELLE_PRECOMPILED_HEADERS "the toolkit's most used headers precompiled (GCC)")

set(sonvelle_pch_core_headers
  <QString> <QStringList> <QList> <QByteArray> <QHash> <QObject> <QTimer>
  <QCoreApplication> <QFile> <QFileInfo> <QDir> <QRegularExpression>
  <algorithm> <cstdint> <functional> <optional> <string> <vector>)
set(sonvelle_pch_widgets_headers ${sonvelle_pch_core_headers}
  <QApplication> <QWidget> <QDialog> <QLabel> <QPushButton> <QLineEdit>
  <QProgressBar> <QBoxLayout> <QPainter>)

# Every target defined in dir and the folders below it.
function(sonvelle_targets_below dir out)
  get_property(found DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(subdir IN LISTS subdirs)
    sonvelle_targets_below(${subdir} below)
    list(APPEND found ${below})
  endforeach()
  set(${out} ${found} PARENT_SCOPE)
endfunction()

# Which of Qt's libraries target compiles against, directly or through the
# project's libraries it links: Widgets, Core (any other of Qt's libraries
# brings QtCore) or nothing.
function(sonvelle_qt_level target out)
  set(queue ${target})
  set(seen "")
  set(level "")
  while(queue)
    list(POP_FRONT queue item)
    if(item MATCHES "^\\$<LINK_ONLY:(.+)>$")
      set(item ${CMAKE_MATCH_1})
    endif()
    if(item STREQUAL "Qt6::Widgets")
      set(level Widgets)
      break()
    elseif(item MATCHES "^Qt6::")
      set(level Core)
      continue()
    elseif(item IN_LIST seen OR NOT TARGET ${item})
      continue()
    endif()
    list(APPEND seen ${item})
    get_target_property(imported ${item} IMPORTED)
    if(imported)
      continue()
    endif()
    get_target_property(type ${item} TYPE)
    set(links "")
    if(NOT type STREQUAL "INTERFACE_LIBRARY")
      get_target_property(links ${item} LINK_LIBRARIES)
    endif()
    get_target_property(interface_links ${item} INTERFACE_LINK_LIBRARIES)
    foreach(link IN LISTS links interface_links)
      if(link AND NOT link MATCHES "-NOTFOUND$")
        list(APPEND queue ${link})
      endif()
    endforeach()
  endwhile()
  set(${out} ${level} PARENT_SCOPE)
endfunction()

# A target's compile options less its warning switches, which do not decide
# whether a precompiled header fits.
function(sonvelle_code_options target out)
  get_target_property(options ${target} COMPILE_OPTIONS)
  if(NOT options)
    set(options "")
  endif()
  list(FILTER options EXCLUDE REGEX "^-W")
  get_target_property(flags ${target} COMPILE_FLAGS)
  get_target_property(visibility ${target} CXX_VISIBILITY_PRESET)
  foreach(extra flags visibility)
    if(${extra})
      list(APPEND options "${extra}=${${extra}}")
    endif()
  endforeach()
  set(${out} "${options}" PARENT_SCOPE)
endfunction()

function(sonvelle_shorten_compile_time)
  sonvelle_targets_below(${PROJECT_SOURCE_DIR} targets)
  set(compiled_types EXECUTABLE STATIC_LIBRARY SHARED_LIBRARY MODULE_LIBRARY OBJECT_LIBRARY)
  set(use_pch OFF)
  if(SONVELLE_PRECOMPILED_HEADERS AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    find_package(Qt6 6.4 QUIET COMPONENTS Core Widgets)
  endif()
  if(SONVELLE_PRECOMPILED_HEADERS AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND TARGET Qt6::Widgets)
    set(use_pch ON)
    set(stub ${PROJECT_BINARY_DIR}/precompiled/stub.cpp)
    file(CONFIGURE OUTPUT ${stub} CONTENT "// The precompiled toolkit headers are built beside this empty file.\n")
    foreach(level Core Widgets)
      string(TOLOWER ${level} name)
      add_library(sonvelle_pch_${name} OBJECT ${stub})
      target_link_libraries(sonvelle_pch_${name} PRIVATE Qt6::${level})
      target_precompile_headers(sonvelle_pch_${name} PRIVATE ${sonvelle_pch_${name}_headers})
      sonvelle_code_options(sonvelle_pch_${name} pch_options)
    endforeach()
  endif()
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(NOT type IN_LIST compiled_types)
      continue()
    endif()
    if(SONVELLE_UNITY_BUILD)
      set_property(TARGET ${target} PROPERTY UNITY_BUILD ON)
      # GCC takes every file but the batch's own as a header, and a header's
      # class may not derive from a type in an anonymous namespace (as a
      # test fixture's tests do); in a source file that is as intended.
      if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        target_compile_options(${target} PRIVATE -Wno-subobject-linkage)
      endif()
    endif()
    get_target_property(own_pch ${target} PRECOMPILE_HEADERS)
    if(NOT use_pch OR own_pch)
      continue()
    endif()
    sonvelle_qt_level(${target} level)
    sonvelle_code_options(${target} options)
    if(level AND options STREQUAL pch_options)
      string(TOLOWER ${level} name)
      target_precompile_headers(${target} REUSE_FROM sonvelle_pch_${name})
      target_compile_options(${target} PRIVATE -Wno-error=invalid-pch)
    endif()
  endforeach()
endfunction()
