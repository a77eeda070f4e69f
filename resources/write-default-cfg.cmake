# Writes the cfg.ini of a new installation (the single-user database file beside the
# program) unless one is there already: an operator's own settings are kept.
if(NOT EXISTS "${DEST}")
  file(WRITE "${DEST}" "[db]\nproviderIdx=1\ndefaultCon=1\n")
endif()
