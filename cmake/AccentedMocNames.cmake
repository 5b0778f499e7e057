# Gives the properties of a moc output their accented names. moc reads only ASCII
# names, so a header declares each accented property under a stand-in of the same
# length in bytes ("TamanhoM__ximo" for "TamanhoMáximo"); this script writes the moc
# output IN to OUT with every stand-in, in quotes, replaced by its UTF-8 name, so that
# the offsets and sizes of moc's string table still hold.
#
#   cmake -DIN=moc_x.cpp -DOUT=moc_x_accents.cpp -P AccentedMocNames.cmake

set(stand_ins "\"TamanhoM__ximo\"" "\"Endere__o\"")
set(accented "\"TamanhoM\\303\\241ximo\"" "\"Endere\\303\\247o\"")

file(READ "${IN}" text)
foreach(stand_in name IN ZIP_LISTS stand_ins accented)
  string(FIND "${text}" "${stand_in}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${IN} names no property ${stand_in}")
  endif()
  string(REPLACE "${stand_in}" "${name}" text "${text}")
endforeach()
file(WRITE "${OUT}.new" "${text}")
file(COPY_FILE "${OUT}.new" "${OUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUT}.new")
