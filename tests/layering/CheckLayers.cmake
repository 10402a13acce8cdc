# Fails when an include runs against the layers: the model and playback
# (oralis_core, which the tests use without a display) include no Qt Widgets
# header; the model includes nothing of playback or the windows; playback
# includes nothing of the windows; the editor reaches the main window only
# through an interface of its own, and the answer practice, the study window
# and the quiz only through theirs (LearnerHost), never through frmSpace.h.
#
#   cmake -DAPP=<app folder> -DWIDGETS=<QtWidgets header folder> -P CheckLayers.cmake
#   cmake -DSELF_TEST=<scratch folder> -DWIDGETS=... -P CheckLayers.cmake
# The second form plants one bad include per rule in a scratch tree and
# prints how many the check found, which the self-test matches.

cmake_minimum_required(VERSION 3.25)

# Every header name Qt Widgets ships (QWidget, QDialog, qapplication.h, ...),
# so a new widget class needs no list kept here.
file(GLOB widgetHeaders RELATIVE ${WIDGETS} ${WIDGETS}/*)
list(FILTER widgetHeaders INCLUDE REGEX "^[Qq][A-Za-z0-9_]*(\\.h)?$")
if(NOT widgetHeaders)
  message(FATAL_ERROR "no Qt Widgets headers in '${WIDGETS}'")
endif()

# Appends "file: #include name (why)" to `out` for each include of a file
# under `folder` (or, with `folder` as <folder>/<prefix>*, of the files named
# so there) whose name matches `pattern`, or, for the pattern <widgets>, names
# a Qt Widgets header.
function(find_includes out folder pattern why)
  if(folder MATCHES "\\*$")
    file(GLOB files ${folder}.h ${folder}.cpp)
  else()
    file(GLOB_RECURSE files ${folder}/*.h ${folder}/*.cpp)
  endif()
  set(found ${${out}})
  foreach(file IN LISTS files)
    file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]*)[>\"].*" "\\1" name "${line}")
      if(pattern STREQUAL "<widgets>")
        string(REGEX REPLACE "^QtWidgets/" "" header "${name}")
        if(name STREQUAL "QtWidgets" OR header IN_LIST widgetHeaders)
          list(APPEND found "${file}: #include ${name} (${why})")
        endif()
      elseif(name MATCHES "${pattern}")
        list(APPEND found "${file}: #include ${name} (${why})")
      endif()
    endforeach()
  endforeach()
  set(${out} ${found} PARENT_SCOPE)
endfunction()

function(check_layers app out)
  set(found "")
  find_includes(found ${app}/model <widgets> "Qt Widgets in the model")
  find_includes(found ${app}/playback <widgets> "Qt Widgets in playback")
  find_includes(found ${app}/model "^(\\.\\./)*(app/)?(playback|ui)/" "the model includes a layer above it")
  find_includes(found ${app}/playback "^(\\.\\./)*(app/)?ui/" "playback includes a window")
  set(mainWindow "(^|/)frmSpace\\.h$")
  find_includes(found ${app}/ui/editor ${mainWindow} "the editor includes the main window")
  find_includes(found ${app}/ui/practice ${mainWindow} "the practice includes the main window")
  find_includes(found ${app}/ui/study ${mainWindow} "the study window includes the main window")
  find_includes(found ${app}/ui/main/Quiz* ${mainWindow} "the quiz includes the main window")
  find_includes(found ${app}/ui/main/frmYesNo* ${mainWindow} "the quiz includes the main window")
  set(${out} ${found} PARENT_SCOPE)
endfunction()

if(SELF_TEST)
  set(tree ${SELF_TEST}/app)
  file(REMOVE_RECURSE ${SELF_TEST})
  file(WRITE ${tree}/model/Planted.h "#include <QDialog>\n#include <QString>\n#include \"model/Fine.h\"\n")
  file(WRITE ${tree}/model/Planted.cpp "#include \"playback/Playback.h\"\n")
  file(WRITE ${tree}/playback/Planted.cpp " #  include \"ui/Common.h\"\n#include <QtWidgets/QWidget>\n#include \"model/Fine.h\"\n")
  file(WRITE ${tree}/ui/editor/Planted.cpp "#include \"ui/main/frmSpace.h\"\n#include <QWidget>\n")
  file(WRITE ${tree}/ui/practice/Planted.cpp "#include \"ui/main/frmSpace.h\"\n#include \"ui/LearnerHost.h\"\n")
  file(WRITE ${tree}/ui/study/Planted.h "#include \"frmSpace.h\"\n")
  file(WRITE ${tree}/ui/main/Quiz.cpp "#include \"ui/main/frmSpace.h\"\n")
  file(WRITE ${tree}/ui/main/frmSpace.cpp "#include \"ui/main/frmSpace.h\"\n")
  check_layers(${tree} found)
  list(LENGTH found count)
  foreach(line IN LISTS found)
    message("${line}")
  endforeach()
  message("planted: ${count} includes found")
  return()
endif()

check_layers(${APP} found)
if(found)
  string(REPLACE ";" "\n" report "${found}")
  message(FATAL_ERROR "includes against the layers:\n${report}")
endif()
