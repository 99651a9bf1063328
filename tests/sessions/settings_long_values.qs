# Values are cut at 79 characters, never inside a UTF-8 character: a class name of 79 characters with
# umlauts keeps its rows, and a long temperature text is shown and written back as valid UTF-8.
start
show 1005
pick 1009 #1
show 1009 1008 1004 1011
close
