# Beim Installieren: die Eintraege im Anwendungsmenue mit dem Pfad des installierten Programms
# (CMAKE_INSTALL_PREFIX gilt erst hier, "cmake --install --prefix" kann ihn noch aendern).
# MIVO_DESKTOP: Vorlage, Name des Eintrags und Programm, durch "|" getrennt.
string(REPLACE "|" ";" teile "${MIVO_DESKTOP}")
list(GET teile 0 vorlage)
list(GET teile 1 name)
list(GET teile 2 programm)
file(READ "${vorlage}" inhalt)
string(REPLACE "@PROGRAMM@" "${CMAKE_INSTALL_PREFIX}/bin/${programm}" inhalt "${inhalt}")
set(ziel "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/share/applications")
file(MAKE_DIRECTORY "${ziel}")
file(WRITE "${ziel}/${name}" "${inhalt}")
message(STATUS "Installing: ${ziel}/${name}")
