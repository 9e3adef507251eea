# End-to-end tests under KWin.
