# A settings file in UTF-16 is refused with a warning and kept as it is.
start
show 1009 1005 1003 1013 1011
close
