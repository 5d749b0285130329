# Beim Installieren: der Eintrag im Anwendungsmenue mit dem Pfad des installierten Programms
# (CMAKE_INSTALL_PREFIX gilt erst hier, "cmake --install --prefix" kann ihn noch aendern).
set(basis "${CMAKE_INSTALL_PREFIX}/Mivo-Zuzovuvavev")
file(READ "${MIVO_DESKTOP_VORLAGE}" inhalt)
string(REPLACE "@BASIS@" "${basis}" inhalt "${inhalt}")
string(REPLACE "@PROGRAMM@" "${basis}/Mivo-Zuzovuvavev" inhalt "${inhalt}")
set(ziel "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/share/applications")
file(MAKE_DIRECTORY "${ziel}")
file(WRITE "${ziel}/mivo-zuzovuvavev.desktop" "${inhalt}")
message(STATUS "Installing: ${ziel}/mivo-zuzovuvavev.desktop")
