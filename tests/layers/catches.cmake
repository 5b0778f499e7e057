# The layers check on trees of one file: each row is the file, the one include it
# holds and what the check must say of it; a row that says nothing must pass.
#
#   cmake -DCHECK=<CheckLayers.cmake> -DLAYERS=<layers file> -DWORK=<folder> -P catches.cmake

set(failures "")
set(row 0)
function(expect file include complaint)
  math(EXPR n "${row} + 1")
  set(row ${n} PARENT_SCOPE)
  set(root ${WORK}/${n})
  file(REMOVE_RECURSE ${root})
  file(WRITE ${root}/${file} "#include ${include}\n")
  if(include MATCHES "^\"(.*)\"$")
    get_filename_component(dir ${root}/${file} DIRECTORY)
    file(WRITE ${dir}/${CMAKE_MATCH_1} "")
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -DROOT=${root} -DLAYERS=${LAYERS} -P ${CHECK}
                  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(complaint STREQUAL "" AND NOT result EQUAL 0)
    list(APPEND failures "${file} with ${include} was refused: ${out}")
  elseif(NOT complaint STREQUAL "")
    string(FIND "${out}" "${complaint}" at)
    if(result EQUAL 0 OR at EQUAL -1)
      list(APPEND failures "${file} with ${include}: expected \"${complaint}\", got: ${out}")
    endif()
  endif()
  set(failures ${failures} PARENT_SCOPE)
endfunction()

expect(vumocaixa/entry/a.cpp <vumocaixa/control/vumocaixa_control.hpp>
       "vumocaixa/entry does not stand on vumocaixa/control")
expect(vumocaixa/tipos/a.hpp <vumocaixa/entry/numerico.hpp>
       "vumocaixa/tipos does not stand on vumocaixa/entry")
expect(vumocaixa/validate/a.cpp <vumocaixa/words/extenso.hpp>
       "vumocaixa/validate does not stand on vumocaixa/words")
expect(vumocaixa/quick/a.cpp <vumocaixa/qt/qt_keys.hpp>
       "vumocaixa/quick does not stand on vumocaixa/qt")
expect(vumocaixa/qt/a.cpp \"../quick/b.hpp\" "vumocaixa/qt does not stand on vumocaixa/quick")
expect(vumocaixa/qtcommon/a.cpp <vumocaixa/qt/vumocaixa_widget.hpp>
       "vumocaixa/qtcommon does not stand on vumocaixa/qt")
expect(tools/a.cpp <vumocaixa/qtcommon/a.hpp> "tools does not stand on vumocaixa/qtcommon")
expect(vumocaixa/host/a.cpp <QString> "vumocaixa/host does not stand on Qt")
expect(vumocaixa/pages/a.cpp <QtCore/qglobal.h> "vumocaixa/pages does not stand on Qt")
expect(vumocaixa/novo/a.cpp <string> "vumocaixa/novo/a.cpp: in no folder")
expect(vumocaixa/control/a.cpp <vumocaixa/entry/mascara.hpp> "")
expect(vumocaixa/qt/designer/a.cpp <vumocaixa/pages/sobre.hpp> "")
expect(vumocaixa/quick/a.cpp <QQuickItem> "")
expect(vumocaixa/quick/a.cpp \"b_p.hpp\" "")
expect(tools/a.cpp <vumocaixa/version.hpp> "")

if(failures)
  list(JOIN failures "\n" text)
  message(FATAL_ERROR "${text}")
endif()
