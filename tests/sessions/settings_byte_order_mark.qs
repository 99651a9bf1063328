# A settings file beginning with a UTF-8 byte-order mark reads as if it had none; the typed g is
# written back at close and the mark stays.
start
show 1009 1003 1005
type 1003 9.7
close
