# The Qt headers the widget libraries share, compiled once for the whole build. Parsing them is
# most of the time of each source file that uses Qt. The top level hands them to every target
# that uses Qt (dorvane_use_qt_headers_under); dorvane_use_qt_headers(TARGET) does it for one.
#
# The precompiled header is built by one small target and reused by the others: that needs the
# same compiler flags everywhere, which they have (the project's common options, and the -fPIC
# Qt asks of its users, a module library's too). The compiler warns (-Winvalid-pch) and parses
# the headers itself if a library's flags ever differ.
#
# -DDORVANE_PRECOMPILED_HEADERS=OFF builds without it, to check that every file includes what
# it uses. Only with GCC: it accepts the header where the libraries' defines differ in ways the
# headers never see (QT_GUI_LIB…), and says so where they matter.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  set(dorvane_pch_default ON)
else()
  set(dorvane_pch_default OFF)
endif()
option(DORVANE_PRECOMPILED_HEADERS "Precompile the Qt headers shared by the widget libraries"
  ${dorvane_pch_default})

set(DORVANE_QT_HEADERS
  <QtCore/QObject> <QtCore/QString> <QtCore/QStringList> <QtCore/QList> <QtCore/QHash>
  <QtCore/QPointer> <QtCore/QTimer> <QtCore/QVariant>
  <QtGui/QPainter> <QtGui/QFontMetrics> <QtGui/QKeyEvent> <QtGui/QScreen> <QtGui/QWindow>
  <QtGui/QAction> <QtGui/QAccessible>
  <QtWidgets/QApplication> <QtWidgets/QWidget> <QtWidgets/QStyle>
  <algorithm> <functional> <memory> <optional> <string> <vector>)

if(DORVANE_PRECOMPILED_HEADERS)
  # ccache caches compilations that use a precompiled header only with this sloppiness (it
  # cannot see the header's macros); a launcher set to ccache gets it for these targets.
  set(dorvane_pch_launcher "")
  if(CMAKE_CXX_COMPILER_LAUNCHER MATCHES "ccache")
    set(sloppiness "pch_defines,time_macros")
    if(DEFINED ENV{CCACHE_SLOPPINESS})
      set(sloppiness "$ENV{CCACHE_SLOPPINESS},${sloppiness}")
    endif()
    set(dorvane_pch_launcher
      ${CMAKE_COMMAND} -E env CCACHE_SLOPPINESS=${sloppiness} ${CMAKE_CXX_COMPILER_LAUNCHER})
  endif()

  add_library(dorvane_qt_headers OBJECT ${CMAKE_CURRENT_LIST_DIR}/qt_headers.cpp)
  # Qt's Core defines and the widgets' headers, but not the defines that say which Qt libraries
  # a target links (QT_GUI_LIB…): a library that links fewer of them (the network's) could not
  # use the header otherwise. The headers themselves never look at those defines.
  target_link_libraries(dorvane_qt_headers PRIVATE dorvane_common Qt6::Core)
  target_include_directories(dorvane_qt_headers SYSTEM PRIVATE
    $<TARGET_PROPERTY:Qt6::Widgets,INTERFACE_INCLUDE_DIRECTORIES>)
  target_precompile_headers(dorvane_qt_headers PRIVATE ${DORVANE_QT_HEADERS})
  if(dorvane_pch_launcher)
    set_target_properties(dorvane_qt_headers PROPERTIES CXX_COMPILER_LAUNCHER "${dorvane_pch_launcher}")
  endif()
endif()

function(dorvane_use_qt_headers target)
  if(NOT DORVANE_PRECOMPILED_HEADERS)
    return()
  endif()
  target_precompile_headers(${target} REUSE_FROM dorvane_qt_headers)
  # The meta-object compiler asks the compiler for its defines with the target's flags, the
  # header's among them: not before the header is whole.
  set_property(TARGET ${target} APPEND PROPERTY AUTOGEN_TARGET_DEPENDS dorvane_qt_headers)
  # The headers' folders, for the compiler to find them should it parse them itself; no link.
  target_include_directories(${target} SYSTEM PRIVATE
    $<TARGET_PROPERTY:Qt6::Widgets,INTERFACE_INCLUDE_DIRECTORIES>)
  if(dorvane_pch_launcher)
    set_target_properties(${target} PROPERTIES CXX_COMPILER_LAUNCHER "${dorvane_pch_launcher}")
  endif()
endfunction()

# Every library or program under DIR that uses Qt (its meta-objects are generated, or a Qt6::
# target is among its links), whatever its kind (a static or a module library, a test): new
# targets and new files take part without a change here. The fuzz targets, with flags of their
# own, do not.
function(dorvane_use_qt_headers_under dir)
  if(dir MATCHES "/fuzz$")
    return()
  endif()
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    get_target_property(links ${target} LINK_LIBRARIES)
    get_target_property(automoc ${target} AUTOMOC)
    if(type MATCHES "^((STATIC|SHARED|MODULE|OBJECT)_LIBRARY|EXECUTABLE)$"
       AND (automoc OR links MATCHES "Qt6::") AND NOT target STREQUAL "dorvane_qt_headers")
      dorvane_use_qt_headers(${target})
    endif()
  endforeach()
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(subdir IN LISTS subdirs)
    dorvane_use_qt_headers_under(${subdir})
  endforeach()
endfunction()
