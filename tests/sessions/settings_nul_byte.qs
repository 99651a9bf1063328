# A settings file holding a NUL byte is refused: one warning at start, the built-in catalogue, and the
# file stays byte for byte as it was.
start
show 1009 1005 1003 1013 1011
close
