# Installs the build into PRAEFIX and checks what a desktop needs to offer the program.
file(REMOVE_RECURSE ${PRAEFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BAUVERZEICHNIS} --prefix ${PRAEFIX}
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${status}")
endif()

set(eintrag ${PRAEFIX}/share/applications/brelvanostik.desktop)
set(erwartet bin/brelvanostik bin/brelvanostik-cli share/applications/brelvanostik.desktop
             share/icons/hicolor/scalable/apps/brelvanostik.svg)
if(MIT_UEBERSETZUNG)
  list(APPEND erwartet share/brelvanostik/translations/qtbase_de.qm)
endif()
foreach(datei ${erwartet})
  if(NOT EXISTS ${PRAEFIX}/${datei})
    message(FATAL_ERROR "not installed: ${datei}")
  endif()
endforeach()

execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${eintrag}
                RESULT_VARIABLE status OUTPUT_VARIABLE ausgabe ERROR_VARIABLE ausgabe)
if(NOT status EQUAL 0 OR NOT ausgabe STREQUAL "")
  message(FATAL_ERROR "desktop-file-validate: ${ausgabe}")
endif()

# The entry names an installed program and the installed icon, and speaks German.
file(READ ${eintrag} inhalt)
foreach(zeile "Exec=brelvanostik --menue" "Icon=brelvanostik" "Categories=Office\\;Finance\\;"
              "GenericName=Gehaltsrechner" "Comment=Lohnsteuer, Sozialversicherung")
  string(REPLACE "\\;" ";" zeile "${zeile}")
  string(FIND "\n${inhalt}" "\n${zeile}" stelle)
  if(stelle EQUAL -1)
    message(FATAL_ERROR "desktop entry lacks '${zeile}'")
  endif()
endforeach()

file(READ ${PRAEFIX}/share/icons/hicolor/scalable/apps/brelvanostik.svg bild)
if(NOT bild MATCHES "<svg[^>]*viewBox=\"0 0 128 128\"")
  message(FATAL_ERROR "the icon is no scalable SVG")
endif()

# The installed tool runs from its new place.
execute_process(COMMAND ${PRAEFIX}/bin/brelvanostik-cli lohnsteuer RE4=300000
                RESULT_VARIABLE status OUTPUT_VARIABLE ausgabe)
if(NOT status EQUAL 0 OR NOT ausgabe MATCHES "\"LSTPERIODE\"")
  message(FATAL_ERROR "installed brelvanostik-cli does not run: ${status}")
endif()
