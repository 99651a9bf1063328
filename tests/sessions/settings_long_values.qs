# Values are cut at 79 characters, never inside a UTF-8 character: a class name of 79 characters with
# umlauts keeps its rows, and a long temperature text is shown cut as valid UTF-8; closing writes no
# global field the user did not type into, so the file keeps the whole text.
start
show 1005
pick 1009 #1
show 1009 1008 1004 1011
close
