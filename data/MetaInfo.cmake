# The AppStream file is written from its template. Software centres accept
# screenshots only from web addresses; the pictures in docs/screenshots have
# none of their own yet, so they are listed only when TASTWERK_SCREENSHOT_URL
# names the https folder they are served from.
#
# Also a script: cmake -DIN=... -DOUT=... -DSCREENSHOT_URL=... -P MetaInfo.cmake

# Picture in docs/screenshots, English caption, German caption.
set(TASTWERK_SCREENSHOTS
  "hauptfenster.png|The main window with the status text|Das Hauptfenster mit dem Statustext"
  "uebung-finden.png|An exercise: find the braille cell in the line|Eine Übung: die Braillezelle in der Zeile finden"
  "uebung-tippen.png|An exercise: type braille on six keys|Eine Übung: Braille auf sechs Tasten tippen"
  "braillepad.png|The BraillePad for writing freely in braille|Das BraillePad zum freien Schreiben in Braille")

function(tastwerk_write_metainfo IN OUT URL)
  set(Block "")
  if(URL)
    string(REGEX REPLACE "/+$" "" URL "${URL}")
    set(Block "  <screenshots>\n")
    set(Type " type=\"default\"")
    foreach(Shot IN LISTS TASTWERK_SCREENSHOTS)
      string(REPLACE "|" ";" Parts "${Shot}")
      list(GET Parts 0 File)
      list(GET Parts 1 English)
      list(GET Parts 2 German)
      string(APPEND Block
        "    <screenshot${Type}>\n"
        "      <caption>${English}</caption>\n"
        "      <caption xml:lang=\"de\">${German}</caption>\n"
        "      <image type=\"source\">${URL}/${File}</image>\n"
        "    </screenshot>\n")
      set(Type "")
    endforeach()
    string(APPEND Block "  </screenshots>\n")
  endif()
  set(TASTWERK_METAINFO_SCREENSHOTS "${Block}")
  configure_file("${IN}" "${OUT}" @ONLY)
endfunction()

if(CMAKE_SCRIPT_MODE_FILE)
  tastwerk_write_metainfo("${IN}" "${OUT}" "${SCREENSHOT_URL}")
endif()
