# Writes the header-only custom dictionary OUT unless a file is there already.
if(NOT EXISTS "${OUT}" AND NOT IS_SYMLINK "${OUT}")
  string(ASCII 13 CR)
  file(WRITE "${OUT}" "Zembrock Custom Dictionary${CR}\n")
endif()
