# Run by cpack on the staged package tree, before the .deb is made: a Debian
# package in section "games" keeps its program in /usr/games, and the
# delivered flag file is left out, since an installed copy cannot write its
# own folder and keeps its files in $XDG_DATA_HOME/varnholt, where a missing
# flag file already asks for the media to be written out.
set(root "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr")
file(MAKE_DIRECTORY "${root}/games")
file(RENAME "${root}/bin/varnholt" "${root}/games/varnholt")
file(REMOVE "${root}/bin/ws.txt")
file(REMOVE "${root}/bin")
file(READ "${root}/share/applications/varnholt.desktop" entry)
string(REPLACE "Exec=varnholt" "Exec=/usr/games/varnholt" entry "${entry}")
file(WRITE "${root}/share/applications/varnholt.desktop" "${entry}")
